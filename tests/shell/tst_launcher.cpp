#include "kit/about_window.h"
#include "kit/form.h"
#include "kit/text.h"
#include "shell/instance_channel.h"
#include "shell/launcher.h"
#include "shell/start.h"
#include "tests/support/launcher_session.h"
#include "tests/support/windows.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

using namespace lunara;
using namespace lunara::test;

class TestLauncher : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openAndCloseKeepsNothing_data();
    void openAndCloseKeepsNothing();
    void layoutCentresOnTheScreen_data();
    void layoutCentresOnTheScreen();
    void startsWithWelcomePanelAndControls();
    void openingAFeature_data();
    void openingAFeature();
    void openingOneFeatureClosesTheOthersInOrder();
    void textLabelsOpenNothing_data();
    void textLabelsOpenNothing();
    void closingAFeatureBringsThePanelBack();
    void underlineStaysUntilTheBarePanel();
    void closingTheLauncherClosesFeatures();
    void linksAndMenus();
    void menuBarFollowsTheWindowInUse();
    void accessKeysBelongToTheWindowInUse();
    void aboutIsModalAndClosesWithKeys_data();
    void aboutIsModalAndClosesWithKeys();
    void howAStartComesUp_data();
    void howAStartComesUp();
    void aSecondStart_data();
    void aSecondStart();

private:
    std::unique_ptr<LauncherSession> session;
    frmMDI* launcher = nullptr;
    TestServices* services = nullptr;
};

void TestLauncher::init() {
    session = std::make_unique<LauncherSession>();
    launcher = session->launcher.get();
    services = &session->fixture.services;
}

void TestLauncher::cleanup() { session.reset(); }

// Live QObjects, counted through Qt's hooks for tools.
extern Q_DECL_IMPORT quintptr qtHookData[];
namespace {
enum { kAddQObjectHook = 3, kRemoveQObjectHook = 4 };
qint64 liveObjects = 0;
void objectAdded(QObject*) { ++liveObjects; }
void objectRemoved(QObject*) { --liveObjects; }
} // namespace

void TestLauncher::openAndCloseKeepsNothing_data() {
    QTest::addColumn<int>("feature");
    QTest::newRow("Candle Magick") << 0;
    QTest::newRow("Moon Magick with a reading") << 1;
}

void TestLauncher::openAndCloseKeepsNothing() {
    QFETCH(int, feature);
    const auto cycle = [&] {
        launcher->cmdSelectOption_Click(feature);
        if (frmMoonMagickMain* moon = launcher->moonMain()) {
            moon->cmdCalculateMoonPhase_Click();
            launcher->moonDisplay().cmdBack_Click();
            launcher->moonDisplay().cmdExit_Click();
            moon->closeWindow();
        } else {
            launcher->candleWindow()->cmdReading_Click();
            launcher->candleWindow()->closeWindow();
        }
        flushDeletes();
    };
    cycle(); // the first opening fills caches that live for the whole run
    qtHookData[kAddQObjectHook] = reinterpret_cast<quintptr>(&objectAdded);
    qtHookData[kRemoveQObjectHook] = reinterpret_cast<quintptr>(&objectRemoved);
    liveObjects = 0;
    for (int i = 0; i < 50; ++i) {
        cycle();
    }
    qtHookData[kAddQObjectHook] = 0;
    qtHookData[kRemoveQObjectHook] = 0;
    QCOMPARE(liveObjects, 0);
}

void TestLauncher::layoutCentresOnTheScreen_data() {
    QTest::addColumn<double>("screenTwips");
    QTest::addColumn<int>("bannerLeft");
    QTest::addColumn<int>("buttonsLeft");
    QTest::addColumn<int>("exitLeft");
    // Banner 9480 twips wide, button frame 10815, Exit 1335 placed 120 twips from the right edge.
    QTest::newRow("design width") << 11880.0 << 80 << 36 << 695;
    QTest::newRow("1280 pixels") << 19200.0 << 324 << 280 << 1183;
    QTest::newRow("narrower than the design") << 9000.0 << -16 << -61 << 503;
}

