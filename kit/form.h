#pragma once

// Controls are described in a constexpr table in twips (as the layouts were drawn) and one
// builder turns the table into widgets; each window then binds its members to them by name.

#include "kit/looks.h"

#include <QHash>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <span>

class QLabel;
class QWidget;
struct QMetaObject;

namespace lunara {

// 1440 twips to the inch, 96 device-independent pixels to the inch.
inline constexpr int kTwipsPerPixel = 15;
constexpr int px(double twips) {
    return static_cast<int>(twips >= 0 ? twips / kTwipsPerPixel + 0.5 : twips / kTwipsPerPixel - 0.5);
}
constexpr double toTwips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

enum class Kind {
    Label,    // text; "&&" shows one "&", a single "&" marks nothing
    Frame,    // plain panel, optionally coloured
    GroupBox, // panel with a caption
    Button,
    ComboBox, // drop-down list that accepts only its own entries
    Option,   // radio button
    Picture,  // shows a pixmap
    Rule,     // a one-pixel line
    TextBox,  // one line of typed text
    ListBox,  // a list to choose one entry from
    CheckBox, // a box to tick
};

struct Control {
    const char* name; // objectName; arrays carry their index: "lblCaption_3"
    Kind kind;
    const char* container; // nullptr: the form's client area
    int left, top, width, height;
    const char* text;
    Look look;
};

// The widgets built from one control table.
class Form {
public:
    // The table's texts are marked QT_TRANSLATE_NOOP(context, text) and shown translated with
    // `context` (the window's class name).
    Form(QWidget* client, std::span<const Control> table, const char* context);

    // Points a member at the control of that name. A name the table lacks, or a control of
    // another type, is a programming error: it throws std::logic_error in every build type, so a
    // window with a misspelt name never comes up with a null control.
    template <typename T> void bind(T*& member, const char* name) const {
        member = static_cast<T*>(find(QString::fromLatin1(name), T::staticMetaObject));
    }
    // An array of controls, named "name_0", "name_1", ...
    template <typename T, std::size_t N> void bind(std::array<T*, N>& members, const char* name) const {
        for (std::size_t i = 0; i < N; ++i) {
            members[i] = static_cast<T*>(
                find(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(i), T::staticMetaObject));
        }
    }

private:
    QWidget* find(const QString& name, const QMetaObject& type) const;

    QHash<QString, QWidget*> widgets_;
};

// Binds a member to the control that has the member's name.
#define LUNARA_BIND(form, member) (form).bind(member, #member)

// Sets a label's text; a label sized to its text is refitted, a centred one around its centre.
void setLabelText(QLabel* label, const QString& text);

// Makes a caption the label of a list, for screen readers on every platform.
void labelList(QLabel* caption, QWidget* list);

// Calls a function when the widget is clicked with the left button (labels, panels).
void onClick(QWidget* widget, std::function<void()> handler);

} // namespace lunara
