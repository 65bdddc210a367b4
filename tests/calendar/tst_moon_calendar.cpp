#include "calendar/calendar_model.h"
#include "calendar/calendar_view.h"
#include "calendar/export_dialog.h"
#include "cli/commands.h"
#include "kit/form.h"
#include "kit/sky_words.h"
#include "place/location_dialog.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace lunara;
using namespace lunara::test;

class TestMoonCalendar : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensFromTheLauncherAndFromMoonMagick();
    void quartersInLocalTime_data();
    void quartersInLocalTime();
    void detailsOfTheChosenDay();
    void keyboardAndLists();
    void weekStartsAsTheRegionSays_data();
    void weekStartsAsTheRegionSays();
    void southernHemisphereMirrors();
    void hemisphereIsRemembered_data();
    void hemisphereIsRemembered();
    void selectionFollowsMidnight();
    void gridIsOneTabStop();
    void monthKeysWinOverTheLists();
    void rangeEndsChangeNothing_data();
    void rangeEndsChangeNothing();
    void todayIsTheZonesToday();
    void skippedDateHasNoSky();
    void timesAreRoundedToTheMinute();
    void gridIsATableForScreenReaders();
    void listsGiveTheirChoiceAsText();
    void readingAnOpenListLeavesItsHighlight();
    void risingAndSettingWhereTheUserIs_data();
    void risingAndSettingWhereTheUserIs();
    void locationIsChosenByKeyboard();
    void badCoordinatesChangeNothing_data();
    void badCoordinatesChangeNothing();
    void exportToACalendarFile();
    void theCommandLineWritesTheSameFile_data();
    void theCommandLineWritesTheSameFile();
    void eachKindOfTheYearFollowsItsOwnBox_data();
    void eachKindOfTheYearFollowsItsOwnBox();
    void theRangesOfTheExport_data();
    void theRangesOfTheExport();
    void saveTheMonthAsPdf();

private:
    frmMoonCalendar* open(const QByteArray& zone = "UTC", const QDate& today = QDate(2026, 12, 7));
    QString spoken(const QDate& date) const;
    void clickDay(const QDate& date) const;

    std::unique_ptr<LauncherSession> session;
    frmMDI* launcher = nullptr;
    TestServices* services = nullptr;
    frmMoonCalendar* w = nullptr;
};

void TestMoonCalendar::init() {
    session = std::make_unique<LauncherSession>();
    launcher = session->launcher.get();
    services = &session->fixture.services;
}

void TestMoonCalendar::cleanup() { session.reset(); }

frmMoonCalendar* TestMoonCalendar::open(const QByteArray& zone, const QDate& today) {
    services->zone = QTimeZone(zone);
    services->clock = QDateTime(today, QTime(12, 0), services->zone);
    launcher->findChild<QAction*>(QStringLiteral("mnuMoonCalendar"))->trigger();
    w = launcher->moonCalendar();
    return w;
}

QString TestMoonCalendar::spoken(const QDate& date) const {
    return w->model->indexOf(date).data(Qt::AccessibleTextRole).toString();
}

void TestMoonCalendar::clickDay(const QDate& date) const {
    const QModelIndex index = w->model->indexOf(date);
    QVERIFY(index.isValid());
    QTest::mouseClick(w->grdCalendar->viewport(), Qt::LeftButton, {}, w->grdCalendar->visualRect(index).center());
}

void TestMoonCalendar::opensFromTheLauncherAndFromMoonMagick() {
    QVERIFY(open());
    QVERIFY(w->isShownToUser());
    QVERIFY(!launcher->picMain->isVisible());
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 7));
    // Its own menus are the launcher's while it is in use; Esc closes it like Exit.
    QVERIFY(launcher->menuBar()->actions().contains(w->menus()->actions().first()));
    // Screen readers meet its menus once, in the launcher's bar, shown where they are.
    QVERIFY(w->findChildren<QMenuBar*>().isEmpty());
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(launcher->menuBar());
    QVERIFY(bar && bar->childCount() > 0);
    QCOMPARE(bar->child(0)->text(QAccessible::Name), QStringLiteral("File"));
    QVERIFY(!bar->child(0)->state().invisible);
    QVERIFY(bar->rect().contains(bar->child(0)->rect()));
    QTest::keyClick(w->grdCalendar, Qt::Key_Escape);
    flushDeletes();
    QVERIFY(!launcher->moonCalendar());
    QVERIFY(launcher->picMain->isVisible());
    // From Moon Magick's File menu, above Exit.
    launcher->cmdSelectOption_Click(1);
    QMenu* file = launcher->moonMain()->menus()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    const QList<QAction*> commands = file->actions();
    QCOMPARE(commands.at(commands.size() - 2)->text(), QStringLiteral("Moon &Calendar"));
    commands.at(commands.size() - 2)->trigger();
    flushDeletes();
    QVERIFY(launcher->moonCalendar());
    QVERIFY(!launcher->moonMain());
}

void TestMoonCalendar::quartersInLocalTime_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("spoken");
    // The full moon of 24 December 2026 at 01:28 UTC, in winter and in summer time; the sign and the lit
    // share are the moon's at local noon (checked against PyEphem).
    QTest::newRow("UTC") << QByteArray("UTC") << QDate(2026, 12, 24)
                         << "Thursday 24 December 2026, full moon at 01:28, 100 % lit, moon in Cancer";
    QTest::newRow("Berlin, winter") << QByteArray("Europe/Berlin") << QDate(2026, 12, 24)
                                    << "Thursday 24 December 2026, full moon at 02:28, 100 % lit, moon in Cancer";
    QTest::newRow("New York: the evening before") << QByteArray("America/New_York") << QDate(2026, 12, 23)
                                                  << "Wednesday 23 December 2026, full moon at 20:28, 100 % lit, "
                                                     "moon in Gemini";
    // 29 July 2026, 14:35:37 UTC (shown rounded): summer time on both sides of the ocean.
    QTest::newRow("Berlin, summer") << QByteArray("Europe/Berlin") << QDate(2026, 7, 29)
                                    << "Wednesday 29 July 2026, full moon at 16:36, 100 % lit, moon in Aquarius";
    QTest::newRow("New York, summer") << QByteArray("America/New_York") << QDate(2026, 7, 29)
                                      << "Wednesday 29 July 2026, full moon at 10:36, 100 % lit, moon in Aquarius";
}

