// The almanac against the sky it reads: the same events, words and identities, the same days, in
// any split of a range and from what it keeps.
#include "almanac/almanac.h"
#include "almanac/searches.h"
#include "sky/planets.h"

#include <QtTest>
#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

using namespace lunara;
using namespace lunara::almanac;

namespace {
constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kDecember2026 = 1796083200; // 1 December 2026 00:00 UTC
constexpr std::int64_t kJanuary2027 = kDecember2026 + 31 * kDay;
const Place kBerlin{52.5, 13.3667};

std::vector<std::int64_t> startsOf(const std::vector<Event>& events) {
    std::vector<std::int64_t> out;
    out.reserve(events.size());
    for (const Event& e : events) {
        out.push_back(e.start);
    }
    return out;
}
} // namespace

class TestAlmanac : public QObject {
    Q_OBJECT
private slots:
    void aMonthIsTheSkysMonth();
    void daysThatCannotBeAreRefused_data();
    void daysThatCannotBeAreRefused();
    void calendarDaysAgreeWithTheSky();
    void aDayThatStartsAtAnIngressHasIt();
    void whatIsKeptIsNotSearchedAgain();
    void keptAndFreshAlmanacsAgree_data();
    void keptAndFreshAlmanacsAgree();
    void theYearsKeptAreTheSkys_data();
    void theYearsKeptAreTheSkys();
    void theStationsKeptAreTheSkys_data();
    void theStationsKeptAreTheSkys();
    void identitiesNameWhatTheEventIs();
};

void TestAlmanac::aMonthIsTheSkysMonth() {
    // December 2026 at Berlin with the modern planets: every event the sky's searches give, once,
    // in time order, in the words the views print.
    const Almanac almanac(kBerlin, true);
    const std::vector<Event> events = almanac.events(kDecember2026, kJanuary2027, Kinds::all());
    QVERIFY(
        std::is_sorted(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.start < b.start; }));
    const auto of = [&](Kind kind) {
        std::vector<Event> some;
        std::copy_if(events.begin(), events.end(), std::back_inserter(some),
                     [kind](const Event& e) { return e.kind == kind; });
        return some;
    };
    const std::vector<sky::PhaseEvent> quarters = sky::PhaseEventsBetween(kDecember2026, kJanuary2027);
    const std::vector<Event> ourQuarters = of(Kind::Quarter);
    QCOMPARE(ourQuarters.size(), quarters.size());
    for (std::size_t i = 0; i < quarters.size(); ++i) {
        const Event& e = ourQuarters[i];
        QCOMPARE(e.start, quarters[i].unixSeconds);
        QCOMPARE(e.quarter, quarters[i].quarter);
        QCOMPARE(e.sign, sky::MoonSignAt(e.start));
    }
    QCOMPARE(ourQuarters[3].words, std::string("Full moon in Cancer")); // 24 December
    const std::vector<sky::SignIngress> ingresses = sky::SignIngressesBetween(kDecember2026, kJanuary2027);
    const std::vector<Event> ourIngresses = of(Kind::Ingress);
    QCOMPARE(ourIngresses.size(), ingresses.size());
    for (std::size_t i = 0; i < ingresses.size(); ++i) {
        QCOMPARE(ourIngresses[i].start, ingresses[i].unixSeconds);
        QCOMPARE(ourIngresses[i].words, "Moon enters " + std::string(ingresses[i].sign));
    }
    const std::vector<sky::VoidOfCourse> voids = sky::VoidOfCourseBetween(kDecember2026, kJanuary2027, true);
    const std::vector<Event> ourVoids = of(Kind::VoidOfCourse);
    QCOMPARE(ourVoids.size(), voids.size());
    for (std::size_t i = 0; i < voids.size(); ++i) {
        const Event& e = ourVoids[i];
        QCOMPARE(std::pair(e.start, e.end), std::pair(voids[i].start, voids[i].end));
        QCOMPARE(e.sign, sky::MoonSignAt(voids[i].end));
        QCOMPARE(e.words, std::string("Moon void of course"));
    }
    for (const sky::Body body : {sky::Body::Sun, sky::Body::Moon}) {
        std::vector<std::int64_t> expected;
        for (const sky::HorizonCrossing& c :
             sky::RisingsAndSettingsBetween(body, kBerlin.latitude, kBerlin.longitude, kDecember2026, kJanuary2027)) {
            expected.push_back(c.unixSeconds);
        }
        std::vector<Event> crossings;
        std::copy_if(events.begin(), events.end(), std::back_inserter(crossings), [body](const Event& e) {
            return (e.kind == Kind::Rising || e.kind == Kind::Setting) && e.body == body;
        });
        QCOMPARE(startsOf(crossings), expected);
    }
    // Without a place, nothing rises or sets.
    QVERIFY(Almanac().events(kDecember2026, kJanuary2027, {Kind::Rising, Kind::Setting}).empty());
}

