#pragma once

// A month of the real sky as a table of six weeks by seven days, in the local days of a time zone.
// The window's view, its delegate and its details panel all read the same days from here.

#include "almanac/almanac.h"
#include "kit/event_words.h"
#include "sky/horizon.h"
#include "sky/sky.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QLocale>
#include <QPixmap>
#include <QTimeZone>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace lunara {

// One local day: where it starts and ends, the instant it is seen at, and its sky.
struct CalendarDay {
    QDate date;
    bool exists = false;    // false: the zone's clocks skipped this date; it has no sky
    std::int64_t start = 0; // first instant of the date
    std::int64_t end = 0;   // first instant of the next date
    std::int64_t noon = 0;  // local noon, or the middle of a day that has none
    almanac::DaySky sky;
    // Risings and settings at the place within the day, and for a day without any, whether the
    // body stays up.
    struct Horizon {
        std::vector<sky::HorizonCrossing> crossings;
        bool upAtStart = false;
    };
    Horizon sun;
    Horizon moon;
    // The year's events the day shows, in words, and what its cell marks.
    DayEvents year;
};

class MoonMonthModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        DateRole = Qt::UserRole + 1, // QDate; invalid for a cell outside the month
        PictureRole,                 // QPixmap: the moon at noon, mirrored for the south
        SignRole,                    // QString: the sign the moon stands in at noon
        QuarterMarkRole,             // QString: the quarter's symbol, a space and its local time
        TodayRole,                   // bool
        SelectedRole,                // bool
        QuarterRole,                 // bool: a quarter falls on the day
        MarksRole,                   // QString: a symbol for each of the day's sabbat, eclipse, station, supermoon
        MercuryRetrogradeRole,       // bool: Mercury is retrograde during the day
    };
    // The symbols of MarksRole, in its order.
    static constexpr char16_t kSabbatMark = u'\u2736';    // six-pointed star
    static constexpr char16_t kEclipseMark = u'\u25C9';   // fisheye
    static constexpr char16_t kStationMark = u'\u211E';   // prescription take: the retrograde sign
    static constexpr char16_t kSupermoonMark = u'\u25CE'; // bullseye
    static constexpr int kWeeks = 6;
    static constexpr int kDays = 7;

    explicit MoonMonthModel(QObject* parent = nullptr);

    void setTimeZone(const QTimeZone& zone);
    void setFirstDayOfWeek(Qt::DayOfWeek day);
    void setSouthern(bool southern);
    void setToday(const QDate& today);
    // Where the risings and settings are seen from (degrees, north and east positive); without a
    // place the days have none.
    // Eclipses say whether they are seen from the place, by its name.
    void setPlace(double latitude, double longitude, const QString& name = {});
    // Shows the month of `date` (its sky is computed once per month shown) and marks `date`.
    void setSelectedDate(const QDate& date);

    QDate selectedDate() const { return selected_; }
    QDate today() const { return today_; }
    QDate month() const { return month_; }
    QTimeZone timeZone() const { return zone_; }
    bool southern() const { return southern_; }
    QModelIndex indexOf(const QDate& date) const;
    // The day of the month shown with this date, or null.
    const CalendarDay* day(const QDate& date) const;
    const CalendarDay* selectedDay() const { return day(selected_); }
    // The picture for a moon of this age, mirrored once per hemisphere and kept.
    QPixmap picture(double age) const;
    // How often a month's sky has been computed (for the checks of the cache).
    int skyComputations() const { return computations_; }
    // What a screen reader says for the day.
    QString spokenName(const CalendarDay& day) const;
    // The events of the month and around it, kept: the details, the print and the file read here.
    const almanac::Almanac& almanac() const { return almanac_; }
    almanac::Almanac& almanac() { return almanac_; }
    // Days hand the almanac their start this early, so an event lies on the day its rounded time is shown on.
    static constexpr std::int64_t kRounding = 30;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void computeMonth();
    void computeHorizon();
    void computeYearEvents();
    int firstCell() const;
    const CalendarDay* dayAt(const QModelIndex& index) const;
    void markChanged(const QDate& date);

    QTimeZone zone_{QTimeZone::utc()};
    Qt::DayOfWeek firstDay_ = Qt::Monday;
    bool southern_ = false;
    QString placeName_;
    almanac::Almanac almanac_;
    QDate today_;
    QDate selected_;
    QDate month_;
    std::vector<CalendarDay> days_;
    int computations_ = 0;
    mutable std::array<std::array<QPixmap, 30>, 2> pictures_;
};

} // namespace lunara
