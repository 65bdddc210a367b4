#include "kit/form.h"
#include "kit/sky_words.h"
#include "kit/text.h"
#include "moon/display_window.h"
#include "moon/main_window.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"
#include "tests/support/windows.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace lunara;
using namespace lunara::test;

class TestMoonWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void todayPanel_data();
    void todayPanel();
    void todaysSkyWhereTheUserIs_data();
    void todaysSkyWhereTheUserIs();
    void opensWithTheFirstEntries();
    void readings_data();
    void readings();
    void onlyTheChosenFrameIsInFront();
    void impossibleDates_data();
    void impossibleDates();
    void possibleDatesPass_data();
    void possibleDatesPass();
    void clockRewritesBothWindows();
    void backKeepsTheMainWindowAsItWas();
    void exitOnTheResultWindow();
    void keys_data();
    void keys();
    void menusAndLinks();

private:
    void open(const QDateTime& now = QDateTime(QDate(2007, 12, 23), QTime(12, 6, 31)));
    void enter(int day, const QString& month, int year, QRadioButton* option);

    std::unique_ptr<LauncherSession> session;
    frmMDI* launcher = nullptr;
    TestServices* services = nullptr;
    frmMoonMagickMain* main = nullptr;
};

void TestMoonWindows::open(const QDateTime& now) {
    session = std::make_unique<LauncherSession>(now);
    launcher = session->launcher.get();
    services = &session->fixture.services;
    click(launcher->cmdSelectOption[1]);
    main = launcher->moonMain();
    QVERIFY(main);
}

void TestMoonWindows::cleanup() { session.reset(); }

void TestMoonWindows::enter(int day, const QString& month, int year, QRadioButton* option) {
    choose(main->cboDate, QString::number(day));
    choose(main->cboMonth, month);
    choose(main->cboYear, QString::number(year));
    click(option);
    QVERIFY(option->isChecked());
}

void TestMoonWindows::todayPanel_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("signTail");
    QTest::addColumn<QString>("elementTail");
    QTest::newRow("23 Dec 2007") << QDate(2007, 12, 23) << "Full Moon" << 14 << "Moon In Capricorn"
                                 << "Motivated"
                                 << "Earth"
                                 << "too logical."
                                 << "and finance. ";
    QTest::newRow("1 Jan 2000 subtracts 8.3") << QDate(2000, 1, 1) << "New Moon" << 4 << "Moon In Capricorn"
                                              << "Motivated"
                                              << "Earth"
                                              << "too logical."
                                              << "and finance. ";
    QTest::newRow("31 Dec 1999 subtracts 4") << QDate(1999, 12, 31) << "Waning Moon" << 23 << "Moon In Capricorn"
                                             << "Motivated"
                                             << "Earth"
                                             << "too logical."
                                             << "and finance. ";
    // 1 Apr 2010: n = 10 - 19 = -9, -99 mod 30 = -9, -9 + 1 + 4 = -4, -4 - 8.3 -> -12.
    QTest::newRow("Aries today, no full stop") << QDate(2010, 4, 1) << "Waxing Moon" << 12 << "Moon In Aries"
                                               << "Passion"
                                               << "Fire"
                                               << "have patience"
                                               << "and sports.";
    // 1 Jun 2021: n = 2, 22 + 1 + 6 = 29, 29 - 8.3 -> 21.
    QTest::newRow("Air today, no full stop") << QDate(2021, 6, 1) << "Waning Moon" << 21 << "Moon In Gemini"
                                             << "Inquisitiveness "
                                             << "Air"
                                             << "than analytical."
                                             << "personal development";
    // 1 Nov 2026: n = 7, 17 + 1 + 11 = 29, 29 - 8.3 -> 21.
    QTest::newRow("Scorpio today, trailing space") << QDate(2026, 11, 1) << "Waning Moon" << 21 << "Moon In Scorpio"
                                                   << "Idealistic "
                                                   << "Water"
                                                   << "overcome you. "
                                                   << "and intuition.";
}