void TestAlmanac::daysThatCannotBeAreRefused_data() {
    QTest::addColumn<std::vector<std::int64_t>>("boundaries");
    QTest::addColumn<std::vector<std::int64_t>>("noons");
    const std::int64_t d = 1796083200; // 2026-12-01
    QTest::newRow("a day of no length") << std::vector<std::int64_t>{d, d + kDay, d + kDay, d + 2 * kDay}
                                        << std::vector<std::int64_t>{d + 1000, d + kDay, d + kDay + 1000};
    QTest::newRow("days out of order") << std::vector<std::int64_t>{d + kDay, d} << std::vector<std::int64_t>{d + 10};
    QTest::newRow("a noon in the next day") << std::vector<std::int64_t>{d, d + kDay, d + 2 * kDay}
                                            << std::vector<std::int64_t>{d + kDay + 10, d + kDay + 20};
    QTest::newRow("a noon at the day's end")
        << std::vector<std::int64_t>{d, d + kDay} << std::vector<std::int64_t>{d + kDay};
    QTest::newRow("a boundary missing") << std::vector<std::int64_t>{d, d + kDay}
                                        << std::vector<std::int64_t>{d + 10, d + kDay + 10};
}

void TestAlmanac::daysThatCannotBeAreRefused() {
    QFETCH(std::vector<std::int64_t>, boundaries);
    QFETCH(std::vector<std::int64_t>, noons);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Almanac().days(boundaries, noons));
}

void TestAlmanac::calendarDaysAgreeWithTheSky() {
    // Two years of days, with one 23-hour and one 25-hour day as a daylight-saving zone has them.
    std::vector<std::int64_t> boundaries{1774915200}; // 2026-03-31 00:00 UTC
    std::vector<std::int64_t> noons;
    for (int i = 0; i < 730; ++i) {
        const std::int64_t length = i == 100 ? 23LL * 3600 : i == 300 ? 25LL * 3600 : kDay;
        noons.push_back(boundaries.back() + 12LL * 3600);
        boundaries.push_back(boundaries.back() + length);
    }
    const std::vector<DaySky> days = Almanac().days(boundaries, noons);
    QCOMPARE(days.size(), noons.size());
    std::size_t ingresses = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const DaySky& d = days[i];
        const auto expected = sky::SignIngressesBetween(boundaries[i], boundaries[i + 1]);
        const auto quarters = sky::PhaseEventsBetween(boundaries[i], boundaries[i + 1]);
        const bool same = d.sign == sky::MoonSignAt(noons[i]) && std::abs(d.age - sky::MoonAgeDays(noons[i])) < 1e-9 &&
                          std::abs(d.fraction - sky::IlluminatedFraction(noons[i])) < 1e-12 &&
                          d.quarter.has_value() == !quarters.empty() &&
                          (!d.quarter || d.quarter->unixSeconds == quarters.front().unixSeconds) &&
                          d.ingresses.size() == expected.size();
        if (!same) {
            QFAIL(qPrintable(QStringLiteral("day %1 differs from the sky").arg(i)));
        }
        for (std::size_t k = 0; k < expected.size(); ++k) {
            QVERIFY(std::abs(d.ingresses[k].unixSeconds - expected[k].unixSeconds) <= 1);
            QCOMPARE(d.ingresses[k].sign, expected[k].sign);
        }
        ingresses += expected.size();
    }
    QVERIFY(ingresses > 260); // some 135 a year
}

