// Reminders through a real session bus: the test starts a private dbus-daemon and, on its own
// connection, a notification service that records each Notify and can send ActionInvoked.
#include "reminders/autostart.h"
#include "reminders/reminders.h"
#include "reminders/reminders_dialog.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace lunara;
using namespace lunara::test;
using reminders::Topic;

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString app;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
    };
    QList<Call> calls;

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout) {
        Q_UNUSED(replaces);
        Q_UNUSED(hints);
        Q_UNUSED(timeout);
        calls.append({app, icon, summary, body, actions});
        return uint(calls.size());
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
};

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void aWeekOfReminders();
    void nothingTwiceAcrossARestartAndLateAfterASleep();
    void showInCalendarOpensTheDay();
    void withoutAServiceLunarasOwnWindowShowsIt();
    void aDamagedChoiceIsOff_data();
    void aDamagedChoiceIsOff();
    void theAutostartEntry();
    void theDialogKeepsWhatTheUserChose();

private:
    void at(const QDateTime& berlin) { services->clock = berlin; }
    // Runs the minute's check at each minute of [from, to) and waits for the bus to deliver.
    void everyMinute(const QDateTime& from, const QDateTime& to);
    QStringList summaries() const;

    QProcess daemon;
    QString address;
    FakeNotifications fake;
    std::unique_ptr<LauncherSession> session;
    TestServices* services = nullptr;
    QList<QPair<QDateTime, Reminder>> handed; // each reminder with the clock when it was handed on
};

void TestReminders::initTestCase() {
    daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    QVERIFY2(daemon.waitForStarted(), "dbus-daemon could not be started");
    QVERIFY(QTest::qWaitFor([this] { return daemon.canReadLine(); }, 10000));
    address = QString::fromUtf8(daemon.readLine()).trimmed();
    // Before Lunara's first use of the session bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    QDBusConnection server = QDBusConnection::connectToBus(address, QStringLiteral("notification-server"));
    QVERIFY(server.isConnected());
    QVERIFY(server.registerObject(kPath, &fake, QDBusConnection::ExportAllSlots));
    QVERIFY(server.registerService(kService));
}

void TestReminders::cleanupTestCase() {
    QDBusConnection::disconnectFromBus(QStringLiteral("notification-server"));
    daemon.kill();
    daemon.waitForFinished();
}

void TestReminders::init() {
    session = std::make_unique<LauncherSession>();
    services = &session->fixture.services;
    services->zone = QTimeZone("Europe/Berlin");
    fake.calls.clear();
    handed.clear();
    connect(&session->launcher->reminders(), &Reminders::remind, this, [this](const Reminder& r) {
        handed.append({services->clock, r});
    });
}

void TestReminders::cleanup() { session.reset(); }

void TestReminders::everyMinute(const QDateTime& from, const QDateTime& to) {
    for (QDateTime t = from; t < to; t = t.addSecs(60)) {
        at(t);
        session->launcher->reminders().check();
    }
    QVERIFY(QTest::qWaitFor([this] { return fake.calls.size() == handed.size(); }));
}

QStringList TestReminders::summaries() const {
    QStringList out;
    for (const auto& [when, r] : handed) {
        out << when.toString(QStringLiteral("ddd HH:mm ")) + r.summary;
    }
    return out;
}

