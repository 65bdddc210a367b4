#include "moon/calendar_window.h"

#include "assets/assets.h"
#include "kit/form.h"
#include "kit/menus.h"
#include "kit/services.h"
#include "kit/text.h"
#include "kit/web_links.h"
#include "moon/age.h"
#include "moon/moon_looks.h"
#include "moon/sign.h"
#include "moon/texts.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <cmath>

namespace lunara {

using namespace moonlook;

namespace {

constexpr Look kOffer{.fg = kBlack, .bg = kOrange, .bold = true, .underline = true, .hand = true};
constexpr Look kDetail{.fg = kWhite};
constexpr Look kHeading{.fg = kOrange, .bold = true};
constexpr Look kWeekday{.fg = kOrange, .bold = true, .align = AlignCenter};
constexpr Look kNavButton{.bg = kGrey, .bold = true};

// The grid: 7 columns of 62 pixels from x = 8, 6 rows from y = 58 (in the panel).
constexpr int kCellLeft = 8;
constexpr int kCellTop = 58;
constexpr int kCellPitch = 62;
constexpr int kCellSize = 60;

// clang-format off
constexpr Control kControls[] = {
    {"Frame2", Kind::Frame, nullptr, 0, 0, 11700, 615, nullptr, kStrip},
    {"Label61", Kind::Label, "Frame2", 120, 120, 11460, 450, nullptr,
     {.fg = kBlack, .points = 9, .bold = true, .underline = true, .align = AlignCenter, .hand = true}},
    {"Frame1", Kind::Frame, nullptr, 0, 615, 11700, 7365, nullptr, kPanel},
    {"cmdPrevMonth", Kind::Button, "Frame1", 120, 120, 420, 360, "<", kNavButton},
    {"cboCalMonth", Kind::ComboBox, "Frame1", 600, 120, 1650, 360, nullptr, {.fg = kBlack, .bg = kOrange, .bold = true}},
    {"cboCalYear", Kind::ComboBox, "Frame1", 2310, 120, 1050, 360, nullptr, {.fg = kBlack, .bg = kOrange, .bold = true}},
    {"cmdNextMonth", Kind::Button, "Frame1", 3420, 120, 420, 360, ">", kNavButton},
    {"cmdToday", Kind::Button, "Frame1", 3960, 120, 1200, 360, "&Today", kNavButton},
    {"lblHemisphere", Kind::Label, "Frame1", 5340, 180, 1200, 270, "Hemisphere:", kHeading},
    {"optNorthern", Kind::Option, "Frame1", 6600, 150, 1350, 300, "&Northern", kHeading},
    {"optSouthern", Kind::Option, "Frame1", 7950, 150, 1350, 300, "&Southern", kHeading},
    {"lblWeekday_0", Kind::Label, "Frame1", 120, 600, 900, 240, nullptr, kWeekday},
    {"lblWeekday_1", Kind::Label, "Frame1", 1050, 600, 900, 240, nullptr, kWeekday},
    {"lblWeekday_2", Kind::Label, "Frame1", 1980, 600, 900, 240, nullptr, kWeekday},
    {"lblWeekday_3", Kind::Label, "Frame1", 2910, 600, 900, 240, nullptr, kWeekday},
    {"lblWeekday_4", Kind::Label, "Frame1", 3840, 600, 900, 240, nullptr, kWeekday},
    {"lblWeekday_5", Kind::Label, "Frame1", 4770, 600, 900, 240, nullptr, kWeekday},
    {"lblWeekday_6", Kind::Label, "Frame1", 5700, 600, 900, 240, nullptr, kWeekday},
    {"lblCalDate", Kind::Label, "Frame1", 6720, 600, 4860, 270, nullptr, {.fg = kWhite, .points = 9.75, .bold = true}},
    {"PicCalMoon", Kind::Picture, "Frame1", 6720, 930, 780, 780, nullptr, {}},
    {"lblCalPhase", Kind::Label, "Frame1", 7620, 930, 3960, 240, nullptr, kHeading},
    {"lblCalAge", Kind::Label, "Frame1", 7620, 1200, 3960, 240, nullptr, kDetail},
    {"lblCalLit", Kind::Label, "Frame1", 7620, 1440, 3960, 240, nullptr, kDetail},
    {"lblCalSign", Kind::Label, "Frame1", 6720, 1800, 4860, 270, nullptr, {.fg = kOrange, .points = 9.75, .bold = true}},
    {"lblCalIngress", Kind::Label, "Frame1", 6720, 2070, 4860, 240, nullptr, kDetail},
    {"lblCalKeyword", Kind::Label, "Frame1", 6720, 2310, 4860, 240, nullptr, kDetail},
    {"lblCalSignDesc", Kind::Label, "Frame1", 6720, 2580, 4860, 1320, nullptr, {.fg = kOrange}},
    {"lblCalElement", Kind::Label, "Frame1", 6720, 3930, 4860, 240, nullptr, kHeading},
    {"lblCalElementDesc", Kind::Label, "Frame1", 6720, 4200, 4860, 1320, nullptr, {.fg = kOrange}},
    {"lblCalNextNew", Kind::Label, "Frame1", 6720, 5580, 4860, 450, nullptr, kDetail},
    {"lblCalNextFull", Kind::Label, "Frame1", 6720, 6060, 4860, 450, nullptr, kDetail},
    {"lblCalRule", Kind::Label, "Frame1", 6720, 6600, 4860, 450, nullptr, {.fg = kGrey}},
    {"Frame5", Kind::Frame, nullptr, 0, 7980, 11700, 720, nullptr, kStrip},
    {"lblFullBrand", Kind::Label, "Frame5", 120, 60, 8400, 600, kFullBrandText, kOffer},
    {"lblCobrand", Kind::Label, "Frame5", 120, 60, 8400, 600, kCoBrandText, kOffer},
    {"cmdExit", Kind::Button, "Frame5", 10260, 135, 1260, 450, "&Exit", kGreyButton},
};
// clang-format on

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// Names and dates in the program's own language, whatever the regional settings.
const QLocale& english() {
    static const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    return locale;
}

QString quarterWords(sky::Quarter q) {
    switch (q) {
    case sky::Quarter::New:
        return QStringLiteral("new moon");
    case sky::Quarter::FirstQuarter:
        return QStringLiteral("first quarter");
    case sky::Quarter::Full:
        return QStringLiteral("full moon");
    case sky::Quarter::LastQuarter:
        return QStringLiteral("last quarter");
    }
    return {};
}

QString quarterSymbol(sky::Quarter q) {
    constexpr const char16_t* kSymbols[] = {u"\u25CF", u"\u25D0", u"\u25CB", u"\u25D1"};
    return QString::fromUtf16(kSymbols[static_cast<int>(q)]);
}

QString longDate(const QDate& date) { return english().toString(date, QStringLiteral("dddd d MMMM yyyy")); }

} // namespace

DayCell::DayCell(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(kCellSize, kCellSize);
}

void DayCell::showDay(const QDate& date, const QPixmap& moon, const QString& sign, const QString& mark,
                      const QString& spoken) {
    date_ = date;
    moon_ = moon;
    sign_ = sign;
    mark_ = mark;
    setText(QString::number(date.day()));
    setAccessibleName(spoken);
    setEnabled(true);
    QWidget::show();
    update();
}

void DayCell::clearDay() {
    date_ = QDate();
    setEnabled(false);
    hide();
}

void DayCell::setMarks(bool today, bool selected) {
    if (today != today_ || selected != selected_) {
        today_ = today;
        selected_ = selected;
        update();
    }
}

void DayCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.fillRect(rect(), selected_ ? QColor(70, 70, 70) : QColor(24, 24, 24));
    if (today_) {
        p.setPen(QPen(rgb(kOrange), 2));
        p.drawRect(box);
    } else if (hasFocus()) {
        p.setPen(QPen(QColor(200, 200, 200), 1, Qt::DotLine));
        p.drawRect(box);
    }
    QFont number = verdana(8.25, true);
    p.setFont(number);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 2, 24, 14), Qt::AlignLeft | Qt::AlignTop, text());
    if (!mark_.isEmpty()) {
        // The quarter's symbol beside the moon, its local time in the top corner.
        p.setFont(verdana(6.5, true));
        p.setPen(rgb(kCyan));
        p.drawText(QRectF(2, 22, 12, 14), Qt::AlignLeft | Qt::AlignTop, mark_.left(1));
        p.drawText(QRectF(20, 3, width() - 22, 12), Qt::AlignRight | Qt::AlignTop, mark_.mid(2));
    }
    if (!moon_.isNull()) {
        p.drawPixmap(QRectF((width() - 30) / 2.0, 16, 30, 30), moon_, QRectF(QPointF(0, 0), moon_.size()));
    }
    p.setFont(verdana(6.5));
    p.setPen(rgb(kOrange));
    p.drawText(QRectF(0, height() - 14, width(), 12), Qt::AlignHCenter | Qt::AlignTop, sign_);
}

