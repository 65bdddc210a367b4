#pragma once

// The small kit every Lunara window is built with: controls are described in a constexpr table
// in twips (as the layouts were drawn) and one builder turns the table into widgets.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <functional>
#include <span>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;

namespace lunara {

// 1440 twips to the inch, 96 device-independent pixels to the inch.
inline constexpr int kTwipsPerPixel = 15;
constexpr int px(double twips) {
    return static_cast<int>(twips >= 0 ? twips / kTwipsPerPixel + 0.5 : twips / kTwipsPerPixel - 0.5);
}
constexpr double toTwips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

// 0xRRGGBB; kNoColor keeps the colour the control inherits.
inline constexpr int kNoColor = -1;
inline constexpr int kBlack = 0x000000;
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kSilver = 0xC0C0C0;
inline constexpr int kCyan = 0x00FFFF;

enum class Kind {
    Label,    // text; "&&" shows one "&", a single "&" marks nothing
    Frame,    // plain panel, optionally coloured
    GroupBox, // panel with a caption
    Button,
    ComboBox, // drop-down list that accepts only its own entries
    Option,   // radio button
    Picture,  // shows a pixmap
    Rule,     // a one-pixel line
};

enum Align : unsigned char { AlignLeft, AlignCenter };

struct Look {
    int fg = kNoColor;
    int bg = kNoColor; // kNoColor: transparent label, or the inherited panel colour
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    Align align = AlignLeft;
    bool hand = false;     // pointing-hand cursor over a clickable control
    bool autoSize = false; // label sized to its text; other labels wrap their words
};

struct Control {
    const char* name; // objectName; arrays carry their index: "lblCaption_3"
    Kind kind;
    const char* container; // nullptr: the form's client area
    int left, top, width, height;
    const char* text;
    Look look;
};

// The text a label shows, or a screen reader reads, for a caption with access-key markers.
QString withoutAccessKeys(const QString& caption);
// Sets a label's text; a label sized to its text is refitted, a centred one around its centre.
void setLabelText(QLabel* label, const QString& text);
QFont verdana(double points, bool bold = false, bool underline = false);
QColor rgb(int value);
// Paints a widget's own background in one colour.
void fillBackground(QWidget* widget, int colour);

// The widgets built from one control table, found by name.
class Form {
public:
    Form(QWidget* client, std::span<const Control> table);

    QWidget* widget(const QString& name) const { return widgets_.value(name); }
    template <typename T> T* get(const QString& name) const {
        auto* w = qobject_cast<T*>(widget(name));
        Q_ASSERT_X(w, "Form::get", qPrintable(name));
        return w;
    }

private:
    QHash<QString, QWidget*> widgets_;
};

// Makes a caption the label of a list, for screen readers on every platform.
void labelList(QLabel* caption, QWidget* list);

// Calls a function when the widget is clicked with the left button (labels, panels).
void onClick(QWidget* widget, std::function<void()> handler);

// A menu command with an objectName, so tests and screen readers can find it.
QAction* addCommand(QMenu* menu, const char* name, const QString& caption, QObject* context,
                    std::function<void()> handler);
QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption);
void addSeparator(QMenu* menu, const char* name);
// "Make Money &Online" on the menu bar itself: switched off (greyed) from the start.
QAction* addMakeMoneyCommand(QMenuBar* bar, const char* name, QObject* context);

// The Help menu every window has; only the names and the update caption differ.
struct HelpMenuNames {
    const char* separator1;
    const char* separator2;
    const char* updateCaption;
};
QMenu* addHelpMenu(QMenuBar* bar, const HelpMenuNames& names, QWidget* aboutParent);

class Services;

class FeatureHost;

// A child window of the launcher: a fixed client area in twips, Enter presses the default button
// and Esc the cancel button, and closing it always runs Form_Unload.
class FeatureWindow : public QMainWindow {
    Q_OBJECT
public:
    FeatureWindow(FeatureHost& host, const char* objectName, const QString& caption, int clientWidthTwips,
                  int clientHeightTwips, int background);

    QWidget* client() const { return client_; }
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
    // Gives the keyboard focus to the first control Tab reaches.
    void focusFirstControl();
    // The banner and the two offer labels every feature window carries open their vendor pages.
    static void connectOfferLabels(QLabel* banner, QLabel* fullBrand, QLabel* coBrand);

protected:
    virtual void Form_Unload();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FeatureHost& host_;
    QWidget* client_;
    QPointer<QPushButton> defaultButton_;
    QPointer<QPushButton> cancelButton_;
    bool closing_ = false;
};

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

} // namespace lunara
