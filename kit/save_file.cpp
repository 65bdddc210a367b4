#include "kit/save_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace lunara {

QString withEnding(const QString& path, const QString& suffix) {
    const QString ending = u'.' + suffix;
    return path.endsWith(ending, Qt::CaseInsensitive) ? path : path + ending;
}

bool SaveWhole(const QString& path, const QString& what, const std::function<bool(QIODevice&)>& write, QString* error) {
    QSaveFile file(path);
    const auto fail = [&](const QString& why) {
        if (error) {
            *error = QStringLiteral("The %1 could not be saved as %2: %3. Nothing was written.")
                         .arg(what, QFileInfo(path).fileName(), why);
        }
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(file.errorString());
    }
    if (!write(file)) {
        // The cause first: cancelling replaces it with "Writing canceled by application".
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                                 : QStringLiteral("the %1 could not be made").arg(what);
        file.cancelWriting();
        return fail(why);
    }
    return file.commit() || fail(file.errorString());
}

} // namespace lunara
