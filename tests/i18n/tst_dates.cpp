// Dates and counts as the user's formats and language write them, in the windows that show them:
// the Moon Calendar's first day of the week, Magick Hours' date, The Year's days, a reminder's day
// and the month a calendar file or print is made of; and the counted texts in the plural forms of
// languages with more than one (Russian three, French with the singular for 0 and 1).
#include "calendar/calendar_window.h"
#include "calendar/export_dialog.h"
#include "calendar/year_window.h"
#include "hours/hours_window.h"
#include "reminders/reminders.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"
#include "tests/support/windows.h"

#include <QLabel>
#include <QRadioButton>
#include <QTranslator>
#include <QTreeWidget>

using namespace lunara;
using namespace lunara::test;

class TestDates : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void inTheWindows_data();
    void inTheWindows();
    void countedTexts_data();
    void countedTexts();
};

void TestDates::inTheWindows_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("firstDay");  // the calendar's first column
    QTest::addColumn<QString>("hoursDate"); // Magick Hours on Thursday 24 December 2026
    QTest::addColumn<QString>("yearEntry"); // The Year 2026: Yule
    QTest::addColumn<QString>("reminder");  // the full moon's reminder an hour before
    QTest::addColumn<QString>("thisMonth"); // the calendar file's choice of the month shown
    QTest::newRow("en_US") << "en_US"
                           << "Sun"
                           << "Thursday, December 24, 2026"
                           << "Mon, Dec 21"
                           << "In 1 hour: today at 2:28 AM (Berlin)"
                           << "This month (December 2026)";
    QTest::newRow("de_DE") << "de_DE"
                           << "Mo."
                           << "Donnerstag, 24. Dezember 2026"
                           << "Mo., 21. Dez."
                           << "In 1 hour: today at 02:28 (Berlin)"
                           << "This month (Dezember 2026)";
    QTest::newRow("fr_FR") << "fr_FR"
                           << "lun."
                           << "jeudi 24 décembre 2026"
                           << "lun. 21 déc."
                           << "In 1 hour: today at 02:28 (Berlin)"
                           << "This month (Décembre 2026)";
    QTest::newRow("es_ES") << "es_ES"
                           << "lun"
                           << "jueves, 24 de diciembre de 2026"
                           << "lun, 21 dic"
                           << "In 1 hour: today at 2:28 (Berlin)"
                           << "This month (Diciembre de 2026)";
    QTest::newRow("es_MX") << "es_MX"
                           << "dom"
                           << "jueves, 24 de diciembre de 2026"
                           << "lun, 21 dic"
                           << "In 1 hour: today at 02:28 (Berlin)"
                           << "This month (Diciembre de 2026)";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "dom."
                           << "quinta-feira, 24 de dezembro de 2026"
                           << "seg., 21 dez."
                           << "In 1 hour: today at 02:28 (Berlin)"
                           << "This month (Dezembro de 2026)";
    QTest::newRow("it_IT") << "it_IT"
                           << "lun"
                           << "giovedì 24 dicembre 2026"
                           << "lun 21 dic"
                           << "In 1 hour: today at 02:28 (Berlin)"
                           << "This month (Dicembre 2026)";
    QTest::newRow("ru_RU") << "ru_RU"
                           << "пн"
                           << "четверг, 24 декабря 2026"
                           << "пн, 21 дек."
                           << "In 1 hour: today at 02:28 (Berlin)"
                           << "This month (Декабрь 2026)";
}