void TestAlmanac::aDayThatStartsAtAnIngressHasIt() {
    for (const sky::SignIngress& in : sky::SignIngressesBetween(1796083200, 1796083200 + 10 * kDay)) {
        const std::vector<DaySky> days =
            Almanac().days({in.unixSeconds, in.unixSeconds + kDay}, {in.unixSeconds + kDay / 2});
        QCOMPARE(days.size(), std::size_t{1});
        QVERIFY(!days[0].ingresses.empty());
        QVERIFY(days[0].ingresses.front() == in);
        // And the day before, which ends at it, does not.
        QVERIFY(
            Almanac().days({in.unixSeconds - kDay, in.unixSeconds}, {in.unixSeconds - kDay / 2})[0].ingresses.empty());
    }
}

void TestAlmanac::whatIsKeptIsNotSearchedAgain() {
    Almanac::ShareNothingWithEarlierOnes();
    Almanac almanac(kBerlin, false);
    const Kinds all = Kinds::all();
    almanac.events(kDecember2026, kJanuary2027, all);
    const int month = almanac.searches();
    QCOMPARE(month, 10); // quarters, ingresses, void, the sun's and the moon's horizon, and the year's five
    // Another almanac of the same place, zone, hemisphere and planets (another window, the
    // reminders) finds it all kept; one of another place searches only what the place changes.
    Almanac again(kBerlin, false);
    again.events(kDecember2026, kJanuary2027, all);
    QCOMPARE(again.searches(), 0);
    Almanac elsewhere(Place{-33.87, 151.21}, false);
    elsewhere.events(kDecember2026, kJanuary2027, all);
    QCOMPARE(elsewhere.searches(), 3); // the sun's and the moon's horizon, the eclipses seen
    // Any day of the month, and the days next to it, come from what is kept.
    for (std::int64_t day = kDecember2026 - 7 * kDay; day < kJanuary2027 + 7 * kDay; day += kDay) {
        almanac.events(day, day + kDay, all);
    }
    QCOMPARE(almanac.searches(), month);
    // The next month searches only what is new, once per kind of search.
    almanac.events(kJanuary2027, kJanuary2027 + 31 * kDay, all);
    QCOMPARE(almanac.searches(), 2 * month);
    // Another choice of planets searches the void of course again, and only that.
    almanac.setModernPlanets(true);
    almanac.events(kDecember2026, kJanuary2027, all);
    QCOMPARE(almanac.searches(), 2 * month + 1);
    // Another hemisphere names the sabbats and full moons anew, and only those.
    almanac.setSouthern(true);
    almanac.events(kDecember2026, kJanuary2027, all);
    QCOMPARE(almanac.searches(), 2 * month + 3);
    // Dates of the same name given again keep them; dates of another name do not.
    const auto named = [](std::string name) { return Dates{nullptr, nullptr, std::move(name)}; };
    almanac.setDates(named("Europe/Berlin"));
    almanac.events(kDecember2026, kJanuary2027, all);
    QCOMPARE(almanac.searches(), 2 * month + 5);
    almanac.setDates(named("Europe/Berlin"));
    almanac.events(kDecember2026, kJanuary2027, all);
    QCOMPARE(almanac.searches(), 2 * month + 5);
    almanac.setDates(named("Australia/Sydney"));
    almanac.events(kDecember2026, kJanuary2027, all);
    QCOMPARE(almanac.searches(), 2 * month + 7);
    // Dates of no name but their own rule cannot be told from others: searched each time.
    const auto unnamed = [] { return Dates{[](std::int64_t t) { return UtcDateNumber(t); }, nullptr, ""}; };
    almanac.setDates(unnamed());
    almanac.events(kDecember2026, kJanuary2027, all);
    almanac.setDates(unnamed());
    almanac.events(kDecember2026, kJanuary2027, all);
    QCOMPARE(almanac.searches(), 2 * month + 11);
}

