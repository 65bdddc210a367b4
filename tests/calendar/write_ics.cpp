// Writes the moon's events of 2026 as two calendar files exported at different times, and the
// events they should hold, for tests/moon/check_ics.py to read with an iCalendar parser.
#include "calendar/calendar_export.h"

#include <QDir>
#include <QString>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const std::int64_t from = 1767225600; // 2026-01-01 UTC
    const std::int64_t to = 1798761600;
    const std::vector<lunara::CalendarEvent> events = lunara::MoonEvents(from, to, {true, true, true, false});
    QString error;
    if (!lunara::WriteCalendarFile(dir.filePath(QStringLiteral("first.ics")), lunara::ICalendarText(events, from),
                                   &error) ||
        !lunara::WriteCalendarFile(dir.filePath(QStringLiteral("second.ics")),
                                   lunara::ICalendarText(lunara::MoonEvents(from, to, {true, true, true, false}), to),
                                   &error)) {
        return 1;
    }
    // The year's kinds for Berlin, in Berlin's dates: twice, for the UIDs.
    lunara::ExportChoice year{false, false, false, false, true, true, true, true, true};
    const lunara::ExportPlace berlin{lunara::almanac::Place{52.52, 13.40}, QStringLiteral("Berlin"), false,
                                     QTimeZone("Europe/Berlin")};
    const std::vector<lunara::CalendarEvent> yearEvents = lunara::MoonEvents(from, to, year, berlin);
    if (!lunara::WriteCalendarFile(dir.filePath(QStringLiteral("year.ics")), lunara::ICalendarText(yearEvents, from),
                                   &error) ||
        !lunara::WriteCalendarFile(dir.filePath(QStringLiteral("year-again.ics")),
                                   lunara::ICalendarText(lunara::MoonEvents(from, to, year, berlin), to), &error)) {
        return 1;
    }
    std::ofstream expected(dir.filePath(QStringLiteral("expected.tsv")).toStdString());
    for (const lunara::CalendarEvent& e : events) {
        expected << e.uid << '\t' << e.start << '\t' << (e.end ? std::to_string(*e.end) : "-") << '\t' << e.summary
                 << '\n';
    }
    return expected.good() ? 0 : 1;
}
