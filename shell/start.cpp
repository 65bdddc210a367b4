#include "shell/start.h"

#include "kit/services.h"
#include "shell/instance_channel.h"
#include "shell/launcher.h"

#include <QCoreApplication>

namespace lunara {

void answerSecondStart(Services& services, const QString& channelName, bool background, int answerMs) {
    if (background) {
        return;
    }
    if (askRunningCopyToShow(channelName, answerMs) != RunningCopy::ShowedItsLauncher) {
        services.information(nullptr, QCoreApplication::translate("Start", "Application is already running"));
    }
}

void startLauncher(frmMDI& launcher, bool background) {
    launcher.setBackground(background);
    if (!background) {
        launcher.showLauncher();
    }
}

bool showIfHidden(frmMDI& launcher) {
    if (launcher.isVisible()) {
        return false;
    }
    launcher.showLauncher();
    return true;
}

} // namespace lunara
