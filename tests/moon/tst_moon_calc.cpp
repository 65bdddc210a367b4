#include "moon/age.h"
#include "moon/sign.h"

#include <QtTest>
#include <set>
#include <string>

using namespace lunara;

class TestMoonCalc : public QObject {
    Q_OBJECT
private slots:
    void age_data();
    void age();
    void readingCenturyComesFromCaller();
    void everyDateOfTheLists();
    void sunSign_data();
    void sunSign();
    void eachSignHoldsOneRunOfDays();
};

void TestMoonCalc::age_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("phase");
    // Worked examples of the rule, each exercising a different step.
    QTest::newRow("23 Dec 2007, 8.3 rounds 43.7 to 44") << 23 << 12 << 2007 << 14 << "Full Moon";
    QTest::newRow("1 Jan 1901, first date of the lists") << 1 << 1 << 1901 << 11 << "Waxing Moon";
    QTest::newRow("1 Jan 1915, negative year term") << 1 << 1 << 1915 << 14 << "Full Moon";
    QTest::newRow("1 Jan 2000, negative sum -4.3 to -4") << 1 << 1 << 2000 << 4 << "New Moon";
    QTest::newRow("31 Dec 1999, last day subtracting 4") << 31 << 12 << 1999 << 23 << "Waning Moon";
    QTest::newRow("10 Jan 1910, n = -9 gives age 0") << 10 << 1 << 1910 << 0 << "Dark Moon";
    QTest::newRow("31 Dec 2050, last date of the lists") << 31 << 12 << 2050 << 18 << "Waning Moon";
    QTest::newRow("29 Feb 1901, not a leap year") << 29 << 2 << 1901 << 10 << "Waxing Moon";
    QTest::newRow("February takes term 4") << 1 << 2 << 1901 << 12 << "Waxing Moon";
    QTest::newRow("March takes its number") << 1 << 3 << 1901 << 11 << "Waxing Moon";
    // 1 Jan 1904: n=4, 44 mod 30 = 14, sum 18, 18-4 = 14.
    QTest::newRow("year term wraps at 30") << 1 << 1 << 1904 << 14 << "Full Moon";
    // 1 Jan 1919: 19 mod 19 = 0.
    QTest::newRow("year 19 folds to n = 0") << 1 << 1 << 1919 << 0 << "Dark Moon";
    // 1 Jan 2015: n=-4, -14 + 4 = -10, -10 - 8.3 = -18.3 -> -18, age 18.
    QTest::newRow("negative sum after 2000") << 1 << 1 << 2015 << 18 << "Waning Moon";
    // 31 Dec 1929: n = 10 - 19 = -9... 29 mod 19 = 10 -> -9; -99 mod 30 = -9; sum 34; 30 -> 0.
    QTest::newRow("sum of exactly 30 gives 0") << 31 << 12 << 1929 << 0 << "Dark Moon";
    // Today's panel may see a year outside the lists: the rule reads its last two digits.
    QTest::newRow("year 2107 uses digits 07") << 23 << 12 << 2107 << 14 << "Full Moon";
}

void TestMoonCalc::age() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, age);
    QFETCH(QString, phase);
    const auto got = CalculateMoonAge(day, month, year);
    QCOMPARE(int(got), age);
    const MoonPhaseInfo info = MoonPhaseForAge(got);
    QCOMPARE(QString::fromUtf8(info.phaseName.data(), qsizetype(info.phaseName.size())), phase);
    QCOMPARE(int(info.pictureIndex), age + 1);
}

void TestMoonCalc::readingCenturyComesFromCaller() {
    // The reading chooses the correction by list position; forcing it must change the result.
    QCOMPARE(int(CalculateMoonAge(1, 1, 2000, Century::From2000)), 4);
    QCOMPARE(int(CalculateMoonAge(1, 1, 2000, Century::Before2000)), 0);
    QCOMPARE(int(CalculateMoonAge(31, 12, 1999, Century::From2000)), 19);
}

void TestMoonCalc::everyDateOfTheLists() {
    std::set<int> seen;
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const int age = CalculateMoonAge(day, month, year);
                if (age < 0 || age > 29) {
                    QFAIL(qPrintable(QStringLiteral("age %1 for %2/%3/%4").arg(age).arg(day).arg(month).arg(year)));
                }
                seen.insert(age);
                if (MoonPhaseForAge(age).pictureIndex != age + 1) {
                    QFAIL("picture index is not age + 1");
                }
            }
        }
    }
    QCOMPARE(seen.size(), std::size_t{30});
}

void TestMoonCalc::sunSign_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("sign");
    QTest::newRow("19 Jan") << 19 << 1 << "Capricorn";
    QTest::newRow("20 Jan") << 20 << 1 << "Aquarius";
    QTest::newRow("18 Feb") << 18 << 2 << "Aquarius";
    QTest::newRow("19 Feb") << 19 << 2 << "Pisces";
    QTest::newRow("29 Feb") << 29 << 2 << "Pisces";
    QTest::newRow("31 Feb accepted") << 31 << 2 << "Pisces";
    QTest::newRow("20 Mar") << 20 << 3 << "Pisces";
    QTest::newRow("21 Mar") << 21 << 3 << "Aries";
    QTest::newRow("20 Apr") << 20 << 4 << "Aries";
    QTest::newRow("21 Apr") << 21 << 4 << "Taurus";
    QTest::newRow("21 Oct") << 21 << 10 << "Scorpio";
    QTest::newRow("20 Dec") << 20 << 12 << "Sagittarius";
    QTest::newRow("21 Dec") << 21 << 12 << "Capricorn";
    QTest::newRow("31 Dec") << 31 << 12 << "Capricorn";
    QTest::newRow("1 Jan") << 1 << 1 << "Capricorn";
    QTest::newRow("day 0") << 0 << 1 << "";
    QTest::newRow("day 32") << 32 << 1 << "";
    QTest::newRow("month 0") << 1 << 0 << "";
    QTest::newRow("month 13") << 1 << 13 << "";
}

void TestMoonCalc::sunSign() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, sign);
    const auto got = CalculateSunSign(day, month);
    QCOMPARE(got.has_value(), !sign.isEmpty());
    if (got) {
        QCOMPARE(QString::fromUtf8(got->data(), qsizetype(got->size())), sign);
    }
}

void TestMoonCalc::eachSignHoldsOneRunOfDays() {
    // Walking the real calendar of a leap year, each sign must hold one unbroken run of days;
    // only Capricorn wraps over the new year.
    std::set<std::string> finished;
    std::string current = "Capricorn";
    int changes = 0;
    for (QDate d(2000, 1, 1); d.year() == 2000; d = d.addDays(1)) {
        const auto s = CalculateSunSign(d.day(), d.month());
        QVERIFY(s.has_value());
        const std::string name(*s);
        if (name != current) {
            QVERIFY2(!finished.count(name) || name == "Capricorn", name.c_str());
            finished.insert(current);
            current = name;
            ++changes;
        }
    }
    QCOMPARE(changes, 12);
    QCOMPARE(current, std::string("Capricorn"));
}

QTEST_APPLESS_MAIN(TestMoonCalc)
#include "tst_moon_calc.moc"
