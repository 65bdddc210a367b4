#include "candle/candle_window.h"
#include "kit/form.h"
#include "kit/text.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"
#include "tests/support/windows.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

using namespace lunara;
using namespace lunara::test;

class TestCandleWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOnTheSelectionPage();
    void changingTheModeResetsTheOptions_data();
    void changingTheModeResetsTheOptions();
    void readings_data();
    void readings();
    void backKeepsBothSelections();
    void emptyPurposeClearsTheColourTexts();
    void tabOrderAndKeys();
    void menusAndLinks();
    void exitBringsTheWelcomePanelBack();

private:
    std::unique_ptr<LauncherSession> session;
    frmMDI* launcher = nullptr;
    TestServices* services = nullptr;
    frmCandleMagickMain* w = nullptr;
};

void TestCandleWindow::init() {
    session = std::make_unique<LauncherSession>();
    launcher = session->launcher.get();
    services = &session->fixture.services;
    click(launcher->cmdSelectOption[0]);
    w = launcher->candleWindow();
    QVERIFY(w);
}

void TestCandleWindow::cleanup() { session.reset(); }

void TestCandleWindow::opensOnTheSelectionPage() {
    QCOMPARE(w->windowTitle(), QStringLiteral("Velmora Candle Magick"));
    QVERIFY(w->Frame1->isVisible());
    QVERIFY(!w->Frame2->isVisible());
    QCOMPARE(w->cboCandle->count(), 6);
    QCOMPARE(w->cboCandle->currentText(), QStringLiteral("Choose Candle By Purpose"));
    QCOMPARE(w->cboOptions->currentText(), QStringLiteral("Passion"));
    QCOMPARE(w->cboOptions->count(), 44);
    QCOMPARE(w->cboOptions->findText(QStringLiteral("To be given")), -1);
    QCOMPARE(w->client()->size(), QSize(545, 347));
    // The co-brand offer lies over the fully-branded one and shows one ampersand.
    QVERIFY(w->lblCobrand->text().contains(QStringLiteral("name &  link")));
    QVERIFY(w->fraFullBrand->childAt(w->lblCobrand->geometry().center()) == w->lblCobrand);
}

void TestCandleWindow::changingTheModeResetsTheOptions_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("Color") << "Choose Candle By Color"
                           << "Red" << 14;
    QTest::newRow("Planet") << "Choose By Planet"
                            << "Moon" << 7;
    QTest::newRow("Element") << "Choose By Element"
                             << "Air" << 4;
    QTest::newRow("Direction") << "Choose By Direction"
                               << "North" << 4;
    QTest::newRow("Day") << "Choose By Day"
                         << "Sunday" << 7;
    QTest::newRow("Purpose again") << "Choose Candle By Purpose"
                                   << "Passion" << 44;
}

void TestCandleWindow::changingTheModeResetsTheOptions() {
    QFETCH(QString, mode);
    QFETCH(QString, first);
    QFETCH(int, count);
    choose(w->cboCandle, QStringLiteral("Choose By Day"));
    choose(w->cboOptions, QStringLiteral("Friday"));
    choose(w->cboCandle, mode);
    QCOMPARE(w->cboOptions->currentText(), first);
    QCOMPARE(w->cboOptions->count(), count);
    QCOMPARE(w->lblCaption[6]->text(),
             QStringLiteral("Select one of the following purposes and know which candle to use."));
}

void TestCandleWindow::readings_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("optionIndex");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("purposes");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("option");
    QTest::newRow("Success at place 8") << "Choose Candle By Purpose" << 7 << "Orange"
                                        << "Business, Justice, Success"
                                        << "Purpose"
                                        << "Success";
    QTest::newRow("Success at place 16") << "Choose Candle By Purpose" << 15 << "Orange"
                                         << "Business, Justice, Success"
                                         << "Purpose"
                                         << "Success";
    QTest::newRow("Planet sun keeps its case") << "Choose By Planet" << 6 << "Yellow"
                                               << "Confidence, Intelligence, Remove Mental Stress, Better Learning"
                                               << "Planet"
                                               << "sun";
    QTest::newRow("Mars is White") << "Choose By Planet" << 1 << "White"
                                   << "Harmony, Peace, Clarity"
                                   << "Planet"
                                   << "Mars";
    QTest::newRow("Light Pink by colour") << "Choose Candle By Color" << 8 << "Light Pink"
                                          << "Love, Warmth, Caring"
                                          << "Color"
                                          << "Light Pink";
    QTest::newRow("Tuesday is White") << "Choose By Day" << 2 << "White"
                                      << "Harmony, Peace, Clarity"
                                      << "Day"
                                      << "Tuesday";
    QTest::newRow("West") << "Choose By Direction" << 3 << "Blue"
                          << "Wisdom, Spiritual Enlightenment, Calming Effect, Good Luck"
                          << "Direction"
                          << "West";
}

