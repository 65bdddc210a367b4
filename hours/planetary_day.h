#pragma once

// The planetary day at a place, without a window: which date's hours are "now", the hours of a
// date, and why a date has none. Dates are the place's own: its city's zone, or for coordinates
// typed in, the mean solar time of its longitude; the weekday that rules the first hour is that
// of the sunrise there, wherever the computer's clock is set.

#include "candle/tables.h"
#include "place/location.h"
#include "sky/planets.h"

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <vector>

namespace lunara {

// The zone the place's dates are counted in.
QTimeZone placeZone(const Place& place);

// Why a date has no planetary hours: what the sun does at the place.
enum class NoHours {
    None,
    SetsAndDoesNotRise, // sets at `whyAt` and does not rise again this day
    DoesNotSet,
    DoesNotRise,
    NoSetWithinADay,  // rises at `whyAt` and does not set within a day
    NoRiseWithinADay, // sets at `whyAt` and does not rise again within a day
};

struct PlanetaryDay {
    QDate date;                            // the place's date whose sunrise begins the day
    std::int64_t dateStart = 0;            // that date's first instant at the place
    std::int64_t dateEnd = 0;              // the next date's first instant
    std::vector<sky::PlanetaryHour> hours; // 24, or none
    NoHours why = NoHours::None;           // without hours: why
    std::int64_t whyAt = 0;                // the sunrise or sunset the reason names
    sky::Planet ruler = sky::Planet::Sun;  // of the weekday
    // Where the day ends: the next sunrise, or without hours the end of the date.
    std::int64_t end() const { return hours.empty() ? dateEnd : hours.back().end; }
    std::int64_t start() const { return hours.empty() ? dateStart : hours.front().start; }
};

// The hours of the place's date.
PlanetaryDay planetaryDay(const Place& place, const QDate& date);
// The planetary day that holds the instant: the hours before sunrise belong to the day before.
PlanetaryDay planetaryDayAt(const Place& place, std::int64_t unixSeconds);

// The word Candle Magick's planet list uses for a planet ("sun", "Moon", ...).
QString candleOption(sky::Planet planet);
// The colour of a planet's candle, as Candle Magick gives it for that planet.
const CandleColor* planetCandle(sky::Planet planet);

// "The day of the Sun", "The day of Mars".
QString dayTitle(sky::Planet ruler);
// The day's line with times read in `display`: "The day of Mars: sunrise 07:58, sunset 16:02, next
// sunrise 07:59", or why it has no hours ("The day of the Moon: the sun does not rise.").
QString dayLine(const PlanetaryDay& day, const QTimeZone& display);
// Without hours, the whole reason: "No planetary hours this day: the sun does not rise, so there is
// no daylight and night to divide."; empty for a day with hours.
QString noHoursLine(const PlanetaryDay& day, const QTimeZone& display);

} // namespace lunara
