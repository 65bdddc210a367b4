#include "hours/hours_window.h"

#include "candle/tables.h"
#include "kit/event_words.h"
#include "kit/form.h"
#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/menus.h"
#include "kit/orange_looks.h"
#include "kit/services.h"
#include "kit/sky_words.h"
#include "kit/text.h"
#include "kit/web_links.h"
#include "place/location_dialog.h"
#include "sky/horizon.h"
#include "sky/sky.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace lunara {

using namespace orangelook;

namespace {

// An hour's name without the mark of now.
constexpr int kNameRole = Qt::UserRole + 1;

constexpr Look kHeading{.fg = kOrange, .bold = true};
constexpr Look kDetail{.fg = kWhite};
constexpr Look kNavButton{.bg = kGrey, .bold = true};
constexpr Look kOffer{.fg = kBlack, .bg = kOrange, .bold = true, .underline = true, .hand = true};

// clang-format off
constexpr Control kControls[] = {
    {"Frame2", Kind::Frame, nullptr, 0, 0, 11700, 570, nullptr, kStrip},
    {"Label61", Kind::Label, "Frame2", 120, 75, 11460, 450, nullptr,
     {.fg = kBlack, .points = 9, .bold = true, .underline = true, .align = AlignCenter, .hand = true}},
    {"Frame1", Kind::Frame, nullptr, 0, 570, 11700, 7500, nullptr, kPanel},
    {"cmdPrevDay", Kind::Button, "Frame1", 120, 120, 420, 360, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "<"), kNavButton},
    {"lblHoursDate", Kind::Label, "Frame1", 600, 165, 4200, 300, nullptr, {.fg = kWhite, .points = 9.75, .bold = true}},
    {"cmdNextDay", Kind::Button, "Frame1", 4860, 120, 420, 360, QT_TRANSLATE_NOOP("lunara::frmMagickHours", ">"), kNavButton},
    {"cmdToday", Kind::Button, "Frame1", 5400, 120, 1200, 360, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "&Today"), kNavButton},
    {"cmdLocation", Kind::Button, "Frame1", 6720, 120, 1440, 360, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "&Location..."), kNavButton},
    {"lblHoursPlace", Kind::Label, "Frame1", 120, 600, 11460, 240, nullptr, kHeading},
    {"lblPlanetaryDay", Kind::Label, "Frame1", 120, 870, 11460, 240, nullptr, kDetail},
    {"lblNoHours", Kind::Label, "Frame1", 120, 1260, 7200, 720, nullptr, {.fg = kWhite, .bold = true}},
    {"lblMoonHeading", Kind::Label, "Frame1", 7560, 1200, 4020, 240, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "The moon"), kHeading},
    {"lblMoonNow", Kind::Label, "Frame1", 7560, 1470, 4020, 480, nullptr, kDetail},
    {"lblVoidHeading", Kind::Label, "Frame1", 7560, 2070, 4020, 240, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "Void of course"), kHeading},
    {"lblVoid", Kind::Label, "Frame1", 7560, 2340, 4020, 1440, nullptr, kDetail},
    {"lblPlanetsHeading", Kind::Label, "Frame1", 7560, 3900, 4020, 240, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "Aspects to"), kHeading},
    {"optClassic", Kind::Option, "Frame1", 7560, 4170, 4020, 300, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "&Classic planets (Sun to Saturn)"), kHeading},
    {"optModern", Kind::Option, "Frame1", 7560, 4470, 4020, 300, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "&Modern planets (to Pluto)"), kHeading},
    {"lblHoursHint", Kind::Label, "Frame1", 7560, 4950, 4020, 960,
     QT_TRANSLATE_NOOP("lunara::frmMagickHours", "Enter or a double click on an hour shows its planet's candle in Candle Magick."), {.fg = kGrey}},
    {"lblHoursYear", Kind::Label, "Frame1", 7560, 6000, 4020, 1320, nullptr, {.fg = 0xFFD700, .bold = true}},
    {"Frame5", Kind::Frame, nullptr, 0, 8070, 11700, 630, nullptr, kStrip},
    {"lblFullBrand", Kind::Label, "Frame5", 120, 45, 8400, 540, kFullBrandText, kOffer},
    {"lblCobrand", Kind::Label, "Frame5", 120, 45, 8400, 540, kCoBrandText, kOffer},
    {"cmdExit", Kind::Button, "Frame5", 10260, 90, 1260, 450, QT_TRANSLATE_NOOP("lunara::frmMagickHours", "&Exit"), kGreyButton},
};
// clang-format on

constexpr int kUnmarked = -2; // the rows have no marks yet
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

} // namespace