void TestMoonCalendar::quartersInLocalTime() {
    QFETCH(QByteArray, zone);
    QFETCH(QDate, day);
    QFETCH(QString, spoken);
    QVERIFY(open(zone, day));
    // The moon's own words; the year's events follow after a semicolon.
    QCOMPARE(this->spoken(day).section(QStringLiteral("; "), 0, 0), spoken);
    // The day before and after carry no full moon.
    QVERIFY(!this->spoken(day.addDays(-1)).contains(QStringLiteral("full moon")));
    QVERIFY(!this->spoken(day.addDays(1)).contains(QStringLiteral("full moon")));
}

void TestMoonCalendar::detailsOfTheChosenDay() {
    QVERIFY(open());
    QCOMPARE(w->lblCalDate->text(), QStringLiteral("Monday 7 December 2026"));
    QCOMPARE(w->lblCalPhase->text(), QStringLiteral("Waning Crescent"));
    QCOMPARE(w->lblCalNextNew->text(), QStringLiteral("Next new moon: Wednesday 9 December 2026 at 00:52, in 2 days"));
    QCOMPARE(w->lblCalNextFull->text(),
             QStringLiteral("Next full moon: Thursday 24 December 2026 at 01:28, in 17 days"));
    QCOMPARE(w->lblCalRule->text(), QStringLiteral("The traditional rule says 28 days, Dark Moon"));
    clickDay(QDate(2026, 12, 24));
    QCOMPARE(w->lblCalPhase->text(), QStringLiteral("Full Moon at 01:28"));
    QCOMPARE(w->lblCalLit->text(), QStringLiteral("Lit: 100 %"));
    QCOMPARE(w->lblCalAge->text(), QStringLiteral("Age: 15.5 days"));
    // The moon's own sign, with the texts of the correspondences (today's wording).
    QCOMPARE(w->lblCalSign->text(), QStringLiteral("Moon In Cancer"));
    QCOMPARE(w->lblCalKeyword->text(), QStringLiteral("Keyword: Caring "));
    QVERIFY(w->lblCalSignDesc->text().startsWith(QStringLiteral("Family and home is your priority.")));
    QCOMPARE(w->lblCalElement->text(), QStringLiteral("Element: Water"));
    QCOMPARE(w->lblCalNextFull->text(), QStringLiteral("Next full moon: Thursday 24 December 2026 at 01:28, today"));
    // A day the moon changes sign names the time it does.
    clickDay(QDate(2026, 12, 25));
    QVERIFY2(w->lblCalIngress->text().startsWith(QStringLiteral("The moon enters Leo at ")),
             qPrintable(w->lblCalIngress->text()));
}

void TestMoonCalendar::keyboardAndLists() {
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    QVERIFY(open());
    w->grdCalendar->setFocus();
    QTest::keyClick(w->grdCalendar, Qt::Key_Right);
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 8));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 15));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QCOMPARE(w->selectedDate(), QDate(2027, 1, 15));
    QCOMPARE(w->cboCalMonth->currentText(), QStringLiteral("January"));
    QCOMPARE(w->cboCalYear->currentText(), QStringLiteral("2027"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 25));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 7));
    // The keys stay on the grid, whose current day is the chosen one: a screen reader reads it.
    QCOMPARE(QApplication::focusWidget(), w->grdCalendar);
    QCOMPARE(w->grdCalendar->currentIndex().data(MoonMonthModel::DateRole).toDate(), QDate(2026, 12, 7));
    // Lists and buttons; a day past the month's end is held to its last day.
    w->selectDate(QDate(2026, 12, 31));
    choose(w->cboCalMonth, QStringLiteral("February"));
    QCOMPARE(w->selectedDate(), QDate(2026, 2, 28));
    choose(w->cboCalYear, QStringLiteral("2028"));
    QCOMPARE(w->selectedDate(), QDate(2028, 2, 28));
    click(w->cmdNextMonth);
    QCOMPARE(w->selectedDate(), QDate(2028, 3, 28));
    click(w->cmdToday);
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 7));
    // The ends of the lists.
    w->selectDate(QDate(1901, 1, 1));
    QVERIFY(!w->cmdPrevMonth->isEnabled());
    w->moveSelection(-1);
    QCOMPARE(w->selectedDate(), QDate(1901, 1, 1));
    w->selectDate(QDate(2050, 12, 31));
    QVERIFY(!w->cmdNextMonth->isEnabled());
    w->moveMonths(1);
    QCOMPARE(w->selectedDate(), QDate(2050, 12, 31));
}

void TestMoonCalendar::weekStartsAsTheRegionSays_data() {
    QTest::addColumn<QLocale>("region");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("cellOfTheFirst"); // 1 December 2026 is a Tuesday
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "Sun" << 2;
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "Mon" << 1;
}

void TestMoonCalendar::weekStartsAsTheRegionSays() {
    QFETCH(QLocale, region);
    QFETCH(QString, first);
    QFETCH(int, cellOfTheFirst);
    services->regional = region;
    QVERIFY(open());
    QCOMPARE(w->lblWeekday[0]->text(), first);
    QCOMPARE(w->model->index(0, cellOfTheFirst).data(MoonMonthModel::DateRole).toDate(), QDate(2026, 12, 1));
    QCOMPARE(w->model->flags(w->model->index(0, cellOfTheFirst - 1)), Qt::NoItemFlags);
}

