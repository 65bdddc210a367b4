#include "candle/tables.h"
#include "hours/hours_window.h"
#include "kit/sky_words.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"

#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QTreeWidget>

using namespace lunara;
using namespace lunara::test;

class TestMagickHours : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theHoursOfAFixedDayAndPlace();
    void theMarkFollowsTheClock();
    void anHourLeadsToItsCandle();
    void openedFromCandleMagick();
    void polarDayAndNight_data();
    void polarDayAndNight();
    void aPlaceInAnotherZone_data();
    void aPlaceInAnotherZone();
    void theMoonLineFollowsTheClock();
    void voidOfCourseAndThePlanetsChosen();
    void daysMoveByKeyboard();
    void theYearsEventsOfTheDay();
    void theYearsEventsOfThePlacesDate();

private:
    frmMagickHours* open(const QByteArray& zone, const QDateTime& localNow);
    QStringList row(int r) const;

    std::unique_ptr<LauncherSession> session;
    TestServices* services = nullptr;
    frmMagickHours* w = nullptr;
};

void TestMagickHours::init() {
    session = std::make_unique<LauncherSession>();
    services = &session->fixture.services;
}

void TestMagickHours::cleanup() { session.reset(); }

frmMagickHours* TestMagickHours::open(const QByteArray& zone, const QDateTime& localNow) {
    services->zone = QTimeZone(zone);
    services->clock = QDateTime(localNow.date(), localNow.time(), services->zone);
    session->launcher->findChild<QAction*>(QStringLiteral("mnuMagickHours"))->trigger();
    // The launcher opens it once the menu's handler has returned.
    if (!QTest::qWaitFor([this] { return session->launcher->magickHours() != nullptr; }, kPatienceMs)) {
        return nullptr;
    }
    w = session->launcher->magickHours();
    return w;
}

QStringList TestMagickHours::row(int r) const {
    QStringList cells;
    const QTreeWidgetItem* item = w->grdHours->topLevelItem(r);
    for (int c = 0; item && c < item->columnCount(); ++c) {
        cells << item->text(c);
    }
    return cells;
}

void TestMagickHours::theHoursOfAFixedDayAndPlace() {
    // Monday 7 December 2026 at noon in Berlin: the Moon's day, sunrise 08:02 and sunset 15:53.
    QVERIFY(open("Europe/Berlin", QDateTime(QDate(2026, 12, 7), QTime(12, 0))));
    QCOMPARE(w->lblHoursDate->text(), QStringLiteral("Monday 7 December 2026"));
    QCOMPARE(w->lblHoursPlace->text(), QStringLiteral("Planetary hours for Berlin, 52.50° N, 13.37° E"));
    QCOMPARE(w->lblPlanetaryDay->text(),
             QStringLiteral("The day of the Moon: sunrise 08:02, sunset 15:53, next sunrise 08:04"));
    QCOMPARE(w->grdHours->topLevelItemCount(), 24);
    const QStringList planets{"Moon",    "Saturn",  "Jupiter", "Mars",  "Sun",     "Venus",   "Mercury", "Moon",
                              "Saturn",  "Jupiter", "Mars",    "Sun",   "Venus",   "Mercury", "Moon",    "Saturn",
                              "Jupiter", "Mars",    "Sun",     "Venus", "Mercury", "Moon",    "Saturn",  "Jupiter"};
    const QStringList colours{"White", "Green", "Purple", "White", "Yellow", "Blue", "Red"};
    for (int r = 0; r < 24; ++r) {
        const QStringList cells = row(r);
        QCOMPARE(cells[3], planets[r]);
        // The candle is Candle Magick's colour for the planet, in its own words.
        const QString option = planets[r] == QLatin1String("Sun") ? QStringLiteral("sun") : planets[r];
        QCOMPARE(cells[4], QString::fromUtf8(LookupCandle(kChooseByPlanet, option.toStdString())->name.data()));
        QCOMPARE(cells[4], colours[r % 7]);
        // One hour ends where the next begins.
        if (r > 0) {
            QCOMPARE(cells[1], row(r - 1)[2]);
        }
    }
    QCOMPARE(row(0).mid(0, 3), QStringList({"Day 1", "08:02", "08:42"}));
    QCOMPARE(row(12).mid(0, 3), QStringList({"Night 1", "15:53", "17:14"}));
    QCOMPARE(row(23)[2], QStringLiteral("08:04"));
    // Noon is in the seventh hour of the day; it is marked for the eye and the ear.
    QCOMPARE(w->currentHour(), 6);
    QCOMPARE(row(6)[0], QStringLiteral("Day 7 (now)"));
    QCOMPARE(w->grdHours->currentItem(), w->grdHours->topLevelItem(6));
    QCOMPARE(w->grdHours->topLevelItem(6)->data(0, Qt::AccessibleTextRole).toString(),
             QStringLiteral("Day hour 7, 11:58 to 12:37, Mercury, Red candle, now"));
    QCOMPARE(w->grdHours->topLevelItem(12)->data(0, Qt::AccessibleTextRole).toString(),
             QStringLiteral("Night hour 1, 15:53 to 17:14, Venus, Blue candle"));
}

