#pragma once

// A second start and the copy already running: the second asks the first, over a local socket
// beside the single-instance lock, to show its launcher. A copy that shows no window (running in
// the background or in the tray) shows it and the second ends quietly; a copy that shows a window
// changes nothing, and the second says that Lunara is already running.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace lunara {

enum class RunningCopy {
    ShowedItsLauncher, // the second start has nothing more to do
    ShowsAWindow,      // it was in use: say so
    NoAnswer,          // an older copy, or one still starting: say so
};

// Asks the copy listening on `name`; waits at most `timeoutMs` for its answer.
RunningCopy askRunningCopyToShow(const QString& name, int timeoutMs);

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // `showIfHidden` shows the launcher if no window is shown and says whether it did.
    InstanceChannel(const QString& name, std::function<bool()> showIfHidden, QObject* parent = nullptr);
    ~InstanceChannel() override;
    bool listening() const;

private:
    // The platform's end: a Unix domain socket, or on Windows a named pipe through Qt Network.
    struct Listener;
    // The answer to one request line; empty for a line that asks nothing.
    QByteArray answer(const QByteArray& line) const;

    std::function<bool()> showIfHidden_;
    std::unique_ptr<Listener> listener_;
};

namespace channel {

// What the two copies say: one line each way, at most kLineLimit bytes.
inline constexpr char kShow[] = "show\n";
inline constexpr char kShown[] = "shown\n";
inline constexpr char kBusy[] = "busy\n";
inline constexpr int kLineLimit = 16;

RunningCopy fromAnswer(const QByteArray& line);

} // namespace channel

} // namespace lunara
