#include "kit/language.h"

#include "kit/services.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lunara {

namespace {

constexpr const char* kCatalogues = ":/i18n";

// Set once, in main, before any window.
QString& spoken() {
    static QString code = QStringLiteral("en");
    return code;
}

} // namespace

QString languageFor(const QStringList& uiLanguages) {
    const auto languageOf = [](const QString& name) { return name.section(u'_', 0, 0); };
    for (const QString& ui : uiLanguages) {
        const QString name = QLocale(ui).name(); // "de_DE", "pt_BR", "C"
        for (const Language& language : availableLanguages()) {
            if (language.code == name) {
                return language.code;
            }
        }
        for (const Language& language : availableLanguages()) {
            if (languageOf(language.code) == languageOf(name)) {
                return language.code;
            }
        }
    }
    return QStringLiteral("en");
}

const QList<Language>& availableLanguages() {
    static const QList<Language> languages{{QStringLiteral("en"), QStringLiteral("English")},
                                           {QStringLiteral("de"), QStringLiteral("Deutsch")}};
    return languages;
}

QString chosenLanguage(Services& services) {
    QString stored = services.settings().value(QString::fromLatin1(kLanguageKey)).toString();
    for (const Language& language : availableLanguages()) {
        if (language.code == stored) {
            return stored;
        }
    }
    return {};
}

bool storeLanguage(Services& services, const QString& code) {
    return services.storeSetting(QString::fromLatin1(kLanguageKey), code);
}

QString spokenLanguage() { return spoken(); }

QString installTranslations(Services& services) {
    const QString chosen = chosenLanguage(services);
    QString code = chosen.isEmpty() ? languageFor(QLocale::system().uiLanguages()) : chosen;
    spoken() = code;
    if (code == QLatin1String("en")) {
        return code; // the source language: nothing to load
    }
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(QStringLiteral("lunara_") + code, QString::fromLatin1(kCatalogues))) {
        QCoreApplication::installTranslator(own);
    }
    // Qt's own words (the standard buttons, the file and print dialogs), where the system has them.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    return code;
}

} // namespace lunara
