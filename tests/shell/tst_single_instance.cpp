#include "kit/services.h"

#include <QtTest>

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

private:
    // Starts the probe and waits for its first word.
    static QString start(QProcess& p, const QString& program) {
        p.start(program, {});
        if (!p.waitForStarted(5000) || !p.waitForReadyRead(5000)) {
            return QStringLiteral("(no answer)");
        }
        return QString::fromLatin1(p.readLine()).trimmed();
    }
    static void stop(QProcess& p) {
        p.kill();
        p.waitForFinished(5000);
    }
    const QString probe = QStringLiteral(LOCK_PROBE);
};

void TestSingleInstance::secondCopyIsRefused() {
    QProcess first;
    QCOMPARE(start(first, probe), QStringLiteral("running"));
    QProcess second;
    QCOMPARE(start(second, probe), QStringLiteral("refused"));
    QVERIFY(second.waitForFinished(5000));
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
    QTest::newRow("a folder") << QByteArray("dir");
}

void TestSingleInstance::leftOverLockDoesNotLockOut() {
    QFETCH(QByteArray, contents);
    const QString path = lunara::singleInstanceLockPath(probe);
    QFile::remove(path);
    if (contents == "dir") {
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
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
    QVERIFY(second.waitForFinished(5000));
    stop(next);
}

void TestSingleInstance::noFolderForTheLockLetsEveryCopyRun() {
    // Neither the runtime folder nor the temporary folder can hold a file: there is no lock to be
    // had (both name a plain file), and refusing every start would lock the user out.
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), notAFolder.fileName());
    env.insert(QStringLiteral("TMPDIR"), notAFolder.fileName());
    QProcess first;
    first.setProcessEnvironment(env);
    QCOMPARE(start(first, probe), QStringLiteral("running"));
    QProcess second;
    second.setProcessEnvironment(env);
    QCOMPARE(start(second, probe), QStringLiteral("running"));
    stop(second);
    stop(first);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
