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

// A text the standard-C++ layers marked with LUNARA_TEXT(context, text), in the user's language:
// translated where a Qt layer shows it (the English text where no catalogue has it).
QString translated(const char* context, std::string_view text);

// The text a label shows, or a screen reader reads, for a caption with access-key markers.
QString withoutAccessKeys(const QString& caption);

// Verdana where it is installed, else a face of the same wide, open shapes.
QFont verdana(double points, bool bold = false, bool underline = false);

} // namespace lunara
