#include "hours/planetary_day.h"

#include "almanac/almanac.h"
#include "kit/local_time.h"
#include "kit/text.h"
#include "sky/horizon.h"
#include "sky/sky.h"

#include <algorithm>
#include <cmath>

namespace lunara {

namespace {

constexpr std::int64_t kDay = 86400;

// Why the sun gives this date no planetary day, from the crossings actually found: a grazing sun
// that rises and sets within minutes is not "does not rise".
QString whyNoHours(const Place& place, std::int64_t dateStart, std::int64_t dateEnd, const QTimeZone& display) {
    std::vector<sky::HorizonCrossing> sun;
    const almanac::Almanac almanac(almanac::Place{place.latitude, place.longitude});
    for (const almanac::Event& e : almanac.events(dateStart, std::min(dateEnd + 2 * kDay, sky::kLastUnix),
                                                  {almanac::Kind::Rising, almanac::Kind::Setting})) {
        if (e.body == sky::Body::Sun) {
            sun.push_back({e.kind == almanac::Kind::Rising, e.start});
        }
    }
    const auto at = [&display](const sky::HorizonCrossing& c) { return localTimeText(c.unixSeconds, display); };
    const auto rise = std::find_if(sun.begin(), sun.end(), [dateEnd](const sky::HorizonCrossing& c) {
        return c.rising && c.unixSeconds < dateEnd;
    });
    if (rise == sun.end()) {
        const auto set = std::find_if(sun.begin(), sun.end(), [dateEnd](const sky::HorizonCrossing& c) {
            return !c.rising && c.unixSeconds < dateEnd;
        });
        if (set != sun.end()) {
            return QStringLiteral("the sun sets at %1 and does not rise again this day").arg(at(*set));
        }
        const bool up = sky::UpperLimbAltitude(sky::Body::Sun, place.latitude, place.longitude,
                                               dateStart + (dateEnd - dateStart) / 2) > sky::kHorizonAltitude;
        return up ? QStringLiteral("the sun does not set") : QStringLiteral("the sun does not rise");
    }
    const auto set = std::find_if(rise, sun.end(), [](const sky::HorizonCrossing& c) { return !c.rising; });
    if (set == sun.end() || set->unixSeconds - rise->unixSeconds > kDay) {
        return QStringLiteral("the sun does not set within a day after it rises at %1").arg(at(*rise));
    }
    return QStringLiteral("the sun does not rise again within a day after it sets at %1").arg(at(*set));
}

} // namespace

QTimeZone placeZone(const Place& place) {
    if (!place.zoneId.isEmpty()) {
        const QTimeZone zone(place.zoneId.toUtf8());
        if (zone.isValid()) {
            return zone;
        }
    }
    // Mean solar time: four minutes for each degree east.
    return QTimeZone(static_cast<int>(std::lround(place.longitude * 240)));
}

QString rulerName(sky::Planet planet) {
    const QString name = qs(sky::PlanetName(planet));
    return planet == sky::Planet::Sun || planet == sky::Planet::Moon ? QStringLiteral("the ") + name : name;
}

PlanetaryDay planetaryDay(const Place& place, const QDate& date, const QTimeZone& display) {
    const QTimeZone zone = placeZone(place);
    PlanetaryDay day;
    day.date = date;
    day.dateStart = startOfLocalDay(date, zone);
    day.dateEnd = startOfLocalDay(date.addDays(1), zone);
    day.ruler = sky::DayRuler(date.dayOfWeek());
    day.hours = sky::PlanetaryHoursOf(date.dayOfWeek(), place.latitude, place.longitude, day.dateStart, day.dateEnd);
    if (day.hours.empty()) {
        day.noHours = whyNoHours(place, day.dateStart, day.dateEnd, display);
    }
    return day;
}

PlanetaryDay planetaryDayAt(const Place& place, std::int64_t unixSeconds, const QTimeZone& display) {
    const QDate date = localDate(QDateTime::fromSecsSinceEpoch(unixSeconds, QTimeZone::utc()), placeZone(place));
    PlanetaryDay day = planetaryDay(place, date, display);
    return !day.hours.empty() && unixSeconds < day.hours.front().start ? planetaryDay(place, date.addDays(-1), display)
                                                                       : day;
}

} // namespace lunara
