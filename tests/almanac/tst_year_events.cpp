// The year's events as the almanac gives them, against published dates: the wheel in both
// hemispheres, eclipses seen or not from a place, retrogrades, the full moons' names, blue and black
// moons in the user's zone, supermoons.
#include "almanac/almanac.h"

#include <QtTest>
#include <algorithm>

using namespace lunara;
using namespace lunara::almanac;

namespace {
constexpr std::int64_t kDay = 86400;

std::vector<Event> yearOf(int year, Kinds kinds, std::optional<Place> place = {}, bool southern = false,
                          Dates dates = {}) {
    Almanac almanac(place);
    almanac.setSouthern(southern);
    almanac.setDates(std::move(dates));
    return almanac.events(UtcStartOf(year * 10000 + 101), UtcStartOf((year + 1) * 10000 + 101), kinds);
}

const Event* find(const std::vector<Event>& events, std::string_view words, int date) {
    const auto it = std::find_if(events.begin(), events.end(), [&](const Event& e) {
        return e.words.starts_with(words) && (e.date != 0 ? e.date : UtcDateNumber(e.start)) == date;
    });
    return it == events.end() ? nullptr : &*it;
}

// A zone ten hours east of UTC, without summer time.
Dates tenHoursEast() {
    constexpr std::int64_t kOffset = 10LL * 3600;
    return {[](std::int64_t t) { return UtcDateNumber(t + kOffset); },
            [](int date) { return UtcStartOf(date) - kOffset; }, "ten hours east"};
}

const Place kBerlin{52.52, 13.40};
const Place kDallas{32.78, -96.80};
const Place kSydney{-33.87, 151.21};
} // namespace

Q_DECLARE_METATYPE(lunara::almanac::Place)

class TestYearEvents : public QObject {
    Q_OBJECT
private slots:
    void theWheelTurnsWithTheHemisphere_data();
    void theWheelTurnsWithTheHemisphere();
    void eclipsesSeenFromAPlace_data();
    void eclipsesSeenFromAPlace();
    void retrogradesOf2026();
    void fullMoonNames_data();
    void fullMoonNames();
    void secondMoonsOfAMonth_data();
    void secondMoonsOfAMonth();
    void supermoonsOf2026();
    void aRangeAtTheEndsOfTheYearsShown();
};

void TestYearEvents::theWheelTurnsWithTheHemisphere_data() {
    QTest::addColumn<bool>("southern");
    QTest::addColumn<QString>("sabbat");
    QTest::addColumn<int>("date");  // the local date it is kept on
    QTest::addColumn<int>("exact"); // the date of the sun's point (UTC)
    QTest::newRow("Yule north") << false << "Yule, the winter solstice" << 20261221 << 20261221;
    QTest::newRow("Imbolc north") << false << "Imbolc" << 20260201 << 20260203;
    QTest::newRow("Beltane north") << false << "Beltane" << 20260501 << 20260505;
    QTest::newRow("Samhain north") << false << "Samhain" << 20261031 << 20261107;
    QTest::newRow("Yule south") << true << "Yule, the winter solstice" << 20260621 << 20260621;
    QTest::newRow("Samhain south") << true << "Samhain" << 20260430 << 20260505;
    QTest::newRow("Beltane south") << true << "Beltane" << 20261031 << 20261107;
    QTest::newRow("Imbolc south") << true << "Imbolc" << 20260801 << 20260807;
    QTest::newRow("Ostara south") << true << "Ostara, the spring equinox" << 20260923 << 20260923;
}

void TestYearEvents::theWheelTurnsWithTheHemisphere() {
    QFETCH(bool, southern);
    QFETCH(QString, sabbat);
    QFETCH(int, date);
    QFETCH(int, exact);
    const std::vector<Event> year = yearOf(2026, {Kind::Sabbat}, {}, southern, tenHoursEast());
    QCOMPARE(year.size(), std::size_t{8});
    const Event* e = find(year, sabbat.toStdString(), date);
    QVERIFY2(e != nullptr, qPrintable(sabbat));
    QCOMPARE(UtcDateNumber(e->exact), exact);
    if (e->date != 0) {
        // A cross-quarter day is the whole local date.
        QCOMPARE(e->start, UtcStartOf(date) - 10LL * 3600);
        QCOMPARE(e->end, e->start + kDay);
    } else {
        QCOMPARE(e->start, e->exact);
    }
}

