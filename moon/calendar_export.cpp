#include "moon/calendar_export.h"

#include "kit/save_file.h"
#include "sky/planets.h"
#include "sky/sky.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace lunara {

namespace {

// Days since 1970-01-01 to a civil date (the proleptic Gregorian calendar).
void civilFromDays(std::int64_t z, int& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int>(yoe + era * 400) + (m <= 2 ? 1 : 0);
}

std::string twoDigits(unsigned n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); }

// "20261224"
std::string utcDate(std::int64_t unix) {
    const std::int64_t days = (unix >= 0 ? unix : unix - 86399) / 86400;
    int y = 0;
    unsigned m = 0;
    unsigned d = 0;
    civilFromDays(days, y, m, d);
    return std::to_string(y) + twoDigits(m) + twoDigits(d);
}

// "20261224T012846Z"
std::string utcStamp(std::int64_t unix) {
    const std::int64_t seconds = ((unix % 86400) + 86400) % 86400;
    return utcDate(unix) + 'T' + twoDigits(unsigned(seconds / 3600)) + twoDigits(unsigned(seconds / 60 % 60)) +
           twoDigits(unsigned(seconds % 60)) + 'Z';
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

// One content line, folded at 75 octets: the break goes before a byte that starts a character.
void addLine(std::string& out, const std::string& line) {
    std::size_t used = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        const bool starts = (byte & 0xC0) != 0x80;
        std::size_t length = 1;
        while (starts && i + length < line.size() && (static_cast<unsigned char>(line[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        if (starts && used + length > 75) {
            out += "\r\n ";
            used = 1;
        }
        out += line[i];
        ++used;
    }
    out += "\r\n";
}

constexpr std::array<const char*, 4> kQuarterWords{"New moon", "First quarter moon", "Full moon", "Last quarter moon"};

} // namespace

std::vector<CalendarEvent> MoonEvents(std::int64_t fromUnix, std::int64_t toUnix, const ExportChoice& choice) {
    std::vector<CalendarEvent> events;
    const std::string domain = "@lunara.example";
    if (choice.quarters) {
        for (const sky::PhaseEvent& e : sky::PhaseEventsBetween(fromUnix, toUnix)) {
            const auto q = static_cast<std::size_t>(e.quarter);
            events.push_back({"quarter-" + std::to_string(q) + "-" + utcDate(e.unixSeconds) + domain,
                              std::string(kQuarterWords[q]) + " in " + std::string(sky::MoonSignAt(e.unixSeconds)),
                              e.unixSeconds,
                              std::nullopt,
                              {}});
        }
    }
    if (choice.ingresses) {
        for (const sky::SignIngress& in : sky::SignIngressesBetween(fromUnix, toUnix)) {
            events.push_back({"ingress-" + lower(in.sign) + "-" + utcDate(in.unixSeconds) + domain,
                              "Moon enters " + std::string(in.sign),
                              in.unixSeconds,
                              std::nullopt,
                              {}});
        }
    }
    if (choice.voids) {
        const std::string set = choice.modern ? "modern" : "classic";
        for (const sky::VoidOfCourse& v : sky::VoidOfCourseBetween(fromUnix, toUnix, choice.modern)) {
            const std::string sign(sky::MoonSignAt(v.end));
            // Named by the ingress that ends it, which stays when the range around it changes.
            std::string uid = "void-";
            uid.append(set).append("-").append(lower(sign)).append("-").append(utcDate(v.end)).append(domain);
            std::string description = "Until the moon enters ";
            description.append(sign).append(" (").append(set).append(" planets)");
            events.push_back({std::move(uid), "Moon void of course", v.start, v.end, std::move(description)});
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const CalendarEvent& a, const CalendarEvent& b) { return a.start < b.start; });
    return events;
}

std::string ICalendarText(const std::vector<CalendarEvent>& events, std::int64_t stamp) {
    std::string out;
    addLine(out, "BEGIN:VCALENDAR");
    addLine(out, "VERSION:2.0");
    addLine(out, "PRODID:-//Lunara//Moon Calendar 1.20//EN");
    addLine(out, "CALSCALE:GREGORIAN");
    addLine(out, "X-WR-CALNAME:Lunara Moon");
    for (const CalendarEvent& e : events) {
        addLine(out, "BEGIN:VEVENT");
        addLine(out, "UID:" + e.uid);
        addLine(out, "DTSTAMP:" + utcStamp(stamp));
        addLine(out, "DTSTART:" + utcStamp(e.start));
        if (e.end) {
            addLine(out, "DTEND:" + utcStamp(*e.end));
        }
        addLine(out, "SUMMARY:" + escaped(e.summary));
        if (!e.description.empty()) {
            addLine(out, "DESCRIPTION:" + escaped(e.description));
        }
        addLine(out, "TRANSP:TRANSPARENT");
        addLine(out, "END:VEVENT");
    }
    addLine(out, "END:VCALENDAR");
    return out;
}

bool WriteCalendarFile(const QString& path, const std::string& text, QString* error) {
    return SaveWhole(
        path, QStringLiteral("calendar file"),
        [&text](QIODevice& device) {
            return device.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
        },
        error);
}

} // namespace lunara