void TestDates::inTheWindows() {
    // English words with each country's dates: the formats follow the locale, not the language.
    QFETCH(QString, locale);
    QFETCH(QString, firstDay);
    QFETCH(QString, hoursDate);
    QFETCH(QString, yearEntry);
    QFETCH(QString, reminder);
    QFETCH(QString, thisMonth);
    // Noon on Thursday 24 December 2026 at Berlin: Magick Hours shows Thursday's planetary day.
    LauncherSession session(QDateTime(QDate(2026, 12, 24), QTime(12, 0), QTimeZone("Europe/Berlin")));
    TestServices& services = session.fixture.services;
    services.zone = QTimeZone("Europe/Berlin");
    services.clock = QDateTime(QDate(2026, 12, 24), QTime(12, 0), services.zone);
    services.regional = QLocale(locale);
    QLocale::setDefault(QLocale(locale));
    frmMDI& launcher = *session.launcher;

    launcher.showMoonCalendar();
    QTRY_VERIFY(launcher.moonCalendar());
    QCOMPARE(launcher.moonCalendar()->lblWeekday[0]->text(), firstDay);
    frmExportCalendar* exporting = launcher.moonCalendar()->exportCalendar();
    QCOMPARE(exporting->optThisMonth->text().remove(u'&'), thisMonth);
    exporting->reject();

    launcher.showMagickHours();
    QTRY_VERIFY(launcher.magickHours());
    QCOMPARE(launcher.magickHours()->lblHoursDate->text(), hoursDate);

    launcher.showYear();
    QTRY_VERIFY(launcher.yearWindow());
    const QList<QTreeWidgetItem*> yule =
        launcher.yearWindow()->lstYear->findItems(QStringLiteral("Yule"), Qt::MatchStartsWith | Qt::MatchRecursive, 1);
    QVERIFY(!yule.isEmpty());
    QCOMPARE(yule.front()->text(0), yearEntry);

    // The full moon at 02:28 that morning, an hour before.
    services.clock = QDateTime(QDate(2026, 12, 24), QTime(1, 0), services.zone);
    QStringList bodies;
    Reminders reminders(services);
    connect(&reminders, &Reminders::remind, this, [&bodies](const Reminder& r) { bodies << r.body; });
    reminders::Choice choice;
    choice.of(reminders::Topic::FullMoon) = 60;
    QVERIFY(storeReminderChoice(services, choice));
    reminders.restart();
    services.clock = QDateTime(QDate(2026, 12, 24), QTime(1, 28), services.zone);
    reminders.check();
    QCOMPARE(bodies, QStringList{reminder});
    flushDeletes();
}

void TestDates::countedTexts_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("expected");
    const QString ru = QStringLiteral("Изображение Луны: %1 %2, Полнолуние");
    for (const auto& [n, word] : {std::pair{1, "день"},
                                  {2, "дня"},
                                  {4, "дня"},
                                  {5, "дней"},
                                  {11, "дней"},
                                  {12, "дней"},
                                  {14, "дней"},
                                  {21, "день"},
                                  {22, "дня"},
                                  {25, "дней"},
                                  {101, "день"},
                                  {111, "дней"}}) {
        QTest::addRow("ru %d", n) << "ru" << n << ru.arg(n).arg(QString::fromUtf8(word));
    }
    const QString fr = QStringLiteral("Image de la Lune\u00a0: %1 %2, Pleine lune");
    for (const auto& [n, word] : {std::pair{0, "jour"}, {1, "jour"}, {2, "jours"}, {29, "jours"}}) {
        QTest::addRow("fr %d", n) << "fr" << n << fr.arg(n).arg(QString::fromUtf8(word));
    }
}

void TestDates::countedTexts() {
    QFETCH(QString, language);
    QFETCH(int, days);
    QFETCH(QString, expected);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/i18n/lunara_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&catalogue);
    // The moon picture's name, as Moon Magick gives it to a screen reader.
    const QString phase = QCoreApplication::translate("Moon", "Full Moon");
    const QString text =
        QCoreApplication::translate("lunara::frmMoonMagickDisplay", "Moon picture: %n days, %1", nullptr, days)
            .arg(phase);
    QCoreApplication::removeTranslator(&catalogue);
    QCOMPARE(text, expected);
}

QTEST_MAIN(TestDates)
#include "tst_dates.moc"
