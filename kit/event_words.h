#pragma once

// The year's events in the words every window shows them with: local times in the user's zone, an
// eclipse's moments with the body's height, a station's sign. The almanac gives what happens; this
// says it.

#include "almanac/almanac.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <vector>

namespace lunara {

// The zone's dates for the almanac: which day an instant falls on and where a date starts.
almanac::Dates zoneDates(const QTimeZone& zone);

// The kinds the year brings, beside the moon's own quarters, ingresses and void of course.
inline constexpr almanac::Kinds kYearKinds{almanac::Kind::Sabbat, almanac::Kind::Eclipse, almanac::Kind::Retrograde,
                                           almanac::Kind::MoonName, almanac::Kind::Supermoon};

// What of an event a local day shows: a cross-quarter day on its date, an instant on the day its
// rounded minute falls on, a retrograde on the days of its stations. [dayStart, dayEnd) are the
// day's bounds; empty when the day shows nothing of it.
QString eventOnDay(const almanac::Event& event, std::int64_t dayStart, std::int64_t dayEnd, const QTimeZone& zone,
                   const QString& placeName);

// An event as a line of a year's list: "Yule, the winter solstice at 21:50",
// "Imbolc; the sun's cross-quarter point Tuesday 3 February 21:02", "Mercury retrograde in Pisces
// until 20 March (direct in Pisces)", "Total lunar eclipse, magnitude 1.16: not seen from Berlin".
QString eventLine(const almanac::Event& event, const QTimeZone& zone, const QString& placeName);

// An eclipse's moments at the place: "Partial eclipse begins 06:09, the moon 2° up".
QStringList eclipseMoments(const almanac::EclipseFacts& facts, const QTimeZone& zone);

// "seen from Berlin" / "not seen from Berlin" (a solar eclipse whose shadow misses the place too).
QString eclipseSeenText(const almanac::EclipseFacts& facts, const QString& placeName);

// The day's events of the year's kinds, each in the words of eventOnDay, in time order.
QStringList dayEventTexts(const std::vector<almanac::Event>& events, std::int64_t dayStart, std::int64_t dayEnd,
                          const QTimeZone& zone, const QString& placeName);

} // namespace lunara
