#include "kit/event_words.h"

#include "kit/local_time.h"
#include "kit/text.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace lunara {

namespace {

int dateNumber(const QDate& d) { return d.year() * 10000 + d.month() * 100 + d.day(); }
QDate fromNumber(int n) { return {n / 10000, n / 100 % 100, n % 100}; }

QDate shownDate(std::int64_t t, const QTimeZone& zone) { return roundedLocal(t, zone).date(); }

// "Tuesday 3 February at 21:02"
QString dayAndTime(std::int64_t t, const QTimeZone& zone) {
    return english().toString(shownDate(t, zone), QStringLiteral("dddd d MMMM")) + QStringLiteral(" at ") +
           localTimeText(t, zone);
}

// "15° Aquarius": the sun at a cross-quarter point.
QString sunPlace(std::int64_t t) {
    const double longitude = sky::SunPosition(sky::UnixToJde(t)).longitude;
    const int degrees = static_cast<int>(std::lround(longitude)) % 360;
    return QStringLiteral("%1° %2").arg(degrees % 30).arg(qs(sky::kSigns[std::size_t(degrees / 30)]));
}

QString kindName(sky::EclipseKind kind) {
    switch (kind) {
    case sky::EclipseKind::Penumbral:
        return QStringLiteral("penumbral");
    case sky::EclipseKind::Partial:
        return QStringLiteral("partial");
    case sky::EclipseKind::Annular:
        return QStringLiteral("annular");
    case sky::EclipseKind::Total:
        return QStringLiteral("total");
    case sky::EclipseKind::Hybrid:
        return QStringLiteral("hybrid");
    }
    return {};
}

QString magnitude(double m) { return english().toString(m, 'f', 3); }

QString eclipseLine(const almanac::Event& e, const QTimeZone& zone, const QString& placeName) {
    const almanac::EclipseFacts& f = *e.eclipse;
    QString line = qs(e.words) + QStringLiteral(" at ") + localTimeText(e.start, zone) +
                   QStringLiteral(", magnitude ") + magnitude(f.magnitude) + QStringLiteral(": ") +
                   eclipseSeenText(f, placeName);
    if (f.seen && f.solar && f.localKind) {
        line += QStringLiteral(", %1 there, magnitude %2").arg(kindName(*f.localKind), magnitude(f.localMagnitude));
    }
    return line;
}

QString retrogradeStation(const almanac::Event& e, bool start, const QTimeZone& zone) {
    return QStringLiteral("%1 turns %2 in %3 at %4")
        .arg(qs(sky::PlanetName(e.planet)), start ? QStringLiteral("retrograde") : QStringLiteral("direct"),
             qs(start ? e.sign : e.endSign), localTimeText(start ? e.start : e.end, zone));
}

QString distance(double km) { return english().toString(qRound64(km)) + QStringLiteral(" km"); }

} // namespace

almanac::Dates zoneDates(const QTimeZone& zone) {
    return {[zone](std::int64_t t) { return dateNumber(QDateTime::fromSecsSinceEpoch(t, zone).date()); },
            [zone](int date) { return startOfLocalDay(fromNumber(date), zone); }};
}

QString eclipseSeenText(const almanac::EclipseFacts& facts, const QString& placeName) {
    return (facts.seen ? QStringLiteral("seen from ") : QStringLiteral("not seen from ")) + placeName;
}

QStringList eclipseMoments(const almanac::EclipseFacts& facts, const QTimeZone& zone) {
    QStringList out;
    const QString body = facts.solar ? QStringLiteral("the sun") : QStringLiteral("the moon");
    for (const almanac::Contact& c : facts.contacts) {
        const int height = static_cast<int>(std::lround(c.altitude));
        const QString where = c.altitude > 0 ? QStringLiteral("%1 %2° up").arg(body).arg(std::max(height, 0))
                                             : QStringLiteral("%1 below the horizon").arg(body);
        out << QStringLiteral("%1 %2, %3").arg(qs(c.what), dayAndTime(c.at, zone), where);
    }
    return out;
}

