#pragma once

#include "almanac/almanac.h"
#include "moon/moon_host.h"

#include <QDate>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace lunara {

class Form;

// Moon Magick: today's phase, sign and element with a running clock, and date entry for a reading.
class frmMoonMagickMain : public FeatureWindow {
    Q_OBJECT
public:
    explicit frmMoonMagickMain(MoonHost& host);

    void FillTodayPanel();
    // True when the chosen day and month exist; otherwise says so and returns false.
    bool CheckEnteredDate();
    // The reading for the chosen date: fills one frame of the result window and shows it.
    void cmdCalculateMoonPhase_Click();
    void Timer1_Timer();

    QLabel* Label61;
    QLabel* Label2;
    QComboBox* cboDate;
    QComboBox* cboMonth;
    QComboBox* cboYear;
    QRadioButton* optMoonPhase;
    QRadioButton* optZodiacalMoon;
    QRadioButton* optElementalMoon;
    QPushButton* cmdCalculateMoonPhase;
    QLabel* lblCurrentMoonPhaseName;
    QLabel* PicCurrentMoonPhase;
    QLabel* lblCurrentMoonPhaseDesc;
    QLabel* lblTodayYear; // today's sabbat, eclipse, stations and retrograde Mercury
    QLabel* lblCurrentDateTime;
    QLabel* lblCurrentMoonInSunsign;
    QLabel* lblCurrentMoonInSunsignKeywords;
    QLabel* lblCurrentMoonInSunsignDesc;
    QLabel* lblCurrentMoonInElement;
    QLabel* lblCurrentMoonInElementDesc;
    QLabel* lblCobrand;
    QLabel* lblFullBrand;
    QPushButton* cmdExit;
    QTimer* Timer1;

protected:
    // The place or hemisphere may have changed in the calendar while this window was away.
    void showEvent(QShowEvent* event) override;

private:
    void bindControls(const Form& form);
    void buildMenus();
    void connectControls();
    void Form_Load();
    void scheduleYearToday();
    void showYearToday();

    MoonHost& moonHost_;
    QDate todayShown_; // the date the today panel was computed for
    almanac::Almanac almanac_;
    bool yearTodayPending_ = false;
};

} // namespace lunara
