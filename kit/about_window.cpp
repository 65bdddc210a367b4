#include "kit/about_window.h"

#include "assets/assets.h"
#include "kit/form.h"
#include "kit/text.h"
#include "kit/web_links.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace lunara {

namespace {

constexpr Look kWhiteText{.fg = kWhite};
constexpr Look kLink{.fg = kCyan, .underline = true, .hand = true};

// clang-format off
constexpr Control kControls[] = {
    {"Picture1", Kind::Picture, nullptr, 120, 120, 480, 480, nullptr, {}},
    {"Label2", Kind::Label, nullptr, 840, 240, 1815, 240, QT_TRANSLATE_NOOP("lunara::frmAbout", "Lunara v1.20"),
     {.fg = kWhite, .points = 9.75, .bold = true, .autoSize = true}},
    {"Label1", Kind::Label, nullptr, 240, 720, 6465, 1095,
     QT_TRANSLATE_NOOP("lunara::frmAbout", "Magick is a very widely practiced path in the divination world. Lunara comprises of Velmora Candle Magick "
     "& Velmora Moon Magick and displays the correspondence between different magick rituals and the colors of "
     "candles that should be used & the influence of the phases of the moon on magick rituals."),
     kWhiteText},
    {"lblHomePage", Kind::Label, nullptr, 2640, 1920, 4050, 195, nullptr, kLink},
    {"Label3", Kind::Label, nullptr, 240, 2280, 6105, 675,
     QT_TRANSLATE_NOOP("lunara::frmAbout", "Home Business Opportunity. Start your own Internet business and make money online. Get this software "
     "fully branded for your website. "),
     {.fg = kWhite, .bold = true}},
    {"lblCoBrand", Kind::Label, nullptr, 4320, 2880, 2355, 195, QT_TRANSLATE_NOOP("lunara::frmAbout", "Click here for more details."), kLink},
    {"Line1", Kind::Rule, nullptr, 0, 3240, 6900, 15, nullptr, {.bg = 0xE0E0E0}},
    {"cmdOK", Kind::Button, nullptr, 5400, 3360, 1260, 345, QT_TRANSLATE_NOOP("lunara::frmAbout", "&OK"), {.bg = kSilver, .bold = true}},
};
// clang-format on

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Lunara v1.20"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(px(6810), px(3870));
    setFont(verdana(8.25));
    fillBackground(this, kBlack);

    const Form form(this, kControls, staticMetaObject.className());
    LUNARA_BIND(form, Picture1);
    LUNARA_BIND(form, Label2);
    LUNARA_BIND(form, Label1);
    LUNARA_BIND(form, lblHomePage);
    LUNARA_BIND(form, Label3);
    LUNARA_BIND(form, lblCoBrand);
    LUNARA_BIND(form, Line1);
    LUNARA_BIND(form, cmdOK);

    Picture1->setPixmap(assetPixmap(QStringLiteral("icons/full-moon.png")));
    Picture1->setAccessibleName(tr("Full moon"));
    setLabelText(lblHomePage, tr("Click here to visit %1").arg(siteRoot()));

    onClick(lblHomePage, [] { GoToHomePage(); });
    onClick(lblCoBrand, [] { GoToFullBrandPage(); });
    // Default and cancel button at once: Enter and Esc close the window like a click.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    if (const QScreen* screen = parent ? parent->screen() : nullptr) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

} // namespace lunara