void TestMoonCalendar::southernHemisphereMirrors() {
    QVERIFY(open());
    w->selectDate(QDate(2026, 12, 14)); // a waxing crescent
    const QImage north = w->PicCalMoon->pixmap().toImage();
    click(w->optSouthern);
    const QImage south = w->PicCalMoon->pixmap().toImage();
    QCOMPARE(south, north.mirrored(true, false));
    // Waxing: the lit side is on the right in the north, on the left in the south.
    const auto brightness = [](const QImage& image, int x0, int x1) {
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = x0; x < x1; ++x) {
                sum += qGray(image.pixel(x, y));
            }
        }
        return sum;
    };
    const int half = north.width() / 2;
    QVERIFY(brightness(north, half, north.width()) > 2 * brightness(north, 0, half));
    QVERIFY(brightness(south, 0, half) > 2 * brightness(south, half, south.width()));
}

void TestMoonCalendar::hemisphereIsRemembered_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("southern");
    QTest::newRow("nothing stored") << QString() << false;
    QTest::newRow("Southern") << "Southern" << true;
    QTest::newRow("Northern") << "Northern" << false;
    QTest::newRow("damaged") << "Sideways" << false;
    QTest::newRow("wrong case") << "southern" << false;
}

void TestMoonCalendar::hemisphereIsRemembered() {
    QFETCH(QString, stored);
    QFETCH(bool, southern);
    if (!stored.isNull()) {
        services->settings().setValue(QString::fromLatin1(kHemisphereKey), stored);
    }
    QVERIFY(open());
    QCOMPARE(w->southern(), southern);
    QCOMPARE(w->optNorthern->isChecked(), !southern);
    // A choice is kept for the next window, and for the next start.
    click(southern ? w->optNorthern : w->optSouthern);
    QSettings reread(session->fixture.settingsFile, QSettings::IniFormat);
    QCOMPARE(reread.value(QString::fromLatin1(kHemisphereKey)).toString(),
             southern ? QStringLiteral("Northern") : QStringLiteral("Southern"));
    w->closeWindow();
    flushDeletes();
    QVERIFY(open());
    QCOMPARE(w->southern(), !southern);
}

void TestMoonCalendar::selectionFollowsMidnight() {
    QVERIFY(open("Europe/Berlin", QDate(2026, 12, 31)));
    const QTimeZone berlin(QByteArrayLiteral("Europe/Berlin"));
    services->clock = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), berlin);
    w->tick();
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 31));
    services->clock = QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1), berlin);
    w->tick();
    QCOMPARE(w->selectedDate(), QDate(2027, 1, 1));
    QCOMPARE(w->cboCalYear->currentText(), QStringLiteral("2027"));
    // A day the user chose stays chosen; only the mark of today moves on.
    w->selectDate(QDate(2027, 1, 20));
    services->clock = QDateTime(QDate(2027, 1, 2), QTime(0, 0, 1), berlin);
    w->tick();
    QCOMPARE(w->selectedDate(), QDate(2027, 1, 20));
    QVERIFY(w->model->indexOf(QDate(2027, 1, 2)).data(MoonMonthModel::TodayRole).toBool());
    QVERIFY(!w->model->indexOf(QDate(2027, 1, 1)).data(MoonMonthModel::TodayRole).toBool());
}

void TestMoonCalendar::gridIsOneTabStop() {
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    QVERIFY(open());
    w->grdCalendar->setFocus();
    // Tab leaves the grid at once and the chosen day stays; the arrows then act on the new day.
    QTest::keyClick(w->grdCalendar, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != w->grdCalendar);
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 7));
    // Every other control is reached within a round of Tabs, and so is the grid again.
    int tabs = 1;
    while (QApplication::focusWidget() != w->grdCalendar && tabs < 20) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ++tabs;
    }
    QCOMPARE(QApplication::focusWidget(), w->grdCalendar);
    QVERIFY2(tabs <= 10, qPrintable(QString::number(tabs)));
    QTest::keyClick(w->grdCalendar, Qt::Key_Right);
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 8));
}

void TestMoonCalendar::monthKeysWinOverTheLists() {
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    QVERIFY(open());
    choose(w->cboCalYear, QStringLiteral("1951"));
    w->cboCalYear->setFocus();
    QCOMPARE(w->selectedDate(), QDate(1951, 12, 7));
    QTest::keyClick(w->cboCalYear, Qt::Key_PageDown);
    QCOMPARE(w->selectedDate(), QDate(1952, 1, 7));
    QTest::keyClick(w->cboCalMonth, Qt::Key_PageUp);
    QCOMPARE(w->selectedDate(), QDate(1951, 12, 7));
    QTest::keyClick(w->cboCalYear, Qt::Key_Home);
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 7));
    // The keys are the Go menu's commands, which show them.
    QCOMPARE(w->mnuNextMonth->shortcut(), QKeySequence(Qt::Key_PageDown));
    QCOMPARE(w->mnuToday->shortcut(), QKeySequence(Qt::Key_Home));
    QVERIFY(w->menus()->findChild<QMenu*>(QStringLiteral("mnuGo")));
}

void TestMoonCalendar::rangeEndsChangeNothing_data() {
    QTest::addColumn<QDate>("chosen");
    QTest::addColumn<int>("months");
    QTest::newRow("Page Up in January 1901") << QDate(1901, 1, 17) << -1;
    QTest::newRow("Page Down in December 2050") << QDate(2050, 12, 17) << 1;
}

