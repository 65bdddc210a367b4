#pragma once

// The base of every feature window, and what a feature window may ask of the window that hosts it.

#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <initializer_list>
#include <memory>

class QLabel;
class QMenuBar;

namespace lunara {

class FeatureWindow;
class Services;

// What a feature window may ask of the launcher that owns it.
class FeatureHost {
public:
    virtual ~FeatureHost() = default;
    virtual Services& services() = 0;
    virtual void showWelcomePanel() = 0;
    virtual void hideWelcomePanel() = 0;
    // Makes the window a child of the launcher the first time, then shows and places it.
    virtual void showFeatureWindow(FeatureWindow& window) = 0;
};

// A child window of the launcher: a fixed client area in twips, Enter presses the default button
// and Esc the cancel button, and closing it always runs Form_Unload.
class FeatureWindow : public QMainWindow {
    Q_OBJECT
public:
    FeatureWindow(FeatureHost& host, const char* objectName, const QString& caption, int clientWidthTwips,
                  int clientHeightTwips, int background);
    ~FeatureWindow() override;

    QWidget* client() const { return client_; }
    // The window's menus. They show in the launcher's menu bar while the window is in use; the bar
    // that holds them is never shown and belongs to no window, so that screen readers meet each
    // menu once, where it is.
    QMenuBar* menus() const { return menus_.get(); }
    FeatureHost& host() const { return host_; }

    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }

    // The window as the user sees it: the frame it has inside the launcher.
    QWidget* outerWindow();
    void showWindow();
    void hideWindow();
    bool isShownToUser();
    // Closes the window as the user would, running Form_Unload once.
    void closeWindow();
    // True from the moment the window starts closing: it is about to be destroyed.
    bool isClosing() const { return closing_; }

    // Of a group of pages sharing one rectangle, shows this one and hides the others.
    static void bringToFront(QWidget* page, std::initializer_list<QWidget*> group);
    // Gives the keyboard focus to the first control Tab reaches (or where the window wants it).
    virtual void focusFirstControl();
    // The banner and the two offer labels every feature window carries open their vendor pages.
    static void connectOfferLabels(QLabel* banner, QLabel* fullBrand, QLabel* coBrand);

protected:
    virtual void Form_Unload();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FeatureHost& host_;
    QWidget* client_;
    std::unique_ptr<QMenuBar> menus_;
    QPointer<QPushButton> defaultButton_;
    QPointer<QPushButton> cancelButton_;
    bool closing_ = false;
};

} // namespace lunara