void TestReminders::aWeekOfReminders() {
    // Monday 21 to Monday 28 December 2026 at Berlin: the full moon an hour before, each void of
    // course as it starts, each hour of Mars a quarter of an hour before.
    at(QDateTime(QDate(2026, 12, 21), QTime(0, 0), services->zone));
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 60;
    choice.of(Topic::VoidOfCourse) = 0;
    choice.of(Topic::PlanetaryHour) = 15;
    choice.hourPlanet = sky::Planet::Mars;
    QVERIFY(storeReminderChoice(*services, choice));
    session->launcher->reminders().restart();
    everyMinute(QDateTime(QDate(2026, 12, 21), QTime(0, 0), services->zone),
                QDateTime(QDate(2026, 12, 28), QTime(0, 0), services->zone));
    // The full moon of 24 December at 02:28, once, an hour before.
    const QStringList all = summaries();
    QCOMPARE(all.filter(QStringLiteral("Full moon")), QStringList{"Thu 01:28 Full moon in Cancer"});
    const auto full = std::find_if(fake.calls.begin(), fake.calls.end(),
                                   [](const auto& c) { return c.summary.startsWith(QLatin1String("Full moon")); });
    QCOMPARE(full->body, QStringLiteral("In 1 hour: today at 02:28 (Berlin)"));
    QCOMPARE(full->app, QStringLiteral("Lunara"));
    QCOMPARE(full->icon, QStringLiteral("example.lunara.Lunara"));
    QCOMPARE(full->actions, (QStringList{"calendar", "Show in calendar"}));
    // Mars rules the fourth hour of Monday's daylight, the first hour of Tuesday, ...: three or
    // four a day, each once, none of another planet.
    const int mars = int(all.filter(QStringLiteral("The hour of Mars")).size());
    QVERIFY2(mars >= 21 && mars <= 28, qPrintable(QString::number(mars)));
    QCOMPARE(all.filter(QStringLiteral("The hour of")).size(), mars);
    // The moon goes void of course before each of its ingresses: two or three in a week.
    const int voids = int(all.filter(QStringLiteral("void of course")).size());
    QVERIFY2(voids >= 2 && voids <= 4, qPrintable(all.join(u'\n')));
    for (const auto& [when, r] : handed) {
        if (r.summary.contains(QLatin1String("void of course"))) {
            QVERIFY2(r.body.startsWith(QLatin1String("Now: today at ") + when.toString(QStringLiteral("HH:mm"))),
                     qPrintable(r.body));
        }
    }
    QSet<QString> ids;
    for (const auto& [when, r] : handed) {
        QVERIFY2(!ids.contains(r.id), qPrintable(r.id));
        ids.insert(r.id);
        QVERIFY(!r.late);
    }
}

void TestReminders::nothingTwiceAcrossARestartAndLateAfterASleep() {
    const QDateTime before(QDate(2026, 12, 24), QTime(1, 0), services->zone);
    at(before);
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 60;
    QVERIFY(storeReminderChoice(*services, choice));
    session->launcher->reminders().restart();
    // Asleep from 01:00 to 02:10: on waking, the reminder that fell due at 01:28, marked late.
    at(before.addSecs(70LL * 60));
    session->launcher->reminders().check();
    QCOMPARE(summaries(), QStringList{"Thu 02:10 Full moon in Cancer"});
    QVERIFY(handed.front().second.late);
    QCOMPARE(handed.front().second.body, QStringLiteral("Late reminder: today at 02:28 (Berlin)"));
    // Started again a minute later: the kept mark says it was shown.
    Reminders again(*services);
    connect(&again, &Reminders::remind, this, [this](const Reminder& r) { handed.append({services->clock, r}); });
    at(before.addSecs(71LL * 60));
    again.restart();
    QCOMPARE(handed.size(), 1);
    // A sleep past the event: nothing; its reminder is no use any more.
    QVERIFY(services->storeSetting(QString::fromLatin1(kShownUntilKey), before.toSecsSinceEpoch()));
    at(before.addSecs(2LL * 3600));
    again.check();
    QCOMPARE(handed.size(), 1);
    QVERIFY(QTest::qWaitFor([this] { return fake.calls.size() == 1; }));
}

void TestReminders::showInCalendarOpensTheDay() {
    at(QDateTime(QDate(2026, 12, 24), QTime(1, 27), services->zone));
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 60;
    QVERIFY(storeReminderChoice(*services, choice));
    session->launcher->reminders().restart();
    everyMinute(services->clock, services->clock.addSecs(120));
    QCOMPARE(fake.calls.size(), 1);
    // The user chooses "Show in calendar" on it.
    QDBusMessage signal = QDBusMessage::createSignal(kPath, kService, QStringLiteral("ActionInvoked"));
    signal << uint(1) << QStringLiteral("calendar");
    QVERIFY(QDBusConnection(QStringLiteral("notification-server")).send(signal));
    QVERIFY(QTest::qWaitFor([this] { return session->launcher->moonCalendar() != nullptr; }));
    QCOMPARE(session->launcher->moonCalendar()->selectedDate(), QDate(2026, 12, 24));
}

void TestReminders::withoutAServiceLunarasOwnWindowShowsIt() {
    QDBusConnection server(QStringLiteral("notification-server"));
    QVERIFY(server.unregisterService(kService));
    at(QDateTime(QDate(2026, 12, 24), QTime(1, 27), services->zone));
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 60;
    QVERIFY(storeReminderChoice(*services, choice));
    session->launcher->reminders().restart();
    at(services->clock.addSecs(60));
    session->launcher->reminders().check();
    Notifier& notifier = session->launcher->notifier();
    const bool shown = QTest::qWaitFor([&notifier] { return notifier.window() && notifier.window()->isVisible(); });
    QVERIFY(server.registerService(kService));
    QVERIFY(shown);
    QCOMPARE(notifier.window()->lstReminders->item(0)->text(),
             QStringLiteral("Full moon in Cancer\nIn 1 hour: today at 02:28 (Berlin)"));
    QVERIFY(fake.calls.isEmpty());
}

