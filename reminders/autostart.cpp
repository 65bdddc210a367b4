#include "reminders/autostart.h"

#include "kit/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSettings>
#include <QStandardPaths>

// The autostart entry's messages (a context of their own for the translations).
class Autostart {
    Q_DECLARE_TR_FUNCTIONS(Autostart)
};

namespace lunara {

namespace {

#ifdef Q_OS_WIN
constexpr const char* kRunKey = R"(HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run)";
#endif

// An argument of an Exec line, in the two steps a reader undoes: quoted whole, with the characters
// the quoting reserves escaped by a backslash and a percent sign doubled (it starts a field code);
// then written as a string value, whose own escapes double every backslash and spell out the
// line breaks and tabs that a value on one line cannot hold.
QString execArgument(const QString& argument) {
    QString quoted(u'"');
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        }
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    quoted += u'"';
    QString value;
    for (const QChar c : quoted) {
        switch (c.unicode()) {
        case u'\\':
            value += QStringLiteral("\\\\");
            break;
        case u'\n':
            value += QStringLiteral("\\n");
            break;
        case u'\t':
            value += QStringLiteral("\\t");
            break;
        case u'\r':
            value += QStringLiteral("\\r");
            break;
        default:
            value += c;
        }
    }
    return value;
}

} // namespace

QString autostartPath() {
#if defined(Q_OS_LINUX)
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("/autostart/example.lunara.Lunara.desktop");
#else
    return {};
#endif
}

bool writableInEntry(const QString& program) {
    // An entry is UTF-8 text: other control characters have no escape, and a name the system
    // could not decode would not name the same file again.
    for (const QChar c : program) {
        if ((c.category() == QChar::Other_Control && c != u'\n' && c != u'\t' && c != u'\r') ||
            c == QChar::ReplacementCharacter) {
            return false;
        }
    }
    return !program.isEmpty();
}

QByteArray autostartEntry(const QString& program) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Lunara Reminders\n"
                          "Comment=Reminders of the moon's phases, the sabbats and eclipses\n"
                          "Exec=%1 --background\n"
                          "Icon=example.lunara.Lunara\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(program))
        .toUtf8();
}

bool startsWithSession() {
#ifdef Q_OS_WIN
    return QSettings(QString::fromLatin1(kRunKey), QSettings::NativeFormat).contains(QStringLiteral("Lunara"));
#else
    const QString path = autostartPath();
    const QFileInfo entry(path);
    return !path.isEmpty() && !entry.isSymLink() && entry.isFile();
#endif
}

bool setStartWithSession(bool on, const QString& program, QString* error) {
#ifdef Q_OS_WIN
    QSettings run(QString::fromLatin1(kRunKey), QSettings::NativeFormat);
    if (on) {
        run.setValue(QStringLiteral("Lunara"),
                     QStringLiteral("\"%1\" --background").arg(QDir::toNativeSeparators(program)));
    } else {
        run.remove(QStringLiteral("Lunara"));
    }
    run.sync();
    if (run.status() != QSettings::NoError && error) {
        *error = Autostart::tr("The Run key of the current user could not be written.");
    }
    return run.status() == QSettings::NoError;
#else
    const QString path = autostartPath();
    if (path.isEmpty()) {
        if (error) {
            *error = Autostart::tr("This system offers no way to start programs with the session.");
        }
        return !on;
    }
    const QFileInfo entry(path);
    if (entry.isSymLink()) {
        // Not ours: neither followed nor replaced.
        if (error) {
            *error = Autostart::tr("%1 is a link, which Lunara leaves as it is.").arg(QDir::toNativeSeparators(path));
        }
        return false;
    }
    if (!on) {
        if (entry.exists() && !QFile::remove(path)) {
            if (error) {
                *error = Autostart::tr("%1 could not be removed.").arg(QDir::toNativeSeparators(path));
            }
            return false;
        }
        return true;
    }
    // A folder of the user's own, made for it when missing.
    if (!QDir().mkpath(entry.absolutePath())) {
        if (error) {
            *error =
                Autostart::tr("The folder %1 could not be made.").arg(QDir::toNativeSeparators(entry.absolutePath()));
        }
        return false;
    }
    if (!writableInEntry(program)) {
        if (error) {
            *error = Autostart::tr("Lunara's path %1 cannot be written in an autostart entry.")
                         .arg(QDir::toNativeSeparators(program));
        }
        return false;
    }
    const QByteArray text = autostartEntry(program);
    return SaveWhole(
        path, SavedFile::AutostartEntry, [&text](QIODevice& file) { return file.write(text) == text.size(); }, error);
#endif
}

} // namespace lunara
