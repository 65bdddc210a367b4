#pragma once

#include <QProxyStyle>

namespace lunara {

// The platform's own style, whose standard icons are read from their files when first drawn or
// measured rather than when asked for. Widgets ask at construction for icons they may never show
// (every menu bar asks for the icon of its overflow button); reading the first picture file also
// loads every image plugin, which cost Lunara's start-up more than building the whole launcher.
// What is drawn does not change.
class DeferredIconStyle : public QProxyStyle {
public:
    DeferredIconStyle();

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace lunara
