// The planetary day without a window: the place's own dates, which day holds an instant, and why a
// date has no hours, from the crossings the sky gives.
#include "hours/planetary_day.h"
#include "kit/local_time.h"

#include <QtTest>

using namespace lunara;

namespace {
const Place kTromso{{}, {}, {}, 69.65, 18.96}; // typed in: dates by mean solar time
const Place kSydney{QStringLiteral("Sydney"), QStringLiteral("Australia"), QStringLiteral("Australia/Sydney"),
                    -(33 + 52 / 60.0), 151 + 13 / 60.0};
const Place kHonolulu{QStringLiteral("Honolulu"), QStringLiteral("United States"), QStringLiteral("Pacific/Honolulu"),
                      21.3069, -157.8583};
const QTimeZone kOslo("Europe/Oslo");
const QTimeZone kBerlin("Europe/Berlin");
} // namespace

class TestPlanetaryDay : public QObject {
    Q_OBJECT
private slots:
    void whyADayHasNoHours_data();
    void whyADayHasNoHours();
    void theDayThatHoldsAnInstant_data();
    void theDayThatHoldsAnInstant();
    void datesAreThePlacesOwn();
};

// Tromsø, where the sun stops and starts rising and setting; times read on Oslo's clocks.
void TestPlanetaryDay::whyADayHasNoHours_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("why"); // the line that says why there are no hours; empty: the day has its 24
    QTest::addColumn<QString>("sunrise");
    QTest::newRow("last sunrise before the polar night") << QDate(2026, 11, 26) << ""
                                                         << "10:57";
    QTest::newRow("rises and sets within minutes")
        << QDate(2026, 11, 27)
        << "No planetary hours this day: the sun does not rise again within a day after it sets at 11:42, so there "
           "is no daylight and night to divide."
        << "";
    QTest::newRow("polar night") << QDate(2026, 12, 21)
                                 << "No planetary hours this day: the sun does not rise, so there is no daylight and "
                                    "night to divide."
                                 << "";
    QTest::newRow("last day of the polar night") << QDate(2026, 1, 14)
                                                 << "No planetary hours this day: the sun does not rise, so there is "
                                                    "no daylight and night to divide."
                                                 << "";
    QTest::newRow("first sunrise") << QDate(2026, 1, 15) << ""
                                   << "11:29";
    QTest::newRow("a night of minutes") << QDate(2026, 5, 17) << ""
                                        << "01:18";
    QTest::newRow("sets and rises within minutes")
        << QDate(2026, 5, 18)
        << "No planetary hours this day: the sun does not set within a day after it rises at 00:53, so there is no "
           "daylight and night to divide."
        << "";
    QTest::newRow("midnight sun") << QDate(2026, 6, 21)
                                  << "No planetary hours this day: the sun does not set, so there is no daylight and "
                                     "night to divide."
                                  << "";
}

void TestPlanetaryDay::whyADayHasNoHours() {
    QFETCH(QDate, date);
    QFETCH(QString, why);
    QFETCH(QString, sunrise);
    const PlanetaryDay day = planetaryDay(kTromso, date);
    QCOMPARE(noHoursLine(day, kOslo), why);
    QCOMPARE(day.hours.size(), why.isEmpty() ? std::size_t(24) : std::size_t(0));
    if (!why.isEmpty()) {
        // Without hours the day is its date.
        QCOMPARE(day.start(), day.dateStart);
        QCOMPARE(day.end(), day.dateEnd);
        return;
    }
    QCOMPARE(localTimeText(day.hours.front().start, kOslo), sunrise);
    QCOMPARE(day.end(), day.hours.back().end);
}

// An instant on the computer's clock (Berlin) and the place's planetary day that holds it.
void TestPlanetaryDay::theDayThatHoldsAnInstant_data() {
    QTest::addColumn<QDateTime>("berlin");
    QTest::addColumn<int>("place"); // 0 Sydney, 1 Sydney typed in, 2 Honolulu, 3 Tromsø
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("ruler"); // sky::Planet
    // Monday 21:00 in Berlin is Tuesday 07:00 in Sydney, after its sunrise: Mars's day.
    QTest::newRow("Sydney") << QDateTime(QDate(2026, 12, 7), QTime(21, 0), kBerlin) << 0 << QDate(2026, 12, 8)
                            << int(sky::Planet::Mars);
    QTest::newRow("Sydney typed in") << QDateTime(QDate(2026, 12, 7), QTime(21, 0), kBerlin) << 1 << QDate(2026, 12, 8)
                                     << int(sky::Planet::Mars);
    // 18:00 in Berlin is 04:00 on Tuesday in Sydney, before its sunrise: still Monday's day.
    QTest::newRow("Sydney before sunrise")
        << QDateTime(QDate(2026, 12, 7), QTime(18, 0), kBerlin) << 0 << QDate(2026, 12, 7) << int(sky::Planet::Moon);
    // Tuesday 10:00 in Berlin is Monday 23:00 in Honolulu.
    QTest::newRow("Honolulu") << QDateTime(QDate(2026, 12, 8), QTime(10, 0), kBerlin) << 2 << QDate(2026, 12, 7)
                              << int(sky::Planet::Moon);
    // In the polar night a date without hours holds its own instants.
    QTest::newRow("Tromsø, polar night") << QDateTime(QDate(2026, 12, 21), QTime(3, 0), kBerlin) << 3
                                         << QDate(2026, 12, 21) << int(sky::Planet::Moon);
}

void TestPlanetaryDay::theDayThatHoldsAnInstant() {
    QFETCH(QDateTime, berlin);
    QFETCH(int, place);
    QFETCH(QDate, day);
    QFETCH(int, ruler);
    Place typedSydney = kSydney;
    typedSydney.city.clear();
    typedSydney.zoneId.clear();
    const Place where = std::array{kSydney, typedSydney, kHonolulu, kTromso}[std::size_t(place)];
    const std::int64_t at = berlin.toSecsSinceEpoch();
    const PlanetaryDay planetary = planetaryDayAt(where, at);
    QCOMPARE(planetary.date, day);
    QCOMPARE(int(planetary.ruler), ruler);
    QVERIFY(at >= planetary.start() && at < planetary.end());
}

void TestPlanetaryDay::datesAreThePlacesOwn() {
    QCOMPARE(placeZone(kSydney).id(), QByteArray("Australia/Sydney"));
    // Coordinates typed in: four minutes for each degree east.
    QCOMPARE(placeZone(kTromso).offsetFromUtc(QDateTime::currentDateTimeUtc()), 4550);
    QCOMPARE(placeZone(Place{{}, {}, {}, 0, -157.8583}).offsetFromUtc(QDateTime::currentDateTimeUtc()), -37886);
    // A zone the system does not know falls back to the longitude.
    QCOMPARE(placeZone(Place{{}, {}, QStringLiteral("Nowhere/Atlantis"), 0, 15})
                 .offsetFromUtc(QDateTime::currentDateTimeUtc()),
             3600);
    QCOMPARE(dayTitle(sky::Planet::Sun), QStringLiteral("The day of the Sun"));
    QCOMPARE(dayTitle(sky::Planet::Saturn), QStringLiteral("The day of Saturn"));
}

QTEST_MAIN(TestPlanetaryDay)
#include "tst_planetary_day.moc"
