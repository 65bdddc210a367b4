#pragma once

// Starting Lunara with the user's session, in the background (`lunara --background`): on Linux an
// XDG autostart entry in the user's configuration, on Windows the current user's Run key.

#include <QByteArray>
#include <QString>

namespace lunara {

// The autostart entry's path; empty where there is none (neither Linux nor Windows).
QString autostartPath();
// The entry for the program at this path.
QByteArray autostartEntry(const QString& program);
// Whether an entry can name this path (UTF-8 text with no control characters but line breaks and tabs).
bool writableInEntry(const QString& program);
// Whether the session starts Lunara now.
bool startsWithSession();
// Adds (whole, by temporary file and rename) or removes the entry; false with the reason when it cannot.
bool setStartWithSession(bool on, const QString& program, QString* error);

} // namespace lunara