void TestYearEvents::eclipsesSeenFromAPlace_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("date");
    QTest::addColumn<bool>("seen");
    QTest::addColumn<QString>("contact"); // a moment at the place and its published UTC time
    QTest::addColumn<QString>("at");
    QTest::newRow("2024 total, Dallas") << 2024 << kDallas << "Total solar eclipse" << 20240408 << true
                                        << "Totality begins"
                                        << "18:40:43";
    QTest::newRow("2024 total, not Berlin")
        << 2024 << kBerlin << "Total solar eclipse" << 20240408 << false << QString() << QString();
    QTest::newRow("2025 March, Berlin as the moon sets")
        << 2025 << kBerlin << "Total lunar eclipse" << 20250314 << true << "Partial eclipse begins"
        << "05:09:40";
    QTest::newRow("2025 September, Berlin as the moon rises")
        << 2025 << kBerlin << "Total lunar eclipse" << 20250907 << true << "Totality begins"
        << "17:30:24";
    QTest::newRow("2026 March, not Berlin")
        << 2026 << kBerlin << "Total lunar eclipse" << 20260303 << false << "Greatest eclipse"
        << "11:33:40";
    QTest::newRow("2026 March, Sydney") << 2026 << kSydney << "Total lunar eclipse" << 20260303 << true
                                        << "Totality begins"
                                        << "11:04:33";
    QTest::newRow("2026 August, Berlin partly")
        << 2026 << kBerlin << "Total solar eclipse" << 20260812 << true << QString() << QString();
    QTest::newRow("2026 August, not Sydney")
        << 2026 << kSydney << "Total solar eclipse" << 20260812 << false << QString() << QString();
}

void TestYearEvents::eclipsesSeenFromAPlace() {
    QFETCH(int, year);
    QFETCH(Place, place);
    QFETCH(QString, words);
    QFETCH(int, date);
    QFETCH(bool, seen);
    QFETCH(QString, contact);
    QFETCH(QString, at);
    const std::vector<Event> events = yearOf(year, {Kind::Eclipse}, place);
    const Event* e = find(events, words.toStdString(), date);
    QVERIFY(e != nullptr);
    QVERIFY(e->eclipse.has_value());
    QCOMPARE(e->eclipse->seen, seen);
    if (contact.isEmpty()) {
        return;
    }
    const auto c = std::find_if(e->eclipse->contacts.begin(), e->eclipse->contacts.end(),
                                [&](const Contact& x) { return x.what == contact.toStdString(); });
    QVERIFY(c != e->eclipse->contacts.end());
    const QTime published = QTime::fromString(at, "HH:mm:ss");
    const std::int64_t expected = UtcStartOf(date) + published.msecsSinceStartOfDay() / 1000;
    QVERIFY2(std::llabs(c->at - expected) <= 60, qPrintable(QString::number(c->at - expected)));
    if (year == 2025) {
        // Both of the year's lunar eclipses are total.
        QCOMPARE(std::count_if(events.begin(), events.end(),
                               [](const Event& x) { return x.words == "Total lunar eclipse"; }),
                 2);
    }
}

void TestYearEvents::retrogradesOf2026() {
    // Mercury turns three times (published: 26 Feb - 20 Mar in Pisces, 29 Jun - 23 Jul in Cancer,
    // 24 Oct - 13 Nov in Scorpio); Venus once, across from Scorpio back into Libra.
    std::vector<std::tuple<int, int, std::string_view, std::string_view>> mercury;
    const std::vector<Event> events = yearOf(2026, {Kind::Retrograde});
    for (const Event& e : events) {
        QVERIFY(e.isPeriod());
        if (e.planet == sky::Planet::Mercury) {
            mercury.emplace_back(UtcDateNumber(e.start), UtcDateNumber(e.end), e.sign, e.endSign);
        }
    }
    const std::vector<std::tuple<int, int, std::string_view, std::string_view>> published{
        {20260226, 20260320, "Pisces", "Pisces"},
        {20260629, 20260723, "Cancer", "Cancer"},
        {20261024, 20261113, "Scorpio", "Scorpio"}};
    QVERIFY(mercury == published);
    const Event* venus = find(events, "Venus retrograde", 20261003);
    QVERIFY(venus != nullptr);
    QCOMPARE(std::string(venus->sign) + ">" + std::string(venus->endSign), std::string("Scorpio>Libra"));
    // Periods begun the year before are in the year's list too.
    QVERIFY(find(events, "Uranus retrograde", 20250906) != nullptr);
}

