// Reminders through a real session bus: the test starts a private dbus-daemon and, on its own
// connection, a notification service that records each Notify and can send ActionInvoked.
#include "kit/sky_words.h"
#include "place/location_dialog.h"
#include "reminders/autostart.h"
#include "reminders/reminders.h"
#include "reminders/reminders_dialog.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

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
    void nothingTwiceWhenTwoFellDueInOneCheck();
    void aClockSetBackFindsItsDaysAgain();
    void aStoreThatCannotBeWrittenShowsEachOnce();
    void aMarkAheadOfTheClockIsTakenAsNow();
    void aSabbatOnItsDay();
    void anEclipseWhereTheUserIs();
    void theReminderFollowsAChangeOfPlace();
    void theSabbatFollowsAChangeOfHemisphere();
    void theTrayTextFollowsTheMoonWithEveryReminderOff();
    void theTrayTextFollowsAChangeOfPlanets();
    void aHiddenLauncherComesBackWhenItsLastReasonGoes();
    void aBackgroundCopyWithoutRemindersEnds();
    void storedChoicesAreReadUnderTheirKeys();
    void theAutostartEntry_data();
    void theAutostartEntry();
    void anAutostartLinkIsNotLunaras();
    void theDialogKeepsWhatTheUserChose();

private:
    void at(const QDateTime& berlin) { services->clock = berlin; }
    // Runs the minute's check at each minute of [from, to) and waits for the bus to deliver.
    void everyMinute(const QDateTime& from, const QDateTime& to);
    QStringList summaries() const;
    void choose(const reminders::Choice& choice) {
        QVERIFY(storeReminderChoice(*services, choice));
        session->launcher->reminders().restart();
    }
    // Opens Reminders... as the menus do and answers it as the user would: `answer`, then OK.
    void answerReminders(const std::function<void(frmReminders&)>& answer) {
        bool answered = false;
        QTimer::singleShot(0, this, [&answer, &answered] {
            auto* dialog = qobject_cast<frmReminders*>(QApplication::activeModalWidget());
            if (dialog) {
                answer(*dialog);
                answered = true;
                QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
            }
        });
        session->launcher->showReminders();
        QVERIFY(answered);
    }
    QDateTime berlin(int y, int m, int d, int h, int min) const {
        return {QDate(y, m, d), QTime(h, min), services->zone};
    }

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
    QVERIFY(QTest::qWaitFor([this] { return daemon.canReadLine(); }, kPatienceMs));
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

void TestReminders::cleanup() {
    session.reset();
    // What this test's notifier sent reaches the fake service before a call made after it is
    // answered (one sender, one receiver: in order), so none of it arrives during the next test.
    const QDBusMessage after =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("GetCapabilities"));
    QVERIFY(QDBusConnection::sessionBus().call(after, QDBus::BlockWithGui, kPatienceMs).type() ==
            QDBusMessage::ReplyMessage);
}

