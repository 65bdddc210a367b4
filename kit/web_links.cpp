#include "kit/web_links.h"

#include "kit/services.h"

#include <QCoreApplication>
#include <QUrl>

namespace lunara {

QString siteRoot() { return QStringLiteral(LUNARA_SITE_ROOT); }

QString siteHost() {
    const QString host = QUrl(siteRoot()).host();
    return host.isEmpty() ? siteRoot() : host;
}

QString pageAddress(const QString& pageKey) {
    // Plain concatenation: the keys are fixed and need no escaping.
    return siteRoot() + QStringLiteral("/lunara/ssd.php?page=") + pageKey;
}

namespace {
QString pageKey(Page page) {
    switch (page) {
    case Page::Help:
        return QStringLiteral("help-web-page");
    case Page::Home:
        return QStringLiteral("home-page");
    case Page::Update:
        return QStringLiteral("download-web-page");
    case Page::FullBrand:
        return QStringLiteral("fully-branded");
    case Page::CoBrand:
        return QStringLiteral("co-brand");
    }
    return {};
}

void openPage(Page page) {
    if (Services* services = Services::current()) {
        openPage(*services, page);
    }
}
} // namespace

void openPage(Services& services, Page page) { services.openUrl(pageAddress(pageKey(page))); }

void GoToWebPage(const QString& address) {
    if (Services* services = Services::current()) {
        services->openUrl(address);
    }
}

void GoToHelpPage() { openPage(Page::Help); }
void GoToHomePage() { openPage(Page::Home); }
void GoToUpdatePage() { openPage(Page::Update); }
void GoToFullBrandPage() { openPage(Page::FullBrand); }
void GoToCoBrandPage() { openPage(Page::CoBrand); }

QString featureBannerText() {
    return QCoreApplication::translate(
               "Offers",
               "The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now")
        .arg(siteHost());
}

} // namespace lunara