void TestLauncher::layoutCentresOnTheScreen() {
    QFETCH(double, screenTwips);
    QFETCH(int, bannerLeft);
    QFETCH(int, buttonsLeft);
    QFETCH(int, exitLeft);
    launcher->layoutForScreenWidth(screenTwips);
    QCOMPARE(launcher->lblVelmoraBanner->x(), bannerLeft);
    QCOMPARE(launcher->picButtonContainer->x(), buttonsLeft);
    QCOMPARE(launcher->cmdMdiExit->x(), exitLeft);
    const int middle = px(screenTwips / 2);
    for (QLabel* label : launcher->lblCaption) {
        QVERIFY2(qAbs(label->geometry().center().x() - middle) <= 1, qPrintable(label->objectName()));
    }
    // The labels keep their drawn tops.
    QCOMPARE(launcher->lblCaption[1]->y(), px(840));
    QCOMPARE(launcher->lblCaption[3]->y(), px(3480));
}

void TestLauncher::startsWithWelcomePanelAndControls() {
    QCOMPARE(launcher->windowTitle(), QStringLiteral("Lunara v1.20"));
    QVERIFY(launcher->picMain->isVisible());
    QCOMPARE(withoutAccessKeys(launcher->cmdSelectOption[0]->text()), QStringLiteral("Candle Magick"));
    QCOMPARE(withoutAccessKeys(launcher->cmdSelectOption[1]->text()), QStringLiteral("Moon Magick"));
    QCOMPARE(launcher->lblCaption[0]->text(), QStringLiteral("Welcome to Lunara"));
    QCOMPARE(launcher->lblVelmoraBanner->text(),
             QStringLiteral("The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit "
                            "www.lunara.example Now"));
    QVERIFY(!launcher->Picture3->pixmap().isNull());
    QVERIFY(!launcher->Picture2->pixmap().isNull());
    auto* makeMoney = launcher->menuBar()->findChild<QAction*>(QStringLiteral("mkmoney"));
    QVERIFY(makeMoney);
    QVERIFY(!makeMoney->isEnabled());
    QVERIFY(launcher->mdiArea()->subWindowList().isEmpty());
}

void TestLauncher::openingAFeature_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::newRow("Candle button") << "cmdSelectOption_0"
                                   << "frmCandleMagickMain"
                                   << "cmdSelectOption_0";
    QTest::newRow("Moon button") << "cmdSelectOption_1"
                                 << "frmMoonMagickMain"
                                 << "cmdSelectOption_1";
    QTest::newRow("Candle label") << "lblCaption_3"
                                  << "frmCandleMagickMain"
                                  << "cmdSelectOption_0";
    QTest::newRow("Moon label") << "lblCaption_4"
                                << "frmMoonMagickMain"
                                << "cmdSelectOption_1";
}

void TestLauncher::openingAFeature() {
    QFETCH(QString, control);
    QFETCH(QString, window);
    QFETCH(QString, button);
    click(launcher->findChild<QWidget*>(control));
    auto* feature = launcher->findChild<FeatureWindow*>(window);
    QVERIFY(feature);
    QVERIFY(feature->isShownToUser());
    QVERIFY(!launcher->picMain->isVisible());
    // Centred across the screen width at the top of the client area.
    QWidget* outer = feature->outerWindow();
    QCOMPARE(outer->y(), 0);
    QCOMPARE(outer->x(), px((launcher->screenWidthTwips() - toTwips(outer->width())) / 2));
    // Choosing the same feature again gives a fresh window.
    QPointer<FeatureWindow> first = feature;
    click(launcher->findChild<QWidget*>(button));
    flushDeletes();
    QVERIFY(!first);
    QVERIFY(launcher->findChild<FeatureWindow*>(window));
}

