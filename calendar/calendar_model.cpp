#include "calendar/calendar_model.h"

#include "assets/assets.h"
#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/text.h"
#include "moon/age.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace lunara {

namespace {

constexpr std::int64_t kDay = 86400;

QString quarterSymbol(sky::Quarter q) {
    constexpr const char16_t* kSymbols[] = {u"\u25CF", u"\u25D0", u"\u25CB", u"\u25D1"};
    return QString::fromUtf16(kSymbols[static_cast<int>(q)]);
}

// An event belongs to the day its shown (rounded) time falls on: the days handed to the sky start
// half a minute early.

} // namespace

namespace {
// "Thursday 24 December 2026, full moon at 01:28": the day's name and its quarter.
QString withQuarter(const QString& day, sky::Quarter q, const QString& time) {
    switch (q) {
    case sky::Quarter::New:
        return MoonMonthModel::tr("%1, new moon at %2").arg(day, time);
    case sky::Quarter::FirstQuarter:
        return MoonMonthModel::tr("%1, first quarter at %2").arg(day, time);
    case sky::Quarter::Full:
        return MoonMonthModel::tr("%1, full moon at %2").arg(day, time);
    case sky::Quarter::LastQuarter:
        return MoonMonthModel::tr("%1, last quarter at %2").arg(day, time);
    }
    return day;
}
} // namespace

MoonMonthModel::MoonMonthModel(QObject* parent) : QAbstractTableModel(parent) {
    // The calendar moves by whole months: a day around the month is all its days' rounding and
    // periods need. Eight days more on both sides was a quarter of the cost of opening it.
    almanac_.setLookAround(kDay);
}

void MoonMonthModel::setTimeZone(const QTimeZone& zone) {
    if (zone == zone_) {
        return;
    }
    zone_ = zone;
    almanac_.setDates(zoneDates(zone_));
    computeMonth();
}

void MoonMonthModel::setFirstDayOfWeek(Qt::DayOfWeek day) {
    if (day == firstDay_) {
        return;
    }
    beginResetModel();
    firstDay_ = day;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, kDays - 1);
}

void MoonMonthModel::setSouthern(bool southern) {
    if (southern == southern_) {
        return;
    }
    southern_ = southern;
    almanac_.setSouthern(southern);
    computeYearEvents();
    emit dataChanged(index(0, 0), index(kWeeks - 1, kDays - 1),
                     {PictureRole, MarksRole, Qt::AccessibleTextRole, Qt::ToolTipRole});
}

void MoonMonthModel::setPlace(double latitude, double longitude, const QString& name) {
    const almanac::Place place{latitude, longitude};
    if (almanac_.place() == place && name == placeName_) {
        return;
    }
    almanac_.setPlace(place);
    placeName_ = name;
    computeHorizon();
    computeYearEvents();
    emit dataChanged(index(0, 0), index(kWeeks - 1, kDays - 1), {Qt::AccessibleTextRole});
}

void MoonMonthModel::setToday(const QDate& today) {
    if (today == today_) {
        return;
    }
    const QDate before = today_;
    today_ = today;
    markChanged(before);
    markChanged(today_);
}

void MoonMonthModel::setSelectedDate(const QDate& date) {
    const QDate first(date.year(), date.month(), 1);
    const QDate before = selected_;
    selected_ = date;
    if (first != month_) {
        month_ = first;
        computeMonth();
        return;
    }
    markChanged(before);
    markChanged(selected_);
}

