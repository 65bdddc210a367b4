#include "kit/looks.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

namespace lunara {

QColor rgb(int value) { return QColor::fromRgb(QRgb(0xFF000000U | unsigned(value))); }

void fillBackground(QWidget* widget, int colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, rgb(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void applyColours(QWidget* w, const Look& look) {
    const bool isButton = qobject_cast<QPushButton*>(w) != nullptr;
    QPalette pal = w->palette();
    if (look.fg != kNoColor) {
        pal.setColor(QPalette::WindowText, rgb(look.fg));
        pal.setColor(QPalette::Text, rgb(look.fg));
        // Only the control's own button text: a coloured frame caption must not colour the buttons inside.
        if (isButton || qobject_cast<QComboBox*>(w)) {
            pal.setColor(QPalette::ButtonText, rgb(look.fg));
        }
    }
    if (isButton && look.bg == kNoColor) {
        // A plain button keeps the system's button face whatever panel it stands on.
        pal.setColor(QPalette::Button, QGuiApplication::palette().color(QPalette::Button));
    }
    if (qobject_cast<QRadioButton*>(w)) {
        // The indicator's ring is drawn from the window colour; keep it visible on dark panels.
        pal.setColor(QPalette::Window, QColor(150, 150, 150));
        pal.setColor(QPalette::Base, QColor(24, 24, 24));
    }
    if (look.bg != kNoColor) {
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            pal.setColor(role, rgb(look.bg));
        }
        w->setAutoFillBackground(true);
    }
    w->setPalette(pal);
}

void useLightLook(QAbstractItemView* list) {
    QPalette light = list->palette();
    for (auto [role, colour] : {std::pair{QPalette::Base, 0xFFFFFF}, std::pair{QPalette::AlternateBase, 0xF2ECE4},
                                std::pair{QPalette::Window, 0xFFFFFF}, std::pair{QPalette::Text, 0x000000},
                                std::pair{QPalette::WindowText, 0x000000}, std::pair{QPalette::Button, 0xE0E0E0},
                                std::pair{QPalette::ButtonText, 0x000000}}) {
        light.setColor(QPalette::All, role, QColor::fromRgb(QRgb(colour)));
    }
    list->setPalette(light);
    list->setAutoFillBackground(true);
    list->setAlternatingRowColors(true);
}

} // namespace lunara
