#pragma once

#include "kit/feature_window.h"
#include "kit/sky_words.h"
#include "place/location.h"

#include <QDate>
#include <array>
#include <cstdint>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace lunara {

class Form;
class frmExportCalendar;
class frmLocation;
struct CalendarDay;
struct PrintedMonth;
class MoonMonthModel;
class MoonMonthView;

// The Moon Calendar: a month of the real sky in the local time zone, with the correspondences of
// the moon's true sign for the day chosen.
class frmMoonCalendar : public FeatureWindow {
    Q_OBJECT
public:
    explicit frmMoonCalendar(FeatureHost& host);

    QDate selectedDate() const;
    void selectDate(const QDate& date);
    void moveSelection(int days);
    void moveMonths(int months);
    void goToToday();
    bool southern() const;
    // Months move by whole months within 1901-2050; at either end nothing changes.
    // The clock: past midnight today moves on, and so does a selection that was on today.
    void tick();
    // The keyboard starts on the day chosen.
    void focusFirstControl() override;
    // Opens the Location dialog (window-modal); what it chooses is stored and shown at once.
    frmLocation* chooseLocation();
    // File, Export to Calendar: the range and events, then where to save the .ics file.
    frmExportCalendar* exportCalendar();
    // File, Print and Save as PDF: the month shown on one page.
    void printMonth();
    bool saveMonthAsPdf();
    const Location& location() const { return location_; }

signals:
    // File, The Year: the launcher opens it.
    void yearRequested();
    void remindersRequested();

public:
    QLabel* Label61;
    QPushButton* cmdPrevMonth;
    QComboBox* cboCalMonth;
    QComboBox* cboCalYear;
    QPushButton* cmdNextMonth;
    QPushButton* cmdToday;
    QRadioButton* optNorthern;
    QRadioButton* optSouthern;
    std::array<QLabel*, 7> lblWeekday{};
    MoonMonthModel* model;
    MoonMonthView* grdCalendar;
    QLabel* lblCalDate;
    QLabel* PicCalMoon;
    QLabel* lblCalPhase;
    QLabel* lblCalAge;
    QLabel* lblCalLit;
    QLabel* lblCalSign;
    QLabel* lblCalIngress;
    QLabel* lblCalKeyword;
    QLabel* lblCalSignDesc;
    QLabel* lblCalElement;
    QLabel* lblCalElementDesc;
    QLabel* lblCalEvents;
    QLabel* lblCalNextNew;
    QLabel* lblCalNextFull;
    QLabel* lblCalRule;
    QLabel* lblCalPlace;
    QLabel* lblCalSun;
    QLabel* lblCalMoonRise;
    QLabel* lblCalVoid;
    QLabel* lblCalPlaceNote;
    QPushButton* cmdLocation;
    QLabel* lblFullBrand;
    QLabel* lblCobrand;
    QPushButton* cmdExit;
    QTimer* clock;
    QAction* mnuPrevMonth = nullptr;
    QAction* mnuNextMonth = nullptr;
    QAction* mnuToday = nullptr;
    QAction* mnuLocation = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuSavePdf = nullptr;

private:
    void bindControls(const Form& form);
    void buildMenus();
    void connectControls();
    void Form_Load();
    void showMonth();
    void showDetails();
    void showNextQuarters(const CalendarDay& day);
    void showHorizon(const CalendarDay& day);
    void showVoidOfCourse(const CalendarDay& day);
    void usePlace(const Location& location);
    QString localTime(std::int64_t unixSeconds) const;
    // The month to print, its almanac set to the planets chosen for the void of course.
    PrintedMonth printedMonth();

    Location location_;
};

} // namespace lunara
