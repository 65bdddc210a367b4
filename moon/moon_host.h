#pragma once

#include "kit/feature_window.h"

namespace lunara {

class frmMoonMagickDisplay;
class frmMoonMagickMain;

// What the two Moon Magick windows need from the launcher to reach each other.
class MoonHost : public FeatureHost {
public:
    // The result window; the first reference creates it, hidden.
    virtual frmMoonMagickDisplay& moonDisplay() = 0;
    // The main window, or null when it is not open.
    virtual frmMoonMagickMain* moonMain() = 0;
    // Opens the Moon Calendar as a feature of its own (the other feature windows close).
    virtual void showMoonCalendar() = 0;
};

} // namespace lunara
