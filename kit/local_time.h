#pragma once

// Local days and local times in a time zone, as every window that shows the sky needs them: a
// day starts at the first instant of its date (some midnights come twice, some never), and a time
// is shown rounded to the nearest minute, on the day the rounded time falls on.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <cstdint>

namespace lunara {

// The first instant whose local date is `date` or later: for a date the zone skipped, the start
// of the next date that exists.
std::int64_t startOfLocalDay(const QDate& date, const QTimeZone& zone);
// Whether the zone's clocks show this date at all (a zone that moved across the date line did not).
bool localDayExists(const QDate& date, const QTimeZone& zone);
// The instant rounded to the nearest local minute.
QDateTime roundedLocal(std::int64_t unixSeconds, const QTimeZone& zone);
// The rounded instant's time as the formats locale writes it: "02:28", "2:28 AM".
QString localTimeText(std::int64_t unixSeconds, const QTimeZone& zone);
// Today in the zone at the instant given.
QDate localDate(const QDateTime& instant, const QTimeZone& zone);

} // namespace lunara
