#include "calendar/calendar_export.h"

#include "kit/event_words.h"
#include "kit/language.h"
#include "kit/save_file.h"
#include "kit/words.h"

#include <QCoreApplication>
#include <algorithm>

// The calendar file's texts (a context of their own for the translations).
class CalendarFile {
    Q_DECLARE_TR_FUNCTIONS(CalendarFile)
};

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
                                          almanac::Kinds kinds, const QTimeZone& zone, const QString& placeName) {
    std::vector<CalendarEvent> events;
    const std::string domain = "@lunara.example";
    for (const almanac::Event& e : almanac.events(fromUnix, toUnix, kinds)) {
        CalendarEvent out{e.id + domain, eventWords(e).toStdString(), e.start, std::nullopt, {}};
        out.kind = e.kind;
        if (e.isPeriod()) {
            out.end = e.end;
        }
        if (e.kind == almanac::Kind::VoidOfCourse) {
            const QString sign = translated("Signs", e.sign);
            out.description = (almanac.modernPlanets() ? CalendarFile::tr("Until the moon enters %1 (modern planets)")
                                                       : CalendarFile::tr("Until the moon enters %1 (classic planets)"))
                                  .arg(sign)
                                  .toStdString();
        } else if (almanac::kYearKinds.has(e.kind)) {
            QStringList lines{eventLine(e, zone, placeName)};
            if (e.eclipse) {
                lines << eclipseMoments(*e.eclipse, zone);
            }
            out.description = lines.join(u'\n').toStdString();
            // Whole days: a cross-quarter day, and a retrograde from the day it turns to the day it turns direct.
            if (e.date != 0) {
                out.firstDate = e.date;
                out.endDate = almanac::NextDate(e.date);
            } else if (e.kind == almanac::Kind::Retrograde) {
                out.firstDate = shownDateNumber(e.start, zone);
                out.endDate = almanac::NextDate(shownDateNumber(e.end, zone));
            }
        }
        events.push_back(std::move(out));
    }
    return events;
}

std::vector<CalendarEvent> MoonEvents(std::int64_t fromUnix, std::int64_t toUnix, const ExportChoice& choice,
                                      const ExportPlace& where) {
    almanac::Almanac almanac(where.place, choice.modern);
    almanac.setSouthern(where.southern);
    almanac.setDates(zoneDates(where.zone));
    std::vector<CalendarEvent> events;
    for (const auto& [chosen, kind] :
         {std::pair{choice.quarters, almanac::Kind::Quarter}, std::pair{choice.ingresses, almanac::Kind::Ingress},
          std::pair{choice.voids, almanac::Kind::VoidOfCourse}, std::pair{choice.sabbats, almanac::Kind::Sabbat},
          std::pair{choice.eclipses, almanac::Kind::Eclipse}, std::pair{choice.retrogrades, almanac::Kind::Retrograde},
          std::pair{choice.moonNames, almanac::Kind::MoonName}, std::pair{choice.supermoons, almanac::Kind::Supermoon},
          std::pair{choice.risings, almanac::Kind::Rising}, std::pair{choice.risings, almanac::Kind::Setting}}) {
        if (chosen) {
            std::vector<CalendarEvent> some = CalendarEvents(almanac, fromUnix, toUnix, {kind}, where.zone, where.name);
            events.insert(events.end(), std::make_move_iterator(some.begin()), std::make_move_iterator(some.end()));
        }
    }
    // Quarters before ingresses before void periods at the same instant, as the file always had them.
    std::stable_sort(events.begin(), events.end(),
                     [](const CalendarEvent& a, const CalendarEvent& b) { return a.start < b.start; });
    return events;
}

std::string ICalendarText(const std::vector<CalendarEvent>& events, std::int64_t stamp) {
    // The texts say which language they are in, unless it is English, as the file has always been.
    const QString code = spokenLanguage();
    const std::string language =
        code == QLatin1String("en") ? std::string() : ";LANGUAGE=" + QString(code).replace(u'_', u'-').toStdString();
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
        if (e.firstDate != 0) {
            addLine(out, "DTSTART;VALUE=DATE:" + std::to_string(e.firstDate));
            addLine(out, "DTEND;VALUE=DATE:" + std::to_string(e.endDate));
        } else {
            addLine(out, "DTSTART:" + almanac::UtcStamp(e.start));
            if (e.end) {
                addLine(out, "DTEND:" + almanac::UtcStamp(*e.end));
            }
        }
        addLine(out, "SUMMARY" + language + ":" + escaped(e.summary));
        if (!e.description.empty()) {
            addLine(out, "DESCRIPTION" + language + ":" + escaped(e.description));
        }
        addLine(out, "TRANSP:TRANSPARENT");
        addLine(out, "END:VEVENT");
    }
    addLine(out, "END:VCALENDAR");
    return out;
}

bool WriteCalendarFile(const QString& path, const std::string& text, QString* error) {
    return SaveWhole(
        path, SavedFile::CalendarFile,
        [&text](QIODevice& device) {
            return device.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
        },
        error);
}

} // namespace lunara