void TestReminders::everyMinute(const QDateTime& from, const QDateTime& to) {
    for (QDateTime t = from; t < to; t = t.addSecs(60)) {
        at(t);
        session->launcher->reminders().check();
    }
    QVERIFY(QTest::qWaitFor([this] { return fake.calls.size() >= handed.size(); }, kPatienceMs));
    QCOMPARE(fake.calls.size(), handed.size());
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
    QVERIFY(QTest::qWaitFor([this] { return fake.calls.size() == 1; }, kPatienceMs));
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
    QVERIFY(QTest::qWaitFor([this] { return session->launcher->moonCalendar() != nullptr; }, kPatienceMs));
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
    const bool shown =
        QTest::qWaitFor([&notifier] { return notifier.window() && notifier.window()->isVisible(); }, kPatienceMs);
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

void TestReminders::nothingTwiceWhenTwoFellDueInOneCheck() {
    // Asleep all Monday 21 December 2026: the full moon three days ahead fell due at 02:28 and
    // Yule (21:50) an hour before, at 20:50. Waking at 21:00 shows both; a restart that minute
    // shows neither again, whichever the mark kept.
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 4320;
    choice.of(Topic::Sabbat) = 60;
    at(berlin(2026, 12, 21, 0, 0));
    choose(choice);
    at(berlin(2026, 12, 21, 21, 0));
    session->launcher->reminders().check();
    QCOMPARE(summaries(), (QStringList{"Mon 21:00 Full moon in Cancer", "Mon 21:00 Yule, the winter solstice"}));
    Reminders again(*services);
    connect(&again, &Reminders::remind, this, [this](const Reminder& r) { handed.append({services->clock, r}); });
    again.restart();
    at(berlin(2026, 12, 21, 21, 1));
    again.check();
    QCOMPARE(handed.size(), 2);
}

void TestReminders::aClockSetBackFindsItsDaysAgain() {
    // Started with a clock a month ahead (24 December), then put right (24 November): the moon's
    // ingresses of the next three days are still found and each comes at its minute.
    reminders::Choice choice;
    choice.of(Topic::Ingress) = 0;
    at(berlin(2026, 12, 24, 0, 0));
    choose(choice);
    everyMinute(berlin(2026, 11, 24, 0, 0), berlin(2026, 11, 27, 0, 0));
    QVERIFY2(handed.size() >= 1, qPrintable(summaries().join(u'\n')));
    for (const auto& [when, r] : handed) {
        QVERIFY2(r.summary.startsWith(QLatin1String("Moon enters ")), qPrintable(r.summary));
        QVERIFY2(r.body.startsWith(QLatin1String("Now: today at ") + when.toString(QStringLiteral("HH:mm"))),
                 qPrintable(r.body));
    }
}

void TestReminders::aStoreThatCannotBeWrittenShowsEachOnce() {
    // The full moon of 24 December 2026 at 02:28, "3 hours before" (23:28), over the hour from
    // 23:00, with a store that takes no more bytes: every write fails as a full disk's would.
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 180;
    at(berlin(2026, 12, 23, 23, 0));
    choose(choice);
    QVERIFY(services->storeSetting(QStringLiteral("Padding"), QString(2000, u'x')));
    const QFileInfo store(session->fixture.settingsFile);
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(store.size() - 100);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    everyMinute(berlin(2026, 12, 23, 23, 0), berlin(2026, 12, 24, 0, 0));
    QVERIFY(!services->storeSetting(QStringLiteral("Probe"), 1));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(summaries(), QStringList{"Wed 23:28 Full moon in Cancer"});
    // Said once, in Lunara's own window, with the system's words for the cause.
    frmReminder* window = session->launcher->notifier().window();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->lstReminders->count(), 1);
    const QString notice = window->lstReminders->item(0)->text();
    QVERIFY2(notice.startsWith(QLatin1String("Reminders cannot be remembered\n")), qPrintable(notice));
    QVERIFY2(notice.contains(session->fixture.settingsFile + QStringLiteral(": File too large")), qPrintable(notice));
    QVERIFY(!window->cmdShowInCalendar->isEnabled());
    // What the store held is all still there.
    QFile file(session->fixture.settingsFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("Padding=" + QByteArray(2000, 'x') + '\n'));
}

void TestReminders::aMarkAheadOfTheClockIsTakenAsNow() {
    // A clock that ran a month ahead once left its mark; the full moon an hour before still comes.
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 60;
    at(berlin(2026, 12, 23, 23, 0));
    QVERIFY(storeReminderChoice(*services, choice));
    QVERIFY(services->storeSetting(QString::fromLatin1(kShownUntilKey), berlin(2027, 1, 22, 0, 0).toSecsSinceEpoch()));
    session->launcher->reminders().restart();
    everyMinute(berlin(2026, 12, 23, 23, 0), berlin(2026, 12, 24, 2, 0));
    QCOMPARE(summaries(), QStringList{"Thu 01:28 Full moon in Cancer"});
}

void TestReminders::aSabbatOnItsDay() {
    // Beltane is the whole of 1 May 2026. The computer started at 08:00 that day still says so,
    // and a day's lead comes the day before it starts.
    reminders::Choice choice;
    choice.of(Topic::Sabbat) = 0;
    at(berlin(2026, 4, 30, 20, 0));
    QVERIFY(storeReminderChoice(*services, choice));
    at(berlin(2026, 5, 1, 8, 0));
    session->launcher->reminders().restart();
    QCOMPARE(summaries(), QStringList{"Fri 08:00 Beltane"});
    QCOMPARE(handed.front().second.body, QStringLiteral("Late reminder: today, all day (Berlin)"));
    QCOMPARE(handed.front().second.day, QDate(2026, 5, 1));
    QVERIFY(QTest::qWaitFor([this] { return fake.calls.size() == 1; }, kPatienceMs));
    handed.clear();
    fake.calls.clear();
    choice.of(Topic::Sabbat) = 1440;
    at(berlin(2026, 4, 29, 23, 0));
    choose(choice);
    everyMinute(berlin(2026, 4, 29, 23, 0), berlin(2026, 4, 30, 1, 0));
    QCOMPARE(summaries(), QStringList{"Thu 00:00 Beltane"});
    QCOMPARE(handed.front().second.body, QStringLiteral("Tomorrow: Friday 1 May, all day (Berlin)"));
}