void TestMoonCalendar::rangeEndsChangeNothing() {
    QFETCH(QDate, chosen);
    QFETCH(int, months);
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    QVERIFY(open());
    w->selectDate(chosen);
    w->grdCalendar->setFocus();
    QTest::keyClick(w->grdCalendar, months < 0 ? Qt::Key_PageUp : Qt::Key_PageDown);
    QCOMPARE(w->selectedDate(), chosen);
    QVERIFY(!(months < 0 ? w->mnuPrevMonth : w->mnuNextMonth)->isEnabled());
    // Asked directly (the disabled key never asks), the month stays too: the day is not clamped.
    w->moveMonths(months);
    QCOMPARE(w->selectedDate(), chosen);
    // The other way still moves.
    w->moveMonths(-months);
    QCOMPARE(w->selectedDate(), chosen.addMonths(-months));
}

void TestMoonCalendar::todayIsTheZonesToday() {
    // 23:30 UTC on 6 December is already 7 December in Berlin: today follows the zone the days are in.
    services->zone = QTimeZone(QByteArrayLiteral("Europe/Berlin"));
    services->clock = QDateTime(QDate(2026, 12, 6), QTime(23, 30), QTimeZone::utc());
    launcher->findChild<QAction*>(QStringLiteral("mnuMoonCalendar"))->trigger();
    w = launcher->moonCalendar();
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 7));
    QVERIFY(w->model->indexOf(QDate(2026, 12, 7)).data(MoonMonthModel::TodayRole).toBool());
    // And midnight in Berlin, not on the host's clock, moves it on.
    services->clock = QDateTime(QDate(2026, 12, 7), QTime(22, 59, 59), QTimeZone::utc());
    w->tick();
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 7));
    services->clock = QDateTime(QDate(2026, 12, 7), QTime(23, 0, 1), QTimeZone::utc());
    w->tick();
    QCOMPARE(w->selectedDate(), QDate(2026, 12, 8));
}

void TestMoonCalendar::skippedDateHasNoSky() {
    // Samoa moved across the date line: 30 December 2011 never happened there.
    QVERIFY(open("Pacific/Apia", QDate(2011, 12, 29)));
    QCOMPARE(spoken(QDate(2011, 12, 30)),
             QStringLiteral("Friday 30 December 2011: no such day here, the clocks skipped it"));
    QVERIFY(w->model->indexOf(QDate(2011, 12, 30)).data(MoonMonthModel::PictureRole).value<QPixmap>().isNull());
    clickDay(QDate(2011, 12, 30));
    QCOMPARE(w->lblCalPhase->text(), QStringLiteral("No such day here: the clocks skipped it"));
    QVERIFY(w->PicCalMoon->pixmap().isNull());
    // The days either side have their sky.
    QVERIFY(spoken(QDate(2011, 12, 29)).contains(QStringLiteral("lit, moon in")));
    QVERIFY(spoken(QDate(2011, 12, 31)).contains(QStringLiteral("lit, moon in")));
}

void TestMoonCalendar::timesAreRoundedToTheMinute() {
    // The new moon of 9 December 2026 at 00:51:46 UTC is shown at 00:52, everywhere it is named.
    QVERIFY(open());
    QVERIFY2(spoken(QDate(2026, 12, 9)).contains(QStringLiteral("new moon at 00:52")),
             qPrintable(spoken(QDate(2026, 12, 9))));
    QCOMPARE(w->model->indexOf(QDate(2026, 12, 9)).data(MoonMonthModel::QuarterMarkRole).toString().mid(2),
             QStringLiteral("00:52"));
    QCOMPARE(w->lblCalNextNew->text(), QStringLiteral("Next new moon: Wednesday 9 December 2026 at 00:52, in 2 days"));
    clickDay(QDate(2026, 12, 9));
    QCOMPARE(w->lblCalPhase->text(), QStringLiteral("New Moon at 00:52"));
}

// What the Linux bridge passes on (tests/shell/check_atspi.py reads it from outside): the list's
// choice as its text, and the item holding the choice selected, also after the window set the
// choice with signals blocked.
void TestMoonCalendar::listsGiveTheirChoiceAsText() {
    QVERIFY(open("UTC", QDate(2026, 12, 7)));
    w->moveMonths(3);
    for (QComboBox* list : {w->cboCalMonth, w->cboCalYear}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
        QVERIFY(iface);
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), list->currentText());
        QCOMPARE(iface->text(QAccessible::Name), list->accessibleName());
        QAccessibleInterface* popup = iface->child(0);
        QVERIFY(popup);
        QStringList selected;
        for (int i = 0; i < popup->childCount(); ++i) {
            QAccessibleInterface* item = popup->child(i);
            if (item && item->state().selected) {
                selected << item->text(QAccessible::Name);
            }
        }
        QCOMPARE(selected, QStringList{list->currentText()});
    }
    QCOMPARE(w->cboCalMonth->currentText(), QStringLiteral("March"));
}

