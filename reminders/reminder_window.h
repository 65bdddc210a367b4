#pragma once

// Lunara's own window of reminders, for when the desktop cannot show them: each reminder a line,
// the newest chosen, and "Show in Calendar" for the chosen one's day.

#include "reminders/reminders.h"

#include <QWidget>
#include <vector>

class QListWidget;
class QPushButton;

namespace lunara {

class frmReminder : public QWidget {
    Q_OBJECT
public:
    frmReminder();

    // Adds the reminder at the top, chooses it, and brings the window up.
    void add(const Reminder& reminder);

    QListWidget* lstReminders;
    QPushButton* cmdShowInCalendar;
    QPushButton* cmdClose;

signals:
    void dayRequested(const QDate& day);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showChosenDay();

    std::vector<QDate> days_; // of each line, newest first
};

} // namespace lunara