void TestMoonWindows::todayPanel() {
    QFETCH(QDate, today);
    QFETCH(QString, phase);
    QFETCH(int, age);
    QFETCH(QString, title);
    QFETCH(QString, keyword);
    QFETCH(QString, element);
    QFETCH(QString, signTail);
    QFETCH(QString, elementTail);
    open(QDateTime(today, QTime(12, 6, 31)));
    QCOMPARE(main->lblCurrentMoonPhaseName->text(), phase);
    QVERIFY(main->lblCurrentMoonPhaseDesc->text().startsWith("The " + phase.toLower()));
    QCOMPARE(main->PicCurrentMoonPhase->accessibleName(),
             QStringLiteral("Moon picture: %1 days, %2").arg(age).arg(phase));
    const QPixmap picture = main->PicCurrentMoonPhase->pixmap();
    QCOMPARE(picture.deviceIndependentSize().toSize(), age + 1 <= 4 ? QSize(55, 53) : QSize(50, 50));
    // On a high-DPI screen the picture comes from its @2x file.
    QCOMPARE(picture.devicePixelRatio(), qApp->devicePixelRatio() > 1 ? 2.0 : 1.0);
    // The window keeps its drawn proportions at any scale.
    QCOMPARE(main->client()->size(), QSize(681, 550));
    QCOMPARE(main->lblCurrentMoonInSunsign->text(), title);
    QCOMPARE(main->lblCurrentMoonInSunsignKeywords->text(), keyword);
    QCOMPARE(main->lblCurrentMoonInSunsignDesc->text().right(signTail.size() + 1).mid(1), signTail);
    QCOMPARE(main->lblCurrentMoonInElement->text(), element);
    QCOMPARE(main->lblCurrentMoonInElementDesc->text().right(elementTail.size() + 1).mid(1), elementTail);
    QCOMPARE(main->lblCurrentDateTime->text(),
             QLocale(QLocale::English, QLocale::UnitedStates).toString(today, "M/d/yyyy").prepend("12:06:31 PM ; "));
    // Reaching the picture list created the result window, hidden.
    QVERIFY(!launcher->moonDisplay().isShownToUser());
}

void TestMoonWindows::todaysSkyWhereTheUserIs_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("firstInFull");
    // The names in the panel, the first event in full (with its times) in the tooltip.
    QTest::newRow("equinox and Mercury's station")
        << QByteArray("Europe/Berlin") << QDate(2026, 3, 20) << "Ostara, the spring equinox; Mercury turns direct"
        << "Ostara, the spring equinox at 15:46";
    QTest::newRow("an eclipse the place cannot see")
        << QByteArray("Europe/Berlin") << QDate(2026, 3, 3)
        << "Total lunar eclipse, not seen from Berlin; Worm Moon; Mercury is retrograde"
        << "Total lunar eclipse at 12:34, magnitude 1.156: not seen from Berlin";
    QTest::newRow("Imbolc on its day, the point later")
        << QByteArray("Europe/Berlin") << QDate(2026, 2, 1) << "Imbolc; Snow Moon"
        << "Imbolc (its point: Tuesday 3 February at 21:02, the sun at 15° Aquarius)";
    QTest::newRow("Samhain in the south") << QByteArray("Australia/Sydney") << QDate(2026, 4, 30) << "Samhain"
                                          << "Samhain (its point: Tuesday 5 May at 21:49, the sun at 15° Taurus)";
    // A week after its traditional date, the day the sun reaches the cross-quarter point.
    QTest::newRow("Samhain's point on its day")
        << QByteArray("Europe/Berlin") << QDate(2026, 11, 7) << "Astronomical Samhain; Mercury is retrograde"
        << "The sun at 15° Scorpio at 10:52: astronomical Samhain";
    QTest::newRow("Lughnasadh's point on its day")
        << QByteArray("Europe/Berlin") << QDate(2026, 8, 7) << "Astronomical Lughnasadh"
        << "The sun at 15° Leo at 13:43: astronomical Lughnasadh";
    QTest::newRow("a plain day") << QByteArray("Europe/Berlin") << QDate(2026, 12, 7) << ""
                                 << "";
}

