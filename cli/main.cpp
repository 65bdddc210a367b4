// lunara-cli: the sky on the command line and in a status bar, with Qt Core alone. `lunara now`
// and `lunara events` are handed over here, so that they need no display and load no GUI library.

#include "cli/commands.h"
#include "kit/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <cstdio>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    // Lunara's own settings: the place, hemisphere, planets and language the windows keep.
    QCoreApplication::setOrganizationName(QStringLiteral("Lunara"));
    QCoreApplication::setApplicationName(QStringLiteral("Lunara"));
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lunara"),
                             QStringLiteral("Lunara"));
    lunara::installTranslations(settings);
    const lunara::cli::Clock clock;
    return lunara::cli::run(QCoreApplication::arguments().mid(1), settings, clock, stdout, stderr);
}
