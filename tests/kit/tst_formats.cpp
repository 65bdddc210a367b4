// Dates, times and numbers as each country writes them, from the formats locale alone.
#include "kit/formats.h"

#include <QTest>

using namespace lunara;

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void asTheCountryWritesThem_data();
    void asTheCountryWritesThem();
};

void TestFormats::asTheCountryWritesThem_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("weekdayDayMonth"); // Thursday 24 December 2026
    QTest::addColumn<QString>("shortDay");
    QTest::addColumn<QString>("monthYear");
    QTest::addColumn<QString>("night");     // 02:28
    QTest::addColumn<QString>("afternoon"); // 14:05
    QTest::addColumn<QString>("magnitude"); // 1.156
    QTest::addColumn<QString>("distance");  // 356740
    QTest::addColumn<int>("firstDay");
    // The C locale writes as Lunara always has.
    QTest::newRow("C") << "C"
                       << "Thursday 24 December"
                       << "Thu 24 Dec"
                       << "December 2026"
                       << "02:28"
                       << "14:05"
                       << "1.156"
                       << "356740" << 1;
    QTest::newRow("en_GB") << "en_GB"
                           << "Thursday 24 December"
                           << "Thu 24 Dec"
                           << "December 2026"
                           << "02:28"
                           << "14:05"
                           << "1.156"
                           << "356,740" << 1;
    QTest::newRow("en_US") << "en_US"
                           << "Thursday, December 24"
                           << "Thu, Dec 24"
                           << "December 2026"
                           << "2:28 AM"
                           << "2:05 PM"
                           << "1.156"
                           << "356,740" << 7;
    QTest::newRow("de_DE") << "de_DE"
                           << "Donnerstag, 24. Dezember"
                           << "Do., 24. Dez."
                           << "Dezember 2026"
                           << "02:28"
                           << "14:05"
                           << "1,156"
                           << "356.740" << 1;
    QTest::newRow("fr_FR") << "fr_FR"
                           << "jeudi 24 décembre"
                           << "jeu. 24 déc."
                           << "Décembre 2026"
                           << "02:28"
                           << "14:05"
                           << "1,156"
                           << "356\u202f740" << 1;
    QTest::newRow("es_ES") << "es_ES"
                           << "jueves, 24 de diciembre"
                           << "jue, 24 dic"
                           << "Diciembre de 2026"
                           << "2:28"
                           << "14:05"
                           << "1,156"
                           << "356.740" << 1;
    QTest::newRow("es_MX") << "es_MX"
                           << "jueves, 24 de diciembre"
                           << "jue, 24 dic"
                           << "Diciembre de 2026"
                           << "02:28"
                           << "14:05"
                           << "1.156"
                           << "356,740" << 7;
    QTest::newRow("pt_BR") << "pt_BR"
                           << "quinta-feira, 24 de dezembro"
                           << "qui., 24 dez."
                           << "Dezembro de 2026"
                           << "02:28"
                           << "14:05"
                           << "1,156"
                           << "356.740" << 7;
    QTest::newRow("it_IT") << "it_IT"
                           << "giovedì 24 dicembre"
                           << "gio 24 dic"
                           << "Dicembre 2026"
                           << "02:28"
                           << "14:05"
                           << "1,156"
                           << "356.740" << 1;
    // The month's own name heads a month; a date takes the genitive.
    QTest::newRow("ru_RU") << "ru_RU"
                           << "четверг, 24 декабря"
                           << "чт, 24 дек."
                           << "Декабрь 2026"
                           << "02:28"
                           << "14:05"
                           << "1,156"
                           << "356\u00a0740" << 1;
}

void TestFormats::asTheCountryWritesThem() {
    QFETCH(QString, locale);
    QFETCH(QString, weekdayDayMonth);
    QFETCH(QString, shortDay);
    QFETCH(QString, monthYear);
    QFETCH(QString, night);
    QFETCH(QString, afternoon);
    QFETCH(QString, magnitude);
    QFETCH(QString, distance);
    QFETCH(int, firstDay);
    QLocale::setDefault(QLocale(locale));
    const QDate christmasEve(2026, 12, 24);
    QCOMPARE(dateText(christmasEve, DateForm::WeekdayDayMonth), weekdayDayMonth);
    QCOMPARE(dateText(christmasEve, DateForm::ShortWeekdayDayMonth), shortDay);
    QCOMPARE(dateText(christmasEve, DateForm::MonthYear), monthYear);
    QCOMPARE(timeText(QTime(2, 28)), night);
    QCOMPARE(timeText(QTime(14, 5)), afternoon);
    QCOMPARE(decimalText(1.156, 3), magnitude);
    QCOMPARE(wholeText(356740), distance);
    QCOMPARE(int(firstDayOfWeek()), firstDay);
}

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
