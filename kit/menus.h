#pragma once

// Menus and commands with object names, so tests and screen readers can find them.

#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace lunara {

class Services;

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
QMenu* addHelpMenu(QMenuBar* bar, const HelpMenuNames& names, QWidget* aboutParent, Services& services);

} // namespace lunara