void TestMagickHours::theMarkFollowsTheClock() {
    QVERIFY(open("Europe/Berlin", QDateTime(QDate(2026, 12, 7), QTime(12, 0))));
    const QTimeZone zone = services->zone;
    services->clock = QDateTime(QDate(2026, 12, 7), QTime(12, 40), zone);
    w->tick();
    QCOMPARE(w->currentHour(), 7);
    QCOMPARE(row(6)[0], QStringLiteral("Day 7"));
    QCOMPARE(row(7)[0], QStringLiteral("Day 8 (now)"));
    // Past midnight the night still belongs to Monday's planetary day...
    services->clock = QDateTime(QDate(2026, 12, 8), QTime(3, 0), zone);
    w->tick();
    QCOMPARE(w->shownDate(), QDate(2026, 12, 7));
    QCOMPARE(w->currentHour(), 20);
    // ...until Tuesday's sunrise, Mars's day.
    services->clock = QDateTime(QDate(2026, 12, 8), QTime(8, 30), zone);
    w->tick();
    QCOMPARE(w->shownDate(), QDate(2026, 12, 8));
    QCOMPARE(w->currentHour(), 0);
    QCOMPARE(row(0)[3], QStringLiteral("Mars"));
    // A day chosen by hand stays, and has no mark.
    w->moveDays(1);
    services->clock = QDateTime(QDate(2026, 12, 10), QTime(9, 0), zone);
    w->tick();
    QCOMPARE(w->shownDate(), QDate(2026, 12, 9));
    QCOMPARE(w->currentHour(), -1);
}

void TestMagickHours::anHourLeadsToItsCandle() {
    QVERIFY(open("Europe/Berlin", QDateTime(QDate(2026, 12, 7), QTime(12, 0))));
    w->grdHours->setFocus();
    w->grdHours->setCurrentItem(w->grdHours->topLevelItem(4)); // the Sun's hour
    QTest::keyClick(w->grdHours, Qt::Key_Return);
    QTRY_VERIFY(session->launcher->candleWindow());
    frmCandleMagickMain* candle = session->launcher->candleWindow();
    QTRY_VERIFY(candle->isVisible());
    QVERIFY(!session->launcher->magickHours());
    QCOMPARE(candle->lblResult[0]->text(), QStringLiteral("Yellow"));
    QCOMPARE(candle->lblResult[3]->text(), QStringLiteral("Planet"));
    QCOMPARE(candle->lblResult[4]->text(), QStringLiteral("sun"));
}