void DayCell::keyPressEvent(QKeyEvent* event) {
    // The calendar that holds this cell (a child window, so not this->window()).
    frmMoonCalendar* window = nullptr;
    for (QWidget* w = parentWidget(); w && !window; w = w->parentWidget()) {
        window = qobject_cast<frmMoonCalendar*>(w);
    }
    if (!window) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        window->moveSelection(-1);
        break;
    case Qt::Key_Right:
        window->moveSelection(1);
        break;
    case Qt::Key_Up:
        window->moveSelection(-7);
        break;
    case Qt::Key_Down:
        window->moveSelection(7);
        break;
    default:
        // Page Up, Page Down and Home go on to the calendar, which takes them from anywhere in it.
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
}

frmMoonCalendar::frmMoonCalendar(MoonHost& host)
    : FeatureWindow(host, "frmMoonCalendar", QStringLiteral("Lunara Moon Calendar"), 11700, 8700, kBlack),
      moonHost_(host) {
    bindControls(Form(client(), kControls));
    buildMenus();
    connectControls();
    Form_Load();
}

void frmMoonCalendar::bindControls(const Form& form) {
    LUNARA_BIND(form, Label61);
    LUNARA_BIND(form, cmdPrevMonth);
    LUNARA_BIND(form, cboCalMonth);
    LUNARA_BIND(form, cboCalYear);
    LUNARA_BIND(form, cmdNextMonth);
    LUNARA_BIND(form, cmdToday);
    LUNARA_BIND(form, optNorthern);
    LUNARA_BIND(form, optSouthern);
    LUNARA_BIND(form, lblWeekday);
    LUNARA_BIND(form, lblCalDate);
    LUNARA_BIND(form, PicCalMoon);
    LUNARA_BIND(form, lblCalPhase);
    LUNARA_BIND(form, lblCalAge);
    LUNARA_BIND(form, lblCalLit);
    LUNARA_BIND(form, lblCalSign);
    LUNARA_BIND(form, lblCalIngress);
    LUNARA_BIND(form, lblCalKeyword);
    LUNARA_BIND(form, lblCalSignDesc);
    LUNARA_BIND(form, lblCalElement);
    LUNARA_BIND(form, lblCalElementDesc);
    LUNARA_BIND(form, lblCalNextNew);
    LUNARA_BIND(form, lblCalNextFull);
    LUNARA_BIND(form, lblCalRule);
    LUNARA_BIND(form, lblFullBrand);
    LUNARA_BIND(form, lblCobrand);
    LUNARA_BIND(form, cmdExit);
    QWidget* panel = nullptr;
    form.bind(panel, "Frame1");
    // The day cells draw themselves; they sit in a grid under the weekday names.
    for (std::size_t i = 0; i < day.size(); ++i) {
        day[i] = new DayCell(panel);
        day[i]->setObjectName(QStringLiteral("day_%1").arg(i));
        day[i]->move(kCellLeft + int(i % 7) * kCellPitch, kCellTop + int(i / 7) * kCellPitch);
    }
    cmdPrevMonth->setAccessibleName(QStringLiteral("Previous month"));
    cmdNextMonth->setAccessibleName(QStringLiteral("Next month"));
    cboCalMonth->setAccessibleName(QStringLiteral("Month"));
    cboCalYear->setAccessibleName(QStringLiteral("Year"));
    clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("clock"));
    clock->setInterval(1000);
}

