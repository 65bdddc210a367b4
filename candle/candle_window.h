#pragma once

#include "kit/feature_window.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace lunara {

class Form;

// Candle Magick: pick a mode and an option, read the candle's colour, purposes and significance.
class frmCandleMagickMain : public FeatureWindow {
    Q_OBJECT
public:
    explicit frmCandleMagickMain(FeatureHost& host);

    void cboCandle_Click();
    void cmdReading_Click();
    void cmdBack_Click();
    void ShowReading(int mode, const QString& text);
    // The result page for a planet, chosen by Planet in the lists as a user would.
    void showPlanetCandle(const QString& planetOption);

    QLabel* Label61;
    QWidget* Frame1;
    QWidget* Frame2;
    QWidget* fraFullBrand;
    std::array<QLabel*, 9> lblCaption{};
    std::array<QLabel*, 5> lblResult{};
    QComboBox* cboCandle;
    QComboBox* cboOptions;
    QPushButton* cmdReading;
    QPushButton* cmdBack;
    QLabel* lblFullBrand;
    QLabel* lblCobrand;

signals:
    // File, Magick Hours: the launcher opens that window.
    void magickHoursRequested();

private:
    void bindControls(const Form& form);
    void buildMenus();
    void connectControls();
    void Form_Load();
};

} // namespace lunara
