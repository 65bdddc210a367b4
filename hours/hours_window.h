#pragma once

#include "almanac/almanac.h"
#include "hours/planetary_day.h"
#include "kit/feature_window.h"
#include "place/location.h"
#include "sky/planets.h"

#include <QDate>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QTreeWidget;

namespace lunara {

class Form;
class frmLocation;

// Magick Hours: the planetary day and its 24 hours at the user's place, each with its planet and
// that planet's candle, the current hour marked, and the moon's phase, sign and void-of-course
// periods. Choosing an hour asks for the planet's candle in Candle Magick.
class frmMagickHours : public FeatureWindow {
    Q_OBJECT
public:
    explicit frmMagickHours(FeatureHost& host);

    QDate shownDate() const { return date_; }
    void showDate(const QDate& date);
    void moveDays(int days);
    void goToToday();
    // The clock: the current hour's mark follows it, and a window showing the current planetary
    // day moves on to the next at sunrise.
    void tick();
    // The row of the hour the clock is in, or -1 when it is not on the day shown.
    int currentHour() const { return current_; }
    const std::vector<sky::PlanetaryHour>& hours() const { return day_.hours; }
    // Whether the moon line describes the current instant (else the noon of the date shown).
    std::int64_t moonDescribes() const { return moonAt_; }
    frmLocation* chooseLocation();
    void focusFirstControl() override;

    QLabel* Label61;
    QPushButton* cmdPrevDay;
    QLabel* lblHoursDate;
    QPushButton* cmdNextDay;
    QPushButton* cmdToday;
    QPushButton* cmdLocation;
    QLabel* lblHoursPlace;
    QLabel* lblPlanetaryDay;
    QTreeWidget* grdHours;
    QLabel* lblNoHours;
    QLabel* lblMoonHeading;
    QLabel* lblMoonNow;
    QLabel* lblVoidHeading;
    QLabel* lblVoid;
    QLabel* lblPlanetsHeading;
    QRadioButton* optClassic;
    QRadioButton* optModern;
    QLabel* lblHoursHint;
    QLabel* lblHoursYear; // the day's sabbat, eclipse, stations, named moon, a retrograde Mercury
    QLabel* lblFullBrand;
    QLabel* lblCobrand;
    QPushButton* cmdExit;
    QTimer* clock;

signals:
    // The user chose an hour: show this planet's candle (Candle Magick's word for it).
    void candleRequested(const QString& planetOption);

private:
    void bindControls(const Form& form);
    void buildMenus();
    void connectControls();
    void Form_Load();
    void showHours();
    void showDay(PlanetaryDay day);
    void showMoon();
    void showYearToday(const QTimeZone& zone);
    void showMoonNow();
    void markCurrentHour();
    QString timeText(std::int64_t unixSeconds) const;

    Location location_;
    QDate date_;
    bool followsNow_ = true;
    PlanetaryDay day_;
    almanac::Almanac almanac_; // the moon's events around the day shown
    int current_ = -1;
    std::int64_t moonAt_ = 0;      // the instant the moon line describes
    std::int64_t moonMinute_ = -1; // the clock's minute when it was last written
};

} // namespace lunara
