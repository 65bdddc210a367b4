#include "moon/display_window.h"

#include "assets/assets.h"
#include "kit/form.h"
#include "kit/menus.h"
#include "kit/orange_looks.h"
#include "kit/text.h"
#include "kit/web_links.h"
#include "moon/age.h"
#include "moon/main_window.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace lunara {

using namespace orangelook;

namespace {

constexpr Look kOffer{.fg = kBlack, .bg = kOrange, .bold = true, .hand = true};

// clang-format off
constexpr Control kControls[] = {
    {"Frame2", Kind::Frame, nullptr, 0, 0, 8535, 615, nullptr, kStrip},
    {"Label61", Kind::Label, "Frame2", 67, 120, 8400, 585, nullptr,
     {.fg = kBlack, .bold = true, .align = AlignCenter, .hand = true}},
    {"fraElementalMoon", Kind::Frame, nullptr, 0, 600, 8535, 3495, nullptr, kPanel},
    {"lblMoonInElement", Kind::Label, "fraElementalMoon", 3165, 480, 2205, 270, nullptr,
     {.fg = kWhite, .points = 11.25, .bold = true, .align = AlignCenter}},
    {"lblMoonInElementDesc", Kind::Label, "fraElementalMoon", 217, 1080, 8100, 2115, nullptr, kOrangeCentred},
    {"fraZodiacalMoon", Kind::Frame, nullptr, 0, 600, 8535, 3495, nullptr, kPanel},
    {"lblMoonInSunsign", Kind::Label, "fraZodiacalMoon", 3187, 240, 2160, 270, nullptr,
     {.fg = kWhite, .points = 11.25, .bold = true, .align = AlignCenter, .autoSize = true}},
    {"Label4", Kind::Label, "fraZodiacalMoon", 3795, 720, 945, 195, QT_TRANSLATE_NOOP("lunara::frmMoonMagickDisplay", "Keywords"), kOrangeUnderlined},
    {"lblMoonInSunsignKeywords", Kind::Label, "fraZodiacalMoon", 3900, 1080, 735, 195, nullptr,
     {.fg = kOrange, .bold = true, .align = AlignCenter, .autoSize = true}},
    {"lblMoonInSunsignDesc", Kind::Label, "fraZodiacalMoon", 180, 1440, 8175, 1755, nullptr, kOrangeCentred},
    {"fraMoonPhase", Kind::Frame, nullptr, 0, 600, 8535, 3495, nullptr, kPanel},
    {"PicMoonPhase", Kind::Picture, "fraMoonPhase", 3840, 720, 780, 780, nullptr, {}},
    {"lblMoonPhaseName", Kind::Label, "fraMoonPhase", 3360, 360, 1890, 195, nullptr, kWhiteCentred},
    {"lblMoonPhaseDesc", Kind::Label, "fraMoonPhase", 180, 2280, 8175, 975, nullptr,
     {.fg = kOrange, .align = AlignCenter}},
    {"Label2", Kind::Label, "fraMoonPhase", 1200, 1560, 1485, 195, QT_TRANSLATE_NOOP("lunara::frmMoonMagickDisplay", "Moon Phase on"),
     {.fg = kOrange, .bold = true, .underline = true, .align = AlignCenter}},
    {"lblGivenDate", Kind::Label, "fraMoonPhase", 1320, 1920, 1200, 195, nullptr, kWhiteFitted},
    {"Label3", Kind::Label, "fraMoonPhase", 5640, 1560, 855, 195, QT_TRANSLATE_NOOP("lunara::frmMoonMagickDisplay", "Today Is"), kOrangeUnderlined},
    {"lblDateTime", Kind::Label, "fraMoonPhase", 4800, 1920, 2445, 195, nullptr, kWhiteFitted},
    {"Frame5", Kind::Frame, nullptr, 0, 4080, 8535, 855, nullptr, kStrip},
    {"lblFullBrand", Kind::Label, "Frame5", 120, 165, 5985, 615, kFullBrandText, kOffer},
    {"lblCobrand", Kind::Label, "Frame5", 120, 165, 5985, 615, kCoBrandText, kOffer},
    {"cmdExit", Kind::Button, "Frame5", 6240, 240, 1140, 465, QT_TRANSLATE_NOOP("lunara::frmMoonMagickDisplay", "&Exit"), kGreyButton},
    {"cmdBack", Kind::Button, "Frame5", 7440, 240, 1020, 465, QT_TRANSLATE_NOOP("lunara::frmMoonMagickDisplay", "&Back"), kGreyButton},
};
// clang-format on

} // namespace