// What an almanac kept from earlier ranges, joined at their seams, is what a fresh one finds.
void TestAlmanac::keptAndFreshAlmanacsAgree_data() {
    QTest::addColumn<std::int64_t>("before"); // asked first
    QTest::addColumn<std::int64_t>("from");   // then this range
    QTest::addColumn<std::int64_t>("to");
    QTest::addColumn<std::int64_t>("lookAround"); // how far past each range the kept almanac searches
    // As the windows look (eight days), as the calendar does (a day) and as a command does (none).
    for (const auto& [name, lookAround] :
         {std::pair{"", 8 * kDay}, std::pair{", a day around", kDay}, std::pair{", nothing around", std::int64_t{0}}}) {
        const auto row = [name = std::string(name)](const char* what) -> QTestData& {
            return QTest::newRow((what + name).c_str());
        };
        row("the month after") << kDecember2026 << kJanuary2027 << kJanuary2027 + 31 * kDay << lookAround;
        row("the month before") << kDecember2026 << kDecember2026 - 30 * kDay << kDecember2026 << lookAround;
        row("across the seam") << kDecember2026 << kDecember2026 + 20 * kDay << kJanuary2027 + 20 * kDay << lookAround;
        row("far away") << kDecember2026 << kDecember2026 + 3000 * kDay << kDecember2026 + 3031 * kDay << lookAround;
        // A day just past what was kept, and one just inside it, as a calendar's first and last days ask.
        row("the day after") << kDecember2026 << kJanuary2027 << kJanuary2027 + kDay << lookAround;
        row("the last day kept") << kDecember2026 << kJanuary2027 - kDay << kJanuary2027 << lookAround;
    }
}

void TestAlmanac::keptAndFreshAlmanacsAgree() {
    QFETCH(std::int64_t, before);
    QFETCH(std::int64_t, from);
    QFETCH(std::int64_t, to);
    QFETCH(std::int64_t, lookAround);
    Almanac::ShareNothingWithEarlierOnes();
    Almanac kept(kBerlin, true);
    kept.setLookAround(lookAround);
    kept.events(before, before + 31 * kDay, Kinds::all());
    const std::vector<Event> joined = kept.events(from, to, Kinds::all());
    Almanac::ShareNothingWithEarlierOnes();
    const std::vector<Event> fresh = Almanac(kBerlin, true).events(from, to, Kinds::all());
    QCOMPARE(joined.size(), fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        QVERIFY2(joined[i] == fresh[i], fresh[i].id.c_str());
    }
}

void TestAlmanac::theYearsKeptAreTheSkys_data() {
    QTest::addColumn<std::int64_t>("from");
    QTest::addColumn<std::int64_t>("to");
    // Across new years, over several years, and at the ends of what the sky answers for.
    QTest::newRow("around a new year") << kDecember2026 - 40 * kDay << kJanuary2027 + 40 * kDay;
    QTest::newRow("three years") << std::int64_t{1577836800} << std::int64_t{1672531200};
    QTest::newRow("a day") << kDecember2026 + 20 * kDay << kDecember2026 + 21 * kDay;
    // Kept by months (the stations by quarters): cut in the middle of months, across quarters.
    QTest::newRow("months cut in their middle") << std::int64_t{1773750896} << std::int64_t{1791000007};
    QTest::newRow("the first years") << sky::kFirstYearsUnix << std::int64_t{-2146003200};
    QTest::newRow("the last years") << std::int64_t{2524608000} << sky::kLastYearsUnix;
}

