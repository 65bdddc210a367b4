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

// What an event is, in the user's language: "Full moon in Cancer", "Moon enters Leo", "Mercury
// retrograde", "Total solar eclipse", "Beltane", "Wolf Moon". Every window shows an event by these.
QString eventWords(const almanac::Event& event);

// The zone's dates for the almanac: which day an instant falls on and where a date starts.
almanac::Dates zoneDates(const QTimeZone& zone);
// 20261224 as a date, and the date an instant is shown on (its rounded minute's) as such a number.
QDate dateOfNumber(int date);
int shownDateNumber(std::int64_t unixSeconds, const QTimeZone& zone);

// An instant's date and time in the zone, both of its rounded minute: "Tuesday 3 February at 21:02"
// in a line of words, "Tue 3 Feb 21:02" in a printed list.
enum class DayForm { Words, List };
QString dayAndTime(std::int64_t unixSeconds, const QTimeZone& zone, DayForm form = DayForm::Words);

// An event as a line of a year's list or a day's details: "Yule, the winter solstice at 21:50",
// "Imbolc (its point: Tuesday 3 February at 21:02, the sun at 15° Aquarius)", "Mercury retrograde
// from 07:48 in Pisces until Friday 20 March at 20:33 in Pisces", "Total lunar eclipse at 12:34,
// magnitude 1.156: not seen from Berlin", "Wolf Moon at 11:03, in Cancer".
QString eventLine(const almanac::Event& event, const QTimeZone& zone, const QString& placeName);

// An eclipse's moments at the place: "Partial eclipse begins Tuesday 3 March at 10:50, the moon 2° up".
QStringList eclipseMoments(const almanac::EclipseFacts& facts, const QTimeZone& zone);

// "seen from Berlin" / "not seen from Berlin" (a solar eclipse whose shadow misses the place too).
QString eclipseSeenText(const almanac::EclipseFacts& facts, const QString& placeName);

// What of the year's events a local day [dayStart, dayEnd) shows: a cross-quarter day on its date
// (and its point on the day the sun reaches it), an instant on the day its rounded minute falls on, a
// retrograde on the days of its stations; in the order the day shows them. Read once per day by the
// calendar's cell, details and print, and by Magick Hours.
struct DayEvents {
    QStringList texts;
    // Each text's event named without its times, for a line that only says what today is:
    // "Imbolc", "Total lunar eclipse, not seen from Berlin", "Mercury turns retrograde".
    QStringList names;
    bool sabbat = false;
    bool eclipse = false;
    bool station = false;   // a planet turns retrograde or direct
    bool supermoon = false; // a supermoon or micromoon
    bool mercuryRetrograde = false;
    bool mercuryStation = false;
    // The texts (or the names), and "Mercury is retrograde" on a day between its stations.
    QStringList withMercury() const;
    QStringList namesWithMercury() const;

private:
    QStringList addMercury(QStringList list) const;
};
// The day's date is the zone's, and so are the times written, unless `timesIn` gives other clocks
// to write them in (a place's date told in the computer's times).
DayEvents eventsOfDay(const std::vector<almanac::Event>& events, std::int64_t dayStart, std::int64_t dayEnd,
                      const QTimeZone& zone, const QString& placeName, const QTimeZone* timesIn = nullptr);

// What a date holds of the year's events, for a window's line of one day (Moon Magick's today, Magick
// Hours' day): asked of the almanac wide enough that a cross-quarter day's point, days after its
// date, is named on its own day. The date is counted in `datesZone`, the times written in `timesIn`.
// A caller that knows a kind cannot fall on the date may leave it out of `kinds`.
DayEvents yearEventsOfDate(const almanac::Almanac& almanac, const QDate& date, const QTimeZone& datesZone,
                           const QTimeZone& timesIn, const QString& placeName,
                           almanac::Kinds kinds = almanac::kYearKinds);

} // namespace lunara
