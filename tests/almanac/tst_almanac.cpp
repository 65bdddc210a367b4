// The almanac against the sky it reads: the same events, words and identities, the same days, in
// any split of a range and from what it keeps.
#include "almanac/almanac.h"
#include "sky/planets.h"

#include <QtTest>
#include <algorithm>

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
    void daysAreTheSkysDays_data();
    void daysAreTheSkysDays();
    void whatIsKeptIsNotSearchedAgain();
    void keptAndFreshAlmanacsAgree_data();
    void keptAndFreshAlmanacsAgree();
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

void TestAlmanac::daysAreTheSkysDays_data() {
    QTest::addColumn<std::int64_t>("first");
    QTest::addColumn<int>("offset"); // the zone's, seconds
    QTest::addColumn<int>("count");
    QTest::newRow("Berlin, December 2026") << kDecember2026 << 3600 << 31;
    QTest::newRow("Kathmandu, January 1901") << std::int64_t(-2177452800) << 20700 << 31;
    QTest::newRow("Honolulu, February 2050") << std::int64_t(2527200000) << -36000 << 28;
}

void TestAlmanac::daysAreTheSkysDays() {
    QFETCH(std::int64_t, first);
    QFETCH(int, offset);
    QFETCH(int, count);
    std::vector<std::int64_t> boundaries;
    std::vector<std::int64_t> noons;
    boundaries.reserve(std::size_t(count) + 1);
    noons.reserve(std::size_t(count));
    for (int d = 0; d <= count; ++d) {
        boundaries.push_back(first - offset + d * kDay - 30);
    }
    for (int d = 0; d < count; ++d) {
        noons.push_back(first - offset + d * kDay + kDay / 2);
    }
    const std::vector<sky::DaySky> ours = Almanac().days(boundaries, noons);
    const std::vector<sky::DaySky> sky = sky::SkyForDays(boundaries, noons);
    QCOMPARE(ours.size(), sky.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        QCOMPARE(ours[i].age, sky[i].age);
        QCOMPARE(ours[i].fraction, sky[i].fraction);
        QCOMPARE(ours[i].sign, sky[i].sign);
        QCOMPARE(ours[i].quarter, sky[i].quarter);
        QCOMPARE(ours[i].ingresses, sky[i].ingresses);
    }
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Almanac().days({0, 10}, {20}));
}

void TestAlmanac::whatIsKeptIsNotSearchedAgain() {
    Almanac almanac(kBerlin, false);
    const Kinds all = Kinds::all();
    almanac.events(kDecember2026, kJanuary2027, all);
    const int month = almanac.searches();
    QCOMPARE(month, 5); // quarters, ingresses, void, the sun's and the moon's horizon
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
}

// What an almanac kept from earlier ranges, joined at their seams, is what a fresh one finds.
void TestAlmanac::keptAndFreshAlmanacsAgree_data() {
    QTest::addColumn<std::int64_t>("before"); // asked first
    QTest::addColumn<std::int64_t>("from");   // then this range
    QTest::addColumn<std::int64_t>("to");
    QTest::newRow("the month after") << kDecember2026 << kJanuary2027 << kJanuary2027 + 31 * kDay;
    QTest::newRow("the month before") << kDecember2026 << kDecember2026 - 30 * kDay << kDecember2026;
    QTest::newRow("across the seam") << kDecember2026 << kDecember2026 + 20 * kDay << kJanuary2027 + 20 * kDay;
    QTest::newRow("far away") << kDecember2026 << kDecember2026 + 3000 * kDay << kDecember2026 + 3031 * kDay;
}

void TestAlmanac::keptAndFreshAlmanacsAgree() {
    QFETCH(std::int64_t, before);
    QFETCH(std::int64_t, from);
    QFETCH(std::int64_t, to);
    Almanac kept(kBerlin, true);
    kept.events(before, before + 31 * kDay, Kinds::all());
    const std::vector<Event> joined = kept.events(from, to, Kinds::all());
    const std::vector<Event> fresh = Almanac(kBerlin, true).events(from, to, Kinds::all());
    QCOMPARE(joined.size(), fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        QVERIFY2(joined[i] == fresh[i], fresh[i].id.c_str());
    }
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
    QVERIFY(has("moonrise-202612020026") || has("moonrise-202612012326")); // 1 December 23:26:04 UTC
    QCOMPARE(UtcDate(-1), std::string("19691231"));
    QCOMPARE(UtcDate(-2177452800), std::string("19010101"));
}

QTEST_APPLESS_MAIN(TestAlmanac)
#include "tst_almanac.moc"
