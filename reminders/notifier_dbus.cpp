// Linux: the desktop's notification service on the session bus.
#include "reminders/notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace lunara {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A service that has not answered by then is taken for absent.
constexpr int kAnswerMs = 5000;

} // namespace

void Notifier::sendToDesktop(const Reminder& reminder) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        showInWindow(reminder);
        return;
    }
    if (!listening_) {
        listening_ = bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                                 SLOT(actionInvoked(uint, QString))) &&
                     bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                                 SLOT(notificationClosed(uint, uint)));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("example.lunara.Lunara")},
                            {QStringLiteral("category"), QStringLiteral("x-lunara.reminder")}};
    call << QStringLiteral("Lunara") << uint{0} << QStringLiteral("example.lunara.Lunara") << reminder.summary
         << reminder.body << QStringList{QStringLiteral("calendar"), tr("Show in calendar")} << hints << int{-1};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, reminder](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> reply = *w;
        w->deleteLater();
        if (reply.isError()) {
            showInWindow(reminder);
        } else {
            shown_.insert(reply.value(), reminder.day);
        }
    });
}

} // namespace lunara
