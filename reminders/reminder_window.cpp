#include "reminders/reminder_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lunara {

frmReminder::frmReminder() {
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(tr("Lunara Reminders"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* heading = new QLabel(tr("&Reminders:"), this);
    lstReminders = new QListWidget(this);
    lstReminders->setObjectName(QStringLiteral("lstReminders"));
    lstReminders->setAccessibleName(tr("Reminders"));
    lstReminders->setWordWrap(true);
    heading->setBuddy(lstReminders);
    cmdShowInCalendar = new QPushButton(tr("Show in &Calendar"), this);
    cmdShowInCalendar->setObjectName(QStringLiteral("cmdShowInCalendar"));
    cmdShowInCalendar->setDefault(true);
    cmdClose = new QPushButton(tr("C&lose"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdShowInCalendar);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lstReminders);
    layout->addLayout(buttons);
    resize(440, 220);
    connect(cmdShowInCalendar, &QPushButton::clicked, this, &frmReminder::showChosenDay);
    connect(lstReminders, &QListWidget::itemActivated, this, &frmReminder::showChosenDay);
    // A notice about the reminders themselves has no day to show.
    connect(lstReminders, &QListWidget::currentRowChanged, this, [this](int row) {
        cmdShowInCalendar->setEnabled(row >= 0 && row < static_cast<int>(days_.size()) &&
                                      days_[static_cast<std::size_t>(row)].isValid());
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmReminder::add(const Reminder& reminder) {
    days_.insert(days_.begin(), reminder.day);
    lstReminders->insertItem(0, reminder.summary + QStringLiteral("\n") + reminder.body);
    lstReminders->setCurrentRow(0);
    show();
    raise();
    activateWindow();
    lstReminders->setFocus();
}

void frmReminder::showChosenDay() {
    const int row = lstReminders->currentRow();
    if (row >= 0 && row < static_cast<int>(days_.size()) && days_[static_cast<std::size_t>(row)].isValid()) {
        emit dayRequested(days_[static_cast<std::size_t>(row)]);
    }
}

void frmReminder::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace lunara
