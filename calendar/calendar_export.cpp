#include "calendar/calendar_export.h"

#include "kit/save_file.h"

#include <algorithm>

namespace lunara {

namespace {

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

} // namespace

std::vector<CalendarEvent> CalendarEvents(const almanac::Almanac& almanac, std::int64_t fromUnix, std::int64_t toUnix,
                                          almanac::Kinds kinds) {
    std::vector<CalendarEvent> events;
    const std::string domain = "@lunara.example";
    const std::string set = almanac.modernPlanets() ? "modern" : "classic";
    for (const almanac::Event& e : almanac.events(fromUnix, toUnix, kinds)) {
        CalendarEvent out{e.id + domain, e.words, e.start, std::nullopt, {}};
        if (e.isPeriod()) {
            out.end = e.end;
        }
        if (e.kind == almanac::Kind::VoidOfCourse) {
            out.description = "Until the moon enters " + std::string(e.sign) + " (" + set + " planets)";
        }
        events.push_back(std::move(out));
    }
    return events;
}

std::vector<CalendarEvent> MoonEvents(std::int64_t fromUnix, std::int64_t toUnix, const ExportChoice& choice) {
    const almanac::Almanac almanac(std::nullopt, choice.modern);
    std::vector<CalendarEvent> events;
    for (const auto& [chosen, kind] :
         {std::pair{choice.quarters, almanac::Kind::Quarter}, std::pair{choice.ingresses, almanac::Kind::Ingress},
          std::pair{choice.voids, almanac::Kind::VoidOfCourse}}) {
        if (chosen) {
            std::vector<CalendarEvent> some = CalendarEvents(almanac, fromUnix, toUnix, {kind});
            events.insert(events.end(), std::make_move_iterator(some.begin()), std::make_move_iterator(some.end()));
        }
    }
    // Quarters before ingresses before void periods at the same instant, as the file always had them.
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
        addLine(out, "DTSTAMP:" + almanac::UtcStamp(stamp));
        addLine(out, "DTSTART:" + almanac::UtcStamp(e.start));
        if (e.end) {
            addLine(out, "DTEND:" + almanac::UtcStamp(*e.end));
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
