#pragma once

// What a command line asks for, checked before anything is computed or written: a bad part gets one
// line that names it and the form accepted, and the exit status 2.

#include "calendar/calendar_export.h"
#include "place/location.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <cstdint>
#include <optional>

namespace lunara::cli {

enum class Command { Now, Events, Help, Version };
enum class Format { Text, Json, Waybar, Ics, Csv };

// The exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;   // could not be done: a file that exists, a folder that cannot be written
inline constexpr int kBadInput = 2; // the command line itself is wrong

// In an order without padding: the wider members first.
struct Request {
    QString name; // "now", "today" or "events"; empty for the program's own help
    // Where: a zone city by name, or coordinates; else the stored place (or the zone's city).
    std::optional<Place> city;
    std::optional<double> latitude;
    std::optional<double> longitude;
    // The zone the times and dates are in: --zone, else a --place city's own, else the system's.
    QTimeZone zone = QTimeZone::systemTimeZone();
    // now: the instant (Unix seconds); none: the clock.
    std::optional<std::int64_t> at;
    // events: the local dates, both included; where to write; the kinds.
    std::optional<QDate> from;
    std::optional<QDate> to;
    QString output;
    Command command = Command::Help;
    Format format = Format::Text;
    ExportChoice kinds;
    std::optional<bool> southern;
    std::optional<bool> modern;
    bool watch = false; // now
    bool force = false; // events: replace the file there
};

struct Parsed {
    Request request;
    QString error; // the one line that refuses the command line, without the program's name
    bool ok() const { return error.isEmpty(); }
};

// The arguments after the program's name; `now` (Unix seconds) gives events its default dates.
Parsed parseRequest(const QStringList& arguments, std::int64_t now);

// The earliest and latest date the sky is known for.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;
// Risings and settings are asked for at most this many years at a time.
inline constexpr int kLongestRisings = 10;
// events without dates: this many days from today.
inline constexpr int kDefaultDays = 30;

// The kinds' names in --kinds, in the order the help lists them; or those of a choice.
QStringList kindNames();
QStringList kindNames(const ExportChoice& choice);

} // namespace lunara::cli