void TestMagickHours::openedFromCandleMagick() {
    services->zone = QTimeZone("Europe/Berlin");
    click(session->launcher->cmdSelectOption[0]);
    frmCandleMagickMain* candle = session->launcher->candleWindow();
    QVERIFY(candle);
    candle->menus()->findChild<QAction*>(QStringLiteral("mnuMagickHours"))->trigger();
    QTRY_VERIFY(session->launcher->magickHours());
    QTRY_VERIFY(session->launcher->magickHours()->isVisible());
    QVERIFY(!session->launcher->candleWindow());
}

// Tromsø, typed in (its dates by mean solar time), the clocks in Oslo: what the window says on a day
// of each kind (tst_planetary_day has the days the sun stops and starts rising and setting).
void TestMagickHours::polarDayAndNight_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("why"); // empty: the day has its hours
    QTest::addColumn<QString>("sunrise");
    QTest::newRow("rises and sets within minutes")
        << QDate(2026, 11, 27) << "the sun does not rise again within a day after it sets at 11:42"
        << "";
    QTest::newRow("first sunrise") << QDate(2026, 1, 15) << ""
                                   << "11:29";
    QTest::newRow("sets and rises within minutes")
        << QDate(2026, 5, 18) << "the sun does not set within a day after it rises at 00:53"
        << "";
}

void TestMagickHours::polarDayAndNight() {
    QFETCH(QDate, date);
    QFETCH(QString, why);
    QFETCH(QString, sunrise);
    services->settings().setValue(QStringLiteral("Location"), QStringLiteral("69.65;18.96;"));
    QVERIFY(open("Europe/Oslo", QDateTime(date, QTime(14, 0))));
    QCOMPARE(w->shownDate(), date);
    if (why.isEmpty()) {
        QCOMPARE(w->hours().size(), std::size_t(24));
        QCOMPARE(row(0)[1], sunrise);
        QVERIFY(w->lblNoHours->isHidden());
        return;
    }
    QVERIFY(w->hours().empty());
    QVERIFY(w->grdHours->isHidden());
    QVERIFY(w->lblNoHours->isVisible());
    QCOMPARE(w->lblNoHours->text(),
             QStringLiteral("No planetary hours this day: %1, so there is no daylight and night to divide.").arg(why));
    // The article goes with the Sun and the Moon only, as in the line of a day with hours.
    const QStringList rulers{"the Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "the Sun"};
    QCOMPARE(w->lblPlanetaryDay->text(), QStringLiteral("The day of %1: %2.").arg(rulers[date.dayOfWeek() - 1], why));
    QCOMPARE(w->currentHour(), -1);
}

// The planetary day is the place's: its weekday is that of the sunrise there, while the times are
// the computer's, and the window says so.
void TestMagickHours::aPlaceInAnotherZone_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDateTime>("berlinNow");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("firstPlanet");
    QTest::addColumn<QString>("zoneNote");
    const QString note = QStringLiteral("; times in Europe/Berlin (UTC+01:00)");
    // Monday 21:00 in Berlin is Tuesday 07:00 in Sydney, after its sunrise (19:4x Berlin): Mars.
    QTest::newRow("Sydney, the city") << "-33.8667;151.2167;Australia/Sydney"
                                      << QDateTime(QDate(2026, 12, 7), QTime(21, 0)) << QDate(2026, 12, 8) << "Mars"
                                      << note;
    // Before Sydney's sunrise, Tuesday there still belongs to Monday's day.
    QTest::newRow("Sydney before sunrise")
        << "-33.8667;151.2167;Australia/Sydney" << QDateTime(QDate(2026, 12, 7), QTime(18, 0)) << QDate(2026, 12, 7)
        << "Moon" << note;
    // Tuesday 10:00 in Berlin is Monday 23:00 in Honolulu.
    QTest::newRow("Honolulu") << "21.3069;-157.8583;Pacific/Honolulu" << QDateTime(QDate(2026, 12, 8), QTime(10, 0))
                              << QDate(2026, 12, 7) << "Moon" << note;
    QTest::newRow("Berlin itself") << "52.5;13.3667;Europe/Berlin" << QDateTime(QDate(2026, 12, 7), QTime(21, 0))
                                   << QDate(2026, 12, 7) << "Moon"
                                   << "";
}

