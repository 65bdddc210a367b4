#include "kit/services.h"

#include "kit/about_window.h"
#include "kit/save_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QSystemTrayIcon>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

bool Services::trayAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

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

QString Services::askSaveFile(QWidget* parent, const QString& caption, const QString& suggestedName,
                              const QString& filter, const QString& suffix) {
    QString start = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(suggestedName);
    for (;;) {
        const QString chosen = chooseSaveFile(parent, caption, start, filter, suffix);
        if (chosen.isEmpty()) {
            return {};
        }
        // The dialog checked the name as typed; the ending added here can name a file it never saw.
        QString path = withEnding(chosen, suffix);
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink()) {
            return path;
        }
        if (question(parent, tr("%1 already exists.\nDo you want to replace it?").arg(info.fileName()))) {
            return path;
        }
        start = path;
    }
}

QString Services::chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                 const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void Services::showAbout(QWidget* parent) {
    frmAbout about(parent);
    about.exec();
}

QDateTime Services::now() const { return QDateTime::currentDateTime(); }

QLocale Services::locale() const { return QLocale::system(); }

QTimeZone Services::timeZone() const { return QTimeZone::systemTimeZone(); }

namespace {

#ifdef Q_OS_UNIX
// A folder only this user can reach: a real folder (never a link), owned by the user, with no
// rights for anyone else. Made with mode 0700 when it is not there yet and `create` says so.
bool privateFolder(const QString& path, bool create) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) {
        if (!create || errno != ENOENT || ::mkdir(native.constData(), 0700) != 0 ||
            ::lstat(native.constData(), &st) != 0) {
            return false;
        }
    }
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}
#endif

// Where the lock may live: a folder no other user can write to, or nothing.
QString lockFolder() {
#ifdef Q_OS_UNIX
    // The session's runtime folder; else a folder of our own in the temporary folder (someone
    // else may have taken that name first, so it is checked, never trusted); else the cache folder
    // in the home.
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && privateFolder(runtime, false)) {
        return runtime;
    }
    QString ownTemp = QDir(QDir::tempPath()).filePath(QStringLiteral("lunara-%1").arg(::geteuid()));
    if (privateFolder(ownTemp, true)) {
        return ownTemp;
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && QDir::isAbsolutePath(cache) && QDir().mkpath(cache)) {
        QString own = QDir(cache).filePath(QStringLiteral("lunara"));
        if (privateFolder(own, true)) {
            return own;
        }
    }
    return {};
#else
    // The per-user temporary folder: Windows has no runtime folder (Qt answers with the home folder).
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return dir.isEmpty() || !QDir(dir).exists() ? QString() : dir;
#endif
}

} // namespace

