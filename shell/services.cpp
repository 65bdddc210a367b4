#include "shell/services.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace lunara {

Services::Services(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {
    if (!settings_) {
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lunara"),
                                                QStringLiteral("Lunara"));
    }
}

Services::~Services() = default;

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
