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
    std::ofstream expected(dir.filePath(QStringLiteral("expected.tsv")).toStdString());
    for (const lunara::CalendarEvent& e : events) {
        expected << e.uid << '\t' << e.start << '\t' << (e.end ? std::to_string(*e.end) : "-") << '\t' << e.summary
                 << '\n';
    }
    return expected.good() ? 0 : 1;
}