frmMagickHours::frmMagickHours(FeatureHost& host)
    : FeatureWindow(host, "frmMagickHours", tr("Lunara Magick Hours"), 11700, 8700, kBlack) {
    bindControls(Form(client(), kControls, staticMetaObject.className()));
    buildMenus();
    connectControls();
    Form_Load();
}

void frmMagickHours::bindControls(const Form& form) {
    LUNARA_BIND(form, Label61);
    LUNARA_BIND(form, cmdPrevDay);
    LUNARA_BIND(form, lblHoursDate);
    LUNARA_BIND(form, cmdNextDay);
    LUNARA_BIND(form, cmdToday);
    LUNARA_BIND(form, cmdLocation);
    LUNARA_BIND(form, lblHoursPlace);
    LUNARA_BIND(form, lblPlanetaryDay);
    LUNARA_BIND(form, lblNoHours);
    LUNARA_BIND(form, lblMoonHeading);
    LUNARA_BIND(form, lblMoonNow);
    LUNARA_BIND(form, lblVoidHeading);
    LUNARA_BIND(form, lblVoid);
    LUNARA_BIND(form, lblPlanetsHeading);
    LUNARA_BIND(form, optClassic);
    LUNARA_BIND(form, optModern);
    LUNARA_BIND(form, lblHoursHint);
    LUNARA_BIND(form, lblHoursYear);
    LUNARA_BIND(form, lblFullBrand);
    LUNARA_BIND(form, lblCobrand);
    LUNARA_BIND(form, cmdExit);
    QWidget* panel = nullptr;
    form.bind(panel, "Frame1");
    // The hours: a table of 24 rows, one Tab stop, read row by row.
    grdHours = new QTreeWidget(panel);
    grdHours->setObjectName(QStringLiteral("grdHours"));
    grdHours->setAccessibleName(tr("Planetary hours"));
    grdHours->setGeometry(twipsRect(120, 1200, 7200, 6180));
    // The panel's black would hide the rows: the list keeps the usual light look of lists.
    useLightLook(grdHours);
    grdHours->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdHours->setRootIsDecorated(false);
    grdHours->setUniformRowHeights(true);
    grdHours->setHeaderLabels({tr("Hour"), tr("From"), tr("To"), tr("Planet"), tr("Candle")});
    grdHours->header()->setSectionResizeMode(QHeaderView::Stretch);
    // "Night 10 (now)" in bold is the widest text of the table: the hour column fits it.
    grdHours->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdHours->header()->setSectionsMovable(false);
    cmdPrevDay->setAccessibleName(tr("Previous day"));
    cmdNextDay->setAccessibleName(tr("Next day"));
    clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("clock"));
    clock->setInterval(1000);
}