void TestReminders::anEclipseWhereTheUserIs() {
    // Madrid, 2 August 2027: seen from 09:45 to 12:03, while the greatest eclipse (elsewhere) is at
    // 12:06. An hour's lead comes at 08:45, and the reminder gives the moments there.
    services->zone = QTimeZone("Europe/Madrid");
    QVERIFY(storeLocation(*services, *zoneCity(QStringLiteral("Europe/Madrid"))));
    reminders::Choice choice;
    choice.of(Topic::Eclipse) = 60;
    const auto madrid = [this](int h, int m) { return QDateTime(QDate(2027, 8, 2), QTime(h, m), services->zone); };
    at(madrid(8, 30));
    choose(choice);
    everyMinute(madrid(8, 30), madrid(12, 30));
    QCOMPARE(summaries(), QStringList{"Mon 08:45 Total solar eclipse"});
    const QStringList body = handed.front().second.body.split(u'\n');
    QCOMPARE(body.first(), QStringLiteral("In 1 hour: today at 09:45 (Madrid)"));
    QVERIFY2(body.size() >= 3 && body[1].startsWith(QLatin1String("Eclipse begins Monday 2 August at 09:45, the sun ")),
             qPrintable(body.join(u'|')));
    QVERIFY2(body.last().startsWith(QLatin1String("Eclipse ends Monday 2 August at 12:03")), qPrintable(body.last()));
}

void TestReminders::theReminderFollowsAChangeOfPlace() {
    // The place chosen in the Location dialog, while the reminders run: the next reminder names it.
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 60;
    at(berlin(2026, 12, 24, 0, 0));
    choose(choice);
    everyMinute(berlin(2026, 12, 24, 0, 0), berlin(2026, 12, 24, 0, 10));
    QVERIFY(storeLocation(*services, *zoneCity(QStringLiteral("Asia/Tokyo"))));
    everyMinute(berlin(2026, 12, 24, 0, 10), berlin(2026, 12, 24, 1, 30));
    QCOMPARE(handed.size(), 1);
    QCOMPARE(handed.front().second.body, QStringLiteral("In 1 hour: today at 02:28 (Tokyo)"));
}

void TestReminders::theSabbatFollowsAChangeOfHemisphere() {
    // The calendar turned to the southern hemisphere at 23:30: 31 October is Beltane there.
    reminders::Choice choice;
    choice.of(Topic::Sabbat) = 0;
    at(berlin(2026, 10, 30, 23, 0));
    choose(choice);
    everyMinute(berlin(2026, 10, 30, 23, 0), berlin(2026, 10, 30, 23, 30));
    QVERIFY(services->storeSetting(QString::fromLatin1(kHemisphereKey), QStringLiteral("Southern")));
    everyMinute(berlin(2026, 10, 30, 23, 30), berlin(2026, 10, 31, 0, 5));
    QCOMPARE(summaries(), QStringList{"Sat 00:00 Beltane"});
}

void TestReminders::theTrayTextFollowsTheMoonWithEveryReminderOff() {
    // 7 December 2026 at Berlin: void of course until the moon enters Sagittarius at 16:07. No
    // reminder is on; the words still change at 16:07, with one wake-up for it.
    Reminders& reminders = session->launcher->reminders();
    QVERIFY(!reminders.active());
    QStringList said;
    connect(&reminders, &Reminders::moonChanged, this, [&said](const QString& text) { said << text; });
    at(berlin(2026, 12, 7, 16, 0));
    reminders.watchMoon(true);
    QCOMPARE(said, QStringList{"Waning Crescent in Scorpio, void of course until 16:07"});
    const int wait = reminders.msToMoonTick();
    // The ingress shown at 16:07 falls in [16:06:30, 16:07:30).
    QVERIFY2(wait > 6 * 60 * 1000 && wait <= 7 * 60 * 1000 + 31000, qPrintable(QString::number(wait)));
    at(berlin(2026, 12, 7, 16, 8));
    reminders.moonTick();
    QCOMPARE(said.last(), QStringLiteral("Waning Crescent in Sagittarius"));
    QVERIFY(reminders.msToMoonTick() > 60 * 1000);
    reminders.watchMoon(false);
    QCOMPARE(reminders.msToMoonTick(), -1);
}

