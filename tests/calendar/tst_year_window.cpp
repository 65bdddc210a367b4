// The Year as a user meets it: found on the launcher's face, read by keyboard, its entries leading
// to the Moon Calendar's day, for a northern and a southern home.
#include "calendar/calendar_model.h"
#include "calendar/calendar_view.h"
#include "calendar/calendar_window.h"
#include "calendar/year_window.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QSettings>
#include <QTreeWidget>

using namespace lunara;
using namespace lunara::test;

class TestYearWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theLaunchersCaptionsOpenTheirWindows_data();
    void theLaunchersCaptionsOpenTheirWindows();
    void theYearByKeyboard();
    void aSouthernHome();
    void theYearRunsFromItsFirstLocalDayToItsLast_data();
    void theYearRunsFromItsFirstLocalDayToItsLast();

private:
    frmYear* open(const QByteArray& zone, const QString& city);
    QTreeWidgetItem* entry(const QString& section, const QString& startsWith) const;

    std::unique_ptr<LauncherSession> session;
    TestServices* services = nullptr;
    frmYear* w = nullptr;
};

void TestYearWindow::init() {
    session = std::make_unique<LauncherSession>();
    services = &session->fixture.services;
}

void TestYearWindow::cleanup() { session.reset(); }

frmYear* TestYearWindow::open(const QByteArray& zone, const QString& southern) {
    services->zone = QTimeZone(zone);
    services->clock = QDateTime(QDate(2026, 12, 7), QTime(12, 0), services->zone);
    services->storeSetting(QString::fromLatin1(kHemisphereKey), southern);
    click(session->launcher->lblCaption[7]);
    if (!QTest::qWaitFor([this] { return session->launcher->yearWindow() != nullptr; }, kPatienceMs)) {
        return nullptr;
    }
    w = session->launcher->yearWindow();
    return w;
}

QTreeWidgetItem* TestYearWindow::entry(const QString& section, const QString& startsWith) const {
    for (int s = 0; s < w->lstYear->topLevelItemCount(); ++s) {
        QTreeWidgetItem* top = w->lstYear->topLevelItem(s);
        for (int i = 0; top->text(0) == section && i < top->childCount(); ++i) {
            if (top->child(i)->text(1).startsWith(startsWith)) {
                return top->child(i);
            }
        }
    }
    return nullptr;
}

void TestYearWindow::theLaunchersCaptionsOpenTheirWindows_data() {
    QTest::addColumn<int>("caption");
    QTest::addColumn<QString>("window");
    QTest::newRow("Moon Calendar") << 5 << "frmMoonCalendar";
    QTest::newRow("Magick Hours") << 6 << "frmMagickHours";
    QTest::newRow("The Year") << 7 << "frmYear";
}

void TestYearWindow::theLaunchersCaptionsOpenTheirWindows() {
    QFETCH(int, caption);
    QFETCH(QString, window);
    services->zone = QTimeZone("Europe/Berlin");
    QLabel* label = session->launcher->lblCaption[std::size_t(caption)];
    QVERIFY(label->isVisible());
    // Below the two programs, and below each other.
    QVERIFY(label->y() > session->launcher->lblCaption[3]->y());
    QVERIFY(label->y() > session->launcher->lblCaption[std::size_t(caption - 1)]->y());
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    click(label);
    QTRY_VERIFY(session->launcher->mdiArea()->findChild<QWidget*>(window) != nullptr);
    QTRY_VERIFY(session->launcher->mdiArea()->findChild<QWidget*>(window)->isVisible());
}

