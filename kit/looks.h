#pragma once

// How a control looks: colours, size and style of its text, alignment, pointer.

#include <QColor>

class QWidget;

class QAbstractItemView;

namespace lunara {

// 0xRRGGBB; kNoColor keeps the colour the control inherits.
inline constexpr int kNoColor = -1;
inline constexpr int kBlack = 0x000000;
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kSilver = 0xC0C0C0;
inline constexpr int kCyan = 0x00FFFF;

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

QColor rgb(int value);
// Paints a widget's own background in one colour.
void fillBackground(QWidget* widget, int colour);
// The usual light look of a list on a dark panel, rows alternating.
void useLightLook(QAbstractItemView* list);
// Gives a control the text and background colours of its look.
void applyColours(QWidget* widget, const Look& look);

} // namespace lunara
