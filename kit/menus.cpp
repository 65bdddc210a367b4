#include "kit/menus.h"

#include "kit/services.h"
#include "kit/web_links.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

// The words every window's menus share (a context of their own for the translations).
class Menus {
    Q_DECLARE_TR_FUNCTIONS(Menus)
};

namespace lunara {

QAction* addCommand(QMenu* menu, const char* name, const QString& caption, QObject* context,
                    std::function<void()> handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, context, [h = std::move(handler)] { h(); });
    return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); }

QAction* addMakeMoneyCommand(QMenuBar* bar, const char* name, QObject* context) {
    QAction* action = bar->addAction(Menus::tr("Make Money &Online"));
    action->setObjectName(QString::fromLatin1(name));
    // Switched off from the start; greyed rather than hidden so the menu bar keeps its shape.
    action->setEnabled(false);
    QObject::connect(action, &QAction::triggered, context, [] { GoToFullBrandPage(); });
    return action;
}

QMenu* addHelpMenu(QMenuBar* bar, const HelpMenuNames& names, QWidget* aboutParent, Services& services) {
    QMenu* help = addMenu(bar, "mnuHelp", Menus::tr("&Help"));
    addCommand(help, "mnuOnline", Menus::tr("&Online Help"), help, [] { GoToHelpPage(); });
    addCommand(help, "mnuVisit", Menus::tr("&Visit Us Online"), help, [] { GoToHomePage(); });
    addSeparator(help, names.separator1);
    addCommand(help, "mnuUpdate", Menus::tr(names.updateCaption), help, [] { GoToUpdatePage(); });
    addSeparator(help, names.separator2);
    addCommand(help, "mnuAbout", Menus::tr("&About Software"), aboutParent,
               [aboutParent, &services] { services.showAbout(aboutParent); });
    return help;
}

} // namespace lunara