void frmMoonCalendar::buildMenus() {
    QMenu* file = addMenu(menuBar(), "mnuFile", QStringLiteral("&File"));
    addCommand(file, "mnuToday", QStringLiteral("&Today"), this, [this] { goToToday(); });
    addCommand(file, "mnuExit", QStringLiteral("E&xit"), this, [this] { closeWindow(); });
    addHelpMenu(menuBar(), {"mnuCalSep1", "mnuCalSep2", "Check for Software &Update"}, this, host().services());
    addMakeMoneyCommand(menuBar(), "mnuMakeMoneyOnline", this);
}

void frmMoonCalendar::connectControls() {
    connectOfferLabels(Label61, lblFullBrand, lblCobrand);
    connect(cmdPrevMonth, &QPushButton::clicked, this, [this] { moveMonths(-1); });
    connect(cmdNextMonth, &QPushButton::clicked, this, [this] { moveMonths(1); });
    connect(cmdToday, &QPushButton::clicked, this, [this] { goToToday(); });
    const auto listChanged = [this] {
        const QDate first(kFirstYear + cboCalYear->currentIndex(), cboCalMonth->currentIndex() + 1, 1);
        selectDate(first.addDays(std::min(selected_.day(), first.daysInMonth()) - 1));
    };
    connect(cboCalMonth, &QComboBox::currentIndexChanged, this, listChanged);
    connect(cboCalYear, &QComboBox::currentIndexChanged, this, listChanged);
    connect(optSouthern, &QRadioButton::toggled, this, [this](bool southernNow) {
        host().services().storeSetting(QString::fromLatin1(kHemisphereKey),
                                       southernNow ? QStringLiteral("Southern") : QStringLiteral("Northern"));
        showMonth();
    });
    for (DayCell* cell : day) {
        connect(cell, &QAbstractButton::clicked, this, [this, cell] { selectDate(cell->date()); });
    }
    connect(cmdExit, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(clock, &QTimer::timeout, this, [this] { tick(); });
    setCancelButton(cmdExit);
}

void frmMoonCalendar::Form_Load() {
    const QSignalBlocker quietMonth(cboCalMonth);
    const QSignalBlocker quietYear(cboCalYear);
    const QSignalBlocker quietSouth(optSouthern);
    for (int m = 1; m <= 12; ++m) {
        cboCalMonth->addItem(english().standaloneMonthName(m));
    }
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        cboCalYear->addItem(QString::number(y));
    }
    // Anything but "Southern" (nothing stored, a damaged value) is the northern view.
    const QString stored = host().services().settings().value(QString::fromLatin1(kHemisphereKey)).toString();
    (stored == QLatin1String("Southern") ? optSouthern : optNorthern)->setChecked(true);
    today_ = host().services().now().date();
    selectDate(today_);
    clock->start();
}

