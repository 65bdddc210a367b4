#pragma once

// Texts and the one font every window is drawn with.

#include "kit/words.h"

#include <QDate>
#include <QFont>
#include <QLocale>
#include <QString>
#include <string_view>

namespace lunara {

// The text a label shows, or a screen reader reads, for a caption with access-key markers.
QString withoutAccessKeys(const QString& caption);

// Verdana where it is installed, else a face of the same wide, open shapes.
QFont verdana(double points, bool bold = false, bool underline = false);

} // namespace lunara
