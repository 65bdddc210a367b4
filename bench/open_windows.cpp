// What one action costs in the real program, in process (offscreen), from a fresh start: opening a
// window, a change of year, a key in the calendar, a year's calendar file. Each run starts a new
// process, so the year's searches that a process keeps are not yet found, as for a user; scripts/bench
// runs the actions alternately and takes medians.
// Usage: open_windows ACTION, with ACTION one of year, calendar, moon, hours, yearchange, arrow,
// pagedown, newyearpage, ics.
// Prints "ACTION cpu_ms wall_ms shown_cpu_ms floor_cpu_ms floor_wall_ms": processor time (every
// thread of the process) and clock time of the action up to its painted result, the processor time of
// the part after the action's own call (layouts and the first paint), then of one full paint of the
// launcher right after it, the painting floor. Under callgrind (--instr-atstart=no) only these are
// instrumented, each part dumped on its own: the call (file .1), the rest up to the paint (.2), and
// the floor's call and paint (.3, .4).
#include "calendar/calendar_export.h"
#include "calendar/calendar_view.h"
#include "calendar/year_window.h"
#include "kit/services.h"
#include "shell/launcher.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string_view>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
// Without valgrind's headers the figures are times only.
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS
#endif

using namespace lunara;

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Cost {
    double cpu = 0;   // the whole action, up to its painted result
    double wall = 0;  // the same on the clock
    double shown = 0; // processor time of what the event loop did after the action's own call:
                      // layouts and the first paint of what changed
};

// The action's own call, then what it leaves to do (posted layouts, the paint of what changed) as the
// event loop would do it before the user sees the result. Callgrind gets a dump of each part.
Cost measure(const std::function<void()>& work) {
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    const double cpu = cpuMs();
    const auto wall = std::chrono::steady_clock::now();
    work();
    CALLGRIND_DUMP_STATS;
    const double called = cpuMs();
    QApplication::processEvents();
    const double end = cpuMs();
    const auto wallEnd = std::chrono::steady_clock::now();
    CALLGRIND_DUMP_STATS;
    CALLGRIND_STOP_INSTRUMENTATION;
    return {end - cpu, std::chrono::duration<double, std::milli>(wallEnd - wall).count(), end - called};
}

void key(QWidget* target, int code) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ACTION\n", argv[0]);
        return 2;
    }
    const std::string_view action = argv[1];
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The place is the zone's city: Berlin, where the figures of the sky's benchmark are taken too.
    qputenv("TZ", "Europe/Berlin");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Services services(std::make_unique<QSettings>(dir.filePath(QStringLiteral("bench.ini")), QSettings::IniFormat));
    frmMDI launcher(services);
    launcher.resize(1280, 1000);
    launcher.show();
    QApplication::processEvents();

    // A calendar on a day in the middle of 2026 (the next month is in the same year; newyearpage
    // starts on the last day of the year).
    const auto calendarOn = [&](QDate day) {
        launcher.lblCaption_Click(5);
        launcher.moonCalendar()->selectDate(day);
        QApplication::processEvents();
        return static_cast<QWidget*>(launcher.moonCalendar()->grdCalendar);
    };
    Cost cost{};
    if (action == "year") {
        cost = measure([&] { launcher.lblCaption_Click(7); });
    } else if (action == "calendar") {
        cost = measure([&] { launcher.lblCaption_Click(5); });
    } else if (action == "moon") {
        cost = measure([&] { launcher.cmdSelectOption[1]->click(); });
    } else if (action == "hours") {
        cost = measure([&] { launcher.lblCaption_Click(6); });
    } else if (action == "yearchange") {
        launcher.lblCaption_Click(7);
        QApplication::processEvents();
        cost = measure([&] { launcher.yearWindow()->cmdNextYear->click(); });
    } else if (action == "arrow" || action == "pagedown" || action == "newyearpage") {
        QWidget* grid = calendarOn(action == "newyearpage" ? QDate(2026, 12, 31) : QDate(2026, 6, 15));
        cost = measure([&] { key(grid, action == "arrow" ? Qt::Key_Right : Qt::Key_PageDown); });
    } else if (action == "ics") {
        const QString path = dir.filePath(QStringLiteral("year.ics"));
        const QTimeZone zone(QByteArrayLiteral("Europe/Berlin"));
        cost = measure([&] {
            const ExportChoice every{true, true, true, true, true, true, true, true, true};
            const ExportPlace where{almanac::Place{52.52, 13.41}, QStringLiteral("Berlin"), false, zone};
            const std::int64_t from = QDateTime(QDate(2026, 1, 1), QTime(0, 0), zone).toSecsSinceEpoch();
            const std::int64_t to = QDateTime(QDate(2027, 1, 1), QTime(0, 0), zone).toSecsSinceEpoch();
            const std::vector<CalendarEvent> events = MoonEvents(from, to, every, where);
            QString error;
            if (events.empty() || !WriteCalendarFile(path, ICalendarText(events, to), &error)) {
                std::fprintf(stderr, "no calendar file: %s\n", qPrintable(error));
            }
        });
    } else {
        std::fprintf(stderr, "unknown action %s\n", argv[1]);
        return 2;
    }
    const Cost floor = measure([&] { launcher.repaint(); });
    std::printf("%s %.3f %.3f %.3f %.3f %.3f\n", argv[1], cost.cpu, cost.wall, cost.shown, floor.cpu, floor.wall);
    return 0;
}
