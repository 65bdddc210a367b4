#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lunara {

// The About window: modal over the window that opened it, built afresh every time, centred on
// the screen.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* lblHomePage;
    QLabel* Label3;
    QLabel* lblCoBrand;
    QWidget* Line1;
    QPushButton* cmdOK;
};

} // namespace lunara
