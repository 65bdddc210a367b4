#include "cli/where.h"

#include "cli/texts.h"
#include "kit/sky_words.h"

#include <QDateTime>
#include <QStringList>
#include <cstdlib>
#include <vector>

namespace lunara::cli {

namespace {

QString cityLine(const Place& p) { return p.country.isEmpty() ? p.city : p.city + QStringLiteral(", ") + p.country; }

} // namespace

std::optional<Place> findCity(const QString& name, QString* error) {
    // A city's or a zone's own name, as a status bar's command gives it every minute: found without
    // working out every name's search key.
    const QString given = name.trimmed();
    const Place* named = nullptr;
    int namedCount = 0;
    for (const Place& city : zoneCities()) {
        if (city.city.compare(given, Qt::CaseInsensitive) == 0 ||
            city.zoneId.compare(given, Qt::CaseInsensitive) == 0) {
            named = &city;
            ++namedCount;
        }
    }
    if (namedCount == 1) {
        return *named;
    }
    const QString key = searchKey(given);
    std::vector<const Place*> exact;
    std::vector<const Place*> partial;
    for (const Place& city : zoneCities()) {
        if (searchKey(city.city) == key || searchKey(cityLine(city)) == key ||
            city.zoneId.compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            exact.push_back(&city);
        } else if (searchKey(cityLine(city)).contains(key)) {
            partial.push_back(&city);
        }
    }
    const std::vector<const Place*>& found = exact.empty() ? partial : exact;
    if (found.size() == 1) {
        return *found.front();
    }
    if (found.empty()) {
        *error = CommandLine::tr("no city of the time-zone table is called '%1'; give one (as --place Lisbon) or "
                                 "--lat and --lon")
                     .arg(name);
    } else {
        QStringList names;
        for (const Place* p : found) {
            names << cityLine(*p);
        }
        constexpr qsizetype kNamed = 5;
        if (names.size() > kNamed) {
            names = names.mid(0, kNamed) << QStringLiteral("...");
        }
        *error = CommandLine::tr("'%1' names %2 cities (%3); give more of the name")
                     .arg(name, QString::number(found.size()), names.join(QStringLiteral("; ")));
    }
    return std::nullopt;
}

Where resolveWhere(const Request& request, const QSettings& settings) {
    Where where;
    where.zone = request.zone;
    if (request.latitude && request.longitude) {
        where.place = Place{{}, {}, {}, *request.latitude, *request.longitude};
        where.chosen = true;
    } else if (request.city) {
        where.place = *request.city;
        where.chosen = true;
    } else {
        const Location location = currentLocation(settings, request.zone);
        where.place = location.place;
        where.chosen = location.chosen;
    }
    where.southern = request.southern.value_or(southernChosen(settings));
    where.modern = request.modern.value_or(modernPlanetsChosen(settings));
    return where;
}

QString isoTime(std::int64_t unixSeconds, const QTimeZone& zone) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(unixSeconds, zone);
    const int offset = local.offsetFromUtc();
    if (offset % 60 != 0) {
        return isoTime(unixSeconds, QTimeZone::utc());
    }
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

void addWhere(QJsonObject& document, const Where& where) {
    const Place& p = where.place;
    document.insert(QStringLiteral("place"),
                    QJsonObject{{QStringLiteral("name"), placeName(p)},
                                {QStringLiteral("text"), placeText(p)},
                                {QStringLiteral("city"), p.city.isEmpty() ? QJsonValue() : QJsonValue(p.city)},
                                {QStringLiteral("country"), p.country.isEmpty() ? QJsonValue() : QJsonValue(p.country)},
                                {QStringLiteral("zone"), p.zoneId.isEmpty() ? QJsonValue() : QJsonValue(p.zoneId)},
                                {QStringLiteral("latitude"), p.latitude},
                                {QStringLiteral("longitude"), p.longitude},
                                {QStringLiteral("chosen"), where.chosen}});
    document.insert(QStringLiteral("zone"), QString::fromUtf8(where.zone.id()));
    document.insert(QStringLiteral("hemisphere"),
                    where.southern ? QStringLiteral("southern") : QStringLiteral("northern"));
    document.insert(QStringLiteral("planets"), where.modern ? QStringLiteral("modern") : QStringLiteral("classic"));
    document.insert(QStringLiteral("version"), kJsonVersion);
}

} // namespace lunara::cli
