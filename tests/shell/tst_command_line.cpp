// The real program started with arguments and environments that must end it before any window:
// what it prints and the status it ends with.
#include "tests/support/patience.h"

#include <QtTest>

#ifndef LUNARA_EXE
#error "LUNARA_EXE must name the program"
#endif

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
};

void TestCommandLine::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM; the display is always unset
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // a line that must be printed (stdout and stderr together)
    QTest::addColumn<QString>("absent"); // text that must not be printed
    const QString noDisplay = QStringLiteral("no graphical display");
    QTest::newRow("--version") << QStringList{"--version"} << "xcb" << 0 << "lunara 1.20" << noDisplay;
    QTest::newRow("--help") << QStringList{"--help"} << "xcb" << 0
                            << "Usage: lunara [--background | --help | --version]" << noDisplay;
    QTest::newRow("an unknown option") << QStringList{"--bogus"} << "xcb" << 2 << "lunara: unknown option '--bogus'"
                                       << noDisplay;
    QTest::newRow("an argument") << QStringList{"notes.txt"} << "xcb" << 2 << "lunara: unknown option 'notes.txt'"
                                 << noDisplay;
    QTest::newRow("no display") << QStringList{} << "xcb" << 1
                                << "lunara: cannot start: no graphical display could be opened (is DISPLAY or "
                                   "WAYLAND_DISPLAY set to a running display?)"
                                << "Aborted";
    QTest::newRow("in the background, no display")
        << QStringList{"--background"} << "xcb" << 1
        << "lunara: cannot start: no graphical display could be opened (is DISPLAY or "
           "WAYLAND_DISPLAY set to a running display?)"
        << "Aborted";
    QTest::newRow("a platform that does not exist")
        << QStringList{} << "bogus" << 1
        << "lunara: cannot start: Could not find the Qt platform plugin \"bogus\" in \"\"" << noDisplay;
}

void TestCommandLine::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, absent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(LUNARA_EXE), arguments);
    QVERIFY(p.waitForFinished(lunara::test::kPatienceMs));
    const QString printed = QString::fromUtf8(p.readAll());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), status);
    QVERIFY2(printed.split(u'\n').contains(output), qPrintable(printed));
    QVERIFY2(!printed.contains(absent), qPrintable(printed));
    if (status == 1) {
        QCOMPARE(printed.count(u'\n'), 1); // one line, not Qt's advice to reinstall
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
