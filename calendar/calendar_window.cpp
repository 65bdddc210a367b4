#include "calendar/calendar_window.h"

#include "assets/assets.h"
#include "calendar/calendar_export.h"
#include "calendar/calendar_model.h"
#include "calendar/calendar_print.h"
#include "calendar/calendar_view.h"
#include "calendar/export_dialog.h"
#include "kit/form.h"
#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/menus.h"
#include "kit/orange_looks.h"
#include "kit/services.h"
#include "kit/sky_words.h"
#include "kit/text.h"
#include "kit/web_links.h"
#include "moon/age.h"
#include "moon/sign.h"
#include "moon/texts.h"
#include "place/location.h"
#include "place/location_dialog.h"
#include "sky/planets.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <algorithm>

namespace lunara {

using namespace orangelook;

namespace {

constexpr Look kOffer{.fg = kBlack, .bg = kOrange, .bold = true, .underline = true, .hand = true};
constexpr Look kDetail{.fg = kWhite};
constexpr Look kHeading{.fg = kOrange, .bold = true};
constexpr Look kWeekday{.fg = kOrange, .bold = true, .align = AlignCenter};
constexpr Look kNavButton{.bg = kGrey, .bold = true};

// The grid's top left corner in the panel.
constexpr int kGridLeft = 8;
constexpr int kGridTop = 58;

// clang-format off
constexpr Control kControls[] = {
    {"Frame2", Kind::Frame, nullptr, 0, 0, 11700, 570, nullptr, kStrip},
    {"Label61", Kind::Label, "Frame2", 120, 75, 11460, 450, nullptr,
     {.fg = kBlack, .points = 9, .bold = true, .underline = true, .align = AlignCenter, .hand = true}},
    {"Frame1", Kind::Frame, nullptr, 0, 570, 11700, 7770, nullptr, kPanel},
    {"cmdPrevMonth", Kind::Button, "Frame1", 120, 120, 420, 360, QT_TRANSLATE_NOOP("lunara::frmMoonCalendar", "<"), kNavButton},
    {"cboCalMonth", Kind::ComboBox, "Frame1", 600, 120, 1650, 360, nullptr, {.fg = kBlack, .bg = kOrange, .bold = true}},
    {"cboCalYear", Kind::ComboBox, "Frame1", 2310, 120, 1050, 360, nullptr, {.fg = kBlack, .bg = kOrange, .bold = true}},
    {"cmdNextMonth", Kind::Button, "Frame1", 3420, 120, 420, 360, QT_TRANSLATE_NOOP("lunara::frmMoonCalendar", ">"), kNavButton},
    {"cmdToday", Kind::Button, "Frame1", 3960, 120, 1200, 360, QT_TRANSLATE_NOOP("lunara::frmMoonCalendar", "&Today"), kNavButton},
    {"lblHemisphere", Kind::Label, "Frame1", 5340, 180, 1200, 270, QT_TRANSLATE_NOOP("lunara::frmMoonCalendar", "Hemisphere:"), kHeading},
    {"optNorthern", Kind::Option, "Frame1", 6600, 150, 1350, 300, QT_TRANSLATE_NOOP("lunara::frmMoonCalendar", "&Northern"), kHeading},
    {"optSouthern", Kind::Option, "Frame1", 7950, 150, 1350, 300, QT_TRANSLATE_NOOP("lunara::frmMoonCalendar", "&Southern"), kHeading},
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
    {"lblCalElementDesc", Kind::Label, "Frame1", 6720, 4200, 4860, 1200, nullptr, {.fg = kOrange}},
    {"lblCalEvents", Kind::Label, "Frame1", 6720, 5430, 4860, 480, nullptr, {.fg = 0xFFD700, .bold = true}},
    {"lblCalNextNew", Kind::Label, "Frame1", 6720, 5940, 4860, 450, nullptr, kDetail},
    {"lblCalNextFull", Kind::Label, "Frame1", 6720, 6390, 4860, 450, nullptr, kDetail},
    {"lblCalRule", Kind::Label, "Frame1", 6720, 6870, 4860, 240, nullptr, {.fg = kGrey}},
    {"lblCalPlace", Kind::Label, "Frame1", 120, 6510, 6480, 240, nullptr, kHeading},
    {"lblCalSun", Kind::Label, "Frame1", 120, 6750, 6480, 240, nullptr, kDetail},
    {"lblCalMoonRise", Kind::Label, "Frame1", 120, 6990, 6480, 240, nullptr, kDetail},
    {"lblCalVoid", Kind::Label, "Frame1", 120, 7230, 6480, 450, nullptr, kDetail},
    {"lblCalPlaceNote", Kind::Label, "Frame1", 6720, 7140, 3240, 480, nullptr, {.fg = kGrey}},
    {"cmdLocation", Kind::Button, "Frame1", 10140, 7140, 1440, 360, QT_TRANSLATE_NOOP("lunara::frmMoonCalendar", "&Location..."), kNavButton},
    {"Frame5", Kind::Frame, nullptr, 0, 8340, 11700, 630, nullptr, kStrip},
    {"lblFullBrand", Kind::Label, "Frame5", 120, 45, 8400, 540, kFullBrandText, kOffer},
    {"lblCobrand", Kind::Label, "Frame5", 120, 45, 8400, 540, kCoBrandText, kOffer},
    {"cmdExit", Kind::Button, "Frame5", 10260, 90, 1260, 450, QT_TRANSLATE_NOOP("lunara::frmMoonCalendar", "&Exit"), kGreyButton},
};
// clang-format on

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

} // namespace

frmMoonCalendar::frmMoonCalendar(FeatureHost& host)
    : FeatureWindow(host, "frmMoonCalendar", tr("Lunara Moon Calendar"), 11700, 8970, kBlack) {
    bindControls(Form(client(), kControls, staticMetaObject.className()));
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
    LUNARA_BIND(form, lblCalEvents);
    LUNARA_BIND(form, lblCalNextNew);
    LUNARA_BIND(form, lblCalNextFull);
    LUNARA_BIND(form, lblCalRule);
    LUNARA_BIND(form, lblCalPlace);
    LUNARA_BIND(form, lblCalSun);
    LUNARA_BIND(form, lblCalMoonRise);
    LUNARA_BIND(form, lblCalVoid);
    LUNARA_BIND(form, lblCalPlaceNote);
    LUNARA_BIND(form, cmdLocation);
    LUNARA_BIND(form, lblFullBrand);
    LUNARA_BIND(form, lblCobrand);
    LUNARA_BIND(form, cmdExit);
    QWidget* panel = nullptr;
    form.bind(panel, "Frame1");
    // The month: a model of its days, shown by a grid under the weekday names.
    model = new MoonMonthModel(this);
    model->setObjectName(QStringLiteral("model"));
    grdCalendar = new MoonMonthView(panel);
    grdCalendar->setObjectName(QStringLiteral("grdCalendar"));
    grdCalendar->setAccessibleName(tr("Days of the month"));
    grdCalendar->setModel(model);
    grdCalendar->move(kGridLeft, kGridTop);
    cmdPrevMonth->setAccessibleName(tr("Previous month"));
    cmdNextMonth->setAccessibleName(tr("Next month"));
    cboCalMonth->setAccessibleName(tr("Month"));
    cboCalYear->setAccessibleName(tr("Year"));
    clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("clock"));
    clock->setInterval(1000);
}

