#include "place/location.h"

// The time-zone tables come with the program as resources of this library.
static void initPlaceResources() { Q_INIT_RESOURCE(place); }

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <array>
#include <cmath>

// The words of the place's texts and messages (a context of their own for the translations).
class Places {
    Q_DECLARE_TR_FUNCTIONS(Places)
};

namespace lunara {

namespace {

// "+4230" / "+0013124": sign, degrees (2 or 3 digits), minutes, optional seconds.
std::optional<double> tableAngle(QByteArrayView text, int degreeDigits) {
    if ((text.size() != 1 + degreeDigits + 2 && text.size() != 1 + degreeDigits + 4) ||
        (text[0] != '+' && text[0] != '-')) {
        return std::nullopt;
    }
    const auto number = [&text](qsizetype from, qsizetype digits) -> std::optional<int> {
        int n = 0;
        for (qsizetype i = from; i < from + digits; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return std::nullopt;
            }
            n = n * 10 + (text[i] - '0');
        }
        return n;
    };
    const std::optional<int> degrees = number(1, degreeDigits);
    const std::optional<int> minutes = number(1 + degreeDigits, 2);
    const std::optional<int> seconds = text.size() > 1 + degreeDigits + 2 ? number(3 + degreeDigits, 2) : 0;
    if (!degrees || !minutes || !seconds) {
        return std::nullopt;
    }
    const double value = *degrees + *minutes / 60.0 + *seconds / 3600.0;
    return text[0] == '-' ? -value : value;
}

// The lines of a table, read whole (`lunara now` reads the zone table on every run): each line
// without its end, as views into `bytes`.
std::vector<QByteArrayView> tableLines(const QString& path, QByteArray& bytes) {
    QFile file(path);
    bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::vector<QByteArrayView> lines;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end;
        QByteArrayView line(bytes.constData() + start, end - start);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!line.isEmpty() && !line.startsWith('#')) {
            lines.push_back(line);
        }
        start = end + 1;
    }
    return lines;
}

// The first `n` tab-separated fields of a line; fewer when the line has fewer.
template <std::size_t n> std::size_t fields(QByteArrayView line, std::array<QByteArrayView, n>& out) {
    std::size_t count = 0;
    for (qsizetype start = 0; count < n;) {
        const qsizetype tab = line.indexOf('\t', start);
        out[count++] = line.sliced(start, (tab < 0 ? line.size() : tab) - start);
        if (tab < 0) {
            break;
        }
        start = tab + 1;
    }
    return count;
}

std::vector<Place> readZoneTable() {
    ::initPlaceResources();
    // Each country's name made once (the table's names are UTF-8: "Côte d'Ivoire").
    QByteArray countryBytes;
    QHash<QByteArrayView, QString> countries;
    for (const QByteArrayView line : tableLines(QStringLiteral(":/tz/iso3166.tab"), countryBytes)) {
        std::array<QByteArrayView, 2> f;
        if (fields(line, f) == 2 && !f[0].isEmpty()) {
            countries.insert(f[0], QString::fromUtf8(f[1].trimmed()));
        }
    }
    QByteArray zoneBytes;
    std::vector<Place> cities;
    for (const QByteArrayView line : tableLines(QStringLiteral(":/tz/zone.tab"), zoneBytes)) {
        std::array<QByteArrayView, 3> f;
        if (fields(line, f) < 3) {
            continue;
        }
        // "+4230+00131", "+421300+0013100": the longitude starts at the second sign.
        const QByteArrayView coordinates = f[1];
        if (coordinates.isEmpty()) {
            continue;
        }
        qsizetype second = 1;
        while (second < coordinates.size() && coordinates[second] != '+' && coordinates[second] != '-') {
            ++second;
        }
        const std::optional<double> lat = tableAngle(coordinates.first(second), 2);
        const std::optional<double> lon = tableAngle(coordinates.sliced(second), 3);
        if (!lat || !lon) {
            continue;
        }
        // Zone names are ASCII.
        const QByteArrayView zone = f[2].trimmed();
        QString city = QString::fromLatin1(zone.sliced(zone.lastIndexOf('/') + 1));
        city.replace(u'_', u' ');
        const auto country = countries.constFind(f[0]);
        cities.push_back({city, country != countries.cend() ? *country : QString::fromUtf8(f[0]),
                          QString::fromLatin1(zone), *lat, *lon});
    }
    return cities;
}

// Zones that keep a fixed offset and name no place: UTC, GMT, Etc/GMT+3, UTC+05:00, and Factory,
// which says the local time is unknown (it merely runs at UTC).
bool namesNoPlace(const QByteArray& id) {
    for (const char* prefix : {"UTC", "GMT", "Etc/", "Universal", "Zulu", "UCT", "Greenwich", "Factory"}) {
        if (id.startsWith(prefix)) {
            return true;
        }
    }
    return false;
}

