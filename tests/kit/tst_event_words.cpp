// The year's events of one date as Moon Magick's today line and Magick Hours' day line say them: a
// cross-quarter point on its own day, a place's date told in the computer's times, and an instant's
// day and time in words and in a printed list.
#include "kit/event_words.h"

#include <QDateTime>
#include <QtTest>

using namespace lunara;

namespace {
const almanac::Place kBerlin{52.52, 13.405};
const almanac::Place kSydney{-33.87, 151.21};
const almanac::Place kTokyo{35.69, 139.69};

std::int64_t utc(const QDate& date, const QTime& time) {
    return QDateTime(date, time, QTimeZone::utc()).toSecsSinceEpoch();
}
} // namespace

class TestEventWords : public QObject {
    Q_OBJECT
private slots:
    void aDaysYearLine_data();
    void aDaysYearLine();
    void aPlacesDateInTheComputersTimes();
    void dayAndTimeInWordsAndInAList_data();
    void dayAndTimeInWordsAndInAList();
};

void TestEventWords::aDaysYearLine_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("names"); // the line's names, and Mercury when it is retrograde
    QTest::addColumn<QString>("texts"); // in full
    // The sun reaches each cross-quarter point two to seven days after the traditional date.
    QTest::newRow("Imbolc's point") << QByteArray("Europe/Berlin") << QDate(2026, 2, 3) << "Astronomical Imbolc"
                                    << "The sun at 15° Aquarius at 21:02: astronomical Imbolc";
    QTest::newRow("Beltane's point") << QByteArray("Europe/Berlin") << QDate(2026, 5, 5) << "Astronomical Beltane"
                                     << "The sun at 15° Taurus at 13:49: astronomical Beltane";
    QTest::newRow("Lughnasadh's point") << QByteArray("Europe/Berlin") << QDate(2026, 8, 7) << "Astronomical Lughnasadh"
                                        << "The sun at 15° Leo at 13:43: astronomical Lughnasadh";
    QTest::newRow("Samhain's point, Mercury retrograde")
        << QByteArray("Europe/Berlin") << QDate(2026, 11, 7) << "Astronomical Samhain; Mercury is retrograde"
        << "The sun at 15° Scorpio at 10:52: astronomical Samhain\nMercury is retrograde";
    QTest::newRow("Samhain's own date") << QByteArray("Europe/Berlin") << QDate(2026, 10, 31)
                                        << "Samhain; Mercury is retrograde"
                                        << "Samhain (its point: Saturday 7 November at 10:52, the sun at 15° "
                                           "Scorpio)\nMercury is retrograde";
    QTest::newRow("the day after a point")
        << QByteArray("Europe/Berlin") << QDate(2026, 11, 8) << "Mercury is retrograde"
        << "Mercury is retrograde";
    QTest::newRow("Samhain's point in the south")
        << QByteArray("Australia/Sydney") << QDate(2026, 5, 5) << "Astronomical Samhain"
        << "The sun at 15° Taurus at 21:49: astronomical Samhain";
}

void TestEventWords::aDaysYearLine() {
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QString, names);
    QFETCH(QString, texts);
    const bool southern = zone.startsWith("Australia");
    const QTimeZone here(zone);
    almanac::Almanac almanac(southern ? kSydney : kBerlin);
    almanac.setSouthern(southern);
    almanac.setDates(zoneDates(here));
    const DayEvents day = yearEventsOfDate(almanac, date, here, here, QStringLiteral("Berlin"));
    QCOMPARE(day.namesWithMercury().join(QStringLiteral("; ")), names);
    QCOMPARE(day.withMercury().join(u'\n'), texts);
    QCOMPARE(day.sabbat, names != QStringLiteral("Mercury is retrograde"));
}

void TestEventWords::aPlacesDateInTheComputersTimes() {
    // The full moon of 24 December 2026 comes at 01:28 UTC: 10:28 in Tokyo, 02:28 in Berlin. A page
    // for Tokyo's dates shows it on Tokyo's Thursday, in Berlin's times; 20:00 UTC on the 23rd, the
    // evening in Berlin, is the 24th in Tokyo too.
    const QTimeZone tokyo("Asia/Tokyo");
    const QTimeZone berlin("Europe/Berlin");
    almanac::Almanac almanac(kTokyo);
    almanac.setDates(zoneDates(tokyo));
    const DayEvents thursday = yearEventsOfDate(almanac, QDate(2026, 12, 24), tokyo, berlin, QStringLiteral("Tokyo"));
    QCOMPARE(thursday.names, (QStringList{"Cold Moon", "Supermoon"}));
    QCOMPARE(thursday.texts, (QStringList{"Cold Moon", "Supermoon at 02:28, 356,740 km away"}));
    QVERIFY(thursday.supermoon);
    for (const QDate& other : {QDate(2026, 12, 23), QDate(2026, 12, 25)}) {
        const DayEvents day = yearEventsOfDate(almanac, other, tokyo, berlin, QStringLiteral("Tokyo"));
        QVERIFY2(!day.names.contains(QStringLiteral("Cold Moon")), qPrintable(other.toString()));
    }
    // The same instants on Berlin's dates: the full moon is Berlin's Thursday too, at the same time.
    almanac.setDates(zoneDates(berlin));
    QCOMPARE(yearEventsOfDate(almanac, QDate(2026, 12, 24), berlin, berlin, QStringLiteral("Tokyo")).texts,
             thursday.texts);
}

void TestEventWords::dayAndTimeInWordsAndInAList_data() {
    QTest::addColumn<std::int64_t>("at");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("list");
    QTest::newRow("an afternoon") << utc(QDate(2026, 2, 3), QTime(20, 2, 10)) << QByteArray("Europe/Berlin")
                                  << "Tuesday 3 February at 21:02"
                                  << "Tue 3 Feb 21:02";
    // Rounded to the minute, and shown on the date of the rounded minute.
    QTest::newRow("rounded into the new year")
        << utc(QDate(2026, 12, 31), QTime(22, 59, 30)) << QByteArray("Europe/Berlin") << "Friday 1 January at 00:00"
        << "Fri 1 Jan 00:00";
    QTest::newRow("half a minute short of it")
        << utc(QDate(2026, 12, 31), QTime(22, 59, 29)) << QByteArray("Europe/Berlin") << "Thursday 31 December at 23:59"
        << "Thu 31 Dec 23:59";
    QTest::newRow("another zone's date") << utc(QDate(2026, 12, 23), QTime(20, 0)) << QByteArray("Asia/Tokyo")
                                         << "Thursday 24 December at 05:00"
                                         << "Thu 24 Dec 05:00";
}

void TestEventWords::dayAndTimeInWordsAndInAList() {
    QFETCH(std::int64_t, at);
    QFETCH(QByteArray, zone);
    QFETCH(QString, words);
    QFETCH(QString, list);
    QCOMPARE(dayAndTime(at, QTimeZone(zone)), words);
    QCOMPARE(dayAndTime(at, QTimeZone(zone), DayForm::List), list);
}

QTEST_GUILESS_MAIN(TestEventWords)
#include "tst_event_words.moc"