void TestReminders::aDamagedChoiceIsOff_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("lead"); // -1: off
    QTest::newRow("a lead offered") << QVariant(QStringLiteral("1440")) << 1440;
    QTest::newRow("a lead not offered") << QVariant(QStringLiteral("7")) << -1;
    QTest::newRow("words") << QVariant(QStringLiteral("soon")) << -1;
    QTest::newRow("off") << QVariant(QStringLiteral("off")) << -1;
    QTest::newRow("a list") << QVariant(QStringList{"60", "15"}) << -1;
}

void TestReminders::aDamagedChoiceIsOff() {
    QFETCH(QVariant, stored);
    QFETCH(int, lead);
    services->settings().setValue(reminderKey(Topic::Sabbat), stored);
    const reminders::Choice choice = storedReminderChoice(*services);
    QCOMPARE(choice.of(Topic::Sabbat).value_or(-1), lead);
    QCOMPARE(choice.any(), lead >= 0);
}

void TestReminders::theAutostartEntry() {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString path = autostartPath();
    QCOMPARE(path, config.filePath(QStringLiteral("autostart/example.lunara.Lunara.desktop")));
    // A path with a space and a dollar: quoted and escaped as the entry's rules ask.
    QString error;
    QVERIFY2(setStartWithSession(true, QStringLiteral("/opt/Moon $Apps/lunara"), &error), qPrintable(error));
    QVERIFY(startsWithSession());
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    QVERIFY(validate.waitForFinished());
    QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
    QVERIFY(autostartEntry(QStringLiteral("/opt/Moon $Apps/lunara"))
                .contains("Exec=\"/opt/Moon \\\\$Apps/lunara\" --background\n"));
    QVERIFY(setStartWithSession(false, {}, &error));
    QVERIFY(!QFileInfo::exists(path));
    // A link in its place is not ours: neither followed nor replaced.
    QVERIFY(QFile::link(config.filePath(QStringLiteral("elsewhere")), path));
    QVERIFY(!setStartWithSession(true, QStringLiteral("/usr/bin/lunara"), &error));
    QVERIFY(error.contains(QLatin1String("is a link")));
    QVERIFY(QFileInfo(path).isSymLink());
    QVERIFY(!QFileInfo::exists(config.filePath(QStringLiteral("elsewhere"))));
    qunsetenv("XDG_CONFIG_HOME");
}

void TestReminders::theDialogKeepsWhatTheUserChose() {
    at(QDateTime(QDate(2026, 12, 24), QTime(9, 0), services->zone));
    {
        frmReminders dialog(*services, false);
        // Off at first, each lead waiting at an hour.
        QCOMPARE(dialog.choice(), reminders::Choice{});
        const auto sabbats = std::size_t(Topic::Sabbat);
        QVERIFY(!dialog.cboLead[sabbats]->isEnabled());
        dialog.chkTopic[sabbats]->setFocus();
        QTest::keyClick(dialog.chkTopic[sabbats], Qt::Key_Space);
        QVERIFY(dialog.cboLead[sabbats]->isEnabled());
        QTest::keyClick(dialog.cboLead[sabbats], Qt::Key_End); // 3 days before
        const auto hours = std::size_t(Topic::PlanetaryHour);
        QTest::keyClick(dialog.chkTopic[hours], Qt::Key_Space);
        dialog.cboHourPlanet->setCurrentIndex(dialog.cboHourPlanet->findText(QStringLiteral("Venus")));
        QVERIFY(dialog.lblTrayNote->text().contains(QLatin1String("Stop Reminders and Quit")));
        dialog.accept();
    }
    const reminders::Choice kept = storedReminderChoice(*services);
    QCOMPARE(kept.of(Topic::Sabbat).value_or(-1), 4320);
    QCOMPARE(kept.of(Topic::PlanetaryHour).value_or(-1), 60);
    QCOMPARE(kept.hourPlanet, sky::Planet::Venus);
    QCOMPARE(services->settings().value(QString::fromLatin1(kShownUntilKey)).toLongLong(),
             services->clock.toSecsSinceEpoch());
    // Opened again, it shows what was kept.
    const frmReminders again(*services, true);
    QCOMPARE(again.choice(), kept);
    QVERIFY(again.lblTrayNote->text().contains(QLatin1String("tray")));
}

QTEST_MAIN(TestReminders)
#include "tst_reminders.moc"