void frmMagickHours::buildMenus() {
    QMenu* file = addMenu(menus(), "mnuFile", tr("&File"));
    addCommand(file, "mnuLocation", tr("&Location..."), this, [this] { chooseLocation(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    addCommand(file, "mnuExit", tr("E&xit"), this, [this] { closeWindow(); });
    QMenu* go = addMenu(menus(), "mnuGo", tr("&Go"));
    const auto key = [this](QAction* action, const QKeySequence& keys) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        return action;
    };
    key(addCommand(go, "mnuPrevDay", tr("&Previous Day"), this, [this] { moveDays(-1); }),
        QKeySequence(Qt::Key_PageUp));
    key(addCommand(go, "mnuNextDay", tr("&Next Day"), this, [this] { moveDays(1); }), QKeySequence(Qt::Key_PageDown));
    key(addCommand(go, "mnuToday", tr("&Today"), this, [this] { goToToday(); }), QKeySequence(Qt::Key_Home));
    addHelpMenu(menus(), {"mnuHoursSep1", "mnuHoursSep2", QT_TRANSLATE_NOOP("Menus", "Check for Software &Update")},
                this, host().services());
    addMakeMoneyCommand(menus(), "mnuMakeMoneyOnline", this);
}

void frmMagickHours::connectControls() {
    connectOfferLabels(Label61, lblFullBrand, lblCobrand);
    connect(cmdPrevDay, &QPushButton::clicked, this, [this] { moveDays(-1); });
    connect(cmdNextDay, &QPushButton::clicked, this, [this] { moveDays(1); });
    connect(cmdToday, &QPushButton::clicked, this, [this] { goToToday(); });
    connect(cmdLocation, &QPushButton::clicked, this, [this] { chooseLocation(); });
    connect(optModern, &QRadioButton::toggled, this, [this](bool modern) {
        host().services().storeSetting(QString::fromLatin1(kVoidPlanetsKey),
                                       modern ? QStringLiteral("Modern") : QStringLiteral("Classic"));
        showMoon();
    });
    connect(grdHours, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int row = grdHours->indexOfTopLevelItem(item);
        if (row >= 0 && row < int(day_.hours.size())) {
            emit candleRequested(candleOption(day_.hours[std::size_t(row)].planet));
        }
    });
    connect(cmdExit, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(clock, &QTimer::timeout, this, [this] { tick(); });
    setCancelButton(cmdExit);
}

void frmMagickHours::Form_Load() {
    Services& services = host().services();
    {
        const QSignalBlocker quiet(optModern);
        (modernPlanetsChosen(services.settings()) ? optModern : optClassic)->setChecked(true);
    }
    location_ = currentLocation(services);
    // The year's events in the calendar's hemisphere (and the place's dates, set with the place).
    almanac_.setSouthern(southernChosen(services.settings()));
    goToToday();
    clock->start();
}

void frmMagickHours::focusFirstControl() { grdHours->setFocus(Qt::TabFocusReason); }

QString frmMagickHours::timeText(std::int64_t unixSeconds) const {
    return localTimeText(unixSeconds, host().services().timeZone());
}

void frmMagickHours::goToToday() {
    showDay(planetaryDayAt(location_.place, host().services().now().toSecsSinceEpoch()));
    followsNow_ = true;
    showMoonNow();
}

void frmMagickHours::moveDays(int days) { showDate(date_.addDays(days)); }

void frmMagickHours::showDate(const QDate& date) {
    date_ = std::clamp(date, QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    showHours();
}

frmLocation* frmMagickHours::chooseLocation() {
    return lunara::chooseLocation(this, host().services(), location_, [this](const Location& l) {
        location_ = l;
        showHours();
    });
}

void frmMagickHours::showHours() { showDay(planetaryDay(location_.place, date_)); }

void frmMagickHours::showDay(PlanetaryDay day) {
    const QTimeZone zone = host().services().timeZone();
    const Place& place = location_.place;
    day_ = std::move(day);
    date_ = day_.date;
    followsNow_ = false;
    const std::vector<sky::PlanetaryHour>& hours = day_.hours;
    setLabelText(lblHoursDate, dateText(date_, DateForm::WeekdayDayMonthYear));
    // Times are the computer's local times; where the place keeps other clocks, say so.
    const QTimeZone there = placeZone(place);
    const QDateTime noon = QDateTime::fromSecsSinceEpoch((day_.dateStart + day_.dateEnd) / 2, QTimeZone::utc());
    const bool otherClocks = there.offsetFromUtc(noon) != zone.offsetFromUtc(noon);
    setLabelText(lblHoursPlace, otherClocks ? tr("Planetary hours for %1; times in %2 (%3)")
                                                  .arg(placeText(place), QString::fromUtf8(zone.id()),
                                                       zone.displayName(noon, QTimeZone::OffsetName))
                                            : tr("Planetary hours for %1").arg(placeText(place)));
    cmdPrevDay->setEnabled(date_ > QDate(kFirstYear, 1, 1));
    cmdNextDay->setEnabled(date_ < QDate(kLastYear, 12, 31));

    grdHours->clear();
    setLabelText(lblPlanetaryDay, dayLine(day_, zone));
    setLabelText(lblNoHours, noHoursLine(day_, zone));
    if (!hours.empty()) {
        for (std::size_t h = 0; h < hours.size(); ++h) {
            const sky::PlanetaryHour& hour = hours[h];
            const CandleColor* candle = planetCandle(hour.planet);
            const QString name = hour.night ? tr("Night %1").arg(h % 12 + 1) : tr("Day %1").arg(h % 12 + 1);
            auto* item = new QTreeWidgetItem(grdHours, {name, timeText(hour.start), timeText(hour.end),
                                                        translated("Planets", sky::PlanetName(hour.planet)),
                                                        candle ? translated("Candle", candle->name) : QString()});
            item->setData(0, Qt::UserRole, int(h));
            item->setData(0, kNameRole, name);
        }
    }
    grdHours->setVisible(!hours.empty());
    lblNoHours->setVisible(hours.empty());
    current_ = kUnmarked;
    moonMinute_ = -1;
    markCurrentHour();
    showMoon();
}

void frmMagickHours::markCurrentHour() {
    const std::vector<sky::PlanetaryHour>& hours = day_.hours;
    const std::int64_t now = host().services().now().toSecsSinceEpoch();
    int current = -1;
    for (std::size_t h = 0; h < hours.size(); ++h) {
        if (now >= hours[h].start && now < hours[h].end) {
            current = int(h);
        }
    }
    if (current == current_) {
        return;
    }
    current_ = current;
    for (int row = 0; row < grdHours->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = grdHours->topLevelItem(row);
        const bool now = row == current_;
        QFont font = grdHours->font();
        font.setBold(now);
        for (int c = 0; c < item->columnCount(); ++c) {
            item->setFont(c, font);
        }
        const QString name = item->data(0, kNameRole).toString();
        item->setText(0, now ? tr("%1 (now)", "an hour's name").arg(name) : name);
        // One sentence for the screen reader.
        const sky::PlanetaryHour& hour = hours[std::size_t(row)];
        const QString number = QString::number(row % 12 + 1);
        const QString sentence = hour.night ? (now ? tr("Night hour %1, %2 to %3, %4, %5 candle, now")
                                                   : tr("Night hour %1, %2 to %3, %4, %5 candle"))
                                            : (now ? tr("Day hour %1, %2 to %3, %4, %5 candle, now")
                                                   : tr("Day hour %1, %2 to %3, %4, %5 candle"));
        item->setData(0, Qt::AccessibleTextRole,
                      sentence.arg(number, item->text(1), item->text(2), item->text(3), item->text(4)));
    }
    if (current_ >= 0) {
        grdHours->setCurrentItem(grdHours->topLevelItem(current_));
        grdHours->scrollToItem(grdHours->topLevelItem(current_));
    } else if (grdHours->topLevelItemCount() > 0 && !grdHours->currentItem()) {
        grdHours->setCurrentItem(grdHours->topLevelItem(0));
    }
}

void frmMagickHours::showMoonNow() {
    const std::int64_t now = host().services().now().toSecsSinceEpoch();
    // The moon now while the window shows the day that holds the clock (the hours before sunrise
    // belong to the day before), else at the noon of the date shown.
    const bool holdsNow = (now >= day_.dateStart && now < day_.dateEnd) || (now >= day_.start() && now < day_.end());
    const std::int64_t at = followsNow_ || holdsNow ? now : day_.dateStart + (day_.dateEnd - day_.dateStart) / 2;
    moonAt_ = at;
    moonMinute_ = now / 60;
    setLabelText(lblMoonNow, (at == now ? tr("%1, in %2 (now)") : tr("%1, in %2 (at noon)"))
                                 .arg(phaseNameAt(almanac_, at, placeZone(location_.place)),
                                      translated("Signs", sky::MoonSignAt(at))));
}

void frmMagickHours::showYearToday(const QTimeZone& zone) {
    // The sabbat, eclipse, stations and named moon of the place's date shown, and a retrograde
    // Mercury, from the almanac; the cross-quarter days and months are the place's too, the times
    // the computer's like the hours'.
    const Place& p = location_.place;
    const QTimeZone there = placeZone(p);
    almanac_.setPlace(almanac::Place{p.latitude, p.longitude});
    almanac_.setDates(zoneDates(there));
    const QStringList texts = yearEventsOfDate(almanac_, date_, there, zone, placeName(p)).withMercury();
    setLabelText(lblHoursYear, texts.join(QStringLiteral(";\n")));
    lblHoursYear->setVisible(!texts.isEmpty());
}

void frmMagickHours::showMoon() {
    showMoonNow();
    const QTimeZone zone = host().services().timeZone();
    almanac_.setModernPlanets(optModern->isChecked());
    QStringList periods;
    // Times on the day's own date are written without their weekday.
    const QDate shown = localDate(QDateTime::fromSecsSinceEpoch(day_.dateStart, QTimeZone::utc()), zone);
    for (const almanac::Event& v : almanac_.events(day_.dateStart, day_.dateEnd, {almanac::Kind::VoidOfCourse})) {
        periods << voidOfCourseText(v.start, v.end, translated("Signs", v.sign), shown, zone);
    }
    showYearToday(zone);
    setLabelText(lblVoid, periods.isEmpty() ? tr("The moon is not void of course this day.")
                                            : periods.join(QStringLiteral(";\n")) + u'.');
}

void frmMagickHours::tick() {
    const std::int64_t now = host().services().now().toSecsSinceEpoch();
    // The planetary day ends at the next sunrise, or (without one) with the local date.
    const bool dayOver = now < day_.start() || now >= day_.end();
    if (followsNow_ && dayOver) {
        PlanetaryDay day = planetaryDayAt(location_.place, now);
        if (day.date != date_) {
            showDay(std::move(day));
            followsNow_ = true;
            showMoonNow();
            return;
        }
    }
    markCurrentHour();
    // The moon's sign and phase change between hours: the line follows the clock by the minute.
    if (now / 60 != moonMinute_) {
        showMoonNow();
    }
}

} // namespace lunara
