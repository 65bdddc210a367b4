#include "kit/form.h"

#include "kit/accessible_list.h"
#include "kit/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>

namespace lunara {

namespace {

constexpr const char* kAutoSizeProperty = "lunaraAutoSize";
constexpr const char* kCentreProperty = "lunaraCentre";

QWidget* create(const Control& c, QWidget* parent, const char* context) {
    QString text = c.text ? QCoreApplication::translate(context, c.text) : QString();
    // The texts several windows share are translated once, under "Offers".
    if (c.text && text == QLatin1String(c.text)) {
        text = QCoreApplication::translate("Offers", c.text);
    }
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
        nameDropDownListsForScreenReaders();
        return new QComboBox(parent);
    case Kind::Option: {
        auto* option = new QRadioButton(text, parent);
        option->setAccessibleName(withoutAccessKeys(text));
        return option;
    }
    case Kind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setAccessibleName(withoutAccessKeys(text));
        return box;
    }
    case Kind::TextBox:
        return new QLineEdit(text, parent);
    case Kind::ListBox:
        return new QListWidget(parent);
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
        // A label two lines high wraps its words: nothing to measure.
        if (w->height() >= 2 * fm.height()) {
            return;
        }
        const int need = fm.horizontalAdvance(label->text()) + 2;
        if (need > w->width()) {
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

Form::Form(QWidget* client, std::span<const Control> table, const char* context) {
    for (const Control& c : table) {
        QWidget* parent = c.container ? widgets_.value(QString::fromLatin1(c.container), client) : client;
        QWidget* w = create(c, parent, context);
        w->setObjectName(QString::fromLatin1(c.name));
        w->setFont(verdana(c.look.points, c.look.bold, c.look.underline));
        applyColours(w, c.look);
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

QWidget* Form::find(const QString& name, const QMetaObject& type) const {
    QWidget* w = widgets_.value(name);
    if (!w) {
        throw std::logic_error("no control named " + name.toStdString() + " in the control table");
    }
    if (!type.cast(w)) {
        throw std::logic_error("control " + name.toStdString() + " is not a " + type.className());
    }
    return w;
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

void labelList(QLabel* caption, QWidget* list) {
    caption->setBuddy(list);
    list->setAccessibleName(caption->text());
}

void onClick(QWidget* widget, std::function<void()> handler) { new ClickFilter(widget, std::move(handler)); }

} // namespace lunara
