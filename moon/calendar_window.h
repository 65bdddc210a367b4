#pragma once

#include "moon/moon_host.h"
#include "sky/sky.h"

#include <QAbstractButton>
#include <QDate>
#include <QPixmap>
#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace lunara {

class Form;

// Where the chosen hemisphere is kept in the per-user settings ("Northern" or "Southern").
inline constexpr const char* kHemisphereKey = "MoonCalendar/Hemisphere";

// One day of the month grid: its number, the moon as it looks at local noon, its sign, and the
// local time of a quarter that falls on it. A screen reader reads all of that as its name.
class DayCell : public QAbstractButton {
    Q_OBJECT
public:
    explicit DayCell(QWidget* parent);

    void showDay(const QDate& date, const QPixmap& moon, const QString& sign, const QString& mark,
                 const QString& spoken);
    void clearDay();
    void setMarks(bool today, bool selected);
    QDate date() const { return date_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDate date_;
    QPixmap moon_;
    QString sign_;
    QString mark_;
    bool today_ = false;
    bool selected_ = false;
};

// The Moon Calendar: a month of the real sky in the local time zone, with the correspondences of
// the moon's true sign for the day chosen.
class frmMoonCalendar : public FeatureWindow {
    Q_OBJECT
public:
    explicit frmMoonCalendar(MoonHost& host);

    QDate selectedDate() const { return selected_; }
    void selectDate(const QDate& date);
    void moveSelection(int days);
    void moveMonths(int months);
    void goToToday();
    bool southern() const;
    // The clock: past midnight today moves on, and so does a selection that was on today.
    void tick();
    // The keyboard starts on the day chosen.
    void focusFirstControl() override;

    QLabel* Label61;
    QPushButton* cmdPrevMonth;
    QComboBox* cboCalMonth;
    QComboBox* cboCalYear;
    QPushButton* cmdNextMonth;
    QPushButton* cmdToday;
    QRadioButton* optNorthern;
    QRadioButton* optSouthern;
    std::array<QLabel*, 7> lblWeekday{};
    std::array<DayCell*, 42> day{};
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
    QLabel* lblCalNextNew;
    QLabel* lblCalNextFull;
    QLabel* lblCalRule;
    QLabel* lblFullBrand;
    QLabel* lblCobrand;
    QPushButton* cmdExit;
    QTimer* clock;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void bindControls(const Form& form);
    void buildMenus();
    void connectControls();
    void Form_Load();
    void showMonth();
    void showDetails();
    QPixmap pictureForAge(double age) const;
    QString localTime(std::int64_t unixSeconds) const;
    std::int64_t localUnix(const QDate& date, int hour) const;

    MoonHost& moonHost_;
    QDate today_;
    QDate selected_;
    QDate monthShown_;
    std::vector<sky::DaySky> month_; // the days of monthShown_
    std::array<QPixmap, 30> pictures_;
};

} // namespace lunara
