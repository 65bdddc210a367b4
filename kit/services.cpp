#include "kit/services.h"

#include "kit/about_window.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QUrl>

#ifdef Q_OS_WIN
// windows.h first: shellapi.h uses its types.
#include <windows.h>
// Kept apart so that sorting the includes cannot put it first.
#include <shellapi.h>
#else
#include <QDesktopServices>
#endif

namespace lunara {

namespace {
Services* currentServices = nullptr;
} // namespace

Services::Services(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)), previous_(currentServices) {
    currentServices = this;
    if (!settings_) {
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lunara"),
                                                QStringLiteral("Lunara"));
    }
}

Services::~Services() {
    if (currentServices == this) {
        currentServices = previous_;
    }
}

Services* Services::current() { return currentServices; }

namespace {
// The texts keep the carriage return they were written with; a label breaks lines on '\n'.
QString forDisplay(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }
} // namespace

void Services::information(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kAppTitle), forDisplay(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

bool Services::question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kAppTitle), forDisplay(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void Services::openUrl(const QString& address) {
#ifdef Q_OS_WIN
    const QByteArray ansi = address.toLocal8Bit();
    ShellExecuteA(nullptr, "Open", ansi.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
#else
    QDesktopServices::openUrl(QUrl(address));
#endif
}

void Services::showAbout(QWidget* parent) {
    frmAbout about(parent);
    about.exec();
}

QDateTime Services::now() const { return QDateTime::currentDateTime(); }

QLocale Services::locale() const { return QLocale::system(); }

QTimeZone Services::timeZone() const { return QTimeZone::systemTimeZone(); }

QString singleInstanceLockPath(const QString& executablePath) {
    const QString canonical = QFileInfo(executablePath).canonicalFilePath();
    // The user's name too: where the folder is shared between users, each still has a lock of their own.
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QByteArray hash =
        QCryptographicHash::hash(((canonical.isEmpty() ? executablePath : canonical) + u'\n' + user).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
#ifdef Q_OS_WIN
    // The per-user temporary folder: Windows has no runtime folder (Qt answers with the home folder).
    QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    if (dir.isEmpty() || !QDir(dir).exists()) {
        dir = QDir::tempPath();
    }
    return QDir(dir).filePath(QStringLiteral("lunara-%1.lock").arg(QString::fromLatin1(hash)));
}

namespace {

// Whether a lock's holder, as its lock file names it, is a copy of this executable that runs now.
bool holderIsLiveCopy(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString app;
    if (!lock.getLockInfo(&pid, &host, &app)) {
        return false; // empty, garbage or not a file: nobody can hold it
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        return false; // the runtime folder is this machine's own: another host's lock is left over
    }
#ifdef Q_OS_LINUX
    // The holder's executable must be this one: a process that took over a dead copy's number is
    // not a copy.
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return !exe.isEmpty() &&
           QFileInfo(exe).canonicalFilePath() == QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
#else
    // QLockFile has already checked that the process runs and carries this program's name.
    return true;
#endif
}

enum class Take { Taken, Held, Unavailable };

// Takes a lock file at once. One that is left over (empty, garbage, a directory, another host's,
// or a holder that is not a copy of this program) is cleared and taken over; a lock is never
// stale by age alone, as a copy may run for weeks.
Take takeLock(QLockFile& lock, const QString& path) {
    lock.setStaleLockTime(0);
    // A few rounds, a moment apart: a process starting at this instant holds its file before it
    // has written its name into it.
    for (int round = 0; round < 20; ++round) {
        if (lock.tryLock(0)) {
            return Take::Taken;
        }
        if (lock.error() != QLockFile::LockFailedError) {
            return Take::Unavailable; // no writable folder: there is no lock to be had
        }
        if (holderIsLiveCopy(lock)) {
            return Take::Held;
        }
        // Removal fails while a live holder keeps its file locked.
        if (!lock.removeStaleLockFile() && QFileInfo(path).isDir()) {
            QDir(path).removeRecursively();
        }
        if (round > 0) {
            QThread::msleep(25);
        }
    }
    // Kept locked all along by a process that does not name itself.
    return Take::Held;
}

} // namespace

bool Services::anotherCopyRunning() {
    if (lock_ && lock_->isLocked()) {
        return false;
    }
    const QString path = singleInstanceLockPath(QCoreApplication::applicationFilePath());
    lock_ = std::make_unique<QLockFile>(path);
    // A lock that cannot be created at all (no writable folder) must not keep the user out.
    return takeLock(*lock_, path) == Take::Held;
}

bool Services::storeSetting(const QString& key, const QVariant& value) {
    // QSettings waits without limit for its own lock file, at once and again whenever it writes
    // pending changes; a left-over one (a directory, an empty file) would hang the program. Judge
    // or clear it first, and change nothing when it cannot be had.
    const QString lockPath = settings_->fileName() + QStringLiteral(".lock");
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    {
        QLockFile probe(lockPath);
        if (takeLock(probe, lockPath) != Take::Taken) {
            return false;
        }
    }
    settings_->setValue(key, value);
    // Written at once: the program may be ended without a clean exit.
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString clockText(const QDateTime& now, const QLocale& locale) {
    // The long time format without a time-zone name, as desktop clocks show it.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    // Two-digit years are ambiguous in a program about the years 1901-2050.
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy"))) {
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    return locale.toString(now.time(), timeFormat.trimmed()) + QStringLiteral(" ; ") +
           locale.toString(now.date(), dateFormat);
}

} // namespace lunara
