// Windows: a named pipe through Qt Network's local socket.
#include "shell/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace lunara {

using channel::kLineLimit;

struct InstanceChannel::Listener {
    QLocalServer server;
};

RunningCopy askRunningCopyToShow(const QString& name, int timeoutMs) {
    if (name.isEmpty()) {
        return RunningCopy::NoAnswer;
    }
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs)) {
        return RunningCopy::NoAnswer;
    }
    socket.write(channel::kShow);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return RunningCopy::NoAnswer;
    }
    while (!socket.canReadLine() && socket.waitForReadyRead(timeoutMs)) {
    }
    return channel::fromAnswer(socket.readLine(kLineLimit));
}

InstanceChannel::InstanceChannel(const QString& name, std::function<bool()> showIfHidden, QObject* parent)
    : QObject(parent), showIfHidden_(std::move(showIfHidden)), listener_(std::make_unique<Listener>()) {
    if (name.isEmpty()) {
        return;
    }
    QLocalServer& server = listener_->server;
    // Only this user may connect.
    server.setSocketOptions(QLocalServer::UserAccessOption);
    // This copy holds the lock: a pipe left by a copy that crashed is stale.
    QLocalServer::removeServer(name);
    server.listen(name);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = listener_->server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kLineLimit) {
                        socket->disconnectFromServer(); // not our caller
                    }
                    return;
                }
                const QByteArray reply = answer(socket->readLine(kLineLimit));
                if (!reply.isEmpty()) {
                    socket->write(reply);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::listening() const { return listener_->server.isListening(); }

} // namespace lunara
