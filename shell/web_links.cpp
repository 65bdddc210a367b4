#include "shell/web_links.h"

#include <QUrl>

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#else
#include <QDesktopServices>
#endif

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

void GoToWebPage(const QString& address) {
#ifdef Q_OS_WIN
    const QByteArray ansi = address.toLocal8Bit();
    ShellExecuteA(nullptr, "Open", ansi.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
#else
    QDesktopServices::openUrl(QUrl(address));
#endif
}

void GoToHelpPage() { GoToWebPage(pageAddress(QStringLiteral("help-web-page"))); }
void GoToHomePage() { GoToWebPage(pageAddress(QStringLiteral("home-page"))); }
void GoToUpdatePage() { GoToWebPage(pageAddress(QStringLiteral("download-web-page"))); }
void GoToFullBrandPage() { GoToWebPage(pageAddress(QStringLiteral("fully-branded"))); }
void GoToCoBrandPage() { GoToWebPage(pageAddress(QStringLiteral("co-brand"))); }

} // namespace lunara

namespace lunara {

QString featureBannerText() {
    return QStringLiteral("The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. "
                          "Visit ") +
           siteHost() + QStringLiteral(" Now");
}

} // namespace lunara
