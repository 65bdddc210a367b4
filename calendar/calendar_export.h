#pragma once

// The moon's events as an iCalendar file (RFC 5545) for the calendar programs people already use:
// quarters and sign ingresses as instants, void-of-course periods with their end. Each event's UID
// depends only on what it is, so importing the same range again updates rather than doubles.

#include "almanac/almanac.h"

#include <QIODevice>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lunara {

struct ExportChoice {
    bool quarters = true;
    bool ingresses = true;
    bool voids = false;
    bool modern = false; // the void of course with Uranus, Neptune and Pluto too
};

struct CalendarEvent {
    std::string uid;
    std::string summary;
    std::int64_t start = 0;          // Unix seconds, UTC
    std::optional<std::int64_t> end; // none: an instant
    std::string description;
};

// The almanac's events of these kinds in [from, to) as the file has them: the UID the almanac's
// identity, the summary its words, a period with its end. Any kind the almanac knows goes in.
std::vector<CalendarEvent> CalendarEvents(const almanac::Almanac& almanac, std::int64_t fromUnix, std::int64_t toUnix,
                                          almanac::Kinds kinds);
// The events of [from, to) chosen, in time order.
std::vector<CalendarEvent> MoonEvents(std::int64_t fromUnix, std::int64_t toUnix, const ExportChoice& choice);

// The whole file: CRLF line ends, lines folded at 75 octets (never inside a UTF-8 character),
// text values escaped; stamp is the DTSTAMP of every event (Unix seconds).
std::string ICalendarText(const std::vector<CalendarEvent>& events, std::int64_t stamp);

// The calendar file, through SaveWhole. A failure (a read-only folder, a full
// disk) leaves no half-written file; on failure, error says why in words for the user.
bool WriteCalendarFile(const QString& path, const std::string& text, QString* error);

} // namespace lunara