void frmMoonCalendar::buildMenus() {
    QMenu* file = addMenu(menus(), "mnuFile", tr("&File"));
    mnuPrint = addCommand(file, "mnuPrint", tr("&Print..."), this, [this] { printMonth(); });
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuPrint->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(mnuPrint);
    mnuSavePdf = addCommand(file, "mnuSavePdf", tr("Save as P&DF..."), this, [this] { saveMonthAsPdf(); });
    mnuExport = addCommand(file, "mnuExport", tr("&Export to Calendar..."), this, [this] { exportCalendar(); });
    mnuLocation = addCommand(file, "mnuLocation", tr("&Location..."), this, [this] { chooseLocation(); });
    addCommand(file, "mnuYear", tr("The &Year"), this, [this] { emit yearRequested(); });
    addCommand(file, "mnuReminders", tr("&Reminders..."), this, [this] { emit remindersRequested(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    addCommand(file, "mnuExit", tr("E&xit"), this, [this] { closeWindow(); });
    // The month keys act wherever the focus is in the window, the lists included.
    QMenu* go = addMenu(menus(), "mnuGo", tr("&Go"));
    const auto key = [this](QAction* action, Qt::Key k) {
        action->setShortcut(QKeySequence(k));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        return action;
    };
    mnuPrevMonth =
        key(addCommand(go, "mnuPrevMonth", tr("&Previous Month"), this, [this] { moveMonths(-1); }), Qt::Key_PageUp);
    mnuNextMonth =
        key(addCommand(go, "mnuNextMonth", tr("&Next Month"), this, [this] { moveMonths(1); }), Qt::Key_PageDown);
    mnuToday = key(addCommand(go, "mnuToday", tr("&Today"), this, [this] { goToToday(); }), Qt::Key_Home);
    addHelpMenu(menus(), {"mnuCalSep1", "mnuCalSep2", QT_TRANSLATE_NOOP("Menus", "Check for Software &Update")}, this,
                host().services());
    addMakeMoneyCommand(menus(), "mnuMakeMoneyOnline", this);
}

void frmMoonCalendar::connectControls() {
    connectOfferLabels(Label61, lblFullBrand, lblCobrand);
    connect(cmdPrevMonth, &QPushButton::clicked, this, [this] { moveMonths(-1); });
    connect(cmdNextMonth, &QPushButton::clicked, this, [this] { moveMonths(1); });
    connect(cmdToday, &QPushButton::clicked, this, [this] { goToToday(); });
    const auto listChanged = [this] {
        const QDate first(kFirstYear + cboCalYear->currentIndex(), cboCalMonth->currentIndex() + 1, 1);
        selectDate(first.addDays(std::min(selectedDate().day(), first.daysInMonth()) - 1));
    };
    connect(cboCalMonth, &QComboBox::currentIndexChanged, this, listChanged);
    connect(cboCalYear, &QComboBox::currentIndexChanged, this, listChanged);
    connect(optSouthern, &QRadioButton::toggled, this, [this](bool southernNow) {
        host().services().storeSetting(QString::fromLatin1(kHemisphereKey),
                                       southernNow ? QStringLiteral("Southern") : QStringLiteral("Northern"));
        model->setSouthern(southernNow);
        showDetails();
    });
    connect(grdCalendar, &MoonMonthView::stepRequested, this, [this](int days) { moveSelection(days); });
    // A click (or the view's own keyboard search) makes a day current: that day is chosen.
    connect(grdCalendar->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                const QDate date = current.data(MoonMonthModel::DateRole).toDate();
                if (date.isValid() && date != selectedDate()) {
                    selectDate(date);
                }
            });
    connect(cmdLocation, &QPushButton::clicked, this, [this] { chooseLocation(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(clock, &QTimer::timeout, this, [this] { tick(); });
    setCancelButton(cmdExit);
}

void frmMoonCalendar::Form_Load() {
    const QSignalBlocker quietMonth(cboCalMonth);
    const QSignalBlocker quietYear(cboCalYear);
    const QSignalBlocker quietSouth(optSouthern);
    for (int m = 1; m <= 12; ++m) {
        cboCalMonth->addItem(formats().standaloneMonthName(m));
    }
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        cboCalYear->addItem(QString::number(y));
    }
    (southernChosen(host().services().settings()) ? optSouthern : optNorthern)->setChecked(true);
    const Services& services = host().services();
    model->setTimeZone(services.timeZone());
    model->setFirstDayOfWeek(services.locale().firstDayOfWeek());
    model->setSouthern(southern());
    model->setToday(localDate(services.now(), services.timeZone()));
    usePlace(currentLocation(host().services()));
    for (std::size_t c = 0; c < lblWeekday.size(); ++c) {
        setLabelText(lblWeekday[c], model->headerData(int(c), Qt::Horizontal, Qt::DisplayRole).toString());
        lblWeekday[c]->setAccessibleName(model->headerData(int(c), Qt::Horizontal, Qt::AccessibleTextRole).toString());
    }
    selectDate(model->today());
    clock->start();
}

bool frmMoonCalendar::southern() const { return optSouthern->isChecked(); }

QDate frmMoonCalendar::selectedDate() const { return model->selectedDate(); }

QString frmMoonCalendar::localTime(std::int64_t unixSeconds) const {
    return localTimeText(unixSeconds, model->timeZone());
}

void frmMoonCalendar::selectDate(const QDate& date) {
    const QDate clamped = std::clamp(date, QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    const QDate monthBefore = model->month();
    model->setSelectedDate(clamped);
    {
        // The view's current day follows the model's chosen one.
        const QSignalBlocker quiet(grdCalendar->selectionModel());
        const QModelIndex index = model->indexOf(clamped);
        grdCalendar->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        grdCalendar->update(index);
    }
    if (model->month() != monthBefore) {
        showMonth();
    }
    showDetails();
}

void frmMoonCalendar::focusFirstControl() { grdCalendar->setFocus(Qt::TabFocusReason); }

void frmMoonCalendar::moveSelection(int days) { selectDate(selectedDate().addDays(days)); }

void frmMoonCalendar::moveMonths(int months) {
    const QDate target = selectedDate().addMonths(months);
    if (target.year() < kFirstYear || target.year() > kLastYear) {
        return; // past either end of the calendar: the chosen day stays
    }
    selectDate(target);
}

void frmMoonCalendar::goToToday() { selectDate(model->today()); }

void frmMoonCalendar::tick() {
    const QDate now = localDate(host().services().now(), model->timeZone());
    if (now == model->today()) {
        return;
    }
    const bool followed = selectedDate() == model->today();
    model->setToday(now);
    if (followed) {
        selectDate(now);
    }
}

void frmMoonCalendar::usePlace(const Location& location) {
    location_ = location;
    const Place& p = location.place;
    model->setPlace(p.latitude, p.longitude, placeName(p));
    setLabelText(lblCalPlace, tr("Sunrise and sunset for %1").arg(placeText(p)));
    QString note;
    if (!location.chosen) {
        note =
            p.zoneId.isEmpty() ? tr("Your time zone names no city.") : tr("%1 is your time zone's city.").arg(p.city);
    }
    setLabelText(lblCalPlaceNote, note);
    showDetails();
}

PrintedMonth frmMoonCalendar::printedMonth() {
    model->almanac().setModernPlanets(modernPlanetsChosen(host().services().settings()));
    return {model, placeText(location_.place)};
}

void frmMoonCalendar::printMonth() {
    // The printer's own paper; portrait, as the page is laid out.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(tr("Lunara Moon Calendar"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        host().services().information(this, tr("The printer could not be used. Nothing was printed."));
        return;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    PaintMonth(painter, QRectF(0, 0, page.width(), page.height()), printedMonth());
}

bool frmMoonCalendar::saveMonthAsPdf() {
    Services& services = host().services();
    const QString path = services.askSaveFile(
        this, tr("Save as PDF"),
        // File names stay in the same words whatever the language, so that a folder sorts as before.
        QStringLiteral("moon-%1.pdf").arg(QLocale::c().toString(model->month(), QStringLiteral("MMMM-yyyy")).toLower()),
        tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!SaveMonthAsPdf(path, printedMonth(), PaperFor(services.locale()), &error)) {
        services.information(this, error);
        return false;
    }
    return true;
}

frmExportCalendar* frmMoonCalendar::exportCalendar() {
    Services& services = host().services();
    auto* dialog = new frmExportCalendar(model->month(), modernPlanetsChosen(services.settings()), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, &services] {
        const QString path = services.askSaveFile(this, tr("Export to Calendar"), dialog->suggestedFileName(),
                                                  tr("Calendar files (*.ics)"), QStringLiteral("ics"));
        if (path.isEmpty()) {
            return;
        }
        const QTimeZone zone = model->timeZone();
        const ExportPlace where{almanac::Place{location_.place.latitude, location_.place.longitude},
                                placeName(location_.place), southern(), zone};
        const std::vector<CalendarEvent> events =
            MoonEvents(startOfLocalDay(dialog->firstDay(), zone), startOfLocalDay(dialog->endDay(), zone),
                       dialog->choice(), where);
        QString error;
        if (!WriteCalendarFile(path, ICalendarText(events, services.now().toSecsSinceEpoch()), &error)) {
            services.information(this, error);
            return;
        }
        services.information(this, QStringLiteral("Lunara saved %1 events in %2. Import the file into your calendar "
                                                  "program; importing it again later updates the same events.")
                                       .arg(events.size())
                                       .arg(QFileInfo(path).fileName()));
    });
    dialog->open();
    return dialog;
}

frmLocation* frmMoonCalendar::chooseLocation() {
    return lunara::chooseLocation(this, host().services(), location_, [this](const Location& l) { usePlace(l); });
}

void frmMoonCalendar::showVoidOfCourse(const CalendarDay& day) {
    QStringList periods;
    if (day.exists) {
        model->almanac().setModernPlanets(modernPlanetsChosen(host().services().settings()));
        for (const almanac::Event& v : model->almanac().events(day.start, day.end, {almanac::Kind::VoidOfCourse})) {
            periods << voidOfCourseText(v.start, v.end, translated("Signs", v.sign), day.date, model->timeZone());
        }
    }
    const QString text = !day.exists         ? QString()
                         : periods.isEmpty() ? tr("The moon is not void of course this day")
                                             : periods.join(QStringLiteral("; "));
    setLabelText(lblCalVoid, text);
}

void frmMoonCalendar::showHorizon(const CalendarDay& day) {
    for (auto [label, body] : {std::pair{lblCalSun, sky::Body::Sun}, std::pair{lblCalMoonRise, sky::Body::Moon}}) {
        const CalendarDay::Horizon& h = body == sky::Body::Sun ? day.sun : day.moon;
        const QString text = day.exists ? horizonText(h.crossings, h.upAtStart, body, model->timeZone()) : QString();
        setLabelText(label, text);
        label->setAccessibleName(text);
    }
}

void frmMoonCalendar::showMonth() {
    const QDate first = model->month();
    {
        const QSignalBlocker quietMonth(cboCalMonth);
        const QSignalBlocker quietYear(cboCalYear);
        cboCalMonth->setCurrentIndex(first.month() - 1);
        cboCalYear->setCurrentIndex(first.year() - kFirstYear);
    }
    cmdPrevMonth->setEnabled(first > QDate(kFirstYear, 1, 1));
    cmdNextMonth->setEnabled(first < QDate(kLastYear, 12, 1));
    mnuPrevMonth->setEnabled(cmdPrevMonth->isEnabled());
    mnuNextMonth->setEnabled(cmdNextMonth->isEnabled());
}

void frmMoonCalendar::showDetails() {
    const CalendarDay* day = model->selectedDay();
    if (!day) {
        return;
    }
    const QDate date = day->date;
    setLabelText(lblCalDate, dateText(date, DateForm::WeekdayDayMonthYear));
    if (!day->exists) {
        // A date the zone's clocks skipped: no sky to show.
        PicCalMoon->setPixmap(QPixmap());
        PicCalMoon->setAccessibleName(QString());
        setLabelText(lblCalPhase, tr("No such day here: the clocks skipped it"));
        for (QLabel* label : {lblCalAge, lblCalLit, lblCalSign, lblCalIngress, lblCalKeyword, lblCalSignDesc,
                              lblCalElement, lblCalElementDesc, lblCalEvents, lblCalNextNew, lblCalNextFull}) {
            setLabelText(label, QString());
        }
    } else {
        const almanac::DaySky& s = day->sky;
        PicCalMoon->setPixmap(model->picture(s.age));
        const std::optional<sky::Quarter> quarter =
            s.quarter ? std::optional(s.quarter->quarter) : std::optional<sky::Quarter>();
        QString phase = translated("Moon", sky::EightPhaseName(day->noon, quarter));
        if (s.quarter) {
            phase = tr("%1 at %2", "a phase and the time of its quarter").arg(phase, localTime(s.quarter->unixSeconds));
        }
        setLabelText(lblCalPhase, phase);
        PicCalMoon->setAccessibleName(tr("Moon picture: %1").arg(phase));
        setLabelText(lblCalAge, tr("Age: %1 days").arg(decimalText(s.age, 1)));
        setLabelText(lblCalLit, tr("Lit: %1 %").arg(qRound(s.fraction * 100)));

        // The moon enters at most one sign a day; the list is for a day that would hold two.
        QStringList enters;
        for (const sky::SignIngress& in : s.ingresses) {
            enters << (enters.isEmpty() ? tr("The moon enters %1 at %2") : tr("enters %1 at %2"))
                          .arg(translated("Signs", in.sign), localTime(in.unixSeconds));
        }
        setLabelText(lblCalIngress, enters.join(tr(", ", "between the phrases of a list")));
        if (const SunsignText* text = FindSunsignText(s.sign)) {
            setLabelText(lblCalSign, translated("Moon", text->title));
            setLabelText(lblCalKeyword, tr("Keyword: %1").arg(translated("Moon", text->keyword)));
            setLabelText(lblCalSignDesc, translated("Moon", text->description(Screen::Today)));
        }
        const auto element = ElementForSign(s.sign);
        if (const ElementText* text = element ? FindElementText(*element) : nullptr) {
            setLabelText(lblCalElement, tr("Element: %1").arg(translated("Elements", text->name)));
            setLabelText(lblCalElementDesc, translated("Moon", text->description(Screen::Today)));
        }
        const QStringList events = day->year.withMercury();
        setLabelText(lblCalEvents, events.join(QStringLiteral("; ")));
        // A day without the year's events has nothing here for a screen reader to stop at.
        lblCalEvents->setVisible(!events.isEmpty());
        showNextQuarters(*day);
    }
    showHorizon(*day);
    showVoidOfCourse(*day);
    const MoonPhaseInfo rule = MoonPhaseForAge(CalculateMoonAge(date.day(), date.month(), date.year()));
    setLabelText(
        lblCalRule,
        tr("The traditional rule says %n days, %1", nullptr, rule.age).arg(translated("Moon", rule.phaseName)));
}

void frmMoonCalendar::showNextQuarters(const CalendarDay& day) {
    // The next new and full moon from the start of the day chosen, by the minute they are shown at.
    const std::int64_t from = day.start - MoonMonthModel::kRounding;
    const std::vector<almanac::Event> coming = model->almanac().events(
        from, std::min<std::int64_t>(from + 40LL * 86400, sky::kLastUnix), {almanac::Kind::Quarter});
    for (auto [q, label] :
         {std::pair{sky::Quarter::New, lblCalNextNew}, std::pair{sky::Quarter::Full, lblCalNextFull}}) {
        const auto it =
            std::find_if(coming.begin(), coming.end(), [q = q](const almanac::Event& e) { return e.quarter == q; });
        if (it == coming.end()) {
            continue;
        }
        const QDate on = roundedLocal(it->start, model->timeZone()).date();
        const qint64 inDays = day.date.daysTo(on);
        const bool isNew = q == sky::Quarter::New;
        const QString sentence =
            inDays == 0   ? (isNew ? tr("Next new moon: %1 at %2, today") : tr("Next full moon: %1 at %2, today"))
            : inDays == 1 ? (isNew ? tr("Next new moon: %1 at %2, in 1 day") : tr("Next full moon: %1 at %2, in 1 day"))
                          : (isNew ? tr("Next new moon: %1 at %2, in %n days", nullptr, int(inDays))
                                   : tr("Next full moon: %1 at %2, in %n days", nullptr, int(inDays)));
        setLabelText(label, sentence.arg(dateText(on, DateForm::WeekdayDayMonthYear), localTime(it->start)));
    }
}

} // namespace lunara
