#include "calendar/calendar_window.h"
#include "hours/hours_window.h"
#include "shell/launcher.h"
#include "tests/support/test_services.h"
#include "tests/support/windows.h"

#include <QMdiArea>
#include <QScreen>
#include <QtTest>

using namespace lunara;
using namespace lunara::test;

// A 13-inch laptop: 2560 x 1600 pixels at 200 %, 1280 x 800 to the program. The windows beyond
// the launcher's own three must fit the launcher's area whole, their Exit button included.
class TestSmallScreen : public QObject {
    Q_OBJECT
private slots:
    void windowsFitTheLaunchersArea_data();
    void windowsFitTheLaunchersArea();
};

void TestSmallScreen::windowsFitTheLaunchersArea_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("Moon Calendar") << "calendar";
    QTest::newRow("Magick Hours") << "hours";
}

void TestSmallScreen::windowsFitTheLaunchersArea() {
    QFETCH(QString, window);
    const QScreen* screen = QGuiApplication::primaryScreen();
    qInfo() << "screen" << screen->geometry() << screen->availableGeometry() << screen->devicePixelRatio();
    Fixture fixture;
    fixture.services.zone = QTimeZone("Europe/Berlin");
    frmMDI launcher(fixture.services);
    launcher.setGeometry(screen->availableGeometry());
    launcher.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
    FeatureWindow* shown = nullptr;
    if (window == QLatin1String("calendar")) {
        launcher.showMoonCalendar();
        QTRY_VERIFY(launcher.moonCalendar());
        shown = launcher.moonCalendar();
    } else {
        launcher.showMagickHours();
        QTRY_VERIFY(launcher.magickHours());
        shown = launcher.magickHours();
    }
    QTRY_VERIFY(shown->isVisible());
    const QRect area = launcher.mdiArea()->viewport()->rect();
    const QRect frame = shown->outerWindow()->geometry();
    qInfo() << window << "area" << area << "window" << frame;
    QVERIFY2(area.contains(frame),
             qPrintable(QStringLiteral("%1 px tall in an area of %2").arg(frame.height()).arg(area.height())));
    flushDeletes();
}

QTEST_MAIN(TestSmallScreen)
#include "tst_small_screen.moc"