void TestCandleWindow::readings() {
    QFETCH(QString, mode);
    QFETCH(int, optionIndex);
    QFETCH(QString, colour);
    QFETCH(QString, purposes);
    QFETCH(QString, word);
    QFETCH(QString, option);
    choose(w->cboCandle, mode);
    w->cboOptions->setCurrentIndex(optionIndex);
    click(w->cmdReading);
    QVERIFY(w->Frame2->isVisible());
    QVERIFY(!w->Frame1->isVisible());
    QCOMPARE(w->lblResult[0]->text(), colour);
    QCOMPARE(w->lblResult[1]->text(), purposes);
    QVERIFY(w->lblResult[2]->text().size() > 200);
    QCOMPARE(w->lblResult[3]->text(), word);
    QCOMPARE(w->lblResult[4]->text(), option);
    // One-line results are never cut off.
    for (int i : {0, 1, 3, 4}) {
        QLabel* l = w->lblResult[std::size_t(i)];
        QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), qPrintable(l->objectName()));
        QVERIFY(l->geometry().right() < w->Frame2->width());
    }
    // The paragraph fits above the Back button.
    QLabel* significance = w->lblResult[2];
    QVERIFY(significance->heightForWidth(significance->width()) <= significance->height());
}

void TestCandleWindow::backKeepsBothSelections() {
    choose(w->cboCandle, QStringLiteral("Choose By Element"));
    choose(w->cboOptions, QStringLiteral("Water"));
    click(w->cmdReading);
    const QString first = w->lblResult[2]->text();
    click(w->cmdBack);
    QVERIFY(w->Frame1->isVisible());
    QVERIFY(!w->Frame2->isVisible());
    // The keyboard is back on the reading button, ready for the next reading.
    QCOMPARE(w->focusWidget(), w->cmdReading);
    QCOMPARE(w->cboCandle->currentText(), QStringLiteral("Choose By Element"));
    QCOMPARE(w->cboOptions->currentText(), QStringLiteral("Water"));
    click(w->cmdReading);
    QCOMPARE(w->lblResult[0]->text(), QStringLiteral("Blue"));
    QCOMPARE(w->lblResult[2]->text(), first);
}

void TestCandleWindow::emptyPurposeClearsTheColourTexts() {
    click(w->cmdReading);
    QCOMPARE(w->lblResult[0]->text(), QStringLiteral("Red"));
    click(w->cmdBack);
    w->ShowReading(0, QString());
    QCOMPARE(w->lblResult[0]->text(), QString());
    QCOMPARE(w->lblResult[1]->text(), QString());
    QCOMPARE(w->lblResult[2]->text(), QString());
    QCOMPARE(w->lblResult[3]->text(), QStringLiteral("Purpose"));
    w->ShowReading(9, QStringLiteral("Monday"));
    QCOMPARE(w->lblResult[0]->text(), QStringLiteral("White"));
    QCOMPARE(w->lblResult[3]->text(), QStringLiteral("Day"));
}

void TestCandleWindow::tabOrderAndKeys() {
    QCOMPARE(nextTabStop(w->cboCandle), w->cboOptions);
    QCOMPARE(nextTabStop(w->cboOptions), w->cmdReading);
    // Enter on the focused button asks for the reading; the focus lands on Back, whose Enter returns.
    QTest::keyClick(w->cmdReading, Qt::Key_Return);
    QVERIFY(w->Frame2->isVisible());
    // Only the page in front takes part in Tab.
    QVERIFY(nextTabStop(w->cmdBack) != w->cmdReading);
    QTest::keyClick(w->cmdBack, Qt::Key_Return);
    QVERIFY(w->Frame1->isVisible());
}

void TestCandleWindow::menusAndLinks() {
    click(w->Label61);
    click(w->lblCobrand);
    w->menus()->findChild<QAction*>(QStringLiteral("mnuVisit"))->trigger();
    const QString root = QStringLiteral("https://www.lunara.example/lunara/ssd.php?page=");
    QCOMPARE(services->urls, (QStringList{root + "home-page", root + "co-brand", root + "home-page"}));
    QCOMPARE(w->menus()->findChild<QAction*>(QStringLiteral("mnuUpdate"))->text(),
             QStringLiteral("&Check for Software Update"));
    QVERIFY(!w->menus()->findChild<QAction*>(QStringLiteral("mnuMakeMoney"))->isEnabled());
    QVERIFY(w->menus()->findChild<QMenu*>(QStringLiteral("nuFile")));
}

void TestCandleWindow::exitBringsTheWelcomePanelBack() {
    QVERIFY(!launcher->picMain->isVisible());
    w->menus()->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    flushDeletes();
    QVERIFY(!launcher->candleWindow());
    QVERIFY(launcher->picMain->isVisible());
    QVERIFY(launcher->isVisible());
}

QTEST_MAIN(TestCandleWindow)
#include "tst_candle_window.moc"
