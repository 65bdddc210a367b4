#include "shell/windows_main.h"

#include "assets/assets.h"
#include "kit/deferred_icon_style.h"
#include "kit/language.h"
#include "kit/services.h"
#include "shell/instance_channel.h"
#include "shell/launcher.h"
#include "shell/start.h"
#include "shell/update_reminder.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace {

// While the application connects to the display, Qt's messages are held back: when no display
// can be opened Qt ends with a fatal error (an abort and a core dump, after lines that suggest
// reinstalling); say instead in one line what went wrong and end with status 1.
QtMessageHandler qtHandler = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldBack;

// Whether Qt's failure was that no display could be reached, rather than a plugin that is
// missing, broken or misnamed.
bool noDisplayReached() {
    for (const auto& [type, message] : heldBack) {
        if (message.contains(QLatin1String("could not connect to display"), Qt::CaseInsensitive) ||
            message.contains(QLatin1String("Failed to create wl_display"), Qt::CaseInsensitive)) {
            return true;
        }
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return (platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland")) &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void duringConnect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        if (noDisplayReached()) {
            std::fputs("lunara: cannot start: no graphical display could be opened (is DISPLAY or WAYLAND_DISPLAY "
                       "set to a running display?)\n",
                       stderr);
        } else {
            // Qt's own reason, in one line: the warning that named the cause, else the first line
            // of the fatal message.
            QString reason = message.section(QLatin1Char('\n'), 0, 0);
            for (const auto& [heldType, held] : heldBack) {
                if (heldType != QtDebugMsg && heldType != QtInfoMsg) {
                    reason = held.section(QLatin1Char('\n'), 0, 0);
                }
            }
            const QByteArray line = "lunara: cannot start: " + reason.simplified().toUtf8() + '\n';
            std::fputs(line.constData(), stderr);
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldBack.emplace_back(type, message);
    Q_UNUSED(context);
}

// Writes a text of the command line in the user's language, with no display and no window.
void inUsersLanguage(int argc, char** argv, const std::function<QString()>& text, std::FILE* to) {
    const QCoreApplication core(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Lunara"));
    QCoreApplication::setApplicationName(QStringLiteral("Lunara"));
    lunara::Services services;
    lunara::installTranslations(services.settings());
    // Plain writes: the hardened build has no unchecked formatted output.
    std::fputs(text().toLocal8Bit().constData(), to);
}

} // namespace

int lunara::windowsMain(int argc, char** argv) {
    // One option of its own; the two every program answers are answered before any window or lock.
    bool background = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--background") == 0) {
            background = true;
            continue;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("lunara 1.20");
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            inUsersLanguage(
                argc, argv,
                [] {
                    return QCoreApplication::translate(
                        "CommandLine",
                        "Usage: lunara [--background | --help | --version]\n"
                        "A reference on moon and candle magick: Moon Magick, the Moon Calendar and Candle Magick.\n"
                        "Start it without options to open its window.\n"
                        "  --background  start with no window, only the tray and the reminders (as the session\n"
                        "                starts it when \"Start with my session\" is chosen)\n"
                        "See lunara(1).\n");
                },
                stdout);
            return 0;
        }
        const QString option = QString::fromLocal8Bit(argv[i]);
        inUsersLanguage(
            argc, argv,
            [&option] {
                return QCoreApplication::translate(
                           "CommandLine", "lunara: unknown option '%1'\nTry 'lunara --help' for more information.\n")
                    .arg(option);
            },
            stderr);
        return 2;
    }
    qtHandler = qInstallMessageHandler(duringConnect);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const auto& [type, message] : std::exchange(heldBack, {})) {
        const QMessageLogger log;
        switch (type) {
        case QtDebugMsg:
            log.debug("%ls", qUtf16Printable(message));
            break;
        case QtInfoMsg:
            log.info("%ls", qUtf16Printable(message));
            break;
        case QtWarningMsg:
            log.warning("%ls", qUtf16Printable(message));
            break;
        default:
            log.critical("%ls", qUtf16Printable(message));
            break;
        }
    }
    QApplication::setApplicationName(QStringLiteral("Lunara"));
    QApplication::setOrganizationName(QStringLiteral("Lunara"));
    QApplication::setApplicationVersion(QStringLiteral("1.20"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.lunara.Lunara"));
    QApplication::setStyle(new lunara::DeferredIconStyle);
    QApplication::setWindowIcon(lunara::programIcon());

    lunara::Services services;
    // Before any window or message: everything is made in the user's language.
    lunara::installTranslations(services.settings());
    const QString channelName = lunara::singleInstanceSocketName(QCoreApplication::applicationFilePath());
    if (services.anotherCopyRunning()) {
        constexpr int kAnswerMs = 3000;
        lunara::answerSecondStart(services, channelName, background, kAnswerMs);
        lunara::QuitAll();
        return 0;
    }
    if (!background) {
        lunara::UpdateReminder(services);
    }

    // The program ends when the launcher closes for good, not when its last window is hidden (a
    // dialog from the tray, the reminders' own window).
    QApplication::setQuitOnLastWindowClosed(false);
    lunara::frmMDI launcher(services);
    QObject::connect(&launcher, &lunara::frmMDI::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    const lunara::InstanceChannel channel(channelName, [&launcher] { return lunara::showIfHidden(launcher); });
    lunara::startLauncher(launcher, background);
    return QApplication::exec();
}

#ifdef LUNARA_WINDOWS_APART
// lunara-windows, which lunara hands over to when it is started without a command.
int main(int argc, char** argv) { return lunara::windowsMain(argc, argv); }
#endif
