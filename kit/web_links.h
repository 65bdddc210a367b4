#pragma once

#include <QString>

namespace lunara {

// Scheme and host of the vendor's web site (set at build time) and its host name alone.
QString siteRoot();
QString siteHost();

// The address of one page of the vendor's site: root + "/lunara/ssd.php?page=" + key.
QString pageAddress(const QString& pageKey);

class Services;

// The vendor's pages the program opens.
enum class Page { Help, Home, Update, FullBrand, CoBrand };
void openPage(Services& services, Page page);

// Opens an address in the default browser through the Services the program was started with. A
// failure (no browser, no handler) is silent.
void GoToWebPage(const QString& address);

void GoToHelpPage();
void GoToHomePage();
void GoToUpdatePage();
void GoToFullBrandPage();
void GoToCoBrandPage();

// The offer texts that several windows show in the same words (translated in the context
// "Offers", which the control tables fall back on).
inline constexpr const char* kFullBrandText =
    QT_TRANSLATE_NOOP("Offers", "Home Business Opportunity. Start your own Internet business and make money online. "
                                "Get this software fully branded for your website. Click here for more details.");
inline constexpr const char* kCoBrandText =
    QT_TRANSLATE_NOOP("Offers", "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                                "Put your site's name &&  link here. See \"Help\" for details.    Click Here for more "
                                "info on co-branding.");

// The banner of the feature windows, naming the vendor's site.
QString featureBannerText();

} // namespace lunara