QPixmap MoonImageList::picture(int index) {
    if (index < 1 || index > static_cast<int>(cache_.size())) {
        return {};
    }
    QPixmap& slot = cache_[static_cast<std::size_t>(index - 1)];
    if (slot.isNull()) {
        slot = moonPicture(index);
    }
    return slot;
}

void showMoonPicture(QLabel* box, MoonImageList& pictures, const MoonPhaseInfo& info) {
    box->setPixmap(pictures.picture(info.pictureIndex));
    box->setAccessibleName(frmMoonMagickDisplay::tr("Moon picture: %n days, %1", nullptr, info.age)
                               .arg(translated("Moon", info.phaseName)));
}

frmMoonMagickDisplay::frmMoonMagickDisplay(MoonHost& host)
    : FeatureWindow(host, "frmMoonMagickDisplay", tr("Velmora Moon Magick"), 8535, 4935, kBlack), moonHost_(host) {
    bindControls(Form(client(), kControls, staticMetaObject.className()));
    buildMenus();
    connectControls();
}

void frmMoonMagickDisplay::bindControls(const Form& form) {
    LUNARA_BIND(form, Label61);
    LUNARA_BIND(form, fraElementalMoon);
    LUNARA_BIND(form, lblMoonInElement);
    LUNARA_BIND(form, lblMoonInElementDesc);
    LUNARA_BIND(form, fraZodiacalMoon);
    LUNARA_BIND(form, lblMoonInSunsign);
    LUNARA_BIND(form, lblMoonInSunsignKeywords);
    LUNARA_BIND(form, lblMoonInSunsignDesc);
    LUNARA_BIND(form, fraMoonPhase);
    LUNARA_BIND(form, PicMoonPhase);
    LUNARA_BIND(form, lblMoonPhaseName);
    LUNARA_BIND(form, lblMoonPhaseDesc);
    LUNARA_BIND(form, lblGivenDate);
    LUNARA_BIND(form, lblDateTime);
    LUNARA_BIND(form, lblFullBrand);
    LUNARA_BIND(form, lblCobrand);
    LUNARA_BIND(form, cmdExit);
    LUNARA_BIND(form, cmdBack);
}

void frmMoonMagickDisplay::buildMenus() {
    QMenu* file = addMenu(menus(), "mnuFile", tr("&File"));
    addCommand(file, "mnuFileBack", tr("&Back"), this, [this] { cmdBack_Click(); });
    addCommand(file, "mnuExit", tr("E&xit"), this, [this] { cmdExit_Click(); });
    addHelpMenu(menus(), {"mnuFileSep1", "mnuFileSep2", QT_TRANSLATE_NOOP("Menus", "&Check for Software Update")}, this,
                host().services());
    addMakeMoneyCommand(menus(), "mnuMakeMoneyOnline", this);
}

void frmMoonMagickDisplay::connectControls() {
    connectOfferLabels(Label61, lblFullBrand, lblCobrand);
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);
    // Enter closes the window like Exit wherever the focus is, Back included.
    cmdBack->setAutoDefault(false);
}

void frmMoonMagickDisplay::showFrame(QWidget* frame) {
    bringToFront(frame, {fraElementalMoon, fraZodiacalMoon, fraMoonPhase});
}

void frmMoonMagickDisplay::cmdBack_Click() {
    // Nothing is recomputed: the main window comes back with its lists and option as they were.
    if (frmMoonMagickMain* main = moonHost_.moonMain()) {
        main->showWindow();
        main->cmdCalculateMoonPhase->setFocus();
    }
    hideWindow();
    moonHost_.hideWelcomePanel();
}

void frmMoonMagickDisplay::cmdExit_Click() { closeWindow(); }

} // namespace lunara
