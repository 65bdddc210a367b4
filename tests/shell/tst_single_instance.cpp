#include "kit/services.h"
#include "tests/support/patience.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#ifndef LOCK_PROBE
#error "LOCK_PROBE must name the probe executable"
#endif

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsRefused();
    void copyAtAnotherPathRuns();
    void killedHolderDoesNotLockOut();
    void lockNameFollowsThePath();
    void leftOverLockDoesNotLockOut_data();
    void leftOverLockDoesNotLockOut();
    void noFolderForTheLockLetsEveryCopyRun();
    void plantedThingsAreNeverFollowed_data();
    void plantedThingsAreNeverFollowed();
    void simultaneousStartsLetExactlyOneIn();

private:
    // Starts the probe and waits for its first word.
    static QString start(QProcess& p, const QString& program) {
        p.start(program, {});
        if (!p.waitForStarted(lunara::test::kPatienceMs) || !p.waitForReadyRead(lunara::test::kPatienceMs)) {
            return QStringLiteral("(no answer)");
        }
        return QString::fromLatin1(p.readLine()).trimmed();
    }
    static void stop(QProcess& p) {
        p.kill();
        p.waitForFinished(lunara::test::kPatienceMs);
    }
    const QString probe = QStringLiteral(LOCK_PROBE);
};

void TestSingleInstance::secondCopyIsRefused() {
    QProcess first;
    QCOMPARE(start(first, probe), QStringLiteral("running"));
    QProcess second;
    QCOMPARE(start(second, probe), QStringLiteral("refused"));
    QVERIFY(second.waitForFinished(lunara::test::kPatienceMs));
    QCOMPARE(second.exitCode(), 3);
    QCOMPARE(first.state(), QProcess::Running);
    stop(first);
}

void TestSingleInstance::copyAtAnotherPathRuns() {
    // The same file name in another folder: the lock answers per path, not per name.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(probe).fileName());
    QVERIFY(QFile::copy(probe, copy));
    QFile::setPermissions(copy, QFile::permissions(probe));
    QProcess first;
    QCOMPARE(start(first, probe), QStringLiteral("running"));
    QProcess other;
    QCOMPARE(start(other, copy), QStringLiteral("running"));
    stop(other);
    stop(first);
}

void TestSingleInstance::killedHolderDoesNotLockOut() {
    QProcess first;
    QCOMPARE(start(first, probe), QStringLiteral("running"));
    stop(first); // SIGKILL: no clean exit, the lock file stays behind
    QVERIFY(QFile::exists(lunara::singleInstanceLockPath(probe)));
    QProcess next;
    QCOMPARE(start(next, probe), QStringLiteral("running"));
    stop(next);
}

void TestSingleInstance::lockNameFollowsThePath() {
    const QString a = lunara::singleInstanceLockPath(probe);
    QCOMPARE(lunara::singleInstanceLockPath(probe), a);
    QVERIFY(lunara::singleInstanceLockPath(probe + QStringLiteral("_elsewhere")) != a);
}

void TestSingleInstance::leftOverLockDoesNotLockOut_data() {
    QTest::addColumn<QByteArray>("contents"); // "dir": a folder in the lock's place
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\x02 not a lock\n\n");
    QTest::newRow("another host's") << self + "\nlock_probe\nsome-other-host\n";
    QTest::newRow("a live process that is not a copy") << self + "\nlock_probe\n" + host + "\n";
    QTest::newRow("an empty folder") << QByteArray("dir");
}

void TestSingleInstance::leftOverLockDoesNotLockOut() {
    QFETCH(QByteArray, contents);
    const QString path = lunara::singleInstanceLockPath(probe);
    QFile::remove(path);
    if (contents == "dir") {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }
    QProcess next;
    QCOMPARE(start(next, probe), QStringLiteral("running"));
    // Taken over for real: a second copy is refused again.
    QProcess second;
    QCOMPARE(start(second, probe), QStringLiteral("refused"));
    QVERIFY(second.waitForFinished(lunara::test::kPatienceMs));
    stop(next);
}

void TestSingleInstance::noFolderForTheLockLetsEveryCopyRun() {
    // Neither the runtime folder, nor the temporary folder, nor the cache folder can hold a file:
    // there is no lock to be had (all name a plain file), and refusing every start would lock the
    // user out.
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), notAFolder.fileName());
    env.insert(QStringLiteral("TMPDIR"), notAFolder.fileName());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), notAFolder.fileName());
    QProcess first;
    first.setProcessEnvironment(env);
    QCOMPARE(start(first, probe), QStringLiteral("running"));
    QProcess second;
    second.setProcessEnvironment(env);
    QCOMPARE(start(second, probe), QStringLiteral("running"));
    stop(second);
    stop(first);
}

