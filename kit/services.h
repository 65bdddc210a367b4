#pragma once

#include <QDateTime>
#include <QLocale>
#include <QLockFile>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QTimeZone>
#include <memory>

class QWidget;

namespace lunara {

inline constexpr const char* kAppTitle = "Lunara";

// Everything that touches the operating system, in one object created by main() and passed on by
// reference. Tests derive from it to answer message boxes, catch web addresses and fix the clock.
class Services : public QObject {
    Q_OBJECT
public:
    // Without a settings object the per-user store of the platform is used.
    explicit Services(std::unique_ptr<QSettings> settings = nullptr);
    ~Services() override;
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

    // The instance the program was started with (the newest one alive), which the web-link
    // operations use; null before main() has made one.
    static Services* current();

    // Modal boxes with the information icon, captioned "Lunara".
    virtual void information(QWidget* parent, const QString& text);
    virtual bool question(QWidget* parent, const QString& text); // Yes: true

    // Opens an address in the default browser; a failure (no browser, no handler) is silent.
    virtual void openUrl(const QString& address);

    // Shows the About window modally over the parent; returns when it has been closed.
    virtual void showAbout(QWidget* parent);
    // Where to save a file of this ending (suffix without its dot), suggested in the user's documents:
    // the path always ends in it, and a file already there is replaced only when the user says
    // so (else the dialog comes again). Empty when the user cancels.
    QString askSaveFile(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
                        const QString& suffix);
    // The platform's save dialog itself, starting at `suggestedPath`: the path chosen, or empty when
    // the user cancels. It does not ask before replacing a file; askSaveFile does, for the final name.
    virtual QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                   const QString& filter, const QString& suffix);

    virtual QDateTime now() const;
    virtual QLocale locale() const;
    // The zone local times are shown in: the system's.
    virtual QTimeZone timeZone() const;

    // Whether the desktop shows a tray for Lunara's icon now (a panel may come and go).
    virtual bool trayAvailable() const;

    // True when another copy of this executable holds the lock; otherwise this copy takes it and
    // keeps it for its life.
    virtual bool anotherCopyRunning();

    // The per-user store; write through storeSetting.
    QSettings& settings() { return *settings_; }
    // Writes one value to the store now; false when the store cannot be locked or written (a
    // read-only folder, a full disk, a lock that is not released), in which case nothing changes.
    bool storeSetting(const QString& key, const QVariant& value);
    // Why the last store that failed did: the file and the system's own words ("/home/ann/.config/
    // Lunara/Lunara.conf: No space left on device").
    QString storeProblem() const { return storeProblem_; }

signals:
    // A value was written to the store: every part that reads it can follow at once.
    void settingStored(const QString& key);

private:
    bool readsBack() const;
    // Why the store's file could not be written whole with this many bytes more; empty when it can.
    QString writeProblem(qsizetype moreBytes) const;

    std::unique_ptr<QSettings> settings_;
    QString storeProblem_;
    std::unique_ptr<QLockFile> lock_;
    Services* previous_;
};

// The lock file that keeps one copy of the executable at this path running, in a folder no other
// user can write to; empty when there is no such folder. A crashed holder's lock is taken over
// because its process no longer exists.
QString singleInstanceLockPath(const QString& executablePath);

// Where the copy that holds that lock listens for a second start: beside the lock in its private
// folder (on Windows, where local sockets are named pipes, the lock's name); empty without a lock.
QString singleInstanceSocketName(const QString& executablePath);

// The lock file QSettings keeps beside a store of this name; empty for a store that is no file
// (the Windows registry).
QString storeLockPath(const QString& storeName);
// Whether the store's lock can be had now (or it has none); a left-over lock is cleared first.
bool storeLockFree(const QString& storeName);

// Current time (long format) " ; " current date (short format), in the given regional settings.
QString clockText(const QDateTime& now, const QLocale& locale);
inline QString clockText(const Services& services) { return clockText(services.now(), services.locale()); }

} // namespace lunara