void TestLauncher::openingOneFeatureClosesTheOthersInOrder() {
    click(launcher->cmdSelectOption[1]);
    frmMoonMagickMain* moon = launcher->moonMain();
    QVERIFY(moon);
    frmMoonMagickDisplay* display = &launcher->moonDisplay();
    click(moon->cmdCalculateMoonPhase);
    QVERIFY(display->isShownToUser());
    QStringList closed;
    for (QObject* w : {static_cast<QObject*>(display), static_cast<QObject*>(moon)}) {
        connect(w, &QObject::destroyed, this, [&closed, name = w->objectName()] { closed << name; });
    }
    click(launcher->cmdSelectOption[0]);
    flushDeletes();
    QCOMPARE(closed, (QStringList{"frmMoonMagickDisplay", "frmMoonMagickMain"}));
    QVERIFY(launcher->candleWindow());
    QVERIFY(launcher->candleWindow()->isShownToUser());
    QCOMPARE(launcher->mdiArea()->subWindowList().size(), 1);
    QVERIFY(!launcher->picMain->isVisible());
}

void TestLauncher::textLabelsOpenNothing_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("Welcome to Lunara") << 0;
    QTest::newRow("welcome text") << 1;
    QTest::newRow("programs heading") << 2;
}

void TestLauncher::textLabelsOpenNothing() {
    QFETCH(int, index);
    click(launcher->cmdSelectOption[0]);
    click(launcher->lblCaption[std::size_t(index)]);
    flushDeletes();
    QVERIFY(!launcher->candleWindow());
    QVERIFY(!launcher->moonMain());
    QVERIFY(launcher->mdiArea()->subWindowList().isEmpty());
    QVERIFY(!launcher->picMain->isVisible());
}

void TestLauncher::closingAFeatureBringsThePanelBack() {
    click(launcher->cmdSelectOption[0]);
    QVERIFY(!launcher->picMain->isVisible());
    // The window's own close box.
    launcher->candleWindow()->outerWindow()->close();
    flushDeletes();
    QVERIFY(!launcher->candleWindow());
    QVERIFY(launcher->picMain->isVisible());
    QVERIFY(launcher->mdiArea()->subWindowList().isEmpty());
}

void TestLauncher::underlineStaysUntilTheBarePanel() {
    QLabel* candle = launcher->lblCaption[3];
    QLabel* moon = launcher->lblCaption[4];
    moveMouseOver(moon);
    QVERIFY(moon->font().underline());
    moveMouseOver(launcher->lblCaption[0]);
    QVERIFY(moon->font().underline());
    QVERIFY(!launcher->lblCaption[0]->font().underline());
    moveMouseOver(candle);
    click(candle);
    launcher->candleWindow()->closeWindow();
    flushDeletes();
    QVERIFY(launcher->picMain->isVisible());
    QVERIFY(candle->font().underline());
    QVERIFY(moon->font().underline());
    moveMouseOver(launcher->picMain, {5, 400});
    for (QLabel* label : launcher->lblCaption) {
        QVERIFY(!label->font().underline());
    }
}

void TestLauncher::closingTheLauncherClosesFeatures() {
    click(launcher->cmdSelectOption[0]);
    QPointer<FeatureWindow> candle = launcher->candleWindow();
    QVERIFY(launcher->close());
    flushDeletes();
    QVERIFY(!candle);
    QVERIFY(services->questions.isEmpty());
    QVERIFY(services->messages.isEmpty());
}

void TestLauncher::linksAndMenus() {
    click(launcher->lblVelmoraBanner);
    click(launcher->Picture6);
    click(launcher->Label7);
    launcher->menuBar()->findChild<QAction*>(QStringLiteral("mnuOnline"))->trigger();
    launcher->menuBar()->findChild<QAction*>(QStringLiteral("mnuUpdate"))->trigger();
    const QString root = QStringLiteral("https://www.lunara.example/lunara/ssd.php?page=");
    QCOMPARE(services->urls, (QStringList{root + "home-page", root + "home-page", root + "fully-branded",
                                          root + "help-web-page", root + "download-web-page"}));
    auto* update = launcher->menuBar()->findChild<QAction*>(QStringLiteral("mnuUpdate"));
    QCOMPARE(update->text(), QStringLiteral("Check for Software &Update"));
    click(launcher->cmdMdiExit);
    QVERIFY(!launcher->isVisible());
}

