#pragma once

// The almanac's events of a range of dates as `lunara events` writes them: the calendar file the
// export dialog writes (the same events, words and UIDs), plain text, JSON or CSV.

#include "calendar/calendar_export.h"
#include "cli/request.h"
#include "cli/where.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace lunara::cli {

// The events of the request's dates (from the first instant of --from to that of the day after --to
// in the zone) and kinds, in time order, exactly as the export dialog takes them.
std::vector<CalendarEvent> eventsOf(const Request& request, const Where& where);

// One event a line: "24 Dec 2026 01:28  Full moon in Cancer", a period with its end, a whole day by
// its date; the year's events with their details, indented, below.
QByteArray eventsText(const std::vector<CalendarEvent>& events, const Where& where);
// The JSON document (see README.md, "On the command line and in a status bar").
QByteArray eventsJson(const std::vector<CalendarEvent>& events, const Request& request, const Where& where);
// A header line and a line an event (RFC 4180 quoting, LF line ends).
QByteArray eventsCsv(const std::vector<CalendarEvent>& events, const Where& where);

} // namespace lunara::cli