void TestMagickHours::aPlaceInAnotherZone() {
    QFETCH(QString, stored);
    QFETCH(QDateTime, berlinNow);
    QFETCH(QDate, date);
    QFETCH(QString, firstPlanet);
    QFETCH(QString, zoneNote);
    services->settings().setValue(QStringLiteral("Location"), stored);
    QVERIFY(open("Europe/Berlin", berlinNow));
    QCOMPARE(w->shownDate(), date);
    QCOMPARE(row(0)[3], firstPlanet);
    QVERIFY2(w->lblHoursPlace->text().endsWith(QStringLiteral("E") + zoneNote) ||
                 w->lblHoursPlace->text().endsWith(QStringLiteral("W") + zoneNote),
             qPrintable(w->lblHoursPlace->text()));
    // The hour the clock is in is marked: the day shown holds the instant.
    QVERIFY(w->currentHour() >= 0);
    QCOMPARE(w->moonDescribes(), services->clock.toSecsSinceEpoch());
}

// The moon line says where the moon is now: after an ingress within an hour, and before sunrise,
// when the hours shown are the previous date's.
void TestMagickHours::theMoonLineFollowsTheClock() {
    // 7 December 2026 in Berlin: the moon enters Sagittarius at 16:07, inside the first night hour.
    QVERIFY(open("Europe/Berlin", QDateTime(QDate(2026, 12, 7), QTime(16, 0))));
    QCOMPARE(w->currentHour(), 12);
    QCOMPARE(w->lblMoonNow->text(), QStringLiteral("Waning Crescent, in Scorpio (now)"));
    services->clock = QDateTime(QDate(2026, 12, 7), QTime(16, 10), services->zone);
    w->tick();
    QCOMPARE(w->currentHour(), 12);
    QCOMPARE(w->lblMoonNow->text(), QStringLiteral("Waning Crescent, in Sagittarius (now)"));
    // 03:00 on Tuesday: Monday's night, and the moon of 03:00, not of Monday's noon.
    services->clock = QDateTime(QDate(2026, 12, 8), QTime(3, 0), services->zone);
    w->tick();
    QCOMPARE(w->shownDate(), QDate(2026, 12, 7));
    QCOMPARE(w->moonDescribes(), services->clock.toSecsSinceEpoch());
    QVERIFY(w->lblMoonNow->text().endsWith(QLatin1String("(now)")));
    // A day chosen by hand is described at its noon.
    w->moveDays(3);
    QVERIFY(w->lblMoonNow->text().endsWith(QLatin1String("(at noon)")));
}

void TestMagickHours::voidOfCourseAndThePlanetsChosen() {
    services->settings().setValue(QString::fromLatin1(kVoidPlanetsKey), QStringLiteral("damaged"));
    QVERIFY(open("Europe/Berlin", QDateTime(QDate(2026, 12, 7), QTime(12, 0))));
    QVERIFY(w->optClassic->isChecked());
    QCOMPARE(w->lblVoid->text(),
             QStringLiteral("Void of course from 10:08 until the moon enters Sagittarius at 16:07."));
    QCOMPARE(w->lblMoonNow->text(), QStringLiteral("Waning Crescent, in Scorpio (now)"));
    // 11 January 2025: the last classic aspect comes early in the morning; with the modern
    // planets an aspect to Uranus, Neptune or Pluto follows and the moon is void only on the 12th.
    w->showDate(QDate(2025, 1, 11));
    QVERIFY(w->lblVoid->text().startsWith(QLatin1String("Void of course from 04:15 until the moon enters ")));
    click(w->optModern);
    QVERIFY(w->optModern->isChecked());
    QCOMPARE(QSettings(session->fixture.settingsFile, QSettings::IniFormat).value(QString::fromLatin1(kVoidPlanetsKey)),
             QVariant(QStringLiteral("Modern")));
    QCOMPARE(w->lblVoid->text(), QStringLiteral("The moon is not void of course this day."));
    w->showDate(QDate(2025, 1, 12));
    QVERIFY2(w->lblVoid->text().startsWith(QLatin1String("Void of course from 01:03 until ")),
             qPrintable(w->lblVoid->text()));
}