void MoonMonthModel::computeMonth() {
    if (!month_.isValid()) {
        return;
    }
    beginResetModel();
    const int count = month_.daysInMonth();
    days_.assign(std::size_t(count), {});
    std::vector<CalendarDay*> withSky;
    for (int d = 0; d < count; ++d) {
        CalendarDay& day = days_[std::size_t(d)];
        day.date = month_.addDays(d);
        day.start = startOfLocalDay(day.date, zone_);
        day.end = startOfLocalDay(day.date.addDays(1), zone_);
        day.exists = day.end > day.start && localDayExists(day.date, zone_);
        if (day.exists) {
            const std::int64_t noon = QDateTime(day.date, QTime(12, 0), zone_).toSecsSinceEpoch();
            day.noon = noon >= day.start && noon < day.end ? noon : day.start + (day.end - day.start) / 2;
            withSky.push_back(&day);
        }
    }
    // Days with a skipped date between them are not consecutive: compute each run on its own.
    std::size_t run = 0;
    while (run < withSky.size()) {
        std::size_t next = run + 1;
        while (next < withSky.size() && withSky[next]->start == withSky[next - 1]->end) {
            ++next;
        }
        std::vector<std::int64_t> b;
        std::vector<std::int64_t> n;
        for (std::size_t i = run; i < next; ++i) {
            b.push_back(withSky[i]->start - kRounding);
            n.push_back(withSky[i]->noon);
        }
        b.push_back(withSky[next - 1]->end - kRounding);
        std::vector<almanac::DaySky> skies = almanac_.days(b, n);
        for (std::size_t i = run; i < next; ++i) {
            withSky[i]->sky = std::move(skies[i - run]);
        }
        run = next;
    }
    computeHorizon();
    computeYearEvents();
    ++computations_;
    endResetModel();
}

void MoonMonthModel::computeHorizon() {
    for (CalendarDay& day : days_) {
        day.sun = {};
        day.moon = {};
    }
    const auto first = std::find_if(days_.begin(), days_.end(), [](const CalendarDay& d) { return d.exists; });
    const std::optional<almanac::Place> place = almanac_.place();
    if (!place || first == days_.end()) {
        return;
    }
    const auto [lat, lon] = *place;
    const std::int64_t from = first->start - kRounding;
    const std::int64_t to = days_.back().end - kRounding;
    const std::vector<almanac::Event> crossings =
        almanac_.events(from, to, {almanac::Kind::Rising, almanac::Kind::Setting});
    for (const sky::Body body : {sky::Body::Sun, sky::Body::Moon}) {
        const auto horizon = [body](CalendarDay& day) -> CalendarDay::Horizon& {
            return body == sky::Body::Sun ? day.sun : day.moon;
        };
        // Each crossing goes to the day its rounded minute is shown on.
        std::size_t d = 0;
        for (const almanac::Event& e : crossings) {
            if (e.body != body) {
                continue;
            }
            while (d < days_.size() && e.start >= days_[d].end - kRounding) {
                ++d;
            }
            if (d < days_.size() && days_[d].exists && e.start >= days_[d].start - kRounding) {
                horizon(days_[d]).crossings.push_back({e.kind == almanac::Kind::Rising, e.start});
            }
        }
        // Which side the body stays on matters only to a day without a crossing.
        for (CalendarDay& day : days_) {
            if (day.exists && horizon(day).crossings.empty()) {
                horizon(day).upAtStart =
                    sky::UpperLimbAltitude(body, lat, lon, day.start - kRounding) > sky::kHorizonAltitude;
            }
        }
    }
}

void MoonMonthModel::computeYearEvents() {
    const auto first = std::find_if(days_.begin(), days_.end(), [](const CalendarDay& d) { return d.exists; });
    if (first == days_.end()) {
        return;
    }
    const std::vector<almanac::Event> events =
        almanac_.events(first->start - kRounding - kDay, days_.back().end + kDay, almanac::kYearKinds);
    for (CalendarDay& day : days_) {
        day.year = day.exists ? eventsOfDay(events, day.start, day.end, zone_, placeName_) : DayEvents{};
    }
}

int MoonMonthModel::firstCell() const { return month_.isValid() ? (month_.dayOfWeek() - int(firstDay_) + 7) % 7 : 0; }

const CalendarDay* MoonMonthModel::day(const QDate& date) const {
    if (!date.isValid() || date.year() != month_.year() || date.month() != month_.month()) {
        return nullptr;
    }
    const std::size_t i = std::size_t(date.day() - 1);
    return i < days_.size() ? &days_[i] : nullptr;
}

const CalendarDay* MoonMonthModel::dayAt(const QModelIndex& index) const {
    if (!index.isValid()) {
        return nullptr;
    }
    const int d = index.row() * kDays + index.column() - firstCell();
    return d >= 0 && d < int(days_.size()) ? &days_[std::size_t(d)] : nullptr;
}

QModelIndex MoonMonthModel::indexOf(const QDate& date) const {
    if (!day(date)) {
        return {};
    }
    const int cell = firstCell() + date.day() - 1;
    return index(cell / kDays, cell % kDays);
}

