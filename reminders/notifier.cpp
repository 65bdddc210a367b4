#include "reminders/notifier.h"

namespace lunara {

Notifier::Notifier(QSystemTrayIcon* tray, QObject* parent) : QObject(parent), tray_(tray) {}

Notifier::~Notifier() { delete window_; }

void Notifier::notify(const Reminder& reminder) { sendToDesktop(reminder); }

void Notifier::tell(const QString& summary, const QString& body) {
    Reminder notice;
    notice.summary = summary;
    notice.body = body;
    showInWindow(notice);
}

void Notifier::showInWindow(const Reminder& reminder) {
    if (!window_) {
        window_ = new frmReminder;
        connect(window_, &frmReminder::dayRequested, this, &Notifier::dayRequested);
    }
    window_->add(reminder);
}

void Notifier::actionInvoked(uint id, const QString& action) {
    if (action == QLatin1String("calendar") && shown_.contains(id)) {
        emit dayRequested(shown_.value(id));
    }
}

void Notifier::notificationClosed(uint id, uint reason) {
    Q_UNUSED(reason);
    shown_.remove(id);
}

} // namespace lunara
