#pragma once

#include "moon/moon_host.h"

#include <QPixmap>
#include <array>

class QLabel;
class QPushButton;

namespace lunara {

class Form;

struct MoonPhaseInfo;

// The 30 moon pictures, numbered 1 to 30 (picture k shows the moon k-1 days old); each is loaded
// the first time it is asked for.
class MoonImageList {
public:
    QPixmap picture(int index);

private:
    std::array<QPixmap, 30> cache_;
};

// Shows a moon picture and tells screen readers what it shows.
void showMoonPicture(QLabel* box, MoonImageList& pictures, const MoonPhaseInfo& info);

// The result window of a Moon Magick reading: three frames in one place, one in front.
class frmMoonMagickDisplay : public FeatureWindow {
    Q_OBJECT
public:
    explicit frmMoonMagickDisplay(MoonHost& host);

    void cmdBack_Click();
    void cmdExit_Click();
    // Shows one reading frame and hides the other two.
    void showFrame(QWidget* frame);

    QLabel* Label61;
    QWidget* fraElementalMoon;
    QLabel* lblMoonInElement;
    QLabel* lblMoonInElementDesc;
    QWidget* fraZodiacalMoon;
    QLabel* lblMoonInSunsign;
    QLabel* lblMoonInSunsignKeywords;
    QLabel* lblMoonInSunsignDesc;
    QWidget* fraMoonPhase;
    QLabel* PicMoonPhase;
    QLabel* lblMoonPhaseName;
    QLabel* lblMoonPhaseDesc;
    QLabel* lblGivenDate;
    QLabel* lblDateTime;
    QLabel* lblFullBrand;
    QLabel* lblCobrand;
    QPushButton* cmdExit;
    QPushButton* cmdBack;
    MoonImageList IMGMoon;

private:
    void bindControls(const Form& form);
    void buildMenus();
    void connectControls();

    MoonHost& moonHost_;
};

} // namespace lunara
