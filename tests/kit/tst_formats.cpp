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
    void aReadingsDate_data();
    void aReadingsDate();
};

void TestFormats::asTheCountryWritesThem_data() {
    QTest::addColumn<QString>("locale");
    // Thursday 24 December 2026 with a weekday, short, as a month's heading; 02:28 and 14:05; the
    // magnitude 1.156 and the distance 356740; the first day of the week (1 Monday, 7 Sunday).
    QTest::addColumn<QStringList>("expected");
    // Without a country's formats Lunara writes as it always has, the British way.
    QTest::newRow("C")
        << "C"
        << QStringList{
               "Thursday 24 December", "Thu 24 Dec", "December 2026", "02:28", "14:05", "1.156", "356,740", "1"};
    QTest::newRow("en_GB")
        << "en_GB"
        << QStringList{
               "Thursday 24 December", "Thu 24 Dec", "December 2026", "02:28", "14:05", "1.156", "356,740", "1"};
    QTest::newRow("en_US")
        << "en_US"
        << QStringList{
               "Thursday, December 24", "Thu, Dec 24", "December 2026", "2:28 AM", "2:05 PM", "1.156", "356,740", "7"};
    QTest::newRow("de_DE")
        << "de_DE"
        << QStringList{
               "Donnerstag, 24. Dezember", "Do., 24. Dez.", "Dezember 2026", "02:28", "14:05", "1,156", "356.740", "1"};
    QTest::newRow("fr_FR")
        << "fr_FR"
        << QStringList{
               "jeudi 24 décembre", "jeu. 24 déc.", "Décembre 2026", "02:28", "14:05", "1,156", "356\u202f740", "1"};
    QTest::newRow("es_ES")
        << "es_ES"
        << QStringList{
               "jueves, 24 de diciembre", "jue, 24 dic", "Diciembre de 2026", "2:28", "14:05", "1,156", "356.740", "1"};
    QTest::newRow("es_MX") << "es_MX" << QStringList{"jueves, 24 de diciembre",
                                                     "jue, 24 dic",
                                                     "Diciembre de 2026",
                                                     "02:28",
                                                     "14:05",
                                                     "1.156",
                                                     "356,740",
                                                     "7"};
    QTest::newRow("pt_BR") << "pt_BR" << QStringList{"quinta-feira, 24 de dezembro",
                                                     "qui., 24 dez.",
                                                     "Dezembro de 2026",
                                                     "02:28",
                                                     "14:05",
                                                     "1,156",
                                                     "356.740",
                                                     "7"};
    QTest::newRow("it_IT")
        << "it_IT"
        << QStringList{"giovedì 24 dicembre", "gio 24 dic", "Dicembre 2026", "02:28", "14:05", "1,156", "356.740", "1"};
    // The month's own name heads a month; a date takes the genitive.
    QTest::newRow("ru_RU")
        << "ru_RU"
        << QStringList{
               "четверг, 24 декабря", "чт, 24 дек.", "Декабрь 2026", "02:28", "14:05", "1,156", "356\u00a0740", "1"};
}

void TestFormats::asTheCountryWritesThem() {
    QFETCH(QString, locale);
    QFETCH(QStringList, expected);
    QLocale::setDefault(QLocale(locale));
    const QDate christmasEve(2026, 12, 24);
    const QStringList found{dateText(christmasEve, DateForm::WeekdayDayMonth),
                            dateText(christmasEve, DateForm::ShortWeekdayDayMonth),
                            dateText(christmasEve, DateForm::MonthYear),
                            timeText(QTime(2, 28)),
                            timeText(QTime(14, 5)),
                            decimalText(1.156, 3),
                            wholeText(356740),
                            QString::number(int(firstDayOfWeek()))};
    QCOMPARE(found, expected);
}

void TestFormats::aReadingsDate_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    // The month first wherever the formats are English; 29 February 1901 never was, and is shown as asked.
    QTest::newRow("C") << "C"
                       << "2/29/1901";
    QTest::newRow("en_US") << "en_US"
                           << "2/29/1901";
    QTest::newRow("en_GB") << "en_GB"
                           << "2/29/1901";
    QTest::newRow("de_DE") << "de_DE"
                           << "29.02.1901";
    QTest::newRow("fr_FR") << "fr_FR"
                           << "29/02/1901";
    QTest::newRow("ru_RU") << "ru_RU"
                           << "29.02.1901";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "29/02/1901";
}

void TestFormats::aReadingsDate() {
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(givenDateText(1901, 2, 29), expected);
}

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
