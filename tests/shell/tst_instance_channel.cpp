// The channel a second start asks the running copy through, driven as the second start and as
// callers that are not Lunara: the answers, what it finds at its socket's name, and callers that
// say nothing or the wrong thing.
#include "shell/instance_channel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <future>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace lunara;

namespace {

sockaddr_un addressFor(const QString& name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(name);
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return address;
}

const sockaddr* generic(const sockaddr_un& address) {
    return static_cast<const sockaddr*>(static_cast<const void*>(&address));
}

// A client that is not Lunara: connected, or -1.
int connectTo(const QString& name) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressFor(name);
    if (::connect(fd, generic(address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Sends `line`, closes its own side, and returns all the channel said before it closed.
QByteArray rawExchange(const QString& name, const QByteArray& line) {
    const int fd = connectTo(name);
    QByteArray got;
    if (fd >= 0 && ::send(fd, line.constData(), std::size_t(line.size()), MSG_NOSIGNAL) == line.size()) {
        ::shutdown(fd, SHUT_WR);
        char buffer[64];
        ssize_t n = 0;
        while ((n = ::recv(fd, buffer, sizeof(buffer), 0)) > 0) {
            got.append(buffer, n);
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return got;
}

// Runs `work` on another thread while this one serves the channel's events, as two programs would.
template <typename Work> auto whileServing(Work work) {
    auto result = std::async(std::launch::async, work);
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return result.get();
}

bool isSocket(const QString& name) {
    struct stat status {};
    return ::lstat(QFile::encodeName(name).constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace

class TestInstanceChannel : public QObject {
    Q_OBJECT
private slots:
    void init() {
        // A private folder of its own for each case, as the lock's is.
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        name = dir->filePath(QStringLiteral("lunara-test.socket"));
    }

    void answersTheSecondStart_data() {
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<RunningCopy>("expected");
        QTest::newRow("no window shown: it shows its launcher") << true << RunningCopy::ShowedItsLauncher;
        QTest::newRow("a window shown: left alone") << false << RunningCopy::ShowsAWindow;
    }
    void answersTheSecondStart() {
        QFETCH(bool, hidden);
        QFETCH(RunningCopy, expected);
        int asked = 0;
        {
            const InstanceChannel channel(name, [&] {
                ++asked;
                return hidden;
            });
            QVERIFY(channel.listening());
            QVERIFY(isSocket(name));
            QCOMPARE(QFileInfo(name).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
                     QFile::Permissions());
            QCOMPARE(whileServing([this] { return askRunningCopyToShow(name, 3000); }), expected);
            QCOMPARE(asked, 1);
        }
        QVERIFY2(!QFileInfo::exists(name), "the socket outlived its copy");
        // Nobody listening any more: no answer, and the second start says so.
        QCOMPARE(askRunningCopyToShow(name, 3000), RunningCopy::NoAnswer);
    }

    void whatItFindsAtItsName_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("listens");
        QTest::newRow("a socket left by a copy that crashed") << "socket" << true;
        QTest::newRow("a file of the user's") << "file" << false;
        QTest::newRow("a link to a file elsewhere") << "link" << false;
        QTest::newRow("a name too long for a socket") << "long" << false;
    }
    void whatItFindsAtItsName() {
        QFETCH(QString, left);
        QFETCH(bool, listens);
        const QString target = dir->filePath(QStringLiteral("elsewhere"));
        if (left == QLatin1String("socket")) {
            // Bound and never removed, as a copy that crashed leaves it.
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const sockaddr_un address = addressFor(name);
            QCOMPARE(::bind(fd, generic(address), sizeof(address)), 0);
            ::close(fd);
            QVERIFY(isSocket(name));
        } else if (left == QLatin1String("file") || left == QLatin1String("link")) {
            QFile file(left == QLatin1String("file") ? name : target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("kept");
            file.close();
            if (left == QLatin1String("link")) {
                QVERIFY(QFile::link(target, name));
            }
        } else {
            name = dir->filePath(QString(120, u'x'));
        }
        const InstanceChannel channel(name, [] { return true; });
        QCOMPARE(channel.listening(), listens);
        if (listens) {
            QCOMPARE(whileServing([this] { return askRunningCopyToShow(name, 3000); }), RunningCopy::ShowedItsLauncher);
            return;
        }
        QCOMPARE(askRunningCopyToShow(name, 3000), RunningCopy::NoAnswer);
        if (left == QLatin1String("file") || left == QLatin1String("link")) {
            QFile file(left == QLatin1String("file") ? name : target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("kept"));
            QCOMPARE(QFileInfo(name).isSymLink(), left == QLatin1String("link"));
        }
    }

    void callersThatAreNotLunara_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("another request") << QByteArray("quit\n");
        QTest::newRow("no line end") << QByteArray("show");
        QTest::newRow("longer than a line") << QByteArray(40, 's');
        QTest::newRow("show with more behind it") << QByteArray("showing\n");
    }
    void callersThatAreNotLunara() {
        QFETCH(QByteArray, line);
        int asked = 0;
        const InstanceChannel channel(name, [&] {
            ++asked;
            return true;
        });
        QVERIFY(channel.listening());
        // Each gets no answer and is closed ("show" without its line end once the caller stops).
        const QByteArray got = whileServing([&] { return rawExchange(name, line); });
        QCOMPARE(got, QByteArray());
        QCOMPARE(asked, 0);
        // The channel still answers Lunara.
        QCOMPARE(whileServing([this] { return askRunningCopyToShow(name, 3000); }), RunningCopy::ShowedItsLauncher);
    }

    void aSilentCallerHoldsNobodyUp() {
        const InstanceChannel channel(name, [] { return false; });
        const int silent = connectTo(name);
        QVERIFY(silent >= 0);
        QCOMPARE(whileServing([this] { return askRunningCopyToShow(name, 3000); }), RunningCopy::ShowsAWindow);
        QCOMPARE(whileServing([this] { return rawExchange(name, "show\n"); }), QByteArray("busy\n"));
        ::close(silent);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString name;
};

QTEST_GUILESS_MAIN(TestInstanceChannel)
#include "tst_instance_channel.moc"
