#pragma once

// The planetary day at a place, without a window: which date's hours are "now", the hours of a
// date, and why a date has none. Dates are the place's own: its city's zone, or for coordinates
// typed in, the mean solar time of its longitude; the weekday that rules the first hour is that
// of the sunrise there, wherever the computer's clock is set.

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

struct PlanetaryDay {
    QDate date;                            // the place's date whose sunrise begins the day
    std::int64_t dateStart = 0;            // that date's first instant at the place
    std::int64_t dateEnd = 0;              // the next date's first instant
    std::vector<sky::PlanetaryHour> hours; // 24, or none
    QString noHours;                       // without hours: why, with times in the display zone
    sky::Planet ruler = sky::Planet::Sun;  // of the weekday
    // Where the day ends: the next sunrise, or without hours the end of the date.
    std::int64_t end() const { return hours.empty() ? dateEnd : hours.back().end; }
    std::int64_t start() const { return hours.empty() ? dateStart : hours.front().start; }
};

// The hours of the place's date; times in `noHours` are read in `display`.
PlanetaryDay planetaryDay(const Place& place, const QDate& date, const QTimeZone& display);
// The planetary day that holds the instant: the hours before sunrise belong to the day before.
PlanetaryDay planetaryDayAt(const Place& place, std::int64_t unixSeconds, const QTimeZone& display);

// "the Sun", "the Moon", "Mars": how the day's ruler is named in "The day of ...".
QString rulerName(sky::Planet planet);

} // namespace lunara
