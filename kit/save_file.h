#pragma once

// Files the user names and Lunara writes whole: the name always ends in the file's ending, and the
// file appears only complete (temporary file and rename), or not at all.

#include <QString>
#include <functional>

class QIODevice;

namespace lunara {

// The path with ".suffix" added unless it already ends in it (case aside): "moon" and "moon.2026"
// get ".ics", "Mond Dez. 2026" too; "moon.ICS" stays.
QString withEnding(const QString& path, const QString& suffix);

// What a file holds, for the sentences that say it could not be saved.
enum class SavedFile { CalendarFile, Pdf, AutostartEntry, EventList };

// Writes a file whole: `write` fills a temporary file that is renamed into place only when all went
// well, so a failure (a read-only folder, a full disk) leaves the old file, or none, as it was; on
// failure, error says why in words for the user ("The PDF could not be saved as ...: No space left
// on device. Nothing was written."). A symbolic link at the path is replaced by the file, never
// written through (the user was asked about replacing the name, not where it leads).
bool SaveWhole(const QString& path, SavedFile what, const std::function<bool(QIODevice&)>& write, QString* error);

} // namespace lunara