// A screen reader asks the open Month list for its entries after every move: the highlight stays
// where the keys put it, and Return picks that entry.
void TestMoonCalendar::readingAnOpenListLeavesItsHighlight() {
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    QVERIFY(open("UTC", QDate(2026, 1, 7)));
    QComboBox* month = w->cboCalMonth;
    month->setFocus();
    QTest::keyClick(month, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(month->view()->isVisible());
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(month);
    QVERIFY(iface);
    const auto highlighted = [iface] {
        QStringList selected;
        QAccessibleInterface* popup = iface->child(0);
        for (int i = 0; popup && i < popup->childCount(); ++i) {
            if (QAccessibleInterface* item = popup->child(i); item && item->state().selected) {
                selected << item->text(QAccessible::Name);
            }
        }
        return selected;
    };
    QCOMPARE(highlighted(), QStringList{QStringLiteral("January")});
    QTest::keyClicks(month->view(), QStringLiteral("April"));
    for (int asked = 0; asked < 6; ++asked) {
        QCOMPARE(highlighted(), QStringList{QStringLiteral("April")});
    }
    QTest::keyClick(month->view(), Qt::Key_Down);
    QCOMPARE(highlighted(), QStringList{QStringLiteral("May")});
    QTest::keyClick(month->view(), Qt::Key_Up);
    QCOMPARE(highlighted(), QStringList{QStringLiteral("April")});
    QCOMPARE(month->currentText(), QStringLiteral("January")); // nothing chosen while it is open
    QTest::keyClick(month->view(), Qt::Key_Return);
    QTRY_VERIFY(!month->view()->isVisible());
    QCOMPARE(month->currentText(), QStringLiteral("April"));
    QCOMPARE(w->selectedDate().month(), 4);
    // Closed again, the entry read as selected is the choice.
    QCOMPARE(highlighted(), QStringList{QStringLiteral("April")});
    // Opened and left with Esc after a move: the choice stands and is what the closed list says.
    QTest::keyClick(month, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(month->view()->isVisible());
    QTest::keyClick(month->view(), Qt::Key_Down);
    QCOMPARE(highlighted(), QStringList{QStringLiteral("May")});
    QTest::keyClick(month->view(), Qt::Key_Escape);
    QTRY_VERIFY(!month->view()->isVisible());
    QCOMPARE(month->currentText(), QStringLiteral("April"));
    QCOMPARE(highlighted(), QStringList{QStringLiteral("April")});
}

void TestMoonCalendar::gridIsATableForScreenReaders() {
    QVERIFY(open("UTC", QDate(2026, 12, 7)));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w->grdCalendar);
    QVERIFY(grid);
    QCOMPARE(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 6);
    QCOMPARE(table->columnCount(), 7);
    QCOMPARE(table->columnDescription(0), QStringLiteral("Sun")); // a week of the United States
    QCOMPARE(table->columnDescription(1), QStringLiteral("Mon"));
    // 7 December 2026, a Monday, is chosen and is today.
    const QModelIndex index = w->model->indexOf(QDate(2026, 12, 7));
    QAccessibleInterface* cell = table->cellAt(index.row(), index.column());
    QVERIFY(cell);
    QVERIFY(cell->text(QAccessible::Name).startsWith(QStringLiteral("Monday 7 December 2026")));
    QVERIFY(cell->state().selected);
    QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("today, chosen"));
    // The lists say what they choose.
    QCOMPARE(QAccessible::queryAccessibleInterface(w->cboCalMonth)->text(QAccessible::Name), QStringLiteral("Month"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w->cboCalYear)->text(QAccessible::Name), QStringLiteral("Year"));
}

void TestMoonCalendar::risingAndSettingWhereTheUserIs_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("stored"); // the stored location, empty for none
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    // Times from PyEphem for the same places, rounded to the minute.
    const QString berlin = QStringLiteral("Berlin, 52.50° N, 13.37° E");
    const QString sydney = QStringLiteral("Sydney, 33.87° S, 151.22° E");
    const QString tromso = QStringLiteral("69.65° N, 18.96° E");
    QTest::newRow("Berlin, December") << QByteArray("Europe/Berlin") << QString() << QDate(2026, 12, 8) << berlin
                                      << QStringLiteral("Sunrise 08:04, sunset 15:53")
                                      << QStringLiteral("Moonrise 08:02, moonset 14:48");
    QTest::newRow("Berlin, June: the moon sets first")
        << QByteArray("Europe/Berlin") << QString() << QDate(2026, 6, 21) << berlin
        << QStringLiteral("Sunrise 04:43, sunset 21:33") << QStringLiteral("Moonset 00:41, moonrise 12:44");
    QTest::newRow("Sydney, June") << QByteArray("Australia/Sydney") << QString() << QDate(2026, 6, 21) << sydney
                                  << QStringLiteral("Sunrise 07:00, sunset 16:54")
                                  << QStringLiteral("Moonrise 11:25, moonset 23:39");
    QTest::newRow("Sydney, December") << QByteArray("Australia/Sydney") << QString() << QDate(2026, 12, 7) << sydney
                                      << QStringLiteral("Sunrise 05:37, sunset 19:56")
                                      << QStringLiteral("Moonrise 03:49, moonset 18:31");
    QTest::newRow("a damaged stored place is the default")
        << QByteArray("Europe/Berlin") << QStringLiteral("91;13;Europe/Berlin") << QDate(2026, 12, 8) << berlin
        << QStringLiteral("Sunrise 08:04, sunset 15:53") << QStringLiteral("Moonrise 08:02, moonset 14:48");
    QTest::newRow("Berlin, a day without moonrise")
        << QByteArray("Europe/Berlin") << QString() << QDate(2026, 12, 1) << berlin
        << QStringLiteral("Sunrise 07:54, sunset 15:56") << QStringLiteral("Moonset 12:45, no moonrise this day");
    QTest::newRow("Tromso, midnight sun")
        << QByteArray("Europe/Oslo") << QStringLiteral("69.65;18.96;") << QDate(2026, 6, 21) << tromso
        << QStringLiteral("The sun does not set") << QStringLiteral("Moonset 00:37, moonrise 12:18");
    QTest::newRow("Tromso, polar night") << QByteArray("Europe/Oslo") << QStringLiteral("69.65;18.96;")
                                         << QDate(2026, 12, 21) << tromso << QStringLiteral("The sun does not rise")
                                         << QStringLiteral("The moon does not set");
    QTest::newRow("Tromso, the moon rises and sets after midnight")
        << QByteArray("Europe/Oslo") << QStringLiteral("69.65;18.96;") << QDate(2026, 12, 17) << tromso
        << QStringLiteral("The sun does not rise") << QStringLiteral("Moonrise 11:28, no moonset this day");
}

