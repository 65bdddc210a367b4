// Linux and macOS: a Unix domain socket in the lock's private folder. Qt Core's socket notifier is
// all it needs, so a start does not load Qt Network and the libraries that come with it.
#include "shell/instance_channel.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace lunara {

using channel::kLineLimit;

namespace {

// A caller that says nothing is not waited for longer than this.
constexpr int kSilenceMs = 5000;

// A file descriptor, closed with its owner.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

bool addressOf(const QByteArray& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

const sockaddr* asAddress(const sockaddr_un& address) {
    // The socket calls take the generic type; the Unix one begins with the same family field.
    return static_cast<const sockaddr*>(static_cast<const void*>(&address));
}

// Not blocking, and not passed on to the programs Lunara starts (the browser).
bool prepare(const Fd& fd) {
    if (!fd || ::fcntl(fd.get(), F_SETFD, FD_CLOEXEC) != 0 || ::fcntl(fd.get(), F_SETFL, O_NONBLOCK) != 0) {
        return false;
    }
#ifdef SO_NOSIGPIPE
    // macOS has no MSG_NOSIGNAL: a caller that has gone must not end this program.
    const int on = 1;
    ::setsockopt(fd.get(), SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof(on));
#endif
    return true;
}

bool sendLine(const Fd& fd, const QByteArray& line) {
#ifdef MSG_NOSIGNAL
    constexpr int kFlags = MSG_NOSIGNAL;
#else
    constexpr int kFlags = 0;
#endif
    return ::send(fd.get(), line.constData(), std::size_t(line.size()), kFlags) == line.size();
}

// Waits, serving events, until `fd` is ready or the deadline passes. (Qt's event loop does the
// polling: the program's own calls stay those the build need not fortify.)
bool waitFor(const Fd& fd, QSocketNotifier::Type type, const QDeadlineTimer& deadline) {
    QEventLoop loop;
    QSocketNotifier notifier(fd.get(), type);
    bool ready = false;
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&] {
        ready = true;
        loop.quit();
    });
    QTimer::singleShot(std::max<qint64>(0, deadline.remainingTime()), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return ready;
}

qsizetype receive(const Fd& fd, char* buffer, std::size_t size) {
    iovec part{buffer, size};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    return ::recvmsg(fd.get(), &message, 0);
}

// Reads what has arrived into `line`, up to its first line end; false when the caller is done
// (it closed, failed, sent a whole line, or more than a line may hold).
bool readInto(const Fd& fd, QByteArray& line) {
    char buffer[kLineLimit];
    const qsizetype got = receive(fd, buffer, std::size_t(kLineLimit - line.size()));
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return true;
    }
    if (got <= 0) {
        return false;
    }
    line.append(buffer, got);
    const qsizetype end = line.indexOf('\n');
    if (end >= 0) {
        line.truncate(end + 1);
        return false;
    }
    return line.size() < kLineLimit;
}

// One connection from a second start: one line in, one line out, closed.
class Caller : public QObject {
public:
    Caller(Fd fd, std::function<QByteArray(const QByteArray&)> answer, QObject* parent)
        : QObject(parent), fd_(std::move(fd)), notifier_(fd_.get(), QSocketNotifier::Read), answer_(std::move(answer)) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { read(); });
        QTimer::singleShot(kSilenceMs, this, [this] { finish(); });
    }

private:
    void read() {
        if (readInto(fd_, line_)) {
            return;
        }
        if (line_.endsWith('\n')) {
            const QByteArray reply = answer_(line_);
            if (!reply.isEmpty()) {
                sendLine(fd_, reply);
            }
        }
        finish();
    }
    void finish() {
        notifier_.setEnabled(false);
        deleteLater();
    }

    Fd fd_; // declared first: closed after its notifier is gone
    QSocketNotifier notifier_;
    std::function<QByteArray(const QByteArray&)> answer_;
    QByteArray line_;
};

} // namespace

struct InstanceChannel::Listener {
    Fd fd;
    QByteArray path; // the socket's file once bound: removed when this copy ends
    QSocketNotifier* notifier = nullptr;
};

RunningCopy askRunningCopyToShow(const QString& name, int timeoutMs) {
    sockaddr_un address{};
    Fd fd(::socket(AF_UNIX, SOCK_STREAM, 0));
    if (!addressOf(QFile::encodeName(name), address) || !prepare(fd)) {
        return RunningCopy::NoAnswer;
    }
    const QDeadlineTimer deadline(timeoutMs);
    if (::connect(fd.get(), asAddress(address), sizeof(address)) != 0) {
        // A listener with a full queue, or one that is still being set up, says nothing in time.
        int error = 0;
        socklen_t size = sizeof(error);
        if (errno != EINPROGRESS || !waitFor(fd, QSocketNotifier::Write, deadline) ||
            ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
            return RunningCopy::NoAnswer;
        }
    }
    if (!sendLine(fd, channel::kShow)) {
        return RunningCopy::NoAnswer;
    }
    QByteArray line;
    while (waitFor(fd, QSocketNotifier::Read, deadline) && readInto(fd, line)) {
    }
    return channel::fromAnswer(line);
}

InstanceChannel::InstanceChannel(const QString& name, std::function<bool()> showIfHidden, QObject* parent)
    : QObject(parent), showIfHidden_(std::move(showIfHidden)), listener_(std::make_unique<Listener>()) {
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un address{};
    Fd fd(::socket(AF_UNIX, SOCK_STREAM, 0));
    if (!addressOf(path, address) || !prepare(fd)) {
        return;
    }
    // This copy holds the lock: a socket left by a copy that crashed is stale. Anything else by
    // that name (a file, a link) is not ours to remove, and the bind below fails on it.
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0 && S_ISSOCK(status.st_mode)) {
        ::unlink(path.constData());
    }
    if (::bind(fd.get(), asAddress(address), sizeof(address)) != 0) {
        return;
    }
    listener_->path = path;
    // Only this user may connect (the folder is private as well).
    if (::chmod(path.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd.get(), SOMAXCONN) != 0) {
        return;
    }
    listener_->fd = std::move(fd);
    listener_->notifier = new QSocketNotifier(listener_->fd.get(), QSocketNotifier::Read, this);
    connect(listener_->notifier, &QSocketNotifier::activated, this, [this] {
        for (;;) {
            Fd caller(::accept(listener_->fd.get(), nullptr, nullptr));
            if (!caller) {
                return; // none waiting (the notifier comes again for any still queued)
            }
            if (prepare(caller)) {
                new Caller(
                    std::move(caller), [this](const QByteArray& line) { return answer(line); }, this);
            }
        }
    });
}

InstanceChannel::~InstanceChannel() {
    // The notifier goes before the socket it watches is closed.
    delete listener_->notifier;
    if (!listener_->path.isEmpty()) {
        ::unlink(listener_->path.constData());
    }
}

bool InstanceChannel::listening() const { return listener_->notifier != nullptr; }

} // namespace lunara