QString eventOnDay(const almanac::Event& e, std::int64_t dayStart, std::int64_t dayEnd, const QTimeZone& zone,
                   const QString& placeName) {
    const QDate day = QDateTime::fromSecsSinceEpoch(dayStart + (dayEnd - dayStart) / 2, zone).date();
    const auto on = [&](std::int64_t t) { return shownDate(t, zone) == day; };
    using almanac::Kind;
    switch (e.kind) {
    case Kind::Sabbat:
        if (e.date != 0) {
            if (e.date == dateNumber(day)) {
                return qs(e.words) + QStringLiteral(" (its point: ") + dayAndTime(e.exact, zone) + u')';
            }
            if (on(e.exact)) {
                return QStringLiteral("The sun at %1 at %2: astronomical %3")
                    .arg(sunPlace(e.exact), localTimeText(e.exact, zone), qs(e.words));
            }
            return {};
        }
        return on(e.start) ? qs(e.words) + QStringLiteral(" at ") + localTimeText(e.start, zone) : QString();
    case Kind::Eclipse:
        return on(e.start) ? eclipseLine(e, zone, placeName) : QString();
    case Kind::Retrograde:
        return on(e.start) ? retrogradeStation(e, true, zone)
               : on(e.end) ? retrogradeStation(e, false, zone)
                           : QString();
    case Kind::MoonName:
        return on(e.start) ? qs(e.words) : QString();
    case Kind::Supermoon:
        return on(e.start) ? QStringLiteral("%1, %2 away").arg(qs(e.words), distance(e.distanceKm)) : QString();
    default:
        return on(e.start) ? qs(e.words) + QStringLiteral(" at ") + localTimeText(e.start, zone) : QString();
    }
}

QString eventLine(const almanac::Event& e, const QTimeZone& zone, const QString& placeName) {
    using almanac::Kind;
    switch (e.kind) {
    case Kind::Sabbat:
        if (e.date != 0) {
            return qs(e.words) + QStringLiteral(" (its point: ") + dayAndTime(e.exact, zone) +
                   QStringLiteral(", the sun at ") + sunPlace(e.exact) + u')';
        }
        return qs(e.words) + QStringLiteral(" at ") + localTimeText(e.start, zone);
    case Kind::Eclipse:
        return eclipseLine(e, zone, placeName);
    case Kind::Retrograde:
        return QStringLiteral("%1 from %2 in %3 until %4 in %5")
            .arg(qs(e.words), localTimeText(e.start, zone), qs(e.sign), dayAndTime(e.end, zone), qs(e.endSign));
    case Kind::Supermoon:
        return QStringLiteral("%1 at %2, %3 away")
            .arg(qs(e.words), localTimeText(e.start, zone), distance(e.distanceKm));
    default:
        return qs(e.words) + QStringLiteral(" at ") + localTimeText(e.start, zone);
    }
}

QStringList dayEventTexts(const std::vector<almanac::Event>& events, std::int64_t dayStart, std::int64_t dayEnd,
                          const QTimeZone& zone, const QString& placeName) {
    // In the order of what the day shows: a retrograde by its station that day, a date by its start.
    std::vector<std::pair<std::int64_t, QString>> shown;
    for (const almanac::Event& e : events) {
        if (QString text = eventOnDay(e, dayStart, dayEnd, zone, placeName); !text.isEmpty()) {
            const bool endsToday = e.kind == almanac::Kind::Retrograde && (e.start < dayStart || e.start >= dayEnd);
            shown.emplace_back(endsToday ? e.end : e.start, std::move(text));
        }
    }
    std::stable_sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList out;
    for (auto& [at, text] : shown) {
        out << std::move(text);
    }
    return out;
}

} // namespace lunara
