// The year's events as the almanac gives them, against published dates: the wheel in both
// hemispheres, eclipses seen or not from a place, retrogrades, the full moons' names, blue and black
// moons in the user's zone, supermoons.
#include "almanac/almanac.h"

#include <QDateTime>
#include <QTimeZone>
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

// A zone ten hours east of UTC, without summer time; a caller may give its dates without a name.
Dates tenHoursEast(std::string name = "ten hours east") {
    constexpr std::int64_t kOffset = 10LL * 3600;
    return {[](std::int64_t t) { return UtcDateNumber(t + kOffset); },
            [](int date) { return UtcStartOf(date) - kOffset; }, std::move(name)};
}

// A time zone's dates, as the windows give them.
Dates datesOf(const QTimeZone& zone) {
    return {
        [zone](std::int64_t t) {
            const QDate d = QDateTime::fromSecsSinceEpoch(t, zone).date();
            return d.year() * 10000 + d.month() * 100 + d.day();
        },
        [zone](int date) {
            return QDateTime(QDate(date / 10000, date / 100 % 100, date % 100), QTime(0, 0), zone).toSecsSinceEpoch();
        },
        zone.id().toStdString()};
}

std::int64_t utc(const char* iso) {
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch();
}

const Place kBerlin{52.52, 13.40};
const Place kDallas{32.78, -96.80};
const Place kSydney{-33.87, 151.21};
const Place kKarachi{24.86, 67.00};
const Place kGuadalcanal{-9.43, 159.95};
} // namespace

Q_DECLARE_METATYPE(lunara::almanac::Place)

