// How long the sky takes: one month of calendar data (days with their age, lit share, sign,
// quarters and sign ingresses), every quarter from 1901 to 2050, and a month of risings and
// settings of the sun and the moon, and a month of void-of-course periods. Prints medians.
// Everything runs twice: from a clean start, and after what the program itself does before the
// sky's work (a Qt string hash and a time-zone look-up), which on processors with AVX leaves a
// vector state that slows plain SSE code many times until it is cleared.
#include "almanac/almanac.h"
#include "sky/eclipses.h"
#include "sky/horizon.h"
#include "sky/planets.h"
#include "sky/sky.h"
#include "sky/year.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QTimeZone>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

template <typename F> double medianMs(int runs, F&& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work(i);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// What the program does before the sky's work: a hash of strings and a time-zone look-up.
void asTheProgramDoes() {
    QHash<QString, int> names;
    names.insert(QStringLiteral("Europe/Berlin"), 1);
    const QTimeZone zone(QByteArrayLiteral("Europe/Berlin"));
    if (zone.offsetFromUtc(QDateTime::currentDateTimeUtc()) == 12345 || names.size() != 1) {
        std::puts("unreachable");
    }
}

// The zone's dates at Berlin, as the windows give them to the almanac.
lunara::almanac::Dates berlinDates() {
    const QTimeZone zone(QByteArrayLiteral("Europe/Berlin"));
    return {
        [zone](std::int64_t t) {
            const QDate d = QDateTime::fromSecsSinceEpoch(t, zone).date();
            return d.year() * 10000 + d.month() * 100 + d.day();
        },
        [zone](int date) {
            return QDateTime(QDate(date / 10000, date / 100 % 100, date % 100), QTime(0, 0), zone).toSecsSinceEpoch();
        },
        "Europe/Berlin"};
}

// Every kind of event of the year from `start` at Berlin, with the zone's own dates and the modern
// planets, as a fresh almanac finds them; how many.
std::size_t everyEventOfAYear(std::int64_t start) {
    lunara::almanac::Almanac almanac(lunara::almanac::Place{52.52, 13.41}, true);
    almanac.setDates(berlinDates());
    return almanac.events(start, start + 365LL * 86400, lunara::almanac::Kinds::all()).size();
}

} // namespace

int main(int argc, char** argv) {
    using namespace lunara::sky;
    std::size_t sink = 0;
    // "once WHAT": the work of December 2026 once, for counting its instructions (valgrind);
    // "once nothing" is the floor to subtract.
    if (argc == 3 && std::string_view(argv[1]) == "once") {
        constexpr std::int64_t kDecember2026 = 1796083200;
        const std::string_view what = argv[2];
        if (what == "voids") {
            sink += VoidOfCourseBetween(kDecember2026, kDecember2026 + 31LL * 86400, true).size();
        } else if (what == "nothing") {
            return 0; // the floor: starting and ending the program
        } else if (what == "riseset") {
            for (Body body : {Body::Sun, Body::Moon}) {
                sink +=
                    RisingsAndSettingsBetween(body, 52.52, 13.41, kDecember2026, kDecember2026 + 31LL * 86400).size();
            }
        } else if (what == "year") {
            sink += everyEventOfAYear(1798758000); // 2027
        } else {
            return 2;
        }
        return sink == 0 ? 1 : 0;
    }
    for (const char* pass : {"From a clean start:", "After a Qt string hash and a time-zone look-up:"}) {
        if (pass[0] == 'A') {
            asTheProgramDoes();
        }
        // A different 31-day month of 1901-2050 each run.
        const double month = medianMs(1001, [&](int i) {
            const std::int64_t start =
                -2177452800 + static_cast<std::int64_t>(i) * 4729 * 86400 % (150LL * 365 * 86400);
            std::vector<std::int64_t> bounds(32);
            std::vector<std::int64_t> noons(31);
            for (std::int64_t d = 0; d <= 31; ++d) {
                bounds[std::size_t(d)] = start + d * 86400;
            }
            for (std::int64_t d = 0; d < 31; ++d) {
                noons[std::size_t(d)] = start + d * 86400 + 43200;
            }
            sink += lunara::almanac::Almanac().days(bounds, noons).size();
        });
        const double all = medianMs(21, [&](int) { sink += PhaseEventsBetween(-2177452800, 2556143999).size(); });
        // Sun and moon at Berlin, then at Tromso (long searches near the polar night).
        const auto riseSet = [&](double lat, double lon) {
            return medianMs(1001, [&](int i) {
                const std::int64_t start =
                    -2177452800 + static_cast<std::int64_t>(i) * 4729 * 86400 % (150LL * 365 * 86400);
                for (Body body : {Body::Sun, Body::Moon}) {
                    sink += RisingsAndSettingsBetween(body, lat, lon, start, start + 31LL * 86400).size();
                }
            });
        };
        const double berlin = riseSet(52.52, 13.41);
        const double tromso = riseSet(69.65, 18.96);
        const double voids = medianMs(101, [&](int i) {
            const std::int64_t start =
                -2177452800 + static_cast<std::int64_t>(i) * 4729 * 86400 % (150LL * 365 * 86400);
            sink += VoidOfCourseBetween(start, start + 31LL * 86400, true).size();
        });
        const double year = medianMs(11, [&](int i) {
            const std::int64_t start =
                -2177452800 + static_cast<std::int64_t>(i) * 4729 * 86400 % (149LL * 365 * 86400);
            const std::int64_t end = start + 365LL * 86400;
            sink += SunTurningsBetween(start, end).size() + StationsBetween(start, end).size() +
                    LunarApsidesBetween(start, end).size() + LunarEclipsesBetween(start, end).size();
            for (const SolarEclipse& e : SolarEclipsesBetween(start, end)) {
                sink += SolarEclipseSeenFrom(e, 52.52, 13.41) ? 1 : 0;
            }
        });
        const double eclipses = medianMs(5, [&](int) {
            sink += LunarEclipsesBetween(-2177452800, 2556143999).size() +
                    SolarEclipsesBetween(-2177452800, 2556143999).size();
        });
        std::printf("%s\n", pass);
        std::printf("one month of calendar data       %8.3f ms\n", month);
        std::printf("every quarter 1901-2050          %8.3f ms\n", all);
        std::printf("sun and moon rise/set, a month:  %8.3f ms (Berlin) %8.3f ms (Tromso)\n", berlin, tromso);
        std::printf("void of course, a month (modern): %8.3f ms\n", voids);
        std::printf("a year of turning points, stations, apsides and eclipses (seen from Berlin): %8.3f ms\n", year);
        std::printf("every eclipse 1901-2050:          %8.3f ms\n", eclipses);
        const double everything = medianMs(5, [&](int i) {
            sink += everyEventOfAYear(1767222000 + static_cast<std::int64_t>(i) * 365 * 86400); // 2026 + i
        });
        std::printf("a year of every almanac event (Berlin): %8.3f ms (target < 30 ms)\n", everything);
    }
    return sink == 0 ? 1 : 0;
}