QString singleInstanceLockPath(const QString& executablePath) {
    const QString canonical = QFileInfo(executablePath).canonicalFilePath();
    // The user's name too: where a folder is shared between users, each still has a lock of their own.
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QByteArray hash =
        QCryptographicHash::hash(((canonical.isEmpty() ? executablePath : canonical) + u'\n' + user).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString dir = lockFolder();
    return dir.isEmpty() ? QString()
                         : QDir(dir).filePath(QStringLiteral("lunara-%1.lock").arg(QString::fromLatin1(hash)));
}

QString singleInstanceSocketName(const QString& executablePath) {
    QString lock = singleInstanceLockPath(executablePath);
    if (lock.isEmpty()) {
        return {};
    }
    lock.chop(int(sizeof(".lock")) - 1);
#ifdef Q_OS_UNIX
    return lock + QStringLiteral(".socket");
#else
    return QFileInfo(lock).fileName();
#endif
}

QString storeLockPath(const QString& storeName) {
    // The registry (Windows' native store) has no file to lock, and a relative name is no file of ours.
    if (storeName.startsWith(QLatin1String("\\HKEY_")) || storeName.startsWith(QLatin1String("/HKEY_")) ||
        !QDir::isAbsolutePath(storeName)) {
        return {};
    }
    return storeName + QStringLiteral(".lock");
}

namespace {

// What stands in a lock's place that could not be taken.
enum class Judged {
    Held,    // a live holder has it
    Cleared, // something left over was removed: try again
    Busy,    // being written this moment: look again shortly
    Unsafe,  // something that must not be removed (a folder with contents, a device...)
};

#ifdef Q_OS_UNIX
// A lock file is created empty, then locked, then written, all within a moment; until it has been
// written it must not be taken for a left-over.
constexpr std::int64_t kCreationGraceSeconds = 2;

bool namesAHolder(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString app;
    return lock.getLockInfo(&pid, &host, &app);
}

bool justCreated(const struct stat& st) {
    const std::int64_t age = static_cast<std::int64_t>(std::time(nullptr)) - static_cast<std::int64_t>(st.st_mtime);
    return age < kCreationGraceSeconds && age > -kCreationGraceSeconds; // a clock set back counts too
}

// Never follows a link and never empties a folder: a link in the lock's place is removed itself,
// a folder only when empty, and a file only when nobody holds its lock and it is not being written.
// The holder's lock (flock) is the test of life: it dies with its process, whatever the file names.
Judged judge(const QLockFile& lock, const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) {
        return errno == ENOENT ? Judged::Cleared : Judged::Unsafe;
    }
    if (S_ISLNK(st.st_mode)) {
        return ::unlink(native.constData()) == 0 ? Judged::Cleared : Judged::Unsafe;
    }
    if (S_ISDIR(st.st_mode)) {
        return ::rmdir(native.constData()) == 0 ? Judged::Cleared : Judged::Unsafe;
    }
    if (!S_ISREG(st.st_mode)) {
        return Judged::Unsafe;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? Judged::Cleared : Judged::Unsafe;
    }
    Judged result = Judged::Unsafe;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        result = Judged::Unsafe;
    } else if (justCreated(opened) && !namesAHolder(lock)) {
        result = Judged::Busy; // not written yet: its creator may lock it any moment
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        result = Judged::Held; // the holder's lock dies with its process
    } else {
        // Ours now, so nobody can replace it: remove it if the name still leads to it.
        struct stat again {};
        const bool same =
            ::lstat(native.constData(), &again) == 0 && again.st_dev == opened.st_dev && again.st_ino == opened.st_ino;
        result = !same || ::unlink(native.constData()) == 0 ? Judged::Cleared : Judged::Unsafe;
    }
    ::close(fd);
    return result;
}
#else
// Whether a lock's holder, as its lock file names it, is a copy of this executable that runs now.
bool holderIsLiveCopy(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString app;
    if (!lock.getLockInfo(&pid, &host, &app)) {
        return false; // empty, garbage or not a file: nobody can hold it
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        return false; // the lock folder is this machine's own: another host's lock is left over
    }
    // The process must run and carry this program's name: one that took over a dead copy's number
    // is not a copy.
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process) {
        return false;
    }
    wchar_t name[MAX_PATH];
    DWORD size = MAX_PATH;
    const bool named = QueryFullProcessImageNameW(process, 0, name, &size) != 0;
    CloseHandle(process);
    return named && QFileInfo(QString::fromWCharArray(name, int(size))).canonicalFilePath() ==
                        QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
}

Judged judge(QLockFile& lock, const QString& path) {
    if (holderIsLiveCopy(lock)) {
        return Judged::Held;
    }
    // Windows keeps a held lock file open without delete sharing: removal fails while it is held.
    if (lock.removeStaleLockFile() || !QFileInfo::exists(path)) {
        return Judged::Cleared;
    }
    if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink()) {
        return QDir().rmdir(path) ? Judged::Cleared : Judged::Unsafe;
    }
    return Judged::Busy;
}
#endif

enum class Take { Taken, Held, Unavailable };

// Takes a lock file, waiting at most `patience` for one that is being written this moment. One that
// is left over (empty, garbage, another host's, an empty folder, a link, a holder that is gone) is
// cleared and taken over; a lock is never stale by age alone, as a copy may run for weeks.
Take takeLock(QLockFile& lock, const QString& path, std::chrono::milliseconds patience) {
    lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(patience);
    for (int round = 0; round < 1000; ++round) {
        if (lock.tryLock(0)) {
            return Take::Taken;
        }
        if (lock.error() != QLockFile::LockFailedError) {
            return Take::Unavailable; // no writable folder: there is no lock to be had
        }
        switch (judge(lock, path)) {
        case Judged::Held:
            return Take::Held;
        case Judged::Unsafe:
            return Take::Unavailable;
        case Judged::Cleared:
            break;
        case Judged::Busy:
            if (deadline.hasExpired()) {
                return Take::Held;
            }
            QThread::msleep(5);
            break;
        }
    }
    return Take::Held;
}

} // namespace

bool Services::anotherCopyRunning() {
    if (lock_ && lock_->isLocked()) {
        return false;
    }
    const QString path = singleInstanceLockPath(QCoreApplication::applicationFilePath());
    if (path.isEmpty()) {
        return false; // no safe place for a lock: better two copies than none
    }
    lock_ = std::make_unique<QLockFile>(path);
    // A lock that cannot be had safely (no writable folder, something in its place that must
    // stay) must not keep the user out.
    return takeLock(*lock_, path, std::chrono::milliseconds(2500)) == Take::Held;
}

