// Windows and macOS: the tray icon's message (their desktops have no session bus).
#include "reminders/notifier.h"

#include <QSystemTrayIcon>

namespace lunara {

void Notifier::sendToDesktop(const Reminder& reminder) {
    if (!tray_ || !tray_->isVisible() || !QSystemTrayIcon::supportsMessages()) {
        showInWindow(reminder);
        return;
    }
    if (!listening_) {
        listening_ = true;
        connect(tray_, &QSystemTrayIcon::messageClicked, this, [this] {
            if (trayDay_.isValid()) {
                emit dayRequested(trayDay_);
            }
        });
    }
    trayDay_ = reminder.day;
    tray_->showMessage(reminder.summary, reminder.body, QSystemTrayIcon::Information);
}

} // namespace lunara
