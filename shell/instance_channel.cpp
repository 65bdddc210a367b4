#include "shell/instance_channel.h"

namespace lunara {

QByteArray InstanceChannel::answer(const QByteArray& line) const {
    if (line != channel::kShow) {
        return {};
    }
    return showIfHidden_() ? channel::kShown : channel::kBusy;
}

RunningCopy channel::fromAnswer(const QByteArray& line) {
    if (line == kShown) {
        return RunningCopy::ShowedItsLauncher;
    }
    return line == kBusy ? RunningCopy::ShowsAWindow : RunningCopy::NoAnswer;
}

} // namespace lunara
