#pragma once

// Reminders...: which events to be reminded of and how long before, and whether Lunara starts
// with the session to remind in the background.

#include "reminders/reminder_rules.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace lunara {

class Services;

class frmReminders : public QDialog {
    Q_OBJECT
public:
    // `tray`: whether closing the launcher can leave Lunara in a tray (said once, here).
    frmReminders(Services& services, bool tray, QWidget* parent = nullptr);

    // The choice the controls show.
    reminders::Choice choice() const;
    // Keeps the choice and the session start; says so when the latter cannot be changed.
    void accept() override;

    std::array<QCheckBox*, reminders::kTopicCount> chkTopic{};
    std::array<QComboBox*, reminders::kTopicCount> cboLead{};
    QComboBox* cboHourPlanet;
    QCheckBox* chkStartWithSession;
    QLabel* lblTrayNote;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void showChoice(const reminders::Choice& choice);

    Services& services_;
};

} // namespace lunara
