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

QString singleInstanceLockPath(const QString& executablePath) {
    const QString canonical = QFileInfo(executablePath).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? executablePath : canonical).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) {
        dir = QDir::tempPath();
    }
    return QDir(dir).filePath(QStringLiteral("lunara-%1.lock").arg(QString::fromLatin1(hash)));
}

bool Services::anotherCopyRunning() {
    if (lock_ && lock_->isLocked()) {
        return false;
    }
    lock_ = std::make_unique<QLockFile>(singleInstanceLockPath(QCoreApplication::applicationFilePath()));
    // Never treat a lock as stale by age: only a holder that no longer runs gives it up.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return false;
    }
    // A lock we cannot create at all (no writable folder) must not keep the user out.
    return lock_->error() == QLockFile::LockFailedError;
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