void TestMoonCalendar::risingAndSettingWhereTheUserIs() {
    QFETCH(QByteArray, zone);
    QFETCH(QString, stored);
    QFETCH(QDate, date);
    QFETCH(QString, place);
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    if (!stored.isEmpty()) {
        services->settings().setValue(QStringLiteral("Location"), stored);
    }
    QVERIFY(open(zone, date));
    QCOMPARE(w->lblCalPlace->text(), QStringLiteral("Sunrise and sunset for ") + place);
    QCOMPARE(w->lblCalSun->text(), sun);
    QCOMPARE(w->lblCalMoonRise->text(), moon);
    // The default says whose city it is; a chosen place says nothing more.
    QCOMPARE(w->lblCalPlaceNote->text().isEmpty(), w->location().chosen);
    QCOMPARE(w->location().chosen, stored.startsWith(QLatin1String("69")));
    QCOMPARE(w->lblCalSun->accessibleName(), w->lblCalSun->text());
}

void TestMoonCalendar::locationIsChosenByKeyboard() {
    QVERIFY(open("Europe/Berlin"));
    QCOMPARE(w->lblCalPlaceNote->text(), QStringLiteral("Berlin is your time zone's city."));
    // The day's void of course, with the classic planets unless the modern ones were chosen.
    QCOMPARE(w->lblCalVoid->text(),
             QStringLiteral("Void of course from 10:08 until the moon enters Sagittarius at 16:07"));
    w->mnuLocation->trigger();
    auto* dialog = w->findChild<frmLocation*>();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->txtLatitude->text(), QStringLiteral("52.5"));
    QVERIFY(dialog->lblDefault->text().contains(QLatin1String("Berlin, the city of your time zone")));
    // Typing narrows the list to the city; Enter takes it.
    QTest::keyClicks(dialog->txtSearch, QStringLiteral("sydn"));
    QCOMPARE(dialog->shownCities(), 1);
    QCOMPARE(dialog->lstCities->currentItem()->text(), QStringLiteral("Sydney, Australia"));
    QTest::keyClick(dialog->txtSearch, Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<frmLocation*>());
    QCOMPARE(w->lblCalPlace->text(), QStringLiteral("Sunrise and sunset for Sydney, 33.87° S, 151.22° E"));
    QVERIFY(w->lblCalPlaceNote->text().isEmpty());
    QCOMPARE(services->settings().value(QStringLiteral("Location")).toString(),
             QStringLiteral("-33.866667;151.216667;Australia/Sydney"));

    // Coordinates typed in the usual forms; Esc on the next opening keeps them.
    dialog = w->chooseLocation();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->lstCities->currentItem()->text(), QStringLiteral("Sydney, Australia"));
    dialog->txtLatitude->selectAll();
    dialog->txtLatitude->insert(QStringLiteral("69°39′N")); // keyClicks types Latin-1 only
    dialog->txtLongitude->selectAll();
    QTest::keyClicks(dialog->txtLongitude, QStringLiteral("18.96 E"));
    QTest::keyClick(dialog->txtLongitude, Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<frmLocation*>());
    QCOMPARE(w->lblCalPlace->text(), QStringLiteral("Sunrise and sunset for 69.65° N, 18.96° E"));
    dialog = w->chooseLocation();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!w->findChild<frmLocation*>());
    QCOMPARE(w->lblCalPlace->text(), QStringLiteral("Sunrise and sunset for 69.65° N, 18.96° E"));

    // Use Default goes back to the time zone's city and forgets the choice.
    dialog = w->chooseLocation();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::keyClick(dialog, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(!w->findChild<frmLocation*>());
    QVERIFY(w->lblCalPlace->text().contains(QLatin1String("Berlin")));
    QVERIFY(!w->location().chosen);
    QVERIFY(services->settings().value(QStringLiteral("Location")).toString().isEmpty());
    QVERIFY(services->messages.isEmpty());
}

void TestMoonCalendar::badCoordinatesChangeNothing_data() {
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("latitudeError");
    QTest::addColumn<QString>("longitudeError");
    QTest::newRow("past the pole") << "95"
                                   << "10"
                                   << "A latitude lies between 90° S and 90° N."
                                   << "";
    QTest::newRow("a letter of the other axis") << "52 E"
                                                << "13"
                                                << "Use N or S after a latitude."
                                                << "";
    QTest::newRow("not a number") << "52.5"
                                  << "east"
                                  << ""
                                  << "Type a longitude like 13.41 or 13°24′E.";
    QTest::newRow("both empty") << ""
                                << ""
                                << "Type a latitude."
                                << "Type a longitude.";
}

void TestMoonCalendar::badCoordinatesChangeNothing() {
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QString, latitudeError);
    QFETCH(QString, longitudeError);
    QVERIFY(open("Europe/Berlin"));
    const QString before = w->lblCalPlace->text();
    frmLocation* dialog = w->chooseLocation();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->txtLatitude->selectAll();
    QTest::keyClicks(dialog->txtLatitude, latitude);
    if (latitude.isEmpty()) {
        QTest::keyClick(dialog->txtLatitude, Qt::Key_Delete);
    }
    dialog->txtLongitude->selectAll();
    QTest::keyClicks(dialog->txtLongitude, longitude);
    if (longitude.isEmpty()) {
        QTest::keyClick(dialog->txtLongitude, Qt::Key_Delete);
    }
    QTest::keyClick(dialog->txtLongitude, Qt::Key_Return);
    // The dialog stays, the message stands beside the field and goes to the screen reader too.
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->lblLatitudeError->text(), latitudeError);
    QCOMPARE(dialog->lblLongitudeError->text(), longitudeError);
    QCOMPARE(dialog->txtLatitude->accessibleDescription(), latitudeError);
    QCOMPARE(dialog->txtLatitude->hasFocus() || dialog->txtLongitude->hasFocus(), true);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!w->findChild<frmLocation*>());
    QCOMPARE(w->lblCalPlace->text(), before);
    QVERIFY(!services->settings().contains(QStringLiteral("Location")));
}