bool frmMoonCalendar::southern() const { return optSouthern->isChecked(); }

std::int64_t frmMoonCalendar::localUnix(const QDate& date, int hour) const {
    return QDateTime(date, QTime(hour, 0), host().services().timeZone()).toSecsSinceEpoch();
}

QString frmMoonCalendar::localTime(std::int64_t unixSeconds) const {
    return QDateTime::fromSecsSinceEpoch(unixSeconds, host().services().timeZone()).toString(QStringLiteral("HH:mm"));
}

QPixmap frmMoonCalendar::pictureForAge(double age) const {
    const int index = std::clamp(static_cast<int>(std::floor(age)) + 1, 1, kMoonPictureCount);
    QPixmap picture = lunara::moonPicture(index);
    if (southern() && !picture.isNull()) {
        // Seen from the south the moon stands the other way up: the lit side of a waxing moon is on the left.
        const qreal ratio = picture.devicePixelRatio();
        picture = QPixmap::fromImage(picture.toImage().mirrored(true, false));
        picture.setDevicePixelRatio(ratio);
    }
    return picture;
}

void frmMoonCalendar::selectDate(const QDate& date) {
    const QDate clamped = std::clamp(date, QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    const bool hadFocus =
        isAncestorOf(QApplication::focusWidget()) && qobject_cast<DayCell*>(QApplication::focusWidget()) != nullptr;
    selected_ = clamped;
    const QDate first(clamped.year(), clamped.month(), 1);
    if (first != monthShown_) {
        monthShown_ = first;
        showMonth();
    } else {
        for (DayCell* cell : day) {
            cell->setMarks(cell->date() == today_, cell->date() == selected_);
        }
        showDetails();
    }
    if (hadFocus) {
        for (DayCell* cell : day) {
            if (cell->date() == selected_) {
                cell->setFocus(Qt::OtherFocusReason);
            }
        }
    }
}

void frmMoonCalendar::focusFirstControl() {
    for (DayCell* cell : day) {
        if (cell->date() == selected_) {
            cell->setFocus(Qt::TabFocusReason);
        }
    }
}

void frmMoonCalendar::keyPressEvent(QKeyEvent* event) {
    // Months and today from anywhere in the window; the lists keep their own keys.
    switch (event->key()) {
    case Qt::Key_PageUp:
        moveMonths(-1);
        break;
    case Qt::Key_PageDown:
        moveMonths(1);
        break;
    case Qt::Key_Home:
        goToToday();
        break;
    default:
        FeatureWindow::keyPressEvent(event);
        return;
    }
    focusFirstControl();
    event->accept();
}

void frmMoonCalendar::moveSelection(int days) { selectDate(selected_.addDays(days)); }

void frmMoonCalendar::moveMonths(int months) { selectDate(selected_.addMonths(months)); }

void frmMoonCalendar::goToToday() { selectDate(today_); }

void frmMoonCalendar::tick() {
    const QDate now = host().services().now().date();
    if (now == today_) {
        return;
    }
    const bool followed = selected_ == today_;
    today_ = now;
    if (followed) {
        selectDate(now);
    } else {
        for (DayCell* cell : day) {
            cell->setMarks(cell->date() == today_, cell->date() == selected_);
        }
    }
}

void frmMoonCalendar::showMonth() {
    const QDate first = monthShown_;
    const int count = first.daysInMonth();
    std::vector<std::int64_t> boundaries;
    std::vector<std::int64_t> noons;
    boundaries.reserve(std::size_t(count) + 1);
    noons.reserve(std::size_t(count));
    for (int i = 0; i <= count; ++i) {
        boundaries.push_back(localUnix(first.addDays(i), 0));
    }
    for (int i = 0; i < count; ++i) {
        noons.push_back(localUnix(first.addDays(i), 12));
    }
    month_ = sky::SkyForDays(boundaries, noons);

    const Qt::DayOfWeek firstDay = host().services().locale().firstDayOfWeek();
    for (std::size_t c = 0; c < lblWeekday.size(); ++c) {
        const int dow = (int(firstDay) - 1 + int(c)) % 7 + 1;
        lblWeekday[c]->setText(english().dayName(dow, QLocale::ShortFormat));
        lblWeekday[c]->setAccessibleName(english().dayName(dow, QLocale::LongFormat));
    }
    const int offset = (first.dayOfWeek() - int(firstDay) + 7) % 7;
    for (std::size_t i = 0; i < day.size(); ++i) {
        const int d = int(i) - offset;
        if (d < 0 || d >= count) {
            day[i]->clearDay();
            continue;
        }
        const QDate date = first.addDays(d);
        const sky::DaySky& s = month_[std::size_t(d)];
        QString mark;
        QString spoken = longDate(date);
        if (s.quarter) {
            const QString time = localTime(s.quarter->unixSeconds);
            mark = quarterSymbol(s.quarter->quarter) + QLatin1Char(' ') + time;
            spoken += QStringLiteral(", %1 at %2").arg(quarterWords(s.quarter->quarter), time);
        }
        spoken += QStringLiteral(", %1 % lit, moon in %2").arg(qRound(s.fraction * 100)).arg(qs(s.sign));
        day[i]->showDay(date, pictureForAge(s.age), qs(s.sign), mark, spoken);
        day[i]->setMarks(date == today_, date == selected_);
    }
    {
        const QSignalBlocker quietMonth(cboCalMonth);
        const QSignalBlocker quietYear(cboCalYear);
        cboCalMonth->setCurrentIndex(first.month() - 1);
        cboCalYear->setCurrentIndex(first.year() - kFirstYear);
    }
    cmdPrevMonth->setEnabled(first > QDate(kFirstYear, 1, 1));
    cmdNextMonth->setEnabled(first < QDate(kLastYear, 12, 1));
    showDetails();
}

void frmMoonCalendar::showDetails() {
    const std::size_t index = std::size_t(selected_.day() - 1);
    if (index >= month_.size()) {
        return;
    }
    const sky::DaySky& s = month_[index];
    const std::int64_t noon = localUnix(selected_, 12);
    setLabelText(lblCalDate, longDate(selected_));
    const QPixmap picture = pictureForAge(s.age);
    PicCalMoon->setPixmap(picture);
    const std::optional<sky::Quarter> quarter =
        s.quarter ? std::optional(s.quarter->quarter) : std::optional<sky::Quarter>();
    QString phase = qs(sky::EightPhaseName(noon, quarter));
    if (s.quarter) {
        phase += QStringLiteral(" at ") + localTime(s.quarter->unixSeconds);
    }
    setLabelText(lblCalPhase, phase);
    PicCalMoon->setAccessibleName(QStringLiteral("Moon picture: %1").arg(phase));
    setLabelText(lblCalAge, QStringLiteral("Age: %1 days").arg(s.age, 0, 'f', 1));
    setLabelText(lblCalLit, QStringLiteral("Lit: %1 %").arg(qRound(s.fraction * 100)));

    QStringList enters;
    for (const sky::SignIngress& in : s.ingresses) {
        enters << QStringLiteral("enters %1 at %2").arg(qs(in.sign), localTime(in.unixSeconds));
    }
    setLabelText(lblCalIngress, enters.isEmpty() ? QString() : QStringLiteral("The moon ") + enters.join(u", "));
    if (const SunsignText* text = FindSunsignText(s.sign)) {
        setLabelText(lblCalSign, qs(text->title));
        setLabelText(lblCalKeyword, QStringLiteral("Keyword: ") + qs(text->keyword));
        setLabelText(lblCalSignDesc, qs(text->description(Screen::Today)));
    }
    const auto element = ElementForSign(s.sign);
    if (const ElementText* text = element ? FindElementText(*element) : nullptr) {
        setLabelText(lblCalElement, QStringLiteral("Element: ") + qs(text->name));
        setLabelText(lblCalElementDesc, qs(text->description(Screen::Today)));
    }

    // The next new and full moon from the start of the day chosen.
    const std::int64_t dayStart = localUnix(selected_, 0);
    const std::vector<sky::PhaseEvent> coming = sky::PhaseEventsBetween(dayStart, dayStart + 40LL * 86400);
    for (auto [q, label, words] : {std::tuple{sky::Quarter::New, lblCalNextNew, "Next new moon"},
                                   std::tuple{sky::Quarter::Full, lblCalNextFull, "Next full moon"}}) {
        const auto it =
            std::find_if(coming.begin(), coming.end(), [q = q](const sky::PhaseEvent& e) { return e.quarter == q; });
        if (it == coming.end()) {
            continue;
        }
        const QDateTime at = QDateTime::fromSecsSinceEpoch(it->unixSeconds, host().services().timeZone());
        const qint64 inDays = selected_.daysTo(at.date());
        const QString when = inDays == 0   ? QStringLiteral("today")
                             : inDays == 1 ? QStringLiteral("in 1 day")
                                           : QStringLiteral("in %1 days").arg(inDays);
        setLabelText(label,
                     QStringLiteral("%1: %2 at %3, %4")
                         .arg(QString::fromLatin1(words), longDate(at.date()), localTime(it->unixSeconds), when));
    }

    const MoonPhaseInfo rule = MoonPhaseForAge(CalculateMoonAge(selected_.day(), selected_.month(), selected_.year()));
    setLabelText(lblCalRule,
                 QStringLiteral("The traditional rule says %1 days, %2").arg(rule.age).arg(qs(rule.phaseName)));
}

} // namespace lunara