void TestYearWindow::theYearByKeyboard() {
    QVERIFY(open("Europe/Berlin", QStringLiteral("Northern")));
    QCOMPARE(w->year(), 2026);
    QStringList titles;
    for (int s = 0; s < w->lstYear->topLevelItemCount(); ++s) {
        titles << w->lstYear->topLevelItem(s)->text(0);
    }
    QCOMPARE(titles, (QStringList{"The Wheel of the Year", "Eclipses", "Retrogrades", "Full moons",
                                  "Blue and black moons", "Supermoons and micromoons"}));
    QCOMPARE(w->lstYear->topLevelItem(0)->childCount(), 8);
    QVERIFY(entry("Eclipses", "Total lunar eclipse at 12:34, magnitude 1.156: not seen from Berlin"));
    QVERIFY(entry("Eclipses", "Total solar eclipse at 19:46, magnitude 1.039: seen from Berlin, partial there"));
    QCOMPARE(entry("Retrogrades", "Mercury retrograde from 07:48 in Pisces")->text(0),
             QStringLiteral("26 Feb - 20 Mar"));
    QVERIFY(entry("Full moons", "Harvest Moon at 18:49, in Aries"));
    QCOMPARE(entry("Blue and black moons", "Blue moon")->text(0), QStringLiteral("Sun 31 May"));
    // The keyboard starts on the first entry; Down moves, Page Down and the year list change years.
    QTRY_COMPARE(QApplication::focusWidget(), w->lstYear);
    QCOMPARE(w->currentDate(), QDate(2026, 2, 1));
    QTest::keyClick(w->lstYear, Qt::Key_Down);
    QCOMPARE(w->currentDate(), QDate(2026, 3, 20));
    w->cboYear->setCurrentIndex(2024 - 1901);
    QCOMPARE(w->year(), 2024);
    // The sun had set in Berlin: no moments of it are listed.
    QCOMPARE(entry("Eclipses", "Total solar eclipse at 20:17, magnitude 1.056: not seen from Berlin")->childCount(), 0);
    w->showYear(2050);
    QVERIFY(!w->cmdNextYear->isEnabled());
    // Periods across the ends of the years shown, with their other station's date.
    QCOMPARE(entry("Retrogrades", "Jupiter retrograde from 14:16 in Virgo until Saturday 22 April at 02:09")->text(0),
             QStringLiteral("21 Dec - 22 Apr 2051"));
    QCOMPARE(entry("Retrogrades", "Uranus retrograde from 19:40")->text(0), QStringLiteral("30 Dec - 29 May 2051"));
    w->showYear(1901);
    QCOMPARE(entry("Retrogrades", "Pluto retrograde from 20:34")->text(0), QStringLiteral("17 Sept 1900 - 28 Feb"));
    w->showYear(2026);
    // Enter on an entry opens the Moon Calendar at its day, with the keyboard in its grid.
    w->lstYear->setCurrentItem(entry("Blue and black moons", "Blue moon"));
    QTest::keyClick(w->lstYear, Qt::Key_Return);
    QTRY_VERIFY(session->launcher->moonCalendar());
    frmMoonCalendar* calendar = session->launcher->moonCalendar();
    QCOMPARE(calendar->selectedDate(), QDate(2026, 5, 31));
    QTRY_VERIFY(!session->launcher->yearWindow());
    QTRY_COMPARE(QApplication::focusWidget(), calendar->grdCalendar);
    QVERIFY(calendar->lblCalEvents->text().contains(QStringLiteral("Blue moon")));
}

void TestYearWindow::aSouthernHome() {
    services->storeSetting(QString::fromLatin1(kLocationKey), QStringLiteral("Australia/Sydney"));
    QVERIFY(open("Australia/Sydney", QStringLiteral("Southern")));
    QVERIFY(w->lblYearPlace->text().contains(QStringLiteral("southern hemisphere")));
    QCOMPARE(entry("The Wheel of the Year", "Yule")->text(0), QStringLiteral("Sun 21 Jun"));
    QCOMPARE(entry("The Wheel of the Year", "Samhain")->text(0), QStringLiteral("Thu 30 Apr"));
    QVERIFY(entry("Eclipses", "Total lunar eclipse at 22:34, magnitude 1.156: seen from Sydney"));
    QVERIFY(entry("Eclipses", "Total solar eclipse at 03:46, magnitude 1.039: not seen from Sydney"));
    QVERIFY(entry("Full moons", "Harvest Moon at 13:12, in Libra"));
}

// An event on the year's first or last local day is the year's: 31 December 2028 holds a total
// lunar eclipse and a blue moon; the partial lunar eclipse of 31 December 2009 at 19:23 UTC falls
// on New Year's Day 2010 at Sydney.
void TestYearWindow::theYearRunsFromItsFirstLocalDayToItsLast_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("startsWith");
    QTest::addColumn<QString>("when"); // empty: not in that year
    QTest::newRow("Berlin 2028, lunar eclipse on 31 Dec") << QByteArray("Europe/Berlin") << 2028 << "Eclipses"
                                                          << "Total lunar eclipse"
                                                          << "Sun 31 Dec";
    QTest::newRow("Berlin 2028, blue moon on 31 Dec") << QByteArray("Europe/Berlin") << 2028 << "Blue and black moons"
                                                      << "Blue moon"
                                                      << "Sun 31 Dec";
    QTest::newRow("Berlin 2009, lunar eclipse on 31 Dec") << QByteArray("Europe/Berlin") << 2009 << "Eclipses"
                                                          << "Partial lunar eclipse"
                                                          << "Thu 31 Dec";
    QTest::newRow("Sydney 2010, the same eclipse on 1 Jan") << QByteArray("Australia/Sydney") << 2010 << "Eclipses"
                                                            << "Partial lunar eclipse at 06:23"
                                                            << "Fri 1 Jan";
    QTest::newRow("Sydney 2009, not on its last day") << QByteArray("Australia/Sydney") << 2009 << "Eclipses"
                                                      << "Partial lunar eclipse at 06:23"
                                                      << "";
}

void TestYearWindow::theYearRunsFromItsFirstLocalDayToItsLast() {
    QFETCH(QByteArray, zone);
    QFETCH(int, year);
    QFETCH(QString, section);
    QFETCH(QString, startsWith);
    QFETCH(QString, when);
    services->storeSetting(QString::fromLatin1(kLocationKey), QString::fromLatin1(zone));
    QVERIFY(open(zone, QStringLiteral("Northern")));
    w->showYear(year);
    QTreeWidgetItem* found = entry(section, startsWith);
    if (when.isEmpty()) {
        QVERIFY2(!found, qPrintable(found ? found->text(0) + u' ' + found->text(1) : QString()));
        return;
    }
    QVERIFY(found);
    QCOMPARE(found->text(0), when);
}

QTEST_MAIN(TestYearWindow)
#include "tst_year_window.moc"
