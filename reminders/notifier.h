#pragma once

// Shows reminders the desktop's own way: on Linux through the desktop's notification service on
// the session bus, elsewhere as the tray icon's message. When the desktop cannot take one (no
// service answers, no tray), it shows in Lunara's own small window instead of being lost.

#include "reminders/reminder_window.h"
#include "reminders/reminders.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QSystemTrayIcon;

namespace lunara {

class Notifier : public QObject {
    Q_OBJECT
public:
    // The tray icon may be null (a desktop without a tray).
    explicit Notifier(QSystemTrayIcon* tray = nullptr, QObject* parent = nullptr);
    ~Notifier() override;
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

    void notify(const Reminder& reminder);
    // Something the user must know about the reminders themselves: always in Lunara's own window,
    // which stays until closed (a notification may vanish unread).
    void tell(const QString& summary, const QString& body);
    void setTray(QSystemTrayIcon* tray) { tray_ = tray; }
    // Lunara's own window of reminders; null until a reminder needed it.
    frmReminder* window() const { return window_; }

signals:
    // "Show in calendar" was chosen for a reminder of this day.
    void dayRequested(const QDate& day);

private slots:
    // The notification service's answer to an action on one of its notifications.
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    // The platform's part: hands the reminder to the desktop, or to showInWindow when it cannot.
    void sendToDesktop(const Reminder& reminder);
    void showInWindow(const Reminder& reminder);

    QSystemTrayIcon* tray_;
    QPointer<frmReminder> window_;
    QHash<uint, QDate> shown_; // the day of each notification the service still shows
    bool listening_ = false;
    QDate trayDay_; // the day of the tray's last message
};

} // namespace lunara