class TestYearEvents : public QObject {
    Q_OBJECT
private slots:
    void theWheelTurnsWithTheHemisphere_data();
    void theWheelTurnsWithTheHemisphere();
    void eclipsesSeenFromAPlace_data();
    void eclipsesSeenFromAPlace();
    void aSolarEclipseOnlyWhereThePlaceFacesTheSun_data();
    void aSolarEclipseOnlyWhereThePlaceFacesTheSun();
    void eclipsesFollowThePlace();
    void aCrossQuarterDayAcrossAClockChange();
    void retrogradesOf2026();
    void fullMoonNames_data();
    void fullMoonNames();
    void aDayAloneKnowsItsFullMoonsName_data();
    void aDayAloneKnowsItsFullMoonsName();
    void secondMoonsOfAMonth_data();
    void secondMoonsOfAMonth();
    void supermoonsOf2026();
    void aRangeAtTheEndsOfTheYearsShown_data();
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
    // The moon sets at Karachi at 01:19, between the penumbra's first touch and the shadow's bite.
    QTest::newRow("2024 September, Karachi only in the penumbra")
        << 2024 << kKarachi << "Partial lunar eclipse" << 20240918 << false << "Greatest eclipse"
        << "02:44:18";
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

// Taken through the earth, the moon covers the sun for places on the night side too; only a place
// the penumbra reaches while the sun is up there (refraction included) has local circumstances.
void TestYearEvents::aSolarEclipseOnlyWhereThePlaceFacesTheSun_data() {
    QTest::addColumn<Place>("place");
    QTest::addColumn<int>("date");        // of greatest eclipse, UTC
    QTest::addColumn<QString>("local");   // the kind seen there, or none
    QTest::addColumn<QString>("contact"); // a moment at the place and its time by an independent ephemeris
    QTest::addColumn<QString>("at");
    QTest::newRow("Guadalcanal, April 2024, at night") << kGuadalcanal << 20240408 << "none" << QString() << QString();
    QTest::newRow("Guadalcanal, October 2024, before sunrise")
        << kGuadalcanal << 20241002 << "none" << QString() << QString();
    QTest::newRow("Berlin, April 2024, the sun 15 degrees down")
        << kBerlin << 20240408 << "none" << QString() << QString();
    // 12 August 2026 at sunset in south-eastern Europe: at Sofia the sun sets minutes after the
    // moon first touches it, at Athens minutes before.
    QTest::newRow("Sofia, August 2026, at sunset")
        << Place{42.70, 23.32} << 20260812 << "Partial" << QString() << QString();
    QTest::newRow("Athens, August 2026, after sunset")
        << Place{37.98, 23.73} << 20260812 << "none" << QString() << QString();
    QTest::newRow("Madrid, August 2026, the sun setting during it") << Place{40.4168, -3.7038} << 20260812 << "Partial"
                                                                    << "Eclipse begins"
                                                                    << "17:36:41";
    QTest::newRow("Perth, April 2023") << Place{-31.9505, 115.8605} << 20230420 << "Partial"
                                       << "Eclipse begins"
                                       << "01:59:58";
    QTest::newRow("Exmouth, April 2023") << Place{-21.93, 114.13} << 20230420 << "Total"
                                         << "Totality begins"
                                         << "03:29:44";
    QTest::newRow("Easter Island, October 2024")
        << Place{-27.11, -109.35} << 20241002 << "Annular" << QString() << QString();
}

void TestYearEvents::aSolarEclipseOnlyWhereThePlaceFacesTheSun() {
    QFETCH(Place, place);
    QFETCH(int, date);
    QFETCH(QString, local);
    QFETCH(QString, contact);
    QFETCH(QString, at);
    const Almanac almanac(place);
    const std::vector<Event> events = almanac.events(UtcStartOf(date), UtcStartOf(date) + kDay, {Kind::Eclipse});
    const auto solar = std::find_if(events.begin(), events.end(), [](const Event& e) { return e.eclipse->solar; });
    QVERIFY(solar != events.end());
    const EclipseFacts& facts = *solar->eclipse;
    if (local == "none") {
        QVERIFY(!facts.seen);
        QVERIFY(facts.contacts.empty());
        QVERIFY(!facts.localKind);
        QCOMPARE(facts.localMagnitude, 0.0);
        return;
    }
    QVERIFY(facts.seen);
    QVERIFY(facts.localKind);
    QCOMPARE(QString::fromStdString(std::string(EclipseKindName(*facts.localKind))), local);
    QVERIFY(std::any_of(facts.contacts.begin(), facts.contacts.end(),
                        [](const Contact& c) { return c.altitude > sky::kHorizonAltitude; }));
    if (!contact.isEmpty()) {
        const auto c = std::find_if(facts.contacts.begin(), facts.contacts.end(),
                                    [&](const Contact& x) { return x.what == contact.toStdString(); });
        QVERIFY(c != facts.contacts.end());
        const std::int64_t expected =
            UtcStartOf(date) + QTime::fromString(at, "HH:mm:ss").msecsSinceStartOfDay() / 1000;
        QVERIFY2(std::llabs(c->at - expected) <= 60, qPrintable(QString::number(c->at - expected)));
    }
}

void TestYearEvents::eclipsesFollowThePlace() {
    // What an almanac found for one place is not what it says for the next.
    Almanac almanac(kBerlin);
    const auto april = [&] {
        const std::vector<Event> events = almanac.events(UtcStartOf(20240408), UtcStartOf(20240409), {Kind::Eclipse});
        return events.size() == 1 ? *events.front().eclipse : EclipseFacts{};
    };
    QVERIFY(!april().seen);
    almanac.setPlace(kDallas);
    const EclipseFacts dallas = april();
    QVERIFY(dallas.seen);
    QVERIFY(dallas.localKind == sky::EclipseKind::Total);
    QCOMPARE(dallas.contacts.size(), std::size_t{5});
    almanac.setPlace(std::nullopt);
    QVERIFY(!april().seen);
    QVERIFY(april().contacts.empty());
}

void TestYearEvents::aCrossQuarterDayAcrossAClockChange() {
    // 31 October 2027 is the Sunday Berlin's clocks go back: Samhain there lasts 25 hours.
    Almanac almanac;
    almanac.setDates(datesOf(QTimeZone("Europe/Berlin")));
    const std::vector<Event> events = almanac.events(UtcStartOf(20271025), UtcStartOf(20271105), {Kind::Sabbat});
    const Event* samhain = find(events, "Samhain", 20271031);
    QVERIFY(samhain != nullptr);
    QCOMPARE(samhain->start, utc("2027-10-30T22:00:00Z"));
    QCOMPARE(samhain->end, utc("2027-10-31T23:00:00Z"));
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

// A day asked alone names its full moon as the year does, though the equinox that decides it lies
// weeks away: 9 September 2014 is the Harvest Moon, two weeks before the equinox of the 23rd.
void TestYearEvents::aDayAloneKnowsItsFullMoonsName_data() {
    QTest::addColumn<int>("date");
    QTest::addColumn<QString>("name");
    QTest::newRow("Harvest Moon two weeks before the equinox") << 20140909 << "Harvest Moon";
    QTest::newRow("and the Hunter's Moon after it") << 20141008 << "Hunter's Moon";
    QTest::newRow("the Corn Moon of 2017, three weeks before") << 20170906 << "Corn Moon";
}

void TestYearEvents::aDayAloneKnowsItsFullMoonsName() {
    QFETCH(int, date);
    QFETCH(QString, name);
    const std::vector<Event> events = Almanac().events(UtcStartOf(date), UtcStartOf(date) + kDay, {Kind::MoonName});
    QCOMPARE(events.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(events.front().words), name);
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
    // Dates given without a name count as much as named ones.
    for (const Event& e : yearOf(year, {Kind::MoonName}, {}, false, tenHoursEast ? ::tenHoursEast({}) : Dates{})) {
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

// The first and the last year shown have each kind of the year's events, the periods that cross
// their ends with their other station (found past the years); past the years the sky's year
// searches are not asked while the moon's own events go on.
void TestYearEvents::aRangeAtTheEndsOfTheYearsShown_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("eclipses"); // identities, by the canons
    // Retrogrades across the range's end: the planet, its stations (UTC, by an independent
    // ephemeris of approximate elements, within hours).
    QTest::addColumn<QStringList>("across");
    QTest::newRow("1901") << 1901
                          << QStringList{"eclipse-lunar-19010503", "eclipse-solar-19010518", "eclipse-lunar-19011027",
                                         "eclipse-solar-19011111"}
                          << QStringList{"Pluto 1900-09-17T14:00Z 1901-02-28T13:00Z",
                                         "Neptune 1900-10-02T16:00Z 1901-03-08T01:00Z"};
    QTest::newRow("2050") << 2050
                          << QStringList{"eclipse-lunar-20500506", "eclipse-solar-20500520", "eclipse-lunar-20501030",
                                         "eclipse-solar-20501114"}
                          << QStringList{"Neptune 2050-08-31T13:00Z 2051-02-04T10:00Z",
                                         "Jupiter 2050-12-21T12:00Z 2051-04-22T00:00Z",
                                         "Uranus 2050-12-30T11:00Z 2051-05-29T03:00Z"};
}

void TestYearEvents::aRangeAtTheEndsOfTheYearsShown() {
    QFETCH(int, year);
    QFETCH(QStringList, eclipses);
    QFETCH(QStringList, across);
    const std::vector<Event> events = yearOf(year, kYearKinds, kBerlin);
    const auto count = [&](Kind kind) {
        return std::count_if(events.begin(), events.end(), [kind](const Event& e) { return e.kind == kind; });
    };
    QCOMPARE(count(Kind::Sabbat), 8);
    QStringList ids;
    for (const Event& e : events) {
        if (e.kind == Kind::Eclipse) {
            ids << QString::fromStdString(e.id);
        }
    }
    QCOMPARE(ids, eclipses);
    QVERIFY(count(Kind::MoonName) >= 12);
    QVERIFY(std::any_of(events.begin(), events.end(), [&](const Event& e) {
        return e.words == "Wolf Moon" && UtcDateNumber(e.start) / 100 == year * 100 + 1;
    }));
    QVERIFY(std::any_of(events.begin(), events.end(), [&](const Event& e) {
        return e.words == "Cold Moon" && UtcDateNumber(e.start) / 100 == year * 100 + 12;
    }));
    QVERIFY(count(Kind::Supermoon) >= 4);
    QVERIFY(count(Kind::Retrograde) >= 10);
    for (const QString& period : across) {
        const QStringList parts = period.split(u' ');
        const auto retrograde = std::find_if(events.begin(), events.end(), [&](const Event& e) {
            return e.kind == Kind::Retrograde && sky::PlanetName(e.planet) == parts[0].toStdString() &&
                   std::llabs(e.start - utc(parts[1].toLatin1().constData())) <= 12LL * 3600;
        });
        QVERIFY2(retrograde != events.end(), qPrintable(period));
        QVERIFY2(std::llabs(retrograde->end - utc(parts[2].toLatin1().constData())) <= 12LL * 3600,
                 qPrintable(period + QStringLiteral(": ") + QString::fromStdString(UtcStamp(retrograde->end))));
    }
    // Two years on, only the moon's own events.
    const Kinds kinds{Kind::Sabbat, Kind::Eclipse, Kind::Retrograde, Kind::MoonName, Kind::Supermoon, Kind::Quarter};
    const Almanac almanac(kBerlin);
    const int past = year == 1901 ? 1899 : 2052;
    const std::vector<Event> beyond =
        almanac.events(UtcStartOf(past * 10000 + 101), UtcStartOf(past * 10000 + 201), kinds);
    QVERIFY(!beyond.empty());
    for (const Event& e : beyond) {
        QVERIFY(e.kind == Kind::Quarter || e.kind == Kind::MoonName);
    }
}

QTEST_APPLESS_MAIN(TestYearEvents)
#include "tst_year_events.moc"
