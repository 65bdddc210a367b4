#pragma once

// The moon's events as an iCalendar file (RFC 5545) for the calendar programs people already use:
// quarters and sign ingresses as instants, void-of-course periods with their end, the year's events
// (cross-quarter days and retrograde periods as all-day spans). Each event's UID
// depends only on what it is, so importing the same range again updates rather than doubles.

#include "almanac/almanac.h"

#include <QIODevice>
#include <QString>
#include <QTimeZone>
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
    bool sabbats = false;
    bool eclipses = false;
    bool retrogrades = false;
    bool moonNames = false; // full moon names, blue and black moons
    bool supermoons = false;
    bool risings = false; // the sun's and the moon's risings and settings at the place
};

// Where the year's events are seen from: eclipses from the place, the wheel by the hemisphere, dates
// in the zone.
struct ExportPlace {
    std::optional<almanac::Place> place;
    QString name; // "Berlin"
    bool southern = false;
    QTimeZone zone = QTimeZone::utc();
};

struct CalendarEvent {
    std::string uid;
    std::string summary;
    std::int64_t start = 0;          // Unix seconds, UTC
    std::optional<std::int64_t> end; // none: an instant
    std::string description;
    // An all-day event from one local date to the day before another (yyyymmdd); start and end
    // are then the instants of those dates.
    int firstDate = 0;
    int endDate = 0;
    almanac::Kind kind = almanac::Kind::Other; // what the almanac found (the file does not say it)
};

// The almanac's events of these kinds in [from, to) as the file has them: the UID the almanac's
// identity, the summary its words, a period with its end. Any kind the almanac knows goes in.
// The year's events carry their words in full (an eclipse its moments) in the zone's local times.
std::vector<CalendarEvent> CalendarEvents(const almanac::Almanac& almanac, std::int64_t fromUnix, std::int64_t toUnix,
                                          almanac::Kinds kinds, const QTimeZone& zone = QTimeZone::utc(),
                                          const QString& placeName = {});
// The events of [from, to) chosen, in time order.
std::vector<CalendarEvent> MoonEvents(std::int64_t fromUnix, std::int64_t toUnix, const ExportChoice& choice,
                                      const ExportPlace& where = {});

// The whole file: CRLF line ends, lines folded at 75 octets (never inside a UTF-8 character),
// text values escaped; stamp is the DTSTAMP of every event (Unix seconds).
std::string ICalendarText(const std::vector<CalendarEvent>& events, std::int64_t stamp);

// The calendar file, through SaveWhole. A failure (a read-only folder, a full
// disk) leaves no half-written file; on failure, error says why in words for the user.
bool WriteCalendarFile(const QString& path, const std::string& text, QString* error);

} // namespace lunara