namespace {

// The environment of a machine without a runtime folder: the temporary folder is shared by every
// user (sticky, writable by all) and the home is the test's own. Restored when it ends.
class SharedTemp {
public:
    SharedTemp() {
        shared = root.filePath(QStringLiteral("tmp"));
        QDir().mkpath(shared);
        QFile::setPermissions(shared, QFileDevice::Permissions(0x7777));
#ifdef Q_OS_UNIX
        ::chmod(QFile::encodeName(shared).constData(), 01777);
#endif
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR", "XDG_CACHE_HOME"}) {
            saved.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        }
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(shared));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(root.filePath(QStringLiteral("home/.cache"))));
    }
    ~SharedTemp() {
        for (const auto& [name, value, set] : saved) {
            set ? qputenv(name, value) : qunsetenv(name);
        }
    }
    SharedTemp(const SharedTemp&) = delete;
    SharedTemp& operator=(const SharedTemp&) = delete;

    // The folder of this user's own in the shared one, and a victim's files outside both.
    QString ownFolder() const { return QDir(shared).filePath(QStringLiteral("lunara-%1").arg(::geteuid())); }
    QString victim(const QString& name) const { return root.filePath(QStringLiteral("victim/") + name); }

    QTemporaryDir root;
    QString shared;

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    QList<Saved> saved;
};

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

} // namespace

void TestSingleInstance::plantedThingsAreNeverFollowed_data() {
    QTest::addColumn<QString>("planted");
    QTest::addColumn<bool>("oneCopyOnly"); // false: no safe lock can be had, every copy runs
    QTest::newRow("own temp folder: a link to a folder with a file") << "own->dir" << true;
    QTest::newRow("own temp folder: a link to a file") << "own->file" << true;
    QTest::newRow("own temp folder: a plain file") << "own=file" << true;
    QTest::newRow("own temp folder: open to every user") << "own=open" << true;
    QTest::newRow("old shared lock name: a link to a folder with a file") << "shared->dir" << true;
    QTest::newRow("old shared lock name: a file of someone else") << "shared=file" << true;
    QTest::newRow("lock name: a link to a folder with a file") << "lock->dir" << true;
    QTest::newRow("lock name: a link to a file") << "lock->file" << true;
    QTest::newRow("lock name: a folder with a file") << "lock=dir" << false;
    QTest::newRow("lock name: a file in a folder that cannot be changed") << "lock=fixed" << false;
}

void TestSingleInstance::plantedThingsAreNeverFollowed() {
#ifndef Q_OS_UNIX
    QSKIP("links and folder rights as planted here are those of Unix");
#else
    QFETCH(QString, planted);
    QFETCH(bool, oneCopyOnly);
    SharedTemp env;
    // What must survive whatever the program does: a folder with a file, and a file.
    QVERIFY(QDir().mkpath(env.victim(QStringLiteral("home"))));
    const QString keep = env.victim(QStringLiteral("home/keep.txt"));
    const QString file = env.victim(QStringLiteral("notes.txt"));
    for (const QString& path : {keep, file}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("the user's own\n");
    }
    const QString victimFolder = env.victim(QStringLiteral("home"));
    const auto plant = [&](const QString& where, const QString& what) {
        if (what == QLatin1String("->dir")) {
            return QFile::link(victimFolder, where);
        }
        if (what == QLatin1String("->file")) {
            return QFile::link(file, where);
        }
        QFile f(where);
        return f.open(QIODevice::WriteOnly) && f.write("someone else's\n") > 0;
    };
    const QString kind = planted.section(QRegularExpression(QStringLiteral("[-=]")), 0, 0);
    const QString what = planted.mid(kind.size());
    QString fixedFolder;
    if (kind == QLatin1String("own")) {
        if (what == QLatin1String("=open")) {
            QVERIFY(QDir().mkpath(env.ownFolder()));
            QVERIFY(::chmod(QFile::encodeName(env.ownFolder()).constData(), 0777) == 0);
        } else {
            QVERIFY(plant(env.ownFolder(), what));
        }
    } else {
        const QString lockPath = lunara::singleInstanceLockPath(probe);
        QVERIFY(!lockPath.isEmpty());
        if (kind == QLatin1String("shared")) {
            QVERIFY(plant(QDir(env.shared).filePath(QFileInfo(lockPath).fileName()), what));
        } else if (what == QLatin1String("=dir")) {
            QVERIFY(QDir().mkpath(lockPath));
            QFile inside(lockPath + QStringLiteral("/inside.txt"));
            QVERIFY(inside.open(QIODevice::WriteOnly));
        } else if (what == QLatin1String("=fixed")) {
            QVERIFY(plant(lockPath, what));
            fixedFolder = QFileInfo(lockPath).absolutePath();
            QVERIFY(::chmod(QFile::encodeName(fixedFolder).constData(), 0500) == 0);
        } else {
            QVERIFY(plant(lockPath, what));
        }
    }
    const QString lockPath = lunara::singleInstanceLockPath(probe);

    QProcess first;
    QCOMPARE(start(first, probe), QStringLiteral("running"));
    QProcess second;
    const QString answer = start(second, probe);
    if (!fixedFolder.isEmpty()) {
        ::chmod(QFile::encodeName(fixedFolder).constData(), 0700);
    }
    // Root may remove anything, so a folder it cannot change does not stop it from locking.
    const bool expectRefusal = oneCopyOnly || (what == QLatin1String("=fixed") && ::geteuid() == 0);
    QCOMPARE(answer, expectRefusal ? QStringLiteral("refused") : QStringLiteral("running"));
    stop(second);
    stop(first);

    QCOMPARE(contentsOf(keep), QByteArray("the user's own\n"));
    QCOMPARE(contentsOf(file), QByteArray("the user's own\n"));
    QCOMPARE(QDir(victimFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("keep.txt")});
    if (what == QLatin1String("=dir")) {
        QVERIFY(QFileInfo::exists(lockPath + QStringLiteral("/inside.txt")));
    }
    // Wherever the lock went, it is in a folder that is this user's alone.
    if (!lockPath.isEmpty()) {
        struct stat st {};
        QVERIFY(::lstat(QFile::encodeName(QFileInfo(lockPath).absolutePath()).constData(), &st) == 0);
        QVERIFY(S_ISDIR(st.st_mode));
        QCOMPARE(st.st_uid, ::geteuid());
        QCOMPARE(st.st_mode & 077, 0u);
    }
#endif
}

