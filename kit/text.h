#pragma once

// Texts and the one font every window is drawn with.

#include <QDate>
#include <QFont>
#include <QLocale>
#include <QString>
#include <string_view>

namespace lunara {

// A text of the standard C++ tables as a QString.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The text a label shows, or a screen reader reads, for a caption with access-key markers.
QString withoutAccessKeys(const QString& caption);

// Names and dates in the program's own language, whatever the regional settings.
const QLocale& english();
// "Thursday 24 December 2026", in the program's own language.
QString longDate(const QDate& date);

// Verdana where it is installed, else a face of the same wide, open shapes.
QFont verdana(double points, bool bold = false, bool underline = false);

} // namespace lunara