void TestMoonWindows::todaysSkyWhereTheUserIs() {
    QFETCH(QByteArray, zone);
    QFETCH(QDate, today);
    QFETCH(QString, named);
    QFETCH(QString, firstInFull);
    session = std::make_unique<LauncherSession>();
    services = &session->fixture.services;
    services->zone = QTimeZone(zone);
    services->clock = QDateTime(today, QTime(12, 0), services->zone);
    if (zone.startsWith("Australia")) {
        services->settings().setValue(QString::fromLatin1(kHemisphereKey), QStringLiteral("Southern"));
    }
    click(session->launcher->cmdSelectOption[1]);
    main = session->launcher->moonMain();
    QVERIFY(main);
    // Filled once the window has shown.
    QTRY_COMPARE(main->lblTodayYear->toolTip().section(u'\n', 0, 0), firstInFull);
    QCOMPARE(main->lblTodayYear->text(), named);
    QCOMPARE(main->lblTodayYear->isHidden(), named.isEmpty());
}

void TestMoonWindows::opensWithTheFirstEntries() {
    open();
    QCOMPARE(main->cboDate->count(), 31);
    QCOMPARE(main->cboMonth->count(), 12);
    QCOMPARE(main->cboYear->count(), 150);
    QCOMPARE(main->cboDate->currentText(), QStringLiteral("1"));
    QCOMPARE(main->cboMonth->currentText(), QStringLiteral("January"));
    QCOMPARE(main->cboYear->currentText(), QStringLiteral("1901"));
    QCOMPARE(main->cboYear->itemText(149), QStringLiteral("2050"));
    QVERIFY(main->optMoonPhase->isChecked());
    QVERIFY(main->Timer1->isActive());
    QCOMPARE(main->Timer1->interval(), 1000);
    QCOMPARE(main->windowTitle(), QStringLiteral("Velmora Moon Magick"));
    QVERIFY(main->lblCobrand->text().contains(QStringLiteral("name &  link")));
}

void TestMoonWindows::readings_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("tail");
    // Phase: name, given date, picture number.
    QTest::newRow("phase 23 Dec 2007") << 23 << "December" << 2007 << "phase"
                                       << "Full Moon"
                                       << "12/23/2007"
                                       << "15";
    QTest::newRow("phase 1 Jan 1901") << 1 << "January" << 1901 << "phase"
                                      << "Waxing Moon"
                                      << "1/1/1901"
                                      << "12";
    QTest::newRow("phase 1 Jan 2000, position 99") << 1 << "January" << 2000 << "phase"
                                                   << "New Moon"
                                                   << "1/1/2000"
                                                   << "5";
    QTest::newRow("phase 31 Dec 1999, position 98") << 31 << "December" << 1999 << "phase"
                                                    << "Waning Moon"
                                                    << "12/31/1999"
                                                    << "24";
    QTest::newRow("phase 29 Feb 1901") << 29 << "February" << 1901 << "phase"
                                       << "Waxing Moon"
                                       << "2/29/1901"
                                       << "11";
    // Age 29 shows the last picture of the list.
    QTest::newRow("phase 19 Jan 1901, age 29") << 19 << "January" << 1901 << "phase"
                                               << "Dark Moon"
                                               << "1/19/1901"
                                               << "30";
    // Sign: title, keyword, end of the reading description.
    QTest::newRow("sign 21 Dec") << 21 << "December" << 1950 << "sign"
                                 << "Moon In Capricorn"
                                 << "Motivated"
                                 << "too logical.";
    QTest::newRow("sign Aries, full stop and space") << 21 << "March" << 2001 << "sign"
                                                     << "Moon In Aries"
                                                     << "Passion"
                                                     << "have patience. ";
    QTest::newRow("sign Scorpio, no trailing space") << 20 << "November" << 1977 << "sign"
                                                     << "Moon In Scorpio"
                                                     << "Idealistic "
                                                     << "overcome you.";
    // Element: name, end of the reading description.
    QTest::newRow("element 21 Dec") << 21 << "December" << 2050 << "element"
                                    << "Earth"
                                    << ""
                                    << "and finance. ";
    QTest::newRow("element Air, full stop") << 15 << "October" << 1988 << "element"
                                            << "Air"
                                            << ""
                                            << "personal development.";
}

