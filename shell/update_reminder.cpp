#include "shell/update_reminder.h"

#include "kit/services.h"
#include "kit/web_links.h"

#include <QCoreApplication>
#include <QSettings>

namespace lunara {

namespace {
bool storeNow(Services& services) {
    return services.storeSetting(QString::fromLatin1(kLastReminderKey), services.now().toString(Qt::ISODate));
}
} // namespace

void UpdateReminder(Services& services) {
    const QVariant stored = services.settings().value(QString::fromLatin1(kLastReminderKey));
    const QDateTime last = QDateTime::fromString(stored.toString(), Qt::ISODate);
    // No value, or one that is not a date (damaged by hand or by another program), counts as a
    // first start; otherwise a single bad value would switch the reminder off for good.
    if (!stored.isValid() || !last.isValid()) {
        storeNow(services);
        return;
    }
    const qint64 days = services.now().date().daysTo(last.date());
    if (days >= -14 && days <= 14) {
        return;
    }
    // The answer has to be kept, or the question would come back at every start: where the store
    // cannot be written, do not ask.
    if (!storeNow(services)) {
        return;
    }
    const bool yes = services.question(
        nullptr,
        QCoreApplication::translate(
            "UpdateReminder", "There maybe an update to this software available\rDo you want to check for an update?"));
    storeNow(services);
    if (yes) {
        openPage(services, Page::Update);
    }
}

} // namespace lunara
