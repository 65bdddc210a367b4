#include "shell/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace lunara {

namespace {

constexpr char kShow[] = "show\n";
constexpr char kShown[] = "shown\n";
constexpr char kBusy[] = "busy\n";
constexpr int kLineLimit = 16;

} // namespace

RunningCopy askRunningCopyToShow(const QString& name, int timeoutMs) {
    if (name.isEmpty()) {
        return RunningCopy::NoAnswer;
    }
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs)) {
        return RunningCopy::NoAnswer;
    }
    socket.write(kShow);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return RunningCopy::NoAnswer;
    }
    while (!socket.canReadLine() && socket.waitForReadyRead(timeoutMs)) {
    }
    const QByteArray answer = socket.readLine(kLineLimit);
    if (answer == kShown) {
        return RunningCopy::ShowedItsLauncher;
    }
    return answer == kBusy ? RunningCopy::ShowsAWindow : RunningCopy::NoAnswer;
}

InstanceChannel::InstanceChannel(const QString& name, std::function<bool()> showIfHidden, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), showIfHidden_(std::move(showIfHidden)) {
    if (name.isEmpty()) {
        return;
    }
    // Only this user may connect; the folder is private already.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // This copy holds the lock: a socket left by a copy that crashed is stale.
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kLineLimit) {
                        socket->disconnectFromServer(); // not our caller
                    }
                    return;
                }
                const QByteArray request = socket->readLine(kLineLimit);
                if (request == kShow) {
                    socket->write(showIfHidden_() ? kShown : kBusy);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool InstanceChannel::listening() const { return server_->isListening(); }

} // namespace lunara