void TestMoonWindows::readings() {
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, tail);
    open(QDateTime(QDate(2026, 12, 6), QTime(12, 6, 31)));
    QRadioButton* option = kind == "phase"  ? main->optMoonPhase
                           : kind == "sign" ? main->optZodiacalMoon
                                            : main->optElementalMoon;
    enter(day, month, year, option);
    click(main->cmdCalculateMoonPhase);
    frmMoonMagickDisplay& d = launcher->moonDisplay();
    QVERIFY(d.isShownToUser());
    QVERIFY(!main->isShownToUser());
    QVERIFY(!launcher->picMain->isVisible());
    QVERIFY(services->messages.isEmpty());
    if (kind == "phase") {
        QVERIFY(d.fraMoonPhase->isVisible());
        QCOMPARE(d.lblMoonPhaseName->text(), first);
        QCOMPARE(d.lblGivenDate->text(), second);
        const int age = tail.toInt() - 1;
        QCOMPARE(d.PicMoonPhase->accessibleName(), QStringLiteral("Moon picture: %1 days, %2").arg(age).arg(first));
        QVERIFY(!d.PicMoonPhase->pixmap().isNull());
        QCOMPARE(d.PicMoonPhase->pixmap().cacheKey(), d.IMGMoon.picture(tail.toInt()).cacheKey());
        QCOMPARE(d.lblDateTime->text(), QStringLiteral("12:06:31 PM ; 12/6/2026"));
        QVERIFY(d.lblMoonPhaseDesc->text().startsWith("The " + first.toLower()));
    } else if (kind == "sign") {
        QVERIFY(d.fraZodiacalMoon->isVisible());
        QCOMPARE(d.lblMoonInSunsign->text(), first);
        QCOMPARE(d.lblMoonInSunsignKeywords->text(), second);
        QCOMPARE(d.lblMoonInSunsignDesc->text().right(tail.size() + 1).mid(1), tail);
    } else {
        QVERIFY(d.fraElementalMoon->isVisible());
        QCOMPARE(d.lblMoonInElement->text(), first);
        QCOMPARE(d.lblMoonInElementDesc->text().right(tail.size() + 1).mid(1), tail);
    }
}

void TestMoonWindows::onlyTheChosenFrameIsInFront() {
    open();
    enter(23, "December", 2007, main->optMoonPhase);
    click(main->cmdCalculateMoonPhase);
    frmMoonMagickDisplay& d = launcher->moonDisplay();
    QVERIFY(d.fraMoonPhase->isVisible());
    QVERIFY(!d.fraZodiacalMoon->isVisible() && !d.fraElementalMoon->isVisible());
    click(d.cmdBack);
    enter(1, "May", 1960, main->optZodiacalMoon);
    click(main->cmdCalculateMoonPhase);
    QVERIFY(d.fraZodiacalMoon->isVisible());
    QVERIFY(!d.fraMoonPhase->isVisible() && !d.fraElementalMoon->isVisible());
    QCOMPARE(d.lblMoonInSunsign->text(), QStringLiteral("Moon In Taurus"));
    // The phase frame kept its last values; a new phase reading replaces them.
    QCOMPARE(d.lblGivenDate->text(), QStringLiteral("12/23/2007"));
    click(d.cmdBack);
    click(main->optMoonPhase);
    click(main->cmdCalculateMoonPhase);
    QVERIFY(d.fraMoonPhase->isVisible());
    QCOMPARE(d.lblGivenDate->text(), QStringLiteral("5/1/1960"));
    QCOMPARE(d.lblMoonInSunsign->text(), QStringLiteral("Moon In Taurus"));
}

void TestMoonWindows::impossibleDates_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::newRow("30 February") << 30 << "February";
    QTest::newRow("31 February") << 31 << "February";
    QTest::newRow("31 April") << 31 << "April";
    QTest::newRow("31 June") << 31 << "June";
    QTest::newRow("31 September") << 31 << "September";
    QTest::newRow("31 November") << 31 << "November";
}