void TestYearEvents::fullMoonNames_data() {
    QTest::addColumn<bool>("southern");
    QTest::addColumn<int>("date");
    QTest::addColumn<QString>("name");
    QTest::newRow("January, north") << false << 20260103 << "Wolf Moon";
    QTest::newRow("Harvest in September") << false << 20260926 << "Harvest Moon";
    QTest::newRow("and Hunter's after it") << false << 20261026 << "Hunter's Moon";
    QTest::newRow("Harvest in October") << false << 20171005 << "Harvest Moon";
    QTest::newRow("leaves September the Corn Moon") << false << 20170906 << "Corn Moon";
    QTest::newRow("and November the Hunter's") << false << 20171104 << "Hunter's Moon";
    QTest::newRow("January, south") << true << 20260103 << "Buck Moon";
    QTest::newRow("Harvest near the March equinox") << true << 20260402 << "Harvest Moon";
    QTest::newRow("December, south") << true << 20261224 << "Strawberry Moon";
}

void TestYearEvents::fullMoonNames() {
    QFETCH(bool, southern);
    QFETCH(int, date);
    QFETCH(QString, name);
    const std::vector<Event> events = yearOf(date / 10000, {Kind::MoonName}, {}, southern);
    const auto it = std::find_if(events.begin(), events.end(), [&](const Event& e) {
        return UtcDateNumber(e.start) == date && e.id.starts_with("moonname-");
    });
    QVERIFY(it != events.end());
    QCOMPARE(QString::fromStdString(it->words), name);
    QCOMPARE(std::count_if(events.begin(), events.end(), [](const Event& e) { return e.words == "Harvest Moon"; }), 1);
}

void TestYearEvents::secondMoonsOfAMonth_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("tenHoursEast");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QList<int>>("dates"); // UTC dates of the year's blue or black moons
    QTest::newRow("2026 blue, UTC") << 2026 << false << "Blue moon" << QList<int>{20260531};
    QTest::newRow("2024 black, UTC") << 2024 << false << "Black moon" << QList<int>{20241230};
    QTest::newRow("2028 blue on 31 December") << 2028 << false << "Blue moon" << QList<int>{20281231};
    // 16:48 UTC on 31 December is 1 January ten hours east: not December's second full moon there.
    QTest::newRow("2028 none ten hours east") << 2028 << true << "Blue moon" << QList<int>{};
    QTest::newRow("2029 January and March there") << 2029 << true << "Blue moon" << QList<int>{20290130, 20290330};
}

void TestYearEvents::secondMoonsOfAMonth() {
    QFETCH(int, year);
    QFETCH(bool, tenHoursEast);
    QFETCH(QString, words);
    QFETCH(QList<int>, dates);
    QList<int> found;
    for (const Event& e : yearOf(year, {Kind::MoonName}, {}, false, tenHoursEast ? ::tenHoursEast() : Dates{})) {
        if (QString::fromStdString(e.words) == words) {
            found.append(UtcDateNumber(e.start));
        }
    }
    QCOMPARE(found, dates);
}

void TestYearEvents::supermoonsOf2026() {
    // By the 90 % rule: the full supermoons of 2026 are 3 January, 24 November and 24 December
    // (356,740 km, the year's closest); 31 May is a blue micromoon.
    QList<int> full;
    double closest = 1e9;
    const std::vector<Event> events = yearOf(2026, {Kind::Supermoon});
    for (const Event& e : events) {
        if (e.words == "Supermoon") {
            full.append(UtcDateNumber(e.start));
            closest = std::min(closest, e.distanceKm);
        }
    }
    QCOMPARE(full, (QList<int>{20260103, 20261124, 20261224}));
    QVERIFY(std::abs(closest - 356740) < 30);
    QVERIFY(find(events, "Micromoon", 20260531) != nullptr);
}

void TestYearEvents::aRangeAtTheEndsOfTheYearsShown() {
    // The first and last months of the years shown answer without throwing; past them the sky's
    // year searches are simply not asked while the moon's own events go on.
    const Kinds kinds{Kind::Sabbat, Kind::Eclipse, Kind::Retrograde, Kind::MoonName, Kind::Supermoon, Kind::Quarter};
    const Almanac almanac(kBerlin);
    QVERIFY(!almanac.events(UtcStartOf(19010101), UtcStartOf(19010201), kinds).empty());
    QVERIFY(!almanac.events(UtcStartOf(20501201), UtcStartOf(20510101), kinds).empty());
    for (const Event& e : almanac.events(UtcStartOf(20520101), UtcStartOf(20520201), kinds)) {
        QVERIFY(e.kind == Kind::Quarter || e.kind == Kind::MoonName);
    }
}

QTEST_APPLESS_MAIN(TestYearEvents)
#include "tst_year_events.moc"
