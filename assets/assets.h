#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace lunara {

// Registers the compiled-in pictures; safe to call more than once.
void initAssets();

// A picture from the resources, e.g. "moon/moon15.png" or "icons/candles.png". On a high-DPI
// screen the @2x file is chosen when there is one.
QPixmap assetPixmap(const QString& name);

// The program icon for title bars and task bars (16, 32 and 48 pixels).
QIcon programIcon();

// Moon picture 1-30 (picture k shows the moon k-1 days old); a null pixmap outside that range.
QPixmap moonPicture(int index);

} // namespace lunara