void TestReminders::theTrayTextFollowsAChangeOfPlanets() {
    // 11 January 2025 at 10:00: void of course with the classic planets; with the modern ones an
    // aspect to Uranus, Neptune or Pluto follows, and the moon is not void.
    Reminders& reminders = session->launcher->reminders();
    QStringList said;
    connect(&reminders, &Reminders::moonChanged, this, [&said](const QString& text) { said << text; });
    at(berlin(2025, 1, 11, 10, 0));
    reminders.watchMoon(true);
    QVERIFY2(said.last().contains(QLatin1String("void of course")), qPrintable(said.last()));
    QVERIFY(services->storeSetting(QString::fromLatin1(kVoidPlanetsKey), QStringLiteral("Modern")));
    QVERIFY2(!said.last().contains(QLatin1String("void of course")), qPrintable(said.last()));
}

void TestReminders::aHiddenLauncherComesBackWhenItsLastReasonGoes() {
    // Reminders on and a tray: closing hides the launcher. Every reminder turned off through the
    // tray's Reminders...: the icon goes, so the launcher comes back rather than run unseen.
    services->tray = true;
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 60;
    frmMDI& launcher = *session->launcher;
    answerReminders([](frmReminders& dialog) { dialog.chkTopic[std::size_t(Topic::FullMoon)]->setChecked(true); });
    QVERIFY(launcher.reminders().active());
    QVERIFY(launcher.trayIcon() != nullptr);
    QSignalSpy closed(&launcher, &frmMDI::closed);
    launcher.close();
    QVERIFY(!launcher.isVisible());
    QCOMPARE(closed.size(), 0);
    answerReminders([](frmReminders& dialog) { dialog.chkTopic[std::size_t(Topic::FullMoon)]->setChecked(false); });
    QVERIFY(!launcher.reminders().active());
    QVERIFY(launcher.trayIcon() == nullptr);
    QVERIFY(launcher.isVisible());
    QCOMPARE(closed.size(), 0);
}

void TestReminders::aBackgroundCopyWithoutRemindersEnds() {
    // Started with the session and hidden; its reminders all turned off: the copy ends.
    services->tray = true;
    reminders::Choice choice;
    choice.of(Topic::FullMoon) = 60;
    QVERIFY(storeReminderChoice(*services, choice));
    frmMDI& launcher = *session->launcher;
    launcher.hide();
    launcher.setBackground(true);
    launcher.reminders().restart();
    QSignalSpy closed(&launcher, &frmMDI::closed);
    answerReminders([](frmReminders& dialog) { dialog.chkTopic[std::size_t(Topic::FullMoon)]->setChecked(false); });
    QCOMPARE(closed.size(), 1);
    QVERIFY(!launcher.isVisible());
}