void TestMagickHours::daysMoveByKeyboard() {
    QVERIFY(open("Europe/Berlin", QDateTime(QDate(2026, 3, 28), QTime(12, 0))));
    w->grdHours->setFocus();
    QTest::keyClick(w->grdHours, Qt::Key_PageDown);
    // Sunday 29 March 2026, the day the clocks go forward: the Sun's day, its 24 hours unbroken.
    QCOMPARE(w->shownDate(), QDate(2026, 3, 29));
    QCOMPARE(w->hours().size(), std::size_t(24));
    QCOMPARE(row(0)[3], QStringLiteral("Sun"));
    for (std::size_t h = 1; h < w->hours().size(); ++h) {
        QCOMPARE(w->hours()[h].start, w->hours()[h - 1].end);
    }
    QTest::keyClick(w->grdHours, Qt::Key_PageUp);
    QTest::keyClick(w->grdHours, Qt::Key_PageUp);
    QCOMPARE(w->shownDate(), QDate(2026, 3, 27));
    QTest::keyClick(w->grdHours, Qt::Key_Home);
    QCOMPARE(w->shownDate(), QDate(2026, 3, 28));
}

void TestMagickHours::theYearsEventsOfTheDay() {
    // 20 March 2026 at Berlin: the equinox, and Mercury turning direct the same evening.
    QVERIFY(open("Europe/Berlin", QDateTime(QDate(2026, 3, 20), QTime(12, 0))));
    QCOMPARE(w->lblHoursYear->text(),
             QStringLiteral("Ostara, the spring equinox at 15:46;\nMercury turns direct in Pisces at 20:33"));
    // A day inside the retrograde says so; a plain day shows nothing.
    w->moveDays(-10);
    QCOMPARE(w->lblHoursYear->text(), QStringLiteral("Mercury is retrograde"));
    w->moveDays(30);
    QVERIFY(w->lblHoursYear->isHidden());
    // A cross-quarter point is named on the day the sun reaches it, a week after Samhain's date.
    w->showDate(QDate(2026, 11, 7));
    QCOMPARE(w->lblHoursYear->text(),
             QStringLiteral("The sun at 15° Scorpio at 10:52: astronomical Samhain;\nMercury is retrograde"));
}

void TestMagickHours::theYearsEventsOfThePlacesDate() {
    // The computer in Berlin, the place Tokyo: the full moon of 01:28 UTC is on Thursday 24 December
    // 2026 there (10:28), told in Berlin's times like the hours; Friday's page does not have it.
    services->settings().setValue(QStringLiteral("Location"), QStringLiteral("35.6895;139.6917;Asia/Tokyo"));
    QVERIFY(open("Europe/Berlin", QDateTime(QDate(2026, 12, 24), QTime(12, 0))));
    QCOMPARE(w->shownDate(), QDate(2026, 12, 24));
    QCOMPARE(w->lblHoursYear->text(), QStringLiteral("Cold Moon;\nSupermoon at 02:28, 356,740 km away"));
    w->moveDays(1);
    QCOMPARE(w->shownDate(), QDate(2026, 12, 25));
    QVERIFY2(w->lblHoursYear->isHidden(), qPrintable(w->lblHoursYear->text()));
    w->moveDays(-2);
    QVERIFY2(w->lblHoursYear->isHidden(), qPrintable(w->lblHoursYear->text()));
}

QTEST_MAIN(TestMagickHours)
#include "tst_magick_hours.moc"
