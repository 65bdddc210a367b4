#include "kit/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
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
    // The catalogues built into the program, each named in its own language ("Português (Brasil)").
    static const QList<Language> languages = [] {
        QList<Language> out{{QStringLiteral("en"), QStringLiteral("English")}};
        const QStringList files =
            QDir(QString::fromLatin1(kCatalogues)).entryList({QStringLiteral("lunara_*.qm")}, QDir::Files, QDir::Name);
        // How each names itself in a menu (Qt's own names differ: "español de España").
        const QHash<QString, QString> names{{QStringLiteral("de"), QStringLiteral("Deutsch")},
                                            {QStringLiteral("es"), QStringLiteral("Español")},
                                            {QStringLiteral("fr"), QStringLiteral("Français")},
                                            {QStringLiteral("it"), QStringLiteral("Italiano")},
                                            {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
                                            {QStringLiteral("ru"), QStringLiteral("Русский")}};
        for (const QString& file : files) {
            const QString code = file.mid(7, file.size() - 10); // lunara_<code>.qm
            QString name = names.value(code, QLocale(code).nativeLanguageName());
            if (!name.isEmpty()) {
                name[0] = name[0].toUpper();
                out.push_back({code, name});
            }
        }
        return out;
    }();
    return languages;
}

QString chosenLanguage(const QSettings& settings) {
    QString stored = settings.value(QString::fromLatin1(kLanguageKey)).toString();
    for (const Language& language : availableLanguages()) {
        if (language.code == stored) {
            return stored;
        }
    }
    return {};
}

QString spokenLanguage() { return spoken(); }

QString installTranslations(const QSettings& settings) {
    const QString chosen = chosenLanguage(settings);
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