// The city of the table whose zone has kept the same clock as this one for the longest: an old or
// other name of a zone ("Asia/Calcutta", "US/Pacific") finds the zone it stands for.
std::optional<Place> cityWithTheSameClocks(const QTimeZone& zone) {
    const int year = QDate::currentDate().year();
    const auto agrees = [&zone](const QTimeZone& other, const QDateTime& when) {
        return zone.offsetFromUtc(when) == other.offsetFromUtc(when);
    };
    const Place* best = nullptr;
    int bestScore = -1;
    for (const Place& p : zoneCities()) {
        const QTimeZone other(p.zoneId.toUtf8());
        if (!other.isValid() || !agrees(other, QDateTime(QDate(year, 1, 15), QTime(12, 0), Qt::UTC)) ||
            !agrees(other, QDateTime(QDate(year, 7, 15), QTime(12, 0), Qt::UTC))) {
            continue;
        }
        int score = 0;
        for (int y = 1970; y <= year; ++y) {
            for (int month : {1, 4, 7, 10}) {
                score += agrees(other, QDateTime(QDate(y, month, 15), QTime(12, 0), Qt::UTC)) ? 1 : 0;
            }
        }
        if (score > bestScore) {
            best = &p;
            bestScore = score;
        }
    }
    return best ? std::optional(*best) : std::nullopt;
}

// Whole or decimal degrees, minutes, seconds; only the last part may have a fraction.
std::optional<double> sexagesimal(const QStringList& parts) {
    static const QRegularExpression kNumber(QStringLiteral("^\\d+([.,]\\d*)?$"));
    if (parts.isEmpty() || parts.size() > 3) {
        return std::nullopt;
    }
    double value = 0;
    double unit = 1;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (!kNumber.match(part).hasMatch() || (i + 1 < parts.size() && part.contains(QRegularExpression("[.,]")))) {
            return std::nullopt;
        }
        part.replace(u',', u'.');
        const double number = part.toDouble();
        if (i > 0 && number >= 60) {
            return std::nullopt;
        }
        value += number / unit;
        unit *= 60;
    }
    return value;
}

// The hemispheres' letters as the user's language writes them (German writes O for east).
QString northLetter() { return Places::tr("N", "north, after a latitude"); }
QString southLetter() { return Places::tr("S", "south, after a latitude"); }
QString eastLetter() { return Places::tr("E", "east, after a longitude"); }
QString westLetter() { return Places::tr("W", "west, after a longitude"); }

QString hemisphereText(double degrees, const QString& positive, const QString& negative) {
    // The number as the user's country writes it: "52.52° N", "52,52° N".
    return Places::tr("%1° %2", "degrees and a hemisphere's letter")
        .arg(QLocale().toString(std::abs(degrees), 'f', 2), degrees < 0 ? negative : positive);
}

} // namespace

const std::vector<Place>& zoneCities() {
    static const std::vector<Place> cities = readZoneTable();
    return cities;
}

std::optional<Place> zoneCity(const QString& zoneId) {
    for (const Place& p : zoneCities()) {
        if (p.zoneId == zoneId) {
            return p;
        }
    }
    return std::nullopt;
}

namespace {

Place placeOfZone(const QTimeZone& zone) {
    if (!zone.isValid()) {
        // A zone nobody can name (a damaged TZ setting): the clocks still run at some offset, so
        // the place is on that meridian, not at Greenwich.
        const int offset = QDateTime::currentDateTime().offsetFromUtc();
        if (offset != 0) {
            return {{}, {}, {}, 0.0, std::clamp(offset / 240.0, -180.0, 180.0)};
        }
        return {QStringLiteral("Greenwich"), QStringLiteral("Britain (UK)"), {}, 51.4779, 0.0};
    }
    if (std::optional<Place> city = zoneCity(QString::fromUtf8(zone.id()))) {
        return *city;
    }
    if (!namesNoPlace(zone.id())) {
        if (std::optional<Place> city = cityWithTheSameClocks(zone)) {
            return *city;
        }
    }
    const QDateTime winter(QDate(QDate::currentDate().year(), 1, 15), QTime(12, 0), Qt::UTC);
    const int offset = zone.standardTimeOffset(winter);
    if (offset == 0 && !zone.hasDaylightTime()) {
        return {QStringLiteral("Greenwich"), QStringLiteral("Britain (UK)"), {}, 51.4779, 0.0};
    }
    // A zone with no city (a fixed offset): its meridian, on the equator.
    return {{}, {}, {}, 0.0, std::clamp(offset / 240.0, -180.0, 180.0)};
}

} // namespace

Place defaultPlace(const QTimeZone& zone) {
    // Comparing a zone's clocks with every city's takes tens of milliseconds: once per zone.
    static QHash<QByteArray, Place> known;
    const QByteArray key =
        zone.isValid() ? zone.id()
                       : QByteArrayLiteral("?") + QByteArray::number(QDateTime::currentDateTime().offsetFromUtc());
    const auto found = known.constFind(key);
    if (found != known.constEnd()) {
        return *found;
    }
    return *known.insert(key, placeOfZone(zone));
}

