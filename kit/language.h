#pragma once

// The language Lunara speaks: the user's choice in the Language menu, else the desktop's
// (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG, as Qt reads them). Lunara's catalogue and Qt's own
// (for the standard dialogs and buttons) are loaded once, in main, before any window is made, and
// by the commands of lunara-cli (Qt Core only: the choice is read from the settings themselves).
// Dates, times and numbers follow the formats locale instead (see formats.h), whatever the language.

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

namespace lunara {

struct Language {
    QString code;       // "de": the catalogue's name, lunara_de.qm
    QString nativeName; // "Deutsch": how the Language menu names it, in its own language
};

// Every language Lunara has a catalogue for, English (the source) first.
const QList<Language>& availableLanguages();

// Where the choice is kept: a code of availableLanguages(); anything else is "System default".
inline constexpr const char* kLanguageKey = "Language";
// The stored choice, or empty for the system's language (nothing stored, or a damaged value). The
// choice is written under kLanguageKey (empty: the system's language) through Services::storeSetting.
QString chosenLanguage(const QSettings& settings);

// The language for the user's languages in order of preference ("de-AT", "en-GB", ...): the first
// Lunara has, in the same country or else in another ("de_AT" reads German, "es_MX" Spanish);
// English when none.
QString languageFor(const QStringList& uiLanguages);

// The language installTranslations chose ("en" before it ran): what the calendar file says its
// texts are in.
QString spokenLanguage();

// Loads the catalogues of the chosen language, or of the first of the user's languages Lunara
// has (English when none), into the application; returns the code of the language used.
QString installTranslations(const QSettings& settings);

} // namespace lunara
