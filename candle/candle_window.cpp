#include "candle/candle_window.h"

#include "candle/tables.h"
#include "kit/form.h"
#include "kit/menus.h"
#include "kit/text.h"
#include "kit/web_links.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace lunara {

namespace {

constexpr int kLightYellow = 0xFFFFC0;
constexpr int kYellow = 0xFFFF00;
constexpr int kOrange = 0xFFB404;
constexpr int kDarkGreen = 0x0A6414;

constexpr Look kPage{.bg = kDarkGreen};
constexpr Look kHeading{.fg = kOrange, .bold = true};
constexpr Look kList{.fg = kLightYellow, .bg = kDarkGreen, .points = 9};
// The result texts run on one line to their full length; at the drawn widths longer purposes and
// options would wrap and lose their second line.
constexpr Look kResult{.fg = kLightYellow, .autoSize = true};
constexpr Look kOffer{
    .fg = kLightYellow, .bg = kDarkGreen, .bold = true, .underline = true, .align = AlignCenter, .hand = true};

// clang-format off
constexpr Control kControls[] = {
    {"Label61", Kind::Label, nullptr, 907, 0, 6360, 435, nullptr,
     {.fg = kLightYellow, .bold = true, .underline = true, .align = AlignCenter, .hand = true}},
    {"Frame1", Kind::Frame, nullptr, 87, 480, 8000, 3800, nullptr, kPage},
    {"lblCaption_0", Kind::Label, "Frame1", 135, 120, 7680, 975,
     QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Velmora Candle Magick displays the correspondence between different magick rituals and the colors of "
     "candles that should be used. Candle magick is very effective when the right candles are used for the right "
     "purposes. This needs to be repeated many times before your purpose is solved. Note that you do not harm to "
     "anyone."),
     {.fg = kLightYellow}},
    {"lblCaption_6", Kind::Label, "Frame1", 135, 1200, 7680, 435,
     QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Select one of the following purposes and know which candle to use."),
     {.fg = kYellow, .bold = true, .align = AlignCenter}},
    {"lblCaption_1", Kind::Label, "Frame1", 1395, 1995, 1620, 195, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Candle Selection"), kHeading},
    {"cboCandle", Kind::ComboBox, "Frame1", 3315, 1920, 3015, 330, nullptr, kList},
    {"lblCaption_2", Kind::Label, "Frame1", 1365, 2475, 1710, 195, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Available Options"), kHeading},
    {"cboOptions", Kind::ComboBox, "Frame1", 3315, 2400, 3015, 330, nullptr, kList},
    {"cmdReading", Kind::Button, "Frame1", 2175, 3120, 3735, 375, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "&Get Candle Magick Reading"), {.bold = true}},
    {"Frame2", Kind::Frame, nullptr, 87, 480, 8000, 3800, nullptr, kPage},
    {"lblCaption_3", Kind::Label, "Frame2", 120, 240, 1230, 195, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Candle Color"), kHeading},
    {"lblResult_0", Kind::Label, "Frame2", 1920, 165, 1665, 270, nullptr,
     {.fg = kYellow, .points = 12, .bold = true, .autoSize = true}},
    {"lblCaption_7", Kind::Label, "Frame2", 120, 705, 1620, 195, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Candle Selection"), kHeading},
    {"lblResult_3", Kind::Label, "Frame2", 1920, 705, 1125, 195, nullptr, kResult},
    {"lblCaption_8", Kind::Label, "Frame2", 120, 1035, 1590, 195, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Option Selection"), kHeading},
    {"lblResult_4", Kind::Label, "Frame2", 1920, 1035, 1125, 195, nullptr, kResult},
    {"lblCaption_4", Kind::Label, "Frame2", 120, 1380, 795, 195, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Purpose"), kHeading},
    {"lblResult_1", Kind::Label, "Frame2", 120, 1575, 5550, 195, nullptr, kResult},
    {"lblCaption_5", Kind::Label, "Frame2", 120, 1920, 1185, 195, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "Significance"), kHeading},
    {"lblResult_2", Kind::Label, "Frame2", 120, 2115, 7665, 1110, nullptr, {.fg = kLightYellow}},
    {"cmdBack", Kind::Button, "Frame2", 6840, 3240, 1000, 350, QT_TRANSLATE_NOOP("lunara::frmCandleMagickMain", "&Back"), {}},
    {"fraFullBrand", Kind::Frame, nullptr, 87, 4320, 8000, 855, nullptr, kPage},
    {"lblFullBrand", Kind::Label, "fraFullBrand", 120, 165, 7785, 615, kFullBrandText, kOffer},
    {"lblCobrand", Kind::Label, "fraFullBrand", 120, 165, 7785, 615, kCoBrandText, kOffer},
};
// clang-format on

} // namespace

frmCandleMagickMain::frmCandleMagickMain(FeatureHost& host)
    : FeatureWindow(host, "frmCandleMagickMain", tr("Velmora Candle Magick"), 8175, 5205, kDarkGreen) {
    bindControls(Form(client(), kControls, staticMetaObject.className()));
    buildMenus();
    connectControls();
    Form_Load();
}

void frmCandleMagickMain::bindControls(const Form& form) {
    LUNARA_BIND(form, Label61);
    LUNARA_BIND(form, Frame1);
    LUNARA_BIND(form, Frame2);
    LUNARA_BIND(form, fraFullBrand);
    LUNARA_BIND(form, lblCaption);
    LUNARA_BIND(form, lblResult);
    LUNARA_BIND(form, cboCandle);
    LUNARA_BIND(form, cboOptions);
    LUNARA_BIND(form, cmdReading);
    LUNARA_BIND(form, cmdBack);
    LUNARA_BIND(form, lblFullBrand);
    LUNARA_BIND(form, lblCobrand);
    labelList(lblCaption[1], cboCandle);
    labelList(lblCaption[2], cboOptions);
}

void frmCandleMagickMain::buildMenus() {
    QMenu* file = addMenu(menus(), "nuFile", tr("&File"));
    addCommand(file, "mnuMagickHours", tr("Magick &Hours"), this, [this] { emit magickHoursRequested(); });
    addCommand(file, "mnuExit", tr("E&xit"), this, [this] { closeWindow(); });
    addHelpMenu(menus(), {"mnuFileSep1", "mnuFileSep2", QT_TRANSLATE_NOOP("Menus", "&Check for Software Update")}, this,
                host().services());
    addMakeMoneyCommand(menus(), "mnuMakeMoney", this);
}

void frmCandleMagickMain::connectControls() {
    connectOfferLabels(Label61, lblFullBrand, lblCobrand);
    // A change by the user, by the keyboard or by code refills the options; picking the same mode
    // again does too.
    connect(cboCandle, &QComboBox::currentIndexChanged, this, [this] { cboCandle_Click(); });
    connect(cboCandle, &QComboBox::activated, this, [this] { cboCandle_Click(); });
    connect(cmdReading, &QPushButton::clicked, this, [this] { cmdReading_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    setTabOrder(cboCandle, cboOptions);
    setTabOrder(cboOptions, cmdReading);
    setTabOrder(cmdReading, cmdBack);
}

void frmCandleMagickMain::Form_Load() {
    const QSignalBlocker quiet(cboCandle);
    for (auto caption : ModeCaptions()) {
        cboCandle->addItem(translated("Candle", caption));
    }
    cboOptions->addItem(tr("To be given"));
    cboCandle->setCurrentIndex(0);
    cboCandle_Click();
    cboOptions->setCurrentIndex(0);
    bringToFront(Frame1, {Frame1, Frame2});
}

void frmCandleMagickMain::cboCandle_Click() {
    const QSignalBlocker quiet(cboOptions);
    cboOptions->clear();
    // Shown in the user's language, looked up by the table's own name.
    for (auto option : OptionsFor(cboCandle->currentIndex())) {
        cboOptions->addItem(translated("Candle", option), qs(option));
    }
    cboOptions->setCurrentIndex(0);
}

void frmCandleMagickMain::cmdReading_Click() {
    ShowReading(cboCandle->currentIndex(), cboOptions->currentData().toString().trimmed());
}

void frmCandleMagickMain::cmdBack_Click() {
    bringToFront(Frame1, {Frame1, Frame2});
    cmdReading->setFocus();
}

void frmCandleMagickMain::showPlanetCandle(const QString& planetOption) {
    cboCandle->setCurrentIndex(kChooseByPlanet);
    cboCandle_Click();
    cboOptions->setCurrentIndex(std::max(0, cboOptions->findData(planetOption)));
    ShowReading(kChooseByPlanet, cboOptions->currentData().toString());
}

void frmCandleMagickMain::ShowReading(int mode, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const CandleColor* color = LookupCandle(mode, std::string_view(utf8.constData(), std::size_t(utf8.size())));
    setLabelText(lblResult[0], color ? translated("Candle", color->name) : QString());
    setLabelText(lblResult[1], color ? translated("Candle", color->purposes) : QString());
    setLabelText(lblResult[2], color ? translated("Candle", color->significance) : QString());
    setLabelText(lblResult[3], translated("Candle", ModeWord(mode)));
    setLabelText(lblResult[4], translated("Candle", utf8.toStdString()));
    bringToFront(Frame2, {Frame1, Frame2});
    cmdBack->setFocus();
}

} // namespace lunara