void TestMoonWindows::impossibleDates() {
    QFETCH(int, day);
    QFETCH(QString, month);
    open();
    for (QRadioButton* option : {main->optMoonPhase, main->optZodiacalMoon, main->optElementalMoon}) {
        services->messages.clear();
        enter(day, month, 1904, option);
        click(main->cmdCalculateMoonPhase);
        QCOMPARE(services->messages, QStringList{QStringLiteral("Please Enter Correct Date !")});
        QVERIFY(!launcher->moonDisplay().isShownToUser());
        QVERIFY(main->isShownToUser());
        QCOMPARE(main->cboDate->currentText(), QString::number(day));
        QCOMPARE(main->cboMonth->currentText(), month);
    }
}

void TestMoonWindows::possibleDatesPass_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::newRow("29 February 1901") << 29 << "February";
    for (const char* month : {"January", "March", "May", "July", "August", "October", "December"}) {
        QTest::addRow("31 %s", month) << 31 << month;
    }
    QTest::newRow("30 April") << 30 << "April";
}

void TestMoonWindows::possibleDatesPass() {
    QFETCH(int, day);
    QFETCH(QString, month);
    open();
    enter(day, month, 1901, main->optMoonPhase);
    QVERIFY(main->CheckEnteredDate());
    QVERIFY(services->messages.isEmpty());
}

void TestMoonWindows::clockRewritesBothWindows() {
    open();
    frmMoonMagickDisplay& d = launcher->moonDisplay();
    services->clock = QDateTime(QDate(2026, 12, 20), QTime(23, 59, 58));
    main->Timer1_Timer();
    QCOMPARE(main->lblCurrentDateTime->text(), QStringLiteral("11:59:58 PM ; 12/20/2026"));
    QCOMPARE(d.lblDateTime->text(), QStringLiteral("11:59:58 PM ; 12/20/2026"));
    QVERIFY(!d.isShownToUser());
    // A new date recomputes the today panel with the clock, past midnight too.
    QCOMPARE(main->lblCurrentMoonInSunsign->text(), QStringLiteral("Moon In Sagittarius"));
    QCOMPARE(main->lblCurrentMoonPhaseName->text(), QStringLiteral("Waxing Moon"));
    services->clock = QDateTime(QDate(2026, 12, 21), QTime(0, 0, 1));
    // Regional settings decide the format.
    services->regional = QLocale(QLocale::German, QLocale::Germany);
    main->Timer1_Timer();
    QCOMPARE(main->lblCurrentMoonInSunsign->text(), QStringLiteral("Moon In Capricorn"));
    QCOMPARE(main->lblCurrentMoonInElement->text(), QStringLiteral("Earth"));
    QCOMPARE(main->lblCurrentDateTime->text(), QStringLiteral("00:00:01 ; 21.12.2026"));
    // One-line clock text is never cut off.
    QVERIFY(main->lblCurrentDateTime->width() >=
            main->lblCurrentDateTime->fontMetrics().horizontalAdvance(main->lblCurrentDateTime->text()));
}

void TestMoonWindows::backKeepsTheMainWindowAsItWas() {
    open();
    enter(14, "July", 1969, main->optElementalMoon);
    const QString panel = main->lblCurrentMoonPhaseDesc->text();
    click(main->cmdCalculateMoonPhase);
    frmMoonMagickDisplay& d = launcher->moonDisplay();
    launcher->moonDisplay().menus()->findChild<QAction*>(QStringLiteral("mnuFileBack"))->trigger();
    QVERIFY(main->isShownToUser());
    QVERIFY(!d.isShownToUser());
    QVERIFY(!launcher->picMain->isVisible());
    QCOMPARE(main->cboDate->currentText(), QStringLiteral("14"));
    QCOMPARE(main->cboMonth->currentText(), QStringLiteral("July"));
    QCOMPARE(main->cboYear->currentText(), QStringLiteral("1969"));
    QVERIFY(main->optElementalMoon->isChecked());
    QCOMPARE(main->lblCurrentMoonPhaseDesc->text(), panel);
    // The same inputs again give the same frame and values.
    click(main->cmdCalculateMoonPhase);
    QCOMPARE(d.lblMoonInElement->text(), QStringLiteral("Water"));
}

