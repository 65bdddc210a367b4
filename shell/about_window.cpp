#include "shell/about_window.h"

#include "assets/assets.h"
#include "shell/form_kit.h"
#include "shell/web_links.h"

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
    {"Label2", Kind::Label, nullptr, 840, 240, 1815, 240, "Lunara v1.20",
     {.fg = kWhite, .points = 9.75, .bold = true, .autoSize = true}},
    {"Label1", Kind::Label, nullptr, 240, 720, 6465, 1095,
     "Magick is a very widely practiced path in the divination world. Lunara comprises of Velmora Candle Magick "
     "& Velmora Moon Magick and displays the correspondence between different magick rituals and the colors of "
     "candles that should be used & the influence of the phases of the moon on magick rituals.",
     kWhiteText},
    {"lblHomePage", Kind::Label, nullptr, 2640, 1920, 4050, 195, nullptr, kLink},
    {"Label3", Kind::Label, nullptr, 240, 2280, 6105, 675,
     "Home Business Opportunity. Start your own Internet business and make money online. Get this software "
     "fully branded for your website. ",
     {.fg = kWhite, .bold = true}},
    {"lblCoBrand", Kind::Label, nullptr, 4320, 2880, 2355, 195, "Click here for more details.", kLink},
    {"Line1", Kind::Rule, nullptr, 0, 3240, 6900, 15, nullptr, {.bg = 0xE0E0E0}},
    {"cmdOK", Kind::Button, nullptr, 5400, 3360, 1260, 345, "&OK", {.bg = kSilver, .bold = true}},
};
// clang-format on

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Lunara v1.20"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(px(6810), px(3870));
    setFont(verdana(8.25));
    fillBackground(this, kBlack);

    const Form form(this, kControls);
    Picture1 = form.get<QLabel>("Picture1");
    Label2 = form.get<QLabel>("Label2");
    Label1 = form.get<QLabel>("Label1");
    lblHomePage = form.get<QLabel>("lblHomePage");
    Label3 = form.get<QLabel>("Label3");
    lblCoBrand = form.get<QLabel>("lblCoBrand");
    Line1 = form.widget("Line1");
    cmdOK = form.get<QPushButton>("cmdOK");

    Picture1->setPixmap(assetPixmap(QStringLiteral("icons/full-moon.png")));
    Picture1->setAccessibleName(QStringLiteral("Full moon"));
    lblHomePage->setText(QStringLiteral("Click here to visit ") + siteRoot());

    onClick(lblHomePage, [] { GoToHomePage(); });
    onClick(lblCoBrand, [] { GoToFullBrandPage(); });
    // Default and cancel button at once: Enter and Esc close the window like a click.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void showAbout(QWidget* parent) {
    frmAbout about(parent);
    if (QScreen* screen = parent ? parent->screen() : nullptr) {
        const QRect area = screen->availableGeometry();
        about.move(area.center() - QPoint(about.width() / 2, about.height() / 2));
    }
    about.exec();
}

} // namespace lunara
