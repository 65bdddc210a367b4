#include "shell/form_kit.h"

#include "shell/about_window.h"
#include "shell/web_links.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace lunara {

namespace {
constexpr const char* kAutoSizeProperty = "lunaraAutoSize";
constexpr const char* kCentreProperty = "lunaraCentre";
} // namespace

QString withoutAccessKeys(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" keeps one "&"; "&x" keeps the x; an "&" before a blank is an ordinary ampersand.
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size() && !caption[i + 1].isSpace()) {
            ++i;
        }
        out += caption[i];
    }
    return out;
}

void setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    if (!label->property(kAutoSizeProperty).toBool()) {
        return;
    }
    label->adjustSize();
    const QVariant centre = label->property(kCentreProperty);
    if (centre.isValid()) {
        label->move(centre.toInt() - label->width() / 2, label->y());
    }
}

QFont verdana(double points, bool bold, bool underline) {
    // Verdana where it is installed; DejaVu Sans shares its wide, open shapes elsewhere. Decided
    // once: asking for a missing family makes every new font search the fallbacks again.
    static const QStringList families = [] {
        // The plain list, not hasFamily(): that resolves aliases through fontconfig, which costs
        // more at start-up than everything else the launcher does.
        const QStringList installed = QFontDatabase::families();
        for (const QString& family : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(family)) {
                return QStringList{family};
            }
        }
        return QStringList{QStringLiteral("Sans Serif")};
    }();
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QColor rgb(int value) { return QColor::fromRgb(QRgb(0xFF000000U | unsigned(value))); }