void TestMoonWindows::exitOnTheResultWindow() {
    open();
    choose(main->cboYear, QStringLiteral("1950"));
    click(main->cmdCalculateMoonPhase);
    QPointer<frmMoonMagickDisplay> d = &launcher->moonDisplay();
    click(d->cmdExit);
    flushDeletes();
    QVERIFY(!d);
    QVERIFY(launcher->picMain->isVisible());
    QVERIFY(launcher->moonMain());
    QVERIFY(!main->isShownToUser());
    // The next tick brings the result window back, hidden, with the clock running.
    main->Timer1_Timer();
    QVERIFY(!launcher->moonDisplay().isShownToUser());
    QCOMPARE(launcher->moonDisplay().lblDateTime->text(), QStringLiteral("12:06:31 PM ; 12/23/2007"));
    // Moon Magick again: a fresh main window at the first entries, and a reading works as usual.
    click(launcher->cmdSelectOption[1]);
    flushDeletes();
    main = launcher->moonMain();
    QCOMPARE(main->cboYear->currentText(), QStringLiteral("1901"));
    QVERIFY(main->optMoonPhase->isChecked());
    click(main->cmdCalculateMoonPhase);
    QCOMPARE(launcher->moonDisplay().lblMoonPhaseName->text(), QStringLiteral("Waxing Moon"));
    QVERIFY(launcher->moonDisplay().isShownToUser());
}

void TestMoonWindows::keys_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestMoonWindows::keys() {
    QFETCH(int, key);
    open();
    // Enter on the reading button starts the reading; Enter on a list or an option closes the window.
    QTest::keyClick(main->cmdCalculateMoonPhase, Qt::Key_Return);
    frmMoonMagickDisplay* d = &launcher->moonDisplay();
    QVERIFY(d->isShownToUser());
    // The reading leaves the focus on Back, yet Enter and Esc both close the window like Exit.
    QCOMPARE(d->focusWidget(), d->cmdBack);
    QTest::keyClick(d->cmdBack, Qt::Key(key));
    flushDeletes();
    QVERIFY(launcher->picMain->isVisible());
    QVERIFY(!launcher->moonMain()->isShownToUser());

    click(launcher->cmdSelectOption[1]);
    main = launcher->moonMain();
    QTest::keyClick(main->cboMonth, Qt::Key_Return);
    flushDeletes();
    QVERIFY(!launcher->moonMain());
    QVERIFY(launcher->picMain->isVisible());

    click(launcher->cmdSelectOption[1]);
    main = launcher->moonMain();
    QTest::keyClick(main->optZodiacalMoon, Qt::Key_Escape);
    flushDeletes();
    QVERIFY(!launcher->moonMain());
}

void TestMoonWindows::menusAndLinks() {
    open();
    click(main->Label2);
    click(main->lblFullBrand);
    click(main->Label61);
    const QString root = QStringLiteral("https://www.lunara.example/lunara/ssd.php?page=");
    QCOMPARE(services->urls, (QStringList{root + "fully-branded", root + "fully-branded", root + "home-page"}));
    QVERIFY(!main->menus()->findChild<QAction*>(QStringLiteral("mnuMakeMoneyOnline"))->isEnabled());
    enter(23, "December", 2007, main->optZodiacalMoon);
    main->menus()->findChild<QAction*>(QStringLiteral("mnuMoonMagickReading"))->trigger();
    QCOMPARE(launcher->moonDisplay().lblMoonInSunsign->text(), QStringLiteral("Moon In Capricorn"));
    services->urls.clear();
    click(launcher->moonDisplay().lblCobrand);
    QCOMPARE(services->urls, QStringList{root + "co-brand"});
    main->menus()->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    flushDeletes();
    QVERIFY(!launcher->moonMain());
}

QTEST_MAIN(TestMoonWindows)
#include "tst_moon_windows.moc"
