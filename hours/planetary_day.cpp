#include "hours/planetary_day.h"

#include "almanac/almanac.h"
#include "kit/local_time.h"
#include "kit/words.h"
#include "sky/horizon.h"
#include "sky/sky.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

// The planetary day's sentences (a context of their own for the translations).
class PlanetaryDays {
    Q_DECLARE_TR_FUNCTIONS(PlanetaryDays)
};

namespace lunara {

namespace {

constexpr std::int64_t kDay = 86400;

// Why the sun gives this date no planetary day, from the crossings actually found: a grazing sun
// that rises and sets within minutes is not "does not rise".
void findWhyNoHours(const Place& place, PlanetaryDay& day) {
    std::vector<sky::HorizonCrossing> sun;
    const almanac::Almanac almanac(almanac::Place{place.latitude, place.longitude});
    const std::int64_t dateStart = day.dateStart;
    const std::int64_t dateEnd = day.dateEnd;
    for (const almanac::Event& e : almanac.events(dateStart, std::min(dateEnd + 2 * kDay, sky::kLastUnix),
                                                  {almanac::Kind::Rising, almanac::Kind::Setting})) {
        if (e.body == sky::Body::Sun) {
            sun.push_back({e.kind == almanac::Kind::Rising, e.start});
        }
    }
    const auto rise = std::find_if(sun.begin(), sun.end(), [dateEnd](const sky::HorizonCrossing& c) {
        return c.rising && c.unixSeconds < dateEnd;
    });
    if (rise == sun.end()) {
        const auto set = std::find_if(sun.begin(), sun.end(), [dateEnd](const sky::HorizonCrossing& c) {
            return !c.rising && c.unixSeconds < dateEnd;
        });
        if (set != sun.end()) {
            day.why = NoHours::SetsAndDoesNotRise;
            day.whyAt = set->unixSeconds;
            return;
        }
        const bool up = sky::UpperLimbAltitude(sky::Body::Sun, place.latitude, place.longitude,
                                               dateStart + (dateEnd - dateStart) / 2) > sky::kHorizonAltitude;
        day.why = up ? NoHours::DoesNotSet : NoHours::DoesNotRise;
        return;
    }
    const auto set = std::find_if(rise, sun.end(), [](const sky::HorizonCrossing& c) { return !c.rising; });
    if (set == sun.end() || set->unixSeconds - rise->unixSeconds > kDay) {
        day.why = NoHours::NoSetWithinADay;
        day.whyAt = rise->unixSeconds;
        return;
    }
    day.why = NoHours::NoRiseWithinADay;
    day.whyAt = set->unixSeconds;
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

QString candleOption(sky::Planet planet) {
    // Candle Magick's list writes the sun in lower case.
    return planet == sky::Planet::Sun ? QStringLiteral("sun") : qs(sky::PlanetName(planet));
}

const CandleColor* planetCandle(sky::Planet planet) {
    return LookupCandle(kChooseByPlanet, candleOption(planet).toStdString());
}

QString dayTitle(sky::Planet ruler) {
    switch (ruler) {
    case sky::Planet::Sun:
        return PlanetaryDays::tr("The day of the Sun");
    case sky::Planet::Moon:
        return PlanetaryDays::tr("The day of the Moon");
    case sky::Planet::Mars:
        return PlanetaryDays::tr("The day of Mars");
    case sky::Planet::Mercury:
        return PlanetaryDays::tr("The day of Mercury");
    case sky::Planet::Jupiter:
        return PlanetaryDays::tr("The day of Jupiter");
    case sky::Planet::Venus:
        return PlanetaryDays::tr("The day of Venus");
    default:
        return PlanetaryDays::tr("The day of Saturn");
    }
}

QString dayLine(const PlanetaryDay& day, const QTimeZone& display) {
    QString title = dayTitle(day.ruler);
    const QString at = localTimeText(day.whyAt, display);
    switch (day.why) {
    case NoHours::None:
        return PlanetaryDays::tr("%1: sunrise %2, sunset %3, next sunrise %4")
            .arg(title, localTimeText(day.hours.front().start, display), localTimeText(day.hours[12].start, display),
                 localTimeText(day.hours.back().end, display));
    case NoHours::SetsAndDoesNotRise:
        return PlanetaryDays::tr("%1: the sun sets at %2 and does not rise again this day.").arg(title, at);
    case NoHours::DoesNotSet:
        return PlanetaryDays::tr("%1: the sun does not set.").arg(title);
    case NoHours::DoesNotRise:
        return PlanetaryDays::tr("%1: the sun does not rise.").arg(title);
    case NoHours::NoSetWithinADay:
        return PlanetaryDays::tr("%1: the sun does not set within a day after it rises at %2.").arg(title, at);
    case NoHours::NoRiseWithinADay:
        return PlanetaryDays::tr("%1: the sun does not rise again within a day after it sets at %2.").arg(title, at);
    }
    return title;
}

QString noHoursLine(const PlanetaryDay& day, const QTimeZone& display) {
    const QString at = localTimeText(day.whyAt, display);
    switch (day.why) {
    case NoHours::None:
        return {};
    case NoHours::SetsAndDoesNotRise:
        return PlanetaryDays::tr("No planetary hours this day: the sun sets at %1 and does not rise again this day, so "
                                 "there is no daylight and night to divide.")
            .arg(at);
    case NoHours::DoesNotSet:
        return PlanetaryDays::tr(
            "No planetary hours this day: the sun does not set, so there is no daylight and night to divide.");
    case NoHours::DoesNotRise:
        return PlanetaryDays::tr(
            "No planetary hours this day: the sun does not rise, so there is no daylight and night to divide.");
    case NoHours::NoSetWithinADay:
        return PlanetaryDays::tr("No planetary hours this day: the sun does not set within a day after it rises at %1, "
                                 "so there is no daylight and night to divide.")
            .arg(at);
    case NoHours::NoRiseWithinADay:
        return PlanetaryDays::tr("No planetary hours this day: the sun does not rise again within a day after it sets "
                                 "at %1, so there is no daylight and night to divide.")
            .arg(at);
    }
    return {};
}

PlanetaryDay planetaryDay(const Place& place, const QDate& date) {
    const QTimeZone zone = placeZone(place);
    PlanetaryDay day;
    day.date = date;
    day.dateStart = startOfLocalDay(date, zone);
    day.dateEnd = startOfLocalDay(date.addDays(1), zone);
    day.ruler = sky::DayRuler(date.dayOfWeek());
    day.hours = sky::PlanetaryHoursOf(date.dayOfWeek(), place.latitude, place.longitude, day.dateStart, day.dateEnd);
    if (day.hours.empty()) {
        findWhyNoHours(place, day);
    }
    return day;
}

PlanetaryDay planetaryDayAt(const Place& place, std::int64_t unixSeconds) {
    const QDate date = localDate(QDateTime::fromSecsSinceEpoch(unixSeconds, QTimeZone::utc()), placeZone(place));
    PlanetaryDay day = planetaryDay(place, date);
    return !day.hours.empty() && unixSeconds < day.hours.front().start ? planetaryDay(place, date.addDays(-1)) : day;
}

} // namespace lunara