void MoonMonthModel::markChanged(const QDate& date) {
    if (const QModelIndex i = indexOf(date); i.isValid()) {
        emit dataChanged(i, i, {TodayRole, SelectedRole, Qt::AccessibleDescriptionRole});
    }
}

QPixmap MoonMonthModel::picture(double age) const {
    const int index = std::clamp(static_cast<int>(std::floor(age)) + 1, 1, kMoonPictureCount);
    QPixmap& kept = pictures_[southern_ ? 1 : 0][std::size_t(index - 1)];
    if (kept.isNull()) {
        kept = moonPicture(index);
        if (southern_ && !kept.isNull()) {
            // Seen from the south the moon stands the other way up: a waxing moon is lit on the left.
            const qreal ratio = kept.devicePixelRatio();
            kept = QPixmap::fromImage(kept.toImage().mirrored(true, false));
            kept.setDevicePixelRatio(ratio);
        }
    }
    return kept;
}

QString MoonMonthModel::spokenName(const CalendarDay& day) const {
    QString spoken = dateText(day.date, DateForm::WeekdayDayMonthYear);
    if (!day.exists) {
        return tr("%1: no such day here, the clocks skipped it").arg(spoken);
    }
    if (const auto& q = day.sky.quarter) {
        spoken = withQuarter(spoken, q->quarter, localTimeText(q->unixSeconds, zone_));
    }
    spoken = tr("%1, %2 % lit, moon in %3")
                 .arg(spoken, QString::number(qRound(day.sky.fraction * 100)), translated("Signs", day.sky.sign));
    for (const QString& event : day.year.withMercury()) {
        spoken = tr("%1; %2", "a day's words and one of its events").arg(spoken, event);
    }
    return spoken;
}

int MoonMonthModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kWeeks; }

int MoonMonthModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kDays; }

QVariant MoonMonthModel::data(const QModelIndex& index, int role) const {
    const CalendarDay* day = dayAt(index);
    if (!day) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(day->date.day());
    case DateRole:
        return day->date;
    case Qt::AccessibleTextRole:
        return spokenName(*day);
    case Qt::AccessibleDescriptionRole: {
        const bool today = day->date == today_;
        const bool chosen = day->date == selected_;
        return today && chosen ? tr("today, chosen") : today ? tr("today") : chosen ? tr("chosen") : QString();
    }
    case Qt::ToolTipRole:
        return spokenName(*day);
    case PictureRole:
        return day->exists ? picture(day->sky.age) : QPixmap();
    case SignRole:
        return day->exists ? translated("Signs", day->sky.sign) : QString();
    case QuarterMarkRole:
        if (const auto& q = day->sky.quarter; day->exists && q) {
            return quarterSymbol(q->quarter) + QLatin1Char(' ') + localTimeText(q->unixSeconds, zone_);
        }
        return QString();
    case TodayRole:
        return day->date == today_;
    case SelectedRole:
        return day->date == selected_;
    case QuarterRole:
        return day->exists && day->sky.quarter.has_value();
    case MarksRole: {
        QString marks;
        for (const auto& [on, symbol] :
             {std::pair{day->year.sabbat, kSabbatMark}, std::pair{day->year.eclipse, kEclipseMark},
              std::pair{day->year.station, kStationMark}, std::pair{day->year.supermoon, kSupermoonMark}}) {
            if (on) {
                marks += QChar(symbol);
            }
        }
        return marks;
    }
    case MercuryRetrogradeRole:
        return day->year.mercuryRetrograde;
    default:
        return {};
    }
}

QVariant MoonMonthModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        const int dow = (int(firstDay_) - 1 + section) % 7 + 1;
        return formats().dayName(dow, role == Qt::DisplayRole ? QLocale::ShortFormat : QLocale::LongFormat);
    }
    // A week is named by its first day of the month shown.
    const int first = std::max(0, section * kDays - firstCell());
    if (!month_.isValid() || first >= int(days_.size())) {
        return QString();
    }
    return tr("Week of %1").arg(dateText(month_.addDays(first), DateForm::DayMonth));
}

Qt::ItemFlags MoonMonthModel::flags(const QModelIndex& index) const {
    return dayAt(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace lunara