void TestAlmanac::theYearsKeptAreTheSkys() {
    // The years every almanac shares give what the sky's own searches give for any range.
    QFETCH(std::int64_t, from);
    QFETCH(std::int64_t, to);
    // Field by field: the structures have padding a byte comparison would read.
    const auto same = [](const auto& kept, const auto& sky, const auto& fields, const char* what) {
        QVERIFY2(kept.size() == sky.size(), what);
        for (std::size_t i = 0; i < sky.size(); ++i) {
            QVERIFY2(fields(kept[i]) == fields(sky[i]), what);
        }
    };
    const auto turning = [](const sky::SunTurning& t) { return std::tie(t.longitude, t.unixSeconds); };
    const auto apsis = [](const sky::LunarApsis& a) { return std::tie(a.perigee, a.unixSeconds, a.distanceKm); };
    const auto lunar = [](const sky::LunarEclipse& e) {
        return std::tie(e.greatest, e.kind, e.umbralMagnitude, e.penumbralStart, e.partialStart, e.totalStart,
                        e.totalEnd, e.partialEnd, e.penumbralEnd);
    };
    const auto station = [](const sky::Station& s) { return std::tie(s.planet, s.retrograde, s.unixSeconds); };
    same(detail::KeptTurningsBetween(from, to), sky::SunTurningsBetween(from, to), turning, "turning points");
    same(detail::KeptApsidesBetween(from, to), sky::LunarApsidesBetween(from, to), apsis, "apsides");
    same(detail::KeptLunarEclipsesBetween(from, to), sky::LunarEclipsesBetween(from, to), lunar, "lunar eclipses");
    const std::int64_t a = std::max(from, sky::kFirstStationsUnix);
    const std::int64_t b = std::min(to, sky::kLastStationsUnix);
    same(detail::KeptStationsBetween(from, to), sky::StationsBetween(a, b), station, "stations");
    const std::vector<sky::SolarEclipse> kept = detail::KeptSolarEclipsesBetween(from, to);
    const std::vector<sky::SolarEclipse> direct = sky::SolarEclipsesBetween(from, to);
    QCOMPARE(kept.size(), direct.size());
    for (std::size_t i = 0; i < direct.size(); ++i) {
        QCOMPARE(kept[i].greatest, direct[i].greatest);
        QCOMPARE(kept[i].kind, direct[i].kind);
    }
}

void TestAlmanac::theStationsKeptAreTheSkys_data() {
    QTest::addColumn<std::int64_t>("from");
    QTest::addColumn<std::int64_t>("to");
    // The stations are kept further than the other searches, to pair each retrograde period of the
    // years shown: their own first and last quarters, and a period across the years shown's start.
    QTest::newRow("the first quarter") << sky::kFirstStationsUnix << sky::kFirstStationsUnix + 92 * kDay;
    QTest::newRow("the last quarter") << sky::kLastStationsUnix - 92 * kDay << sky::kLastStationsUnix;
    QTest::newRow("into the years shown") << sky::kFirstYearsUnix - 200 * kDay << sky::kFirstYearsUnix + 200 * kDay;
}

void TestAlmanac::theStationsKeptAreTheSkys() {
    QFETCH(std::int64_t, from);
    QFETCH(std::int64_t, to);
    const std::vector<sky::Station> kept = detail::KeptStationsBetween(from, to);
    const std::vector<sky::Station> found = sky::StationsBetween(from, to);
    QVERIFY(!found.empty());
    QCOMPARE(kept.size(), found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        QVERIFY(kept[i] == found[i]);
    }
    // Nothing before or after the range is given.
    QVERIFY(detail::KeptStationsBetween(from, from).empty());
    QVERIFY(detail::KeptStationsBetween(sky::kFirstUnix, sky::kFirstStationsUnix).empty());
    QVERIFY(detail::KeptStationsBetween(sky::kLastStationsUnix, sky::kLastUnix).empty());
}

void TestAlmanac::identitiesNameWhatTheEventIs() {
    const Almanac almanac(kBerlin, false);
    const std::vector<Event> events = almanac.events(kDecember2026, kJanuary2027, Kinds::all());
    std::vector<std::string> ids;
    ids.reserve(events.size());
    for (const Event& e : events) {
        ids.push_back(e.id);
    }
    std::sort(ids.begin(), ids.end());
    QVERIFY(std::adjacent_find(ids.begin(), ids.end()) == ids.end());
    const auto has = [&](const std::string& id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
    QVERIFY(has("quarter-2-20261224")); // the full moon of 24 December, 01:28 UTC
    QVERIFY(has("ingress-sagittarius-20261207"));
    QVERIFY(has("void-classic-sagittarius-20261207"));
    QVERIFY(has("moonrise-20261201T2326")); // 1 December 23:26:04 UTC
    QCOMPARE(UtcDate(-1), std::string("19691231"));
    QCOMPARE(UtcDate(-2177452800), std::string("19010101"));
    QCOMPARE(UtcStamp(-1), std::string("19691231T235959Z"));
}

QTEST_APPLESS_MAIN(TestAlmanac)
#include "tst_almanac.moc"