void TestMoonCalendar::exportToACalendarFile() {
    QVERIFY(open("Europe/Berlin"));
    QTemporaryDir dir;
    // This month, quarters only, by keyboard; the file name offered names the month.
    services->saveAnswers = {dir.filePath(QStringLiteral("december.ics"))};
    frmExportCalendar* dialog = w->exportCalendar();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(dialog->optThisMonth->isChecked());
    QTest::keyClick(dialog->chkIngresses, Qt::Key_Space);
    QVERIFY(!dialog->chkIngresses->isChecked());
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<frmExportCalendar*>());
    QCOMPARE(services->saveQuestions, QStringList{QStringLiteral("Export to Calendar: moon-december-2026.ics")});
    QFile file(dir.filePath(QStringLiteral("december.ics")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QCOMPARE(text.count("BEGIN:VEVENT"), 5); // 1, 9, 17, 24 and 30 December
    QVERIFY(text.contains("SUMMARY:Full moon in Cancer\r\n"));
    QCOMPARE(services->messages.size(), 1);
    QVERIFY(services->messages.first().startsWith(QLatin1String("Lunara saved 5 events in december.ics.")));

    // Nothing chosen: Export is off and says why.
    dialog = w->exportCalendar();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->chkQuarters->setChecked(false);
    dialog->chkIngresses->setChecked(false);
    QVERIFY(!dialog->cmdExport->isEnabled());
    QCOMPARE(dialog->lblNothing->text(), QStringLiteral("Choose at least one kind of event."));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!w->findChild<frmExportCalendar*>());

    // A save cancelled writes nothing; a place that cannot be written says so.
    dialog = w->exportCalendar();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->optChosenYear->setChecked(true);
    dialog->cboExportYear->setCurrentIndex(1950 - 1901);
    QCOMPARE(dialog->suggestedFileName(), QStringLiteral("moon-1950.ics"));
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<frmExportCalendar*>());
    QCOMPARE(services->messages.size(), 1);
    services->saveAnswers = {dir.filePath(QStringLiteral("no/such/folder/moon.ics"))};
    dialog = w->exportCalendar();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_COMPARE(services->messages.size(), 2);
    QVERIFY2(services->messages.last().startsWith(QLatin1String("The calendar file could not be saved as moon.ics")),
             qPrintable(services->messages.last()));

    // "december" typed where december.ics is: asked, kept, and the file is the first export's.
    services->answerYes = false;
    services->saveAnswers = {dir.filePath(QStringLiteral("december"))};
    dialog = w->exportCalendar();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->optChosenYear->setChecked(true);
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<frmExportCalendar*>());
    QCOMPARE(services->questions.size(), 1);
    QCOMPARE(services->questions.last(), QStringLiteral("december.ics already exists.\nDo you want to replace it?"));
    QCOMPARE(services->messages.size(), 2);
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), text);
}

// `lunara events --format ics` for the range and kinds the dialog was given: the same file, byte for
// byte (UIDs, words, folding), but for the moment it was made.
void TestMoonCalendar::theCommandLineWritesTheSameFile_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("stored"); // the place kept, a zone's city; empty: none
    QTest::addColumn<bool>("southernModern");
    QTest::addColumn<bool>("wholeYear"); // else this month
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("this month, the zone's city")
        << QByteArray("America/New_York") << QString() << false << false
        << QStringList{"--from", "2026-12-01", "--to", "2026-12-31", "--zone", "America/New_York"};
    QTest::newRow("this year, every kind, a place kept in the south")
        << QByteArray("Europe/Berlin") << "Australia/Sydney" << true << true
        << QStringList{"--from",  "2026-01-01",
                       "--to",    "2026-12-31",
                       "--zone",  "Europe/Berlin",
                       "--kinds", "quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons"};
}

void TestMoonCalendar::theCommandLineWritesTheSameFile() {
    QFETCH(QByteArray, zone);
    QFETCH(QString, stored);
    QFETCH(bool, southernModern);
    QFETCH(bool, wholeYear);
    QFETCH(QStringList, arguments);
    QSettings& settings = services->settings();
    if (!stored.isEmpty()) {
        settings.setValue(QString::fromLatin1(kLocationKey), storedValue(*zoneCity(stored)));
    }
    if (southernModern) {
        settings.setValue(QString::fromLatin1(kHemisphereKey), QStringLiteral("Southern"));
        settings.setValue(QString::fromLatin1(kVoidPlanetsKey), QStringLiteral("Modern"));
    }
    QVERIFY(open(zone));
    QTemporaryDir dir;
    services->saveAnswers = {dir.filePath(QStringLiteral("dialog.ics"))};
    frmExportCalendar* dialog = w->exportCalendar();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    if (wholeYear) {
        dialog->optThisYear->setChecked(true);
        for (QCheckBox* kind : dialog->findChildren<QCheckBox*>()) {
            kind->setChecked(true);
        }
    }
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<frmExportCalendar*>());
    QFile file(dir.filePath(QStringLiteral("dialog.ics")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto withoutStamps = [](const QByteArray& text) {
        QByteArray out;
        for (const QByteArray& line : text.split('\n')) {
            if (!line.startsWith("DTSTAMP:")) {
                out += line + '\n';
            }
        }
        return out;
    };
    const QByteArray exported = withoutStamps(file.readAll());
    QVERIFY2(exported.count("BEGIN:VEVENT") > (wholeYear ? 400 : 10),
             QByteArray::number(exported.count("BEGIN:VEVENT")));

    const QString path = dir.filePath(QStringLiteral("command.ics"));
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const cli::Clock clock;
    const int status =
        cli::run(QStringList{"events", "--format", "ics", "--output", path} + arguments, settings, clock, out, err);
    std::fclose(out);
    std::fclose(err);
    QCOMPARE(status, 0);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(withoutStamps(written.readAll()), exported);
}

// One box of the year's kinds ticked, the others (and the quarters and signs) not: the year's file
// holds that kind alone (told by its UIDs), at Berlin in 2026.
void TestMoonCalendar::eachKindOfTheYearFollowsItsOwnBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("uids"); // what their UIDs start with
    QTest::addColumn<int>("count");        // -1: some
    QTest::newRow("sabbats") << "chkSabbats" << QStringList{"sabbat-"} << 8;
    QTest::newRow("eclipses") << "chkEclipses" << QStringList{"eclipse-"} << 4;
    QTest::newRow("retrogrades") << "chkRetrogrades" << QStringList{"retrograde-"} << -1;
    // 13 full moons, the second of May a blue moon; no month with two new moons.
    QTest::newRow("full moon names") << "chkMoonNames" << QStringList{"moonname-", "bluemoon-", "blackmoon-"} << 14;
    QTest::newRow("supermoons") << "chkSupermoons" << QStringList{"supermoon-", "micromoon-"} << -1;
}