namespace {
QStringList names(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) {
        if (!a->isSeparator()) {
            out << a->objectName();
        }
    }
    return out;
}
} // namespace

void TestLauncher::menuBarFollowsTheWindowInUse() {
    QMenuBar* bar = launcher->menuBar();
    const QStringList own{"mnuFile", "mnuHelp", "mkmoney"};
    QCOMPARE(names(bar->actions()), own);
    click(launcher->cmdSelectOption[0]);
    QCOMPARE(names(bar->actions()), (QStringList{"nuFile", "mnuHelp", "mnuMakeMoney"}));
    QVERIFY(!launcher->candleWindow()->menus()->isVisible());

    click(launcher->cmdSelectOption[1]);
    flushDeletes();
    QCOMPARE(names(bar->actions()), (QStringList{"mnuFile", "mnuHelp", "mnuMakeMoneyOnline"}));
    QCOMPARE(names(bar->actions().first()->menu()->actions()),
             (QStringList{"mnuMoonMagickReading", "mnuMoonCalendar", "mnuExit"}));
    QCOMPARE(names(bar->actions()[1]->menu()->actions()),
             (QStringList{"mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout"}));

    // The reading hands the menu bar to the result window; its Exit gives it back to the launcher.
    bar->actions().first()->menu()->actions().first()->trigger();
    QCOMPARE(names(bar->actions().first()->menu()->actions()), (QStringList{"mnuFileBack", "mnuExit"}));
    bar->actions().first()->menu()->actions()[1]->trigger();
    flushDeletes();
    QCOMPARE(names(bar->actions()), own);
    QVERIFY(launcher->picMain->isVisible());
}

