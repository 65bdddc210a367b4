#include "moon/main_window.h"

#include "kit/event_words.h"
#include "kit/form.h"
#include "kit/formats.h"
#include "kit/menus.h"
#include "kit/orange_looks.h"
#include "kit/services.h"
#include "kit/sky_words.h"
#include "kit/text.h"
#include "kit/web_links.h"
#include "moon/age.h"
#include "moon/display_window.h"
#include "moon/sign.h"
#include "moon/texts.h"
#include "place/location_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace lunara {

using namespace orangelook;

namespace {

constexpr Look kWhiteUnderlined{.fg = kWhite, .bold = true, .underline = true};
constexpr Look kDateList{.fg = kBlack, .bg = kOrange, .bold = true};
constexpr Look kOffer{.fg = kBlack, .bg = kOrange, .bold = true, .underline = true, .hand = true};

// clang-format off
constexpr Control kControls[] = {
    {"Frame2", Kind::Frame, nullptr, 0, 0, 10215, 615, nullptr, kStrip},
    {"Label61", Kind::Label, "Frame2", 120, 120, 9960, 585, nullptr,
     {.fg = kBlack, .points = 9, .bold = true, .underline = true, .align = AlignCenter, .hand = true}},
    {"Frame1", Kind::Frame, nullptr, 0, 600, 10215, 6855, nullptr, kPanel},
    {"Label2", Kind::Label, "Frame1", 240, 220, 9735, 495,
     QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "The Moon has a strong influence on magick rituals. Know more about the moon phases and the corresponding "
     "effects on magick."),
     {.fg = 0x00FF00, .bold = true, .align = AlignCenter, .hand = true}},
    {"Frame4", Kind::GroupBox, "Frame1", 2040, 720, 6615, 2055, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Enter Date for Moon Magick"), kOrangeText},
    {"Label5", Kind::Label, "Frame4", 480, 240, 405, 195, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Date"), kWhiteUnderlined},
    {"Label7", Kind::Label, "Frame4", 1920, 240, 510, 195, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Month"), kWhiteUnderlined},
    {"Label6", Kind::Label, "Frame4", 3600, 240, 390, 195, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Year"), kWhiteUnderlined},
    {"cboDate", Kind::ComboBox, "Frame4", 240, 480, 900, 315, nullptr, kDateList},
    {"cboMonth", Kind::ComboBox, "Frame4", 1530, 480, 1380, 315, nullptr, kDateList},
    {"cboYear", Kind::ComboBox, "Frame4", 3315, 480, 1020, 315, nullptr, kDateList},
    {"optMoonPhase", Kind::Option, "Frame4", 240, 840, 4095, 375, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Moon Phase - Magick Correspondence"), kOrangeText},
    {"optZodiacalMoon", Kind::Option, "Frame4", 240, 1200, 4095, 375, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Zodiacal Moon Magick"), kOrangeText},
    {"optElementalMoon", Kind::Option, "Frame4", 240, 1560, 4095, 375, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Elemental Moon Magick"), kOrangeText},
    {"cmdCalculateMoonPhase", Kind::Button, "Frame4", 4440, 480, 1935, 1335, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Moon &Magick Reading"),
     {.bg = 0xE0E0E0, .bold = true, .hand = true}},
    {"Frame3", Kind::GroupBox, "Frame1", 120, 2880, 4935, 2295, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Today's Moon Phase"), kOrangeText},
    {"lblCurrentMoonPhaseName", Kind::Label, "Frame3", 240, 360, 1890, 195, nullptr, kOrangeText},
    {"PicCurrentMoonPhase", Kind::Picture, "Frame3", 3960, 240, 780, 780, nullptr, {}},
    {"lblTodayYear", Kind::Label, "Frame3", 240, 585, 3660, 480, nullptr, {.fg = 0xFFD700, .points = 7, .bold = true}},
    {"lblCurrentMoonPhaseDesc", Kind::Label, "Frame3", 240, 1080, 4485, 855, nullptr, kOrangeText},
    {"Label3", Kind::Label, "Frame3", 120, 1920, 855, 195, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Today Is"), kOrangeUnderlined},
    {"lblCurrentDateTime", Kind::Label, "Frame3", 1080, 1920, 2595, 210, nullptr,
     {.fg = kCyan, .bold = true, .align = AlignCenter, .autoSize = true}},
    {"Frame7", Kind::GroupBox, "Frame1", 5160, 2880, 4935, 2295, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Today's Zodiacal Elemental Moon Magick"),
     kOrangeText},
    {"lblCurrentMoonInSunsign", Kind::Label, "Frame7", 240, 360, 1740, 195, nullptr,
     {.fg = kOrange, .bold = true, .autoSize = true}},
    {"Label1", Kind::Label, "Frame7", 240, 720, 1095, 195, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Keywords:-"), kOrangeText},
    {"lblCurrentMoonInSunsignKeywords", Kind::Label, "Frame7", 1680, 720, 735, 195, nullptr,
     {.fg = kOrange, .bold = true, .autoSize = true}},
    {"lblCurrentMoonInSunsignDesc", Kind::Label, "Frame7", 240, 1080, 4485, 1155, nullptr, kOrangeText},
    {"Frame6", Kind::GroupBox, "Frame1", 120, 5280, 9975, 1455, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "Today's Elemental Moon Magick"), kOrangeText},
    {"lblCurrentMoonInElement", Kind::Label, "Frame6", 3960, 240, 1995, 240, nullptr, kOrangeCentred},
    {"lblCurrentMoonInElementDesc", Kind::Label, "Frame6", 120, 600, 9780, 795, nullptr, kOrangeCentred},
    {"Frame5", Kind::Frame, nullptr, 0, 7440, 10215, 800, nullptr, kStrip},
    {"lblCobrand", Kind::Label, "Frame5", 120, 120, 5985, 615, kCoBrandText,
     {.fg = kBlack, .bg = kOrange, .bold = true, .underline = true, .align = AlignCenter, .hand = true}},
    {"lblFullBrand", Kind::Label, "Frame5", 120, 120, 5985, 615, kFullBrandText, kOffer},
    {"cmdExit", Kind::Button, "Frame5", 8820, 195, 1260, 465, QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "&Exit"), kGreyButton},
};
// clang-format on

constexpr const char* kMonths[] = {QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "January"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "February"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "March"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "April"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "May"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "June"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "July"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "August"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "September"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "October"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "November"),
                                   QT_TRANSLATE_NOOP("lunara::frmMoonMagickMain", "December")};
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
// Position 99 of the year list is 2000, the first year that subtracts 8.3.
constexpr int kFirstPositionFrom2000 = 2000 - kFirstYear;

} // namespace

frmMoonMagickMain::frmMoonMagickMain(MoonHost& host)
    : FeatureWindow(host, "frmMoonMagickMain", tr("Velmora Moon Magick"), 10215, 8250, kBlack), moonHost_(host) {
    bindControls(Form(client(), kControls, staticMetaObject.className()));
    buildMenus();
    connectControls();
    Form_Load();
}

void frmMoonMagickMain::bindControls(const Form& form) {
    LUNARA_BIND(form, Label61);
    LUNARA_BIND(form, Label2);
    LUNARA_BIND(form, cboDate);
    LUNARA_BIND(form, cboMonth);
    LUNARA_BIND(form, cboYear);
    LUNARA_BIND(form, optMoonPhase);
    LUNARA_BIND(form, optZodiacalMoon);
    LUNARA_BIND(form, optElementalMoon);
    LUNARA_BIND(form, cmdCalculateMoonPhase);
    LUNARA_BIND(form, lblCurrentMoonPhaseName);
    LUNARA_BIND(form, PicCurrentMoonPhase);
    LUNARA_BIND(form, lblCurrentMoonPhaseDesc);
    LUNARA_BIND(form, lblTodayYear);
    LUNARA_BIND(form, lblCurrentDateTime);
    LUNARA_BIND(form, lblCurrentMoonInSunsign);
    LUNARA_BIND(form, lblCurrentMoonInSunsignKeywords);
    LUNARA_BIND(form, lblCurrentMoonInSunsignDesc);
    LUNARA_BIND(form, lblCurrentMoonInElement);
    LUNARA_BIND(form, lblCurrentMoonInElementDesc);
    LUNARA_BIND(form, lblCobrand);
    LUNARA_BIND(form, lblFullBrand);
    LUNARA_BIND(form, cmdExit);
    // The captions above the lists name them for screen readers.
    QLabel* caption = nullptr;
    for (auto [name, list] :
         {std::pair{"Label5", cboDate}, std::pair{"Label7", cboMonth}, std::pair{"Label6", cboYear}}) {
        form.bind(caption, name);
        labelList(caption, list);
    }
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

void frmMoonMagickMain::buildMenus() {
    QMenu* file = addMenu(menus(), "mnuFile", tr("&File"));
    addCommand(file, "mnuMoonMagickReading", tr("Moon &Magick Reading"), this,
               [this] { cmdCalculateMoonPhase_Click(); });
    addCommand(file, "mnuMoonCalendar", tr("Moon &Calendar"), this, [this] { moonHost_.showMoonCalendar(); });
    addCommand(file, "mnuExit", tr("E&xit"), this, [this] { closeWindow(); });
    addHelpMenu(menus(), {"mnuHelp1", "mnuHelp2", QT_TRANSLATE_NOOP("Menus", "Check for Software &Update")}, this,
                host().services());
    addMakeMoneyCommand(menus(), "mnuMakeMoneyOnline", this);
}

void frmMoonMagickMain::connectControls() {
    connectOfferLabels(Label61, lblFullBrand, lblCobrand);
    onClick(Label2, [] { GoToFullBrandPage(); });
    connect(cmdCalculateMoonPhase, &QPushButton::clicked, this, [this] { cmdCalculateMoonPhase_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);
}

void frmMoonMagickMain::Form_Load() {
    for (int day = 1; day <= 31; ++day) {
        cboDate->addItem(QString::number(day));
    }
    for (const char* month : kMonths) {
        cboMonth->addItem(tr(month));
    }
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        cboYear->addItem(QString::number(year));
    }
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    optMoonPhase->setChecked(true);
    lblTodayYear->hide(); // until today's sky is known
    FillTodayPanel();
    Timer1->start();
}

void frmMoonMagickMain::FillTodayPanel() {
    Services& services = host().services();
    const QDate today = services.now().date();
    todayShown_ = today;
    const int day = today.day();
    const int month = today.month();
    const MoonPhaseInfo info = MoonPhaseForAge(CalculateMoonAge(day, month, today.year()));
    showMoonPicture(PicCurrentMoonPhase, moonHost_.moonDisplay().IMGMoon, info);
    setLabelText(lblCurrentMoonPhaseName, translated("Moon", info.phaseName));
    if (const MoonPhaseText* phase = FindPhaseText(info.phaseName)) {
        setLabelText(lblCurrentMoonPhaseDesc, translated("Moon", phase->description));
    }
    setLabelText(lblCurrentDateTime, clockText(services));
    scheduleYearToday();
    const auto sign = CalculateSunSign(day, month);
    if (!sign) {
        return;
    }
    if (const SunsignText* text = FindSunsignText(*sign)) {
        setLabelText(lblCurrentMoonInSunsign, translated("Moon", text->title));
        setLabelText(lblCurrentMoonInSunsignKeywords, translated("Moon", text->keyword));
        setLabelText(lblCurrentMoonInSunsignDesc, translated("Moon", text->description(Screen::Today)));
    }
    const auto element = ElementForSign(*sign);
    if (!element) {
        return;
    }
    if (const ElementText* text = FindElementText(*element)) {
        setLabelText(lblCurrentMoonInElement, translated("Elements", text->name));
        setLabelText(lblCurrentMoonInElementDesc, translated("Moon", text->description(Screen::Today)));
    }
}

void frmMoonMagickMain::scheduleYearToday() {
    // The year's searches take longer than a frame: the window shows first, the line a moment
    // later (it is hidden on most days anyway). Opening and showing ask once between them.
    if (yearTodayPending_) {
        return;
    }
    yearTodayPending_ = true;
    QTimer::singleShot(0, this, [this] {
        yearTodayPending_ = false;
        showYearToday();
    });
}

void frmMoonMagickMain::showYearToday() {
    // Today in the real sky where the user is: the wheel's sabbat, an eclipse, a station, and a
    // retrograde Mercury, named; the tooltip gives their times.
    Services& services = host().services();
    const QTimeZone zone = services.timeZone();
    const Location location = currentLocation(services);
    almanac_.setDates(zoneDates(zone));
    almanac_.setSouthern(southernChosen(services.settings()));
    almanac_.setPlace(almanac::Place{location.place.latitude, location.place.longitude});
    const DayEvents today = yearEventsOfDate(almanac_, todayShown_, zone, zone, placeName(location.place));
    const QStringList names = today.namesWithMercury();
    setLabelText(lblTodayYear, names.join(QStringLiteral("; ")));
    lblTodayYear->setToolTip(today.withMercury().join(u'\n'));
    lblTodayYear->setVisible(!names.isEmpty());
}

void frmMoonMagickMain::showEvent(QShowEvent* event) {
    FeatureWindow::showEvent(event);
    if (todayShown_.isValid()) {
        scheduleYearToday();
    }
}

bool frmMoonMagickMain::CheckEnteredDate() {
    const int dayPos = cboDate->currentIndex();
    const int monthPos = cboMonth->currentIndex();
    const bool tooLateInFebruary = monthPos == 1 && (dayPos == 29 || dayPos == 30);
    const bool thirtyFirstOfShortMonth =
        (monthPos == 3 || monthPos == 5 || monthPos == 8 || monthPos == 10) && dayPos == 30;
    if (tooLateInFebruary || thirtyFirstOfShortMonth) {
        host().services().information(this, tr("Please Enter Correct Date !"));
        return false;
    }
    return true;
}

void frmMoonMagickMain::Timer1_Timer() {
    // Past midnight the today panel belongs to the new date, like the clock.
    if (host().services().now().date() != todayShown_) {
        FillTodayPanel();
    }
    const QString clock = clockText(host().services());
    // The result window's clock runs too, even while it is hidden; asking for it brings it back if
    // it was closed.
    setLabelText(moonHost_.moonDisplay().lblDateTime, clock);
    setLabelText(lblCurrentDateTime, clock);
}

void frmMoonMagickMain::cmdCalculateMoonPhase_Click() {
    if (!CheckEnteredDate()) {
        return;
    }
    frmMoonMagickDisplay& display = moonHost_.moonDisplay();
    const int day = cboDate->currentIndex() + 1;
    const int month = cboMonth->currentIndex() + 1;
    if (optMoonPhase->isChecked()) {
        const int year = cboYear->currentText().toInt();
        const Century century =
            cboYear->currentIndex() >= kFirstPositionFrom2000 ? Century::From2000 : Century::Before2000;
        const MoonPhaseInfo info = MoonPhaseForAge(CalculateMoonAge(day, month, year, century));
        showMoonPicture(display.PicMoonPhase, display.IMGMoon, info);
        setLabelText(display.lblMoonPhaseName, translated("Moon", info.phaseName));
        if (const MoonPhaseText* phase = FindPhaseText(info.phaseName)) {
            setLabelText(display.lblMoonPhaseDesc, translated("Moon", phase->description));
        }
        setLabelText(display.lblDateTime, clockText(host().services()));
        setLabelText(display.lblGivenDate, givenDateText(year, month, day));
        display.showFrame(display.fraMoonPhase);
    } else if (optZodiacalMoon->isChecked()) {
        if (const auto sign = CalculateSunSign(day, month)) {
            if (const SunsignText* text = FindSunsignText(*sign)) {
                setLabelText(display.lblMoonInSunsign, translated("Moon", text->title));
                setLabelText(display.lblMoonInSunsignKeywords, translated("Moon", text->keyword));
                setLabelText(display.lblMoonInSunsignDesc, translated("Moon", text->description(Screen::Reading)));
            }
        }
        display.showFrame(display.fraZodiacalMoon);
    } else if (optElementalMoon->isChecked()) {
        const auto sign = CalculateSunSign(day, month);
        const auto element = sign ? ElementForSign(*sign) : std::nullopt;
        if (const ElementText* text = element ? FindElementText(*element) : nullptr) {
            setLabelText(display.lblMoonInElement, translated("Elements", text->name));
            setLabelText(display.lblMoonInElementDesc, translated("Moon", text->description(Screen::Reading)));
        }
        display.showFrame(display.fraElementalMoon);
    }
    hideWindow();
    display.showWindow();
    display.cmdBack->setFocus();
    moonHost_.hideWelcomePanel();
}

} // namespace lunara
