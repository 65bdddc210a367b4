#include "kit/save_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>
#endif

// The sentences of a file that could not be saved (a context of their own for the translations).
class Saving {
    Q_DECLARE_TR_FUNCTIONS(Saving)
};

namespace lunara {

namespace {

// Why a file is missing when the writer failed without an error of the file's own.
QString notMade(SavedFile what) {
    switch (what) {
    case SavedFile::CalendarFile:
        return Saving::tr("the calendar file could not be made");
    case SavedFile::Pdf:
        return Saving::tr("the PDF could not be made");
    case SavedFile::EventList:
        return Saving::tr("the list of events could not be made");
    case SavedFile::AutostartEntry:
        break;
    }
    return Saving::tr("the autostart entry could not be made");
}

#ifdef Q_OS_UNIX
QString systemError(int code) { return QString::fromStdString(std::generic_category().message(code)); }

// A link at the name, even one that leads nowhere, is replaced itself: QSaveFile would write where
// it leads, a place the user never chose. The file is made new beside it (O_EXCL never follows a
// link either, and 0666 leaves the permissions to the umask, as for any new file) and renamed over
// the link only when it is complete.
bool replaceLink(const QString& path, const std::function<bool(QIODevice&)>& write, SavedFile what, QString* why) {
    const QFileInfo info(path);
    QByteArray made;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        made = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
                                 QString::number(QRandomGenerator::global()->generate(), 36));
        fd = ::open(made.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        *why = systemError(errno);
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(made.constData());
        *why = file.errorString();
        return false;
    }
    const bool written = write(file) && file.flush();
    const int synced = written ? ::fsync(fd) : 0;
    const int syncError = errno;
    if (!written || synced != 0) {
        *why = file.error() != QFileDevice::NoError ? file.errorString()
               : synced != 0                        ? systemError(syncError)
                                                    : notMade(what);
        file.close();
        ::unlink(made.constData());
        return false;
    }
    file.close();
    if (::rename(made.constData(), QFile::encodeName(path).constData()) != 0) {
        *why = systemError(errno);
        ::unlink(made.constData());
        return false;
    }
    return true;
}
#endif

} // namespace

QString withEnding(const QString& path, const QString& suffix) {
    const QString ending = u'.' + suffix;
    return path.endsWith(ending, Qt::CaseInsensitive) ? path : path + ending;
}

bool SaveWhole(const QString& path, SavedFile what, const std::function<bool(QIODevice&)>& write, QString* error) {
    const auto fail = [&](const QString& why) {
        if (error) {
            const QString name = QFileInfo(path).fileName();
            switch (what) {
            case SavedFile::CalendarFile:
                *error =
                    Saving::tr("The calendar file could not be saved as %1: %2. Nothing was written.").arg(name, why);
                break;
            case SavedFile::Pdf:
                *error = Saving::tr("The PDF could not be saved as %1: %2. Nothing was written.").arg(name, why);
                break;
            case SavedFile::AutostartEntry:
                *error =
                    Saving::tr("The autostart entry could not be saved as %1: %2. Nothing was written.").arg(name, why);
                break;
            case SavedFile::EventList:
                *error =
                    Saving::tr("The list of events could not be saved as %1: %2. Nothing was written.").arg(name, why);
                break;
            }
        }
        return false;
    };
#ifdef Q_OS_UNIX
    if (QFileInfo(path).isSymLink()) {
        QString why;
        return replaceLink(path, write, what, &why) || fail(why);
    }
#endif
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(file.errorString());
    }
    if (!write(file)) {
        // The cause first: cancelling replaces it with "Writing canceled by application".
        const QString why = file.error() != QFileDevice::NoError ? file.errorString() : notMade(what);
        file.cancelWriting();
        return fail(why);
    }
    return file.commit() || fail(file.errorString());
}

} // namespace lunara