std::optional<Place> storedPlace(const QString& value) {
    const QStringList f = value.split(u';');
    if (f.size() != 3) {
        return std::nullopt;
    }
    bool okLat = false;
    bool okLon = false;
    const double lat = f[0].toDouble(&okLat);
    const double lon = f[1].toDouble(&okLon);
    if (!okLat || !okLon || !std::isfinite(lat) || !std::isfinite(lon) || std::abs(lat) > 90 || std::abs(lon) > 180) {
        return std::nullopt;
    }
    // A city keeps its name; a zone the table no longer has leaves the coordinates, unnamed.
    Place place{{}, {}, {}, lat, lon};
    if (std::optional<Place> city = zoneCity(f[2])) {
        place.city = city->city;
        place.country = city->country;
        place.zoneId = city->zoneId;
    }
    return place;
}

QString storedValue(const Place& place) {
    return QStringLiteral("%1;%2;%3").arg(place.latitude, 0, 'f', 6).arg(place.longitude, 0, 'f', 6).arg(place.zoneId);
}

Location currentLocation(const QSettings& settings, const QTimeZone& zone) {
    const std::optional<Place> stored = storedPlace(settings.value(QString::fromLatin1(kLocationKey)).toString());
    return stored ? Location{*stored, true} : Location{defaultPlace(zone), false};
}

QString searchKey(const QString& text) {
    QString key;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            key += c.toCaseFolded();
        }
    }
    return key;
}

std::optional<double> parseCoordinate(const QString& text, Axis axis, QString* error) {
    const bool latitude = axis == Axis::Latitude;
    const auto fail = [&](const QString& why) {
        if (error) {
            *error = why;
        }
        return std::nullopt;
    };
    QString s = text.trimmed().toUpper();
    if (s.isEmpty()) {
        return fail(latitude ? Places::tr("Type a latitude.") : Places::tr("Type a longitude."));
    }
    // Spanish, Portuguese and Italian keyboards give the ordinal sign º for a degree; it counts as a
    // letter, so it becomes a degree sign and the separators go before the letters are counted.
    s.replace(u'\u00BA', u'\u00B0');
    static const QRegularExpression kSeparators(QStringLiteral("[\\s°º:'\"\u2032\u2033\u2019\u201d]+"));
    const QString bare = QString(s).remove(kSeparators);
    const auto letterCount = std::count_if(bare.begin(), bare.end(), [](QChar c) { return c.isLetter(); });
    if (letterCount > 1) {
        return fail(latitude ? Places::tr("Type a latitude like 52.52 or 52°31′N.")
                             : Places::tr("Type a longitude like 13.41 or 13°24′E."));
    }
    // A hemisphere letter before or after the number: the English one, or the user's language's.
    const QString positive = latitude ? northLetter().toUpper() : eastLetter().toUpper();
    const QString negative = latitude ? southLetter().toUpper() : westLetter().toUpper();
    const auto is = [](QChar c, QChar english, const QString& own) { return c == english || own == QString(c); };
    int hemisphere = 0;
    for (const qsizetype at : {s.size() - 1, qsizetype(0)}) {
        if (s[at].isLetter()) {
            const bool plus = is(s[at], latitude ? u'N' : u'E', positive);
            const bool minus = is(s[at], latitude ? u'S' : u'W', negative);
            if (plus == minus) {
                return fail(latitude ? Places::tr("Use N or S after a latitude.")
                                     : Places::tr("Use E or W after a longitude."));
            }
            hemisphere = plus ? 1 : -1;
            s.remove(at, 1);
            break;
        }
    }
    s = s.trimmed();
    int sign = 1;
    if (s.startsWith(u'-') || s.startsWith(u'+') || s.startsWith(u'\u2212')) {
        sign = s.startsWith(u'+') ? 1 : -1;
        s.remove(0, 1);
        if (hemisphere != 0) {
            return fail(Places::tr("Give either a sign or a letter, not both."));
        }
    }
    const std::optional<double> value = sexagesimal(s.split(kSeparators, Qt::SkipEmptyParts));
    if (!value) {
        return fail(latitude ? Places::tr("Type a latitude like 52.52 or 52°31′N.")
                             : Places::tr("Type a longitude like 13.41 or 13°24′E."));
    }
    const double degrees = *value * (hemisphere != 0 ? hemisphere : sign);
    if (std::abs(degrees) > (latitude ? 90 : 180)) {
        return fail(latitude ? Places::tr("A latitude lies between 90° S and 90° N.")
                             : Places::tr("A longitude lies between 180° W and 180° E."));
    }
    return degrees;
}

QString coordinatesText(double latitude, double longitude) {
    return Places::tr("%1, %2", "latitude, longitude")
        .arg(hemisphereText(latitude, northLetter(), southLetter()),
             hemisphereText(longitude, eastLetter(), westLetter()));
}

QString placeText(const Place& place) {
    const QString coordinates = coordinatesText(place.latitude, place.longitude);
    return place.city.isEmpty() ? coordinates : place.city + QStringLiteral(", ") + coordinates;
}

QString placeName(const Place& place) {
    return place.city.isEmpty() ? coordinatesText(place.latitude, place.longitude) : place.city;
}

QString coordinateField(double degrees) {
    QString text = QString::number(degrees, 'f', 4);
    while (text.endsWith(u'0')) {
        text.chop(1);
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

} // namespace lunara