void fillBackground(QWidget* widget, int colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, rgb(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

namespace {

void applyColours(QWidget* w, Kind kind, const Look& look, bool fillBackground) {
    QPalette pal = w->palette();
    if (look.fg != kNoColor) {
        pal.setColor(QPalette::WindowText, rgb(look.fg));
        pal.setColor(QPalette::Text, rgb(look.fg));
        // Only the control's own button text: a coloured frame caption must not colour the buttons inside.
        if (kind == Kind::Button || kind == Kind::ComboBox) {
            pal.setColor(QPalette::ButtonText, rgb(look.fg));
        }
    }
    if (kind == Kind::Button && look.bg == kNoColor) {
        // A plain button keeps the system's button face whatever panel it stands on.
        pal.setColor(QPalette::Button, QGuiApplication::palette().color(QPalette::Button));
    }
    if (kind == Kind::Option) {
        // The indicator's ring is drawn from the window colour; keep it visible on dark panels.
        pal.setColor(QPalette::Window, QColor(150, 150, 150));
        pal.setColor(QPalette::Base, QColor(24, 24, 24));
    }
    if (look.bg != kNoColor) {
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            pal.setColor(role, rgb(look.bg));
        }
        w->setAutoFillBackground(fillBackground);
    }
    w->setPalette(pal);
}

QWidget* create(const Control& c, QWidget* parent) {
    const QString text = QString::fromUtf8(c.text ? c.text : "");
    switch (c.kind) {
    case Kind::Label: {
        auto* label = new QLabel(withoutAccessKeys(text), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((c.look.align == AlignCenter ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(!c.look.autoSize);
        return label;
    }
    case Kind::Frame:
    case Kind::Rule:
        return new QFrame(parent);
    case Kind::GroupBox:
        return new QGroupBox(text, parent);
    case Kind::Button: {
        auto* button = new QPushButton(text, parent);
        // Enter presses the focused button, as on any dialog.
        button->setAutoDefault(true);
        button->setAccessibleName(withoutAccessKeys(text));
        return button;
    }
    case Kind::ComboBox:
        return new QComboBox(parent);
    case Kind::Option: {
        auto* option = new QRadioButton(text, parent);
        option->setAccessibleName(withoutAccessKeys(text));
        return option;
    }
    case Kind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    }
    return new QWidget(parent);
}

// Captions were laid out for Verdana; where the font at hand is wider a fixed caption must still
// show whole: a one-line label grows, a button caption breaks between words.
void fitCaption(QWidget* w, const Control& c) {
    if (!c.text || c.look.autoSize) {
        return;
    }
    const QFontMetrics fm(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const int need = fm.horizontalAdvance(label->text()) + 2;
        if (need > w->width() && w->height() < 2 * fm.height()) {
            const int grow = need - w->width();
            w->setGeometry(c.look.align == AlignCenter ? w->x() - grow / 2 : w->x(), w->y(), need, w->height());
        }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        const int room = w->width() - 12;
        if (fm.horizontalAdvance(withoutAccessKeys(button->text())) <= room) {
            return;
        }
        QStringList lines;
        for (const QString& word : button->text().split(QLatin1Char(' '))) {
            if (!lines.isEmpty() &&
                fm.horizontalAdvance(withoutAccessKeys(lines.last() + QLatin1Char(' ') + word)) <= room) {
                lines.last() += QLatin1Char(' ') + word;
            } else {
                lines += word;
            }
        }
        button->setText(lines.join(QLatin1Char('\n')));
    }
}

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* target, std::function<void()> handler) : QObject(target), handler_(std::move(handler)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(event);
            auto* w = static_cast<QWidget*>(watched);
            if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint())) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

} // namespace

Form::Form(QWidget* client, std::span<const Control> table) {
    for (const Control& c : table) {
        QWidget* parent = c.container ? widgets_.value(QString::fromLatin1(c.container), client) : client;
        QWidget* w = create(c, parent);
        w->setObjectName(QString::fromLatin1(c.name));
        w->setFont(verdana(c.look.points, c.look.bold, c.look.underline));
        const bool fills = c.kind != Kind::Label || c.look.bg != kNoColor;
        applyColours(w, c.kind, c.look, fills);
        w->setGeometry(twipsRect(c.left, c.top, c.width, c.height));
        fitCaption(w, c);
        if (c.look.autoSize) {
            w->setProperty(kAutoSizeProperty, true);
            if (c.look.align == AlignCenter) {
                w->setProperty(kCentreProperty, w->geometry().center().x());
            }
            if (auto* label = qobject_cast<QLabel*>(w)) {
                setLabelText(label, label->text());
            }
        }
        if (c.look.hand) {
            w->setCursor(Qt::PointingHandCursor);
        }
        widgets_.insert(w->objectName(), w);
    }
}

void labelList(QLabel* caption, QWidget* list) {
    caption->setBuddy(list);
    list->setAccessibleName(caption->text());
}

void onClick(QWidget* widget, std::function<void()> handler) { new ClickFilter(widget, std::move(handler)); }

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
    QAction* action = bar->addAction(QStringLiteral("Make Money &Online"));
    action->setObjectName(QString::fromLatin1(name));
    // Switched off from the start; greyed rather than hidden so the menu bar keeps its shape.
    action->setEnabled(false);
    QObject::connect(action, &QAction::triggered, context, [] { GoToFullBrandPage(); });
    return action;
}

QMenu* addHelpMenu(QMenuBar* bar, const HelpMenuNames& names, QWidget* aboutParent) {
    QMenu* help = addMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    addCommand(help, "mnuOnline", QStringLiteral("&Online Help"), help, [] { GoToHelpPage(); });
    addCommand(help, "mnuVisit", QStringLiteral("&Visit Us Online"), help, [] { GoToHomePage(); });
    addSeparator(help, names.separator1);
    addCommand(help, "mnuUpdate", QString::fromLatin1(names.updateCaption), help, [] { GoToUpdatePage(); });
    addSeparator(help, names.separator2);
    addCommand(help, "mnuAbout", QStringLiteral("&About Software"), aboutParent,
               [aboutParent] { showAbout(aboutParent); });
    return help;
}

FeatureWindow::FeatureWindow(FeatureHost& host, const char* objectName, const QString& caption, int clientWidthTwips,
                             int clientHeightTwips, int background)
    : host_(host), client_(new QWidget(this)) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(verdana(8.25));
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    fillBackground(client_, background);
    fillBackground(client_, background);
    setCentralWidget(client_);
}

QWidget* FeatureWindow::outerWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        return sub;
    }
    return this;
}

void FeatureWindow::showWindow() { host_.showFeatureWindow(*this); }

void FeatureWindow::hideWindow() { outerWindow()->hide(); }

bool FeatureWindow::isShownToUser() { return outerWindow()->isVisible(); }

void FeatureWindow::closeWindow() { outerWindow()->close(); }

void FeatureWindow::Form_Unload() { host_.showWelcomePanel(); }

void FeatureWindow::bringToFront(QWidget* page, std::initializer_list<QWidget*> group) {
    // The pages behind are hidden, not just covered, so that Tab and screen readers skip them.
    for (QWidget* other : group) {
        if (other != page) {
            other->hide();
        }
    }
    page->show();
    page->raise();
}

void FeatureWindow::connectOfferLabels(QLabel* banner, QLabel* fullBrand, QLabel* coBrand) {
    onClick(banner, [] { GoToHomePage(); });
    onClick(fullBrand, [] { GoToFullBrandPage(); });
    onClick(coBrand, [] { GoToCoBrandPage(); });
}

void FeatureWindow::focusFirstControl() {
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void FeatureWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    Form_Unload();
    event->accept();
}

void FeatureWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && defaultButton_ && defaultButton_->isEnabled()) {
        defaultButton_->click();
        return;
    }
    if (key == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace lunara