void TestReminders::storedChoicesAreReadUnderTheirKeys() {
    // A store written by an earlier Lunara, key by key as it stands in the file: nothing a user
    // chose may be lost to a renamed key.
    const auto storeHolds = [this](const QByteArray& text) {
        QFile file(session->fixture.settingsFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        services->settings().sync();
    };
    storeHolds("Location=\"35.689500;139.691700;Asia/Tokyo\"\n"
               "[MoonCalendar]\nHemisphere=Southern\n[MagickHours]\nPlanets=Modern\n"
               "[Reminders]\nNewMoon=0\nFullMoon=15\nQuarters=60\nIngress=180\nVoidOfCourse=1440\n"
               "Sabbats=4320\nEclipses=60\nStations=1440\nPlanetaryHour=15\nHourPlanet=Venus\n");
    const reminders::Choice choice = storedReminderChoice(*services);
    const QList<QPair<Topic, int>> expected{
        {Topic::NewMoon, 0},   {Topic::FullMoon, 15},       {Topic::Quarter, 60},
        {Topic::Ingress, 180}, {Topic::VoidOfCourse, 1440}, {Topic::Sabbat, 4320},
        {Topic::Eclipse, 60},  {Topic::Station, 1440},      {Topic::PlanetaryHour, 15}};
    for (const auto& [topic, lead] : expected) {
        QCOMPARE(choice.of(topic).value_or(-1), lead);
    }
    QCOMPARE(choice.hourPlanet, sky::Planet::Venus);
    const Location location = currentLocation(*services);
    QVERIFY(location.chosen);
    QCOMPARE(location.place.zoneId, QStringLiteral("Asia/Tokyo"));
    QVERIFY(southernChosen(services->settings()));
    QVERIFY(modernPlanetsChosen(services->settings()));
    // The mark (00:28 in Berlin): the full moon's hour before, 01:28, is still to be shown at 01:40.
    storeHolds("[Reminders]\nFullMoon=60\nShownUntil=1798068480\n");
    at(berlin(2026, 12, 24, 1, 40));
    session->launcher->reminders().restart();
    QCOMPARE(summaries(), QStringList{"Thu 01:40 Full moon in Cancer"});
}

void TestReminders::theAutostartEntry_data() {
    QTest::addColumn<QString>("folder"); // where Lunara is installed, inside the test's folder
    QTest::newRow("a space") << QStringLiteral("Moon Apps");
    QTest::newRow("a double quote") << QStringLiteral("say \"moon\"");
    QTest::newRow("a single quote") << QStringLiteral("Ann's");
    QTest::newRow("a backslash") << QStringLiteral("back\\slash");
    QTest::newRow("a dollar") << QStringLiteral("$HOME");
    QTest::newRow("a backtick") << QStringLiteral("`id`");
    QTest::newRow("a percent sign") << QStringLiteral("100%u");
    QTest::newRow("a newline") << QStringLiteral("two\nlines");
    QTest::newRow("a tab and a semicolon") << QStringLiteral("a\tb;c");
    QTest::newRow("letters beyond ASCII") << QStringLiteral("Mondphasen für Zürich");
}

void TestReminders::theAutostartEntry() {
    // The entry is read back by the desktop's own tools: validated, and launched by GLib's parser,
    // which must start exactly the program at that path with --background.
    QFETCH(QString, folder);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString path = autostartPath();
    QCOMPARE(path, config.filePath(QStringLiteral("autostart/example.lunara.Lunara.desktop")));
    QVERIFY(QDir(config.path()).mkpath(folder));
    const QString program = config.filePath(folder + QStringLiteral("/lunara"));
    QString error;
    QVERIFY2(setStartWithSession(true, program, &error), qPrintable(error));
    QVERIFY(startsWithSession());
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    QVERIFY(validate.waitForFinished());
    QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
    QProcess launch;
    launch.start(QStringLiteral("/usr/bin/python3"), {QFINDTESTDATA("launch_entry.py"), path, program});
    QVERIFY(launch.waitForFinished(lunara::test::kPatienceMs));
    QVERIFY2(launch.exitCode() == 0, (launch.readAllStandardOutput() + launch.readAllStandardError()).constData());
    QVERIFY(setStartWithSession(false, {}, &error));
    QVERIFY(!QFileInfo::exists(path));
    qunsetenv("XDG_CONFIG_HOME");
}

void TestReminders::anAutostartLinkIsNotLunaras() {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString path = autostartPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    // A link in its place is not ours, even to an entry: not counted, followed nor replaced.
    QFile target(config.filePath(QStringLiteral("elsewhere.desktop")));
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.write(autostartEntry(QStringLiteral("/usr/bin/lunara")));
    target.close();
    QVERIFY(QFile::link(target.fileName(), path));
    QVERIFY(!startsWithSession());
    QString error;
    QVERIFY(!setStartWithSession(true, QStringLiteral("/usr/bin/lunara"), &error));
    QVERIFY(error.contains(QLatin1String("is a link")));
    QVERIFY(!setStartWithSession(false, {}, &error));
    QVERIFY(QFileInfo(path).isSymLink());
    QVERIFY(QFileInfo::exists(target.fileName()));
    // A path that no entry can name is refused, and nothing is written.
    QVERIFY(QFile::remove(path));
    QVERIFY(!setStartWithSession(true, QStringLiteral("/opt/bell\x07/lunara"), &error));
    QVERIFY(error.contains(QLatin1String("cannot be written")));
    QVERIFY(!QFileInfo::exists(path));
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