void TestSingleInstance::simultaneousStartsLetExactlyOneIn() {
#ifndef Q_OS_UNIX
    QSKIP("the barrier is a pipe shared by two children");
#else
    // Two copies released at one instant: a copy that is just creating its lock file must never
    // have it taken away by the other. Every pair must end with exactly one holder.
    constexpr int kPairs = 500;
    const QByteArray program = QFile::encodeName(probe);
    QMap<QString, int> outcomes;
    for (int pair = 0; pair < kPairs; ++pair) {
        int gate[2];
        QVERIFY(::pipe(gate) == 0);
        pid_t pids[2];
        int out[2];
        for (int c = 0; c < 2; ++c) {
            int o[2];
            QVERIFY(::pipe(o) == 0);
            pids[c] = ::fork();
            if (pids[c] == 0) {
                ::dup2(gate[0], 0);
                ::dup2(o[1], 1);
                ::close(gate[0]);
                ::close(gate[1]);
                ::close(o[0]);
                ::close(o[1]);
                ::execl(program.constData(), program.constData(), "--barrier", static_cast<char*>(nullptr));
                ::_exit(127);
            }
            ::close(o[1]);
            out[c] = o[0];
        }
        ::close(gate[0]);
        // Both children block reading the same pipe: one write wakes them together.
        QCOMPARE(::write(gate[1], "xx", 2), ssize_t(2));
        QStringList words;
        for (int fd : out) {
            pollfd p{fd, POLLIN, 0};
            char buffer[32] = {};
            const bool ready = ::poll(&p, 1, lunara::test::kPatienceMs) == 1;
            const ssize_t n = ready ? ::read(fd, buffer, sizeof buffer - 1) : -1;
            words << (n > 0 ? QString::fromLatin1(buffer, int(n)).trimmed() : QStringLiteral("(no answer)"));
            ::close(fd);
        }
        ::close(gate[1]);
        for (pid_t pid : pids) {
            int status = 0;
            ::kill(pid, SIGKILL); // a holder left dead: the next pair must take its lock over
            ::waitpid(pid, &status, 0);
        }
        words.sort();
        ++outcomes[words.join(u'+')];
    }
    qInfo("%d simultaneous pairs: %s", kPairs, qPrintable([&] {
              QStringList parts;
              for (auto it = outcomes.cbegin(); it != outcomes.cend(); ++it) {
                  parts << QStringLiteral("%1 x %2").arg(it.value()).arg(it.key());
              }
              return parts.join(QStringLiteral(", "));
          }()));
    QCOMPARE(outcomes.value(QStringLiteral("refused+running")), kPairs);
#endif
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
