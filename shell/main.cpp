#include "assets/assets.h"
#include "kit/services.h"
#include "shell/launcher.h"
#include "shell/update_reminder.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lunara"));
    QApplication::setOrganizationName(QStringLiteral("Lunara"));
    QApplication::setApplicationVersion(QStringLiteral("1.20"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.lunara.Lunara"));
    QApplication::setWindowIcon(lunara::programIcon());

    lunara::Services services;
    if (services.anotherCopyRunning()) {
        // The running copy is left alone; this one shows the message and ends.
        services.information(nullptr, QStringLiteral("Application is already running"));
        lunara::QuitAll();
        return 0;
    }
    lunara::UpdateReminder(services);

    lunara::frmMDI launcher(services);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Without a window manager "maximized" means nothing; start at the full work area anyway.
        launcher.setGeometry(screen->availableGeometry());
    }
    launcher.showMaximized();
    return QApplication::exec();
}
