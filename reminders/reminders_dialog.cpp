#include "reminders/reminders_dialog.h"

#include "kit/services.h"
#include "kit/text.h"
#include "reminders/autostart.h"
#include "reminders/reminders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lunara {

using reminders::Topic;

namespace {

constexpr int kDefaultLeadIndex = 2; // 1 hour before

} // namespace

frmReminders::frmReminders(Services& services, bool tray, QWidget* parent) : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("frmReminders"));
    setWindowTitle(tr("Reminders"));
    auto* intro = new QLabel(tr("Remind me of:"), this);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Topic topic : reminders::kTopics) {
        const auto i = static_cast<std::size_t>(topic);
        const QString key = qs(reminders::TopicKey(topic));
        QCheckBox*& check = chkTopic[i];
        check = new QCheckBox(translated("Reminders", reminders::TopicName(topic)), this);
        check->setObjectName(QStringLiteral("chk") + key);
        QComboBox*& lead = cboLead[i];
        lead = new QComboBox(this);
        lead->setObjectName(QStringLiteral("cbo") + key + QStringLiteral("Lead"));
        lead->setAccessibleName(tr("When: %1").arg(check->text()));
        for (const int minutes : reminders::kLeadMinutes) {
            lead->addItem(translated("Reminders", reminders::LeadName(minutes)), minutes);
        }
        lead->setCurrentIndex(kDefaultLeadIndex);
        connect(check, &QCheckBox::toggled, lead, &QWidget::setEnabled);
        grid->addWidget(check, row, 0);
        if (topic == Topic::PlanetaryHour) {
            cboHourPlanet = new QComboBox(this);
            cboHourPlanet->setObjectName(QStringLiteral("cboHourPlanet"));
            cboHourPlanet->setAccessibleName(tr("Whose planetary hour"));
            for (const sky::Planet planet : reminders::kHourPlanets) {
                cboHourPlanet->addItem(translated("Planets", sky::PlanetName(planet)), static_cast<int>(planet));
            }
            connect(check, &QCheckBox::toggled, cboHourPlanet, &QWidget::setEnabled);
            auto* pair = new QHBoxLayout;
            pair->addWidget(cboHourPlanet);
            pair->addWidget(lead);
            grid->addLayout(pair, row, 1);
        } else {
            grid->addWidget(lead, row, 1);
        }
        ++row;
    }
    chkStartWithSession = new QCheckBox(tr("&Start with my session (in the background)"), this);
    chkStartWithSession->setObjectName(QStringLiteral("chkStartWithSession"));
    chkStartWithSession->setChecked(startsWithSession());
    lblTrayNote = new QLabel(this);
    lblTrayNote->setObjectName(QStringLiteral("lblTrayNote"));
    lblTrayNote->setWordWrap(true);
    lblTrayNote->setText( // a layout's label: it wraps by itself
        tray
            ? tr("While any reminder is on, closing Lunara keeps it running in the tray to remind you; choose Quit in "
                 "the tray icon's menu to end it.")
            : tr("This desktop has no tray: Lunara reminds you while it runs. Started with your session it runs in the "
                 "background; its File menu then offers \"Stop Reminders and Quit\"."));
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(chkStartWithSession);
    layout->addWidget(lblTrayNote);
    layout->addLayout(buttons);
    showChoice(storedReminderChoice(services));
}

void frmReminders::showChoice(const reminders::Choice& choice) {
    for (const Topic topic : reminders::kTopics) {
        const auto i = static_cast<std::size_t>(topic);
        const std::optional<int>& lead = choice.of(topic);
        chkTopic[i]->setChecked(lead.has_value());
        cboLead[i]->setEnabled(lead.has_value());
        if (lead) {
            cboLead[i]->setCurrentIndex(cboLead[i]->findData(*lead));
        }
    }
    cboHourPlanet->setCurrentIndex(cboHourPlanet->findData(static_cast<int>(choice.hourPlanet)));
    cboHourPlanet->setEnabled(choice.of(Topic::PlanetaryHour).has_value());
}

reminders::Choice frmReminders::choice() const {
    reminders::Choice out;
    for (const Topic topic : reminders::kTopics) {
        const auto i = static_cast<std::size_t>(topic);
        if (chkTopic[i]->isChecked()) {
            out.of(topic) = cboLead[i]->currentData().toInt();
        }
    }
    out.hourPlanet = static_cast<sky::Planet>(cboHourPlanet->currentData().toInt());
    return out;
}

void frmReminders::accept() {
    if (!storeReminderChoice(services_, choice())) {
        services_.information(this, tr("The reminders could not be kept: the settings cannot be written."));
        return;
    }
    if (chkStartWithSession->isChecked() != startsWithSession()) {
        QString error;
        if (!setStartWithSession(chkStartWithSession->isChecked(), QCoreApplication::applicationFilePath(), &error)) {
            services_.information(this, error);
            return;
        }
    }
    QDialog::accept();
}

} // namespace lunara