void TestMoonCalendar::eachKindOfTheYearFollowsItsOwnBox() {
    QFETCH(QString, box);
    QFETCH(QStringList, uids);
    QFETCH(int, count);
    QVERIFY(open("Europe/Berlin"));
    QTemporaryDir dir;
    services->saveAnswers = {dir.filePath(QStringLiteral("year.ics"))};
    frmExportCalendar* dialog = w->exportCalendar();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->optThisYear->setChecked(true);
    for (QCheckBox* kind : dialog->findChildren<QCheckBox*>()) {
        kind->setChecked(kind->objectName() == box);
    }
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<frmExportCalendar*>());
    QFile file(dir.filePath(QStringLiteral("year.ics")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList found;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("UID:")) {
            found << QString::fromUtf8(line.mid(4).trimmed());
        }
    }
    QVERIFY2(count < 0 ? !found.isEmpty() : found.size() == count, qPrintable(found.join(u' ')));
    for (const QString& uid : found) {
        QVERIFY2(std::any_of(uids.begin(), uids.end(), [&](const QString& u) { return uid.startsWith(u); }),
                 qPrintable(uid));
    }
}

// The first and the day after the last day each choice exports, as the file's events are taken
// from local midnight to local midnight.
void TestMoonCalendar::theRangesOfTheExport_data() {
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("choice"); // 0 this month, 1 this year, 2 a chosen year
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("end");
    QTest::newRow("a month of 31 days") << QDate(2026, 12, 1) << 0 << QDate(2026, 12, 1) << QDate(2027, 1, 1);
    QTest::newRow("February") << QDate(2026, 2, 1) << 0 << QDate(2026, 2, 1) << QDate(2026, 3, 1);
    QTest::newRow("February of a leap year") << QDate(2028, 2, 1) << 0 << QDate(2028, 2, 1) << QDate(2028, 3, 1);
    QTest::newRow("a month of 30 days") << QDate(2026, 4, 1) << 0 << QDate(2026, 4, 1) << QDate(2026, 5, 1);
    QTest::newRow("the last month") << QDate(2050, 12, 1) << 0 << QDate(2050, 12, 1) << QDate(2051, 1, 1);
    QTest::newRow("this year") << QDate(2026, 7, 1) << 1 << QDate(2026, 1, 1) << QDate(2027, 1, 1);
    QTest::newRow("the first year chosen") << QDate(2026, 7, 1) << 2 << QDate(1901, 1, 1) << QDate(1902, 1, 1);
}

void TestMoonCalendar::theRangesOfTheExport() {
    QFETCH(QDate, month);
    QFETCH(int, choice);
    QFETCH(QDate, first);
    QFETCH(QDate, end);
    frmExportCalendar dialog(month, false);
    (choice == 0 ? dialog.optThisMonth : choice == 1 ? dialog.optThisYear : dialog.optChosenYear)->setChecked(true);
    if (choice == 2) {
        dialog.cboExportYear->setCurrentIndex(0);
    }
    QCOMPARE(dialog.firstDay(), first);
    QCOMPARE(dialog.endDay(), end);
}

void TestMoonCalendar::saveTheMonthAsPdf() {
    QVERIFY(open("Europe/Berlin"));
    QTemporaryDir dir;
    services->saveAnswers = {dir.filePath(QStringLiteral("month.pdf"))};
    w->mnuSavePdf->trigger();
    QCOMPARE(services->saveQuestions, QStringList{QStringLiteral("Save as PDF: moon-december-2026.pdf")});
    QFile pdf(dir.filePath(QStringLiteral("month.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(services->messages.isEmpty());
    // A folder that is not there: a message, and no file.
    services->saveAnswers = {dir.filePath(QStringLiteral("missing/month.pdf"))};
    QVERIFY(!w->saveMonthAsPdf());
    QCOMPARE(services->messages.size(), 1);
    QVERIFY(services->messages.first().startsWith(QLatin1String("The PDF could not be saved as month.pdf")));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing/month.pdf"))));
    // A name typed without its ending gets it.
    services->saveAnswers = {dir.filePath(QStringLiteral("wall"))};
    QVERIFY(w->saveMonthAsPdf());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("wall.pdf"))).isFile());
    // Cancelled: nothing at all.
    QVERIFY(!w->saveMonthAsPdf());
    QCOMPARE(services->messages.size(), 1);
}

QTEST_MAIN(TestMoonCalendar)
#include "tst_moon_calendar.moc"
