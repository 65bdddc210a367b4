#pragma once

// The moon now at a place, as `lunara now` tells it: the phase and lit share, the age, the sign and
// when the moon leaves it, the void of course now or next, the next quarter, the day's risings and
// settings, the planetary hour with its candle, and the day's events of the year; as plain text in
// the windows' words, as JSON, or as a status bar's line.

#include "almanac/almanac.h"
#include "cli/where.h"
#include "hours/planetary_day.h"
#include "kit/event_words.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lunara::cli {

struct SkyNow {
    std::int64_t at = 0;
    QDate today;                           // in the zone
    std::int64_t dayStart = 0;             // today's first instant
    std::int64_t dayEnd = 0;               // tomorrow's
    std::string_view phase;                // "Waxing Gibbous", by the day's quarter
    double lit = 0;                        // the lit share of the disc, 0 to 1
    double age = 0;                        // days since the new moon
    std::string_view sign;                 // the moon's
    std::optional<almanac::Event> ingress; // the next
    std::optional<almanac::Event> voidNow;
    std::optional<almanac::Event> voidNext;
    std::optional<almanac::Event> quarter; // the next
    struct Horizon {
        std::vector<sky::HorizonCrossing> crossings; // today's, by their rounded minute
        bool upAtStart = false;                      // without crossings: whether the body stays up
    };
    Horizon sun;
    Horizon moon;
    PlanetaryDay day;                // the planetary day that holds the instant
    std::optional<std::size_t> hour; // its hour now
    DayEvents year;                  // today's sabbat, eclipse, station, named moon
    // The next instant one of the words shown changes: the date, the sign, the void of course, the
    // planetary hour (and with the date the phase's name, risings and events).
    std::int64_t changes = 0;
};

// The moon at `at` for `where`; the almanac keeps its searches for the next call (--watch).
SkyNow skyNow(almanac::Almanac& almanac, const Where& where, std::int64_t at);

// The almanac the commands ask: the place, the planets, the hemisphere and the zone's dates.
almanac::Almanac almanacFor(const Where& where);

// What a status bar shows changes only when this does.
QString shownKey(const SkyNow& sky);

// Plain text, one fact a line, in the user's language.
QString nowText(const SkyNow& sky, const Where& where);
// The one line of --watch: "Full Moon in Cancer, void of course until 19:40; hour of Jupiter".
QString nowLine(const SkyNow& sky, const Where& where);
// The JSON document (see README.md, "On the command line and in a status bar").
QByteArray nowJson(const SkyNow& sky, const Where& where, bool oneLine);
// Waybar's custom module line: text, tooltip, class, percentage.
QByteArray waybarJson(const SkyNow& sky, const Where& where);

} // namespace lunara::cli
