#pragma once

#include "calendar/calendar_export.h"

#include <QDate>
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lunara {

// What to put in a calendar file: this month, this year or a chosen year, and which events.
class frmExportCalendar : public QDialog {
    Q_OBJECT
public:
    // month: the month the calendar shows; modern: the planets chosen for the void of course.
    frmExportCalendar(const QDate& month, bool modern, QWidget* parent = nullptr);

    ExportChoice choice() const;
    // The first day of the range and the first day after it.
    QDate firstDay() const;
    QDate endDay() const;
    // "moon-december-2026.ics", "moon-2026.ics"
    QString suggestedFileName() const;

    QLabel* lblRange;
    QRadioButton* optThisMonth;
    QRadioButton* optThisYear;
    QRadioButton* optChosenYear;
    QComboBox* cboExportYear;
    QLabel* lblInclude;
    QCheckBox* chkQuarters;
    QCheckBox* chkIngresses;
    QCheckBox* chkVoid;
    QRadioButton* optExportClassic;
    QRadioButton* optExportModern;
    QCheckBox* chkSabbats;
    QCheckBox* chkEclipses;
    QCheckBox* chkRetrogrades;
    QCheckBox* chkMoonNames;
    QCheckBox* chkSupermoons;
    QLabel* lblNothing;
    QPushButton* cmdExport;
    QPushButton* cmdCancel;

private:
    void update();
    std::array<QCheckBox*, 8> kinds() const;
    QDate month_;
};

} // namespace lunara