bool storeLockFree(const QString& storeName) {
    const QString lockPath = storeLockPath(storeName);
    if (lockPath.isEmpty()) {
        return true; // nothing to probe
    }
    // QSettings makes the store's folder when it writes; its lock must find the folder there first.
    if (!QDir().mkpath(QFileInfo(lockPath).absolutePath())) {
        return false;
    }
    QLockFile probe(lockPath);
    // On the interface thread: a lock being written this moment is not waited for long.
    return takeLock(probe, lockPath, std::chrono::milliseconds(30)) == Take::Taken;
}

bool Services::storeSetting(const QString& key, const QVariant& value) {
    // QSettings waits without limit for its own lock file, at once and again whenever it writes
    // pending changes; a left-over one (a folder, an empty file) would hang the program. Judge or
    // clear it first, and change nothing when it cannot be had.
    if (!storeLockFree(settings_->fileName())) {
        storeProblem_ = tr("%1: its lock %2 is held and cannot be cleared")
                            .arg(QDir::toNativeSeparators(settings_->fileName()),
                                 QDir::toNativeSeparators(storeLockPath(settings_->fileName())));
        return false;
    }
    // QSettings keeps a file that a full disk or a size limit cut short, and calls it written: a
    // write that cannot be whole is found first, beside the file, and the file is left as it is.
    constexpr qsizetype kEscapes = 4; // at worst each character is written as an escape
    constexpr qsizetype kLines = 256;
    storeProblem_ = writeProblem((key.size() + value.toString().size()) * kEscapes + kLines);
    if (!storeProblem_.isEmpty()) {
        return false;
    }
    settings_->setValue(key, value);
    // Written at once: the program may be ended without a clean exit.
    settings_->sync();
    if (settings_->status() != QSettings::NoError || !readsBack()) {
        storeProblem_ = writeProblem(kLines);
        if (storeProblem_.isEmpty()) {
            storeProblem_ = QDir::toNativeSeparators(settings_->fileName());
        }
        return false;
    }
    emit settingStored(key);
    return true;
}

namespace {

// What a file in the settings' own format holds, read without QSettings (whose cache of the file
// within this process would answer from memory): every key with its value as written, for the
// keys and values of plain printable ASCII, the only ones Lunara writes.
std::optional<QHash<QString, QString>> plainIniValues(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QHash<QString, QString> values;
    QString section;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) {
            continue;
        }
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) {
            value = value.mid(1, value.size() - 2);
        }
        value.replace(QLatin1String("\\\""), QLatin1String("\"")).replace(QLatin1String("\\\\"), QLatin1String("\\"));
        const QString name = line.left(eq).trimmed();
        values.insert(section == QLatin1String("General") ? name : section + u'/' + name, value);
    }
    return values;
}

bool plainAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

} // namespace

bool Services::readsBack() const {
    // QSettings reports success for a file cut short by a full disk or a size limit (a write that
    // stops part-way is not an error to it), which loses every key after the cut: a store that is
    // a file is read again, whole, to be sure.
    const QString path = settings_->fileName();
    bool ini = settings_->format() == QSettings::IniFormat;
#ifndef Q_OS_DARWIN
    ini = ini || settings_->format() == QSettings::NativeFormat; // an INI file, or the registry (no path)
#endif
    if (!ini || storeLockPath(path).isEmpty()) {
        return true;
    }
    const std::optional<QHash<QString, QString>> written = plainIniValues(path);
    if (!written) {
        return false;
    }
    const QStringList keys = settings_->allKeys();
    return std::all_of(keys.begin(), keys.end(), [&](const QString& key) {
        const QVariant value = settings_->value(key);
        const QString text = value.toString();
        const bool checkable = plainAscii(key) && !key.contains(u'%') && value.typeId() != QMetaType::QStringList &&
                               plainAscii(text) && !text.startsWith(u'@') && !text.contains(u'\\');
        return !checkable || written->value(key) == text;
    });
}

QString Services::writeProblem(qsizetype moreBytes) const {
    // Writes the file's bytes and as many more beside it, unbuffered so that a write that stops
    // part-way is asked again and gives the system's own words for why; nothing of it is kept.
    const QString name = settings_->fileName();
    if (storeLockPath(name).isEmpty()) {
        return {};
    }
    QFile current(name);
    QByteArray bytes = current.open(QIODevice::ReadOnly) ? current.readAll() : QByteArray();
    bytes.append(QByteArray(moreBytes, ' '));
    QSaveFile probe(name);
    probe.setDirectWriteFallback(false);
    QString why;
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        why = probe.errorString();
    }
    for (qint64 done = 0; why.isEmpty() && done < bytes.size();) {
        const qint64 n = probe.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            why = probe.errorString();
        }
        done += std::max<qint64>(n, 0);
    }
    probe.cancelWriting();
    return why.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(name), why);
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