void TestLauncher::accessKeysBelongToTheWindowInUse() {
    // A button's access key clicks it some 100 ms later, so each step waits for its effect.
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    QTest::keyClick(launcher, Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(launcher->moonMain());
    frmMoonMagickMain* moon = launcher->moonMain();
    QVERIFY(moon->isAncestorOf(QApplication::focusWidget()));
    // The feature window in use owns the keyboard: a launcher key would press its button at once
    // (the click follows 100 ms later), so a button that is not down was not reached.
    const auto launcherKeyReached = [this](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        return launcher->cmdSelectOption[0]->isDown() || launcher->cmdSelectOption[1]->isDown() ||
               launcher->cmdMdiExit->isDown();
    };
    QVERIFY(!launcherKeyReached(Qt::Key_C));
    // Alt+M is the window's own "Moon &Magick Reading", not the launcher's "&Moon Magick".
    QVERIFY(!launcherKeyReached(Qt::Key_M));
    QTRY_VERIFY(launcher->moonDisplay().isShownToUser());
    QCOMPARE(launcher->moonMain(), moon);
    // In the result window neither Alt+M nor Alt+C opens a feature over the reading.
    QVERIFY(!launcherKeyReached(Qt::Key_M));
    QVERIFY(!launcherKeyReached(Qt::Key_C));
    // Alt+E closes the result window, not the launcher.
    QVERIFY(!launcherKeyReached(Qt::Key_E));
    QTRY_VERIFY(launcher->picMain->isVisible());
    QVERIFY(launcher->isVisible());
    launcher->cmdSelectOption[0]->setFocus();
    QCOMPARE(launcher->cmdMdiExit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_E));
    QTest::keyClick(launcher, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(launcher->candleWindow());
    QVERIFY(launcher->candleWindow()->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(!launcherKeyReached(Qt::Key_M));
    launcher->cmdSelectOption[1]->setFocus();
    QTest::keyClick(launcher, Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(launcher->moonMain());
}

void TestLauncher::aboutIsModalAndClosesWithKeys_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestLauncher::aboutIsModalAndClosesWithKeys() {
    QFETCH(int, key);
    QString seenTitle;
    QString seenLink;
    bool launcherBlocked = false;
    bool pressed = false;
    bool forced = false;
    // Polls, bounded, for the window while its modal loop runs; one that does not appear, or that
    // the key does not close, is closed here after five seconds so that the test fails, not hangs.
    QTimer poll;
    poll.setInterval(10);
    int ticks = 0;
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* about = qobject_cast<frmAbout*>(modal);
        if (about && !pressed) {
            pressed = true;
            seenTitle = about->windowTitle();
            seenLink = about->lblHomePage->text();
            launcherBlocked = about->isModal() && modal != launcher;
            QTest::keyClick(about->cmdOK, Qt::Key(key));
        } else if (++ticks > 500 && modal) {
            forced = true;
            modal->close();
        }
    });
    poll.start();
    launcher->menuBar()->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    poll.stop();
    QVERIFY2(pressed, "the About window did not appear");
    QVERIFY2(!forced, "the key did not close the About window");
    QCOMPARE(seenTitle, QStringLiteral("Lunara v1.20"));
    QCOMPARE(seenLink, QStringLiteral("Click here to visit https://www.lunara.example"));
    QVERIFY(launcherBlocked);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestLauncher::howAStartComesUp_data() {
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("reminding");      // a reminder is on
    QTest::addColumn<bool>("shown");          // right after the start
    QTest::addColumn<bool>("endsWhenClosed"); // closing the launcher ends the program
    QTest::newRow("a plain start") << false << false << false << true << true;
    QTest::newRow("a plain start with a tray") << false << true << false << true << true;
    QTest::newRow("a plain start reminding, with a tray") << false << true << true << true << false;
    QTest::newRow("in the background") << true << false << false << false << false;
    QTest::newRow("in the background with a tray") << true << true << false << false << false;
    QTest::newRow("in the background reminding, no tray") << true << false << true << false << false;
}

void TestLauncher::howAStartComesUp() {
    // A start as main() makes it, every reminder off: a plain start shows the launcher and
    // closing it ends Lunara; a start in the background shows nothing and stays when closed.
    QFETCH(bool, background);
    QFETCH(bool, tray);
    QFETCH(bool, reminding);
    QFETCH(bool, shown);
    QFETCH(bool, endsWhenClosed);
    session.reset();
    Fixture fixture;
    fixture.services.tray = tray;
    if (reminding) {
        fixture.services.settings().setValue(QStringLiteral("Reminders/FullMoon"), QStringLiteral("60"));
    }
    frmMDI started(fixture.services);
    QSignalSpy closed(&started, &frmMDI::closed);
    startLauncher(started, background);
    QCOMPARE(started.isVisible(), shown);
    QCOMPARE(started.trayIcon() != nullptr, (background || reminding) && tray);
    // Shown by a second start, then closed.
    QCOMPARE(showIfHidden(started), !shown);
    QVERIFY(started.isVisible());
    QVERIFY(!showIfHidden(started));
    started.close();
    QCOMPARE(closed.size(), endsWhenClosed ? 1 : 0);
    QVERIFY(!started.isVisible());
    flushDeletes();
}

void TestLauncher::aSecondStart_data() {
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("firstHidden"); // the running copy shows no window
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("firstShown"); // the running copy showed its launcher
    const QStringList running{QStringLiteral("Application is already running")};
    QTest::newRow("plain, the first in use") << false << false << running << false;
    QTest::newRow("plain, the first hidden") << false << true << QStringList() << true;
    QTest::newRow("in the background, the first in use") << true << false << QStringList() << false;
    QTest::newRow("in the background, the first hidden") << true << true << QStringList() << false;
}

void TestLauncher::aSecondStart() {
    // The running copy listens on a real channel from another thread's point of view: its answer
    // is given while the second start waits.
    QFETCH(bool, background);
    QFETCH(bool, firstHidden);
    QFETCH(QStringList, messages);
    QFETCH(bool, firstShown);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("channel"));
    bool asked = false;
    QThread thread;
    auto* first = new InstanceChannel(name, [&asked, firstHidden] {
        asked = true;
        return firstHidden;
    });
    first->moveToThread(&thread);
    thread.start();
    answerSecondStart(*services, name, background, 5000);
    thread.quit();
    thread.wait();
    delete first;
    QCOMPARE(services->messages, messages);
    QCOMPARE(asked, !background);
    QCOMPARE(asked && firstHidden, firstShown);
}

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
