#pragma once

// The standard-C++ layers' texts in Qt (Qt Core only, so that a program without windows says them
// in the same words as the windows).

#include <QString>
#include <string_view>

namespace lunara {

// A text of the standard C++ tables as a QString.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A text the standard-C++ layers marked with LUNARA_TEXT(context, text), in the user's language:
// translated where a Qt layer shows it (the English text where no catalogue has it).
QString translated(const char* context, std::string_view text);

} // namespace lunara
