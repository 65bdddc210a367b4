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
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <stdexcept>

namespace lunara {

namespace {

constexpr const char* kAutoSizeProperty = "lunaraAutoSize";
constexpr const char* kCentreProperty = "lunaraCentre";

void fitText(QWidget* w);
bool entriesFit(QComboBox* list, int first, int last);

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
    case Kind::ComboBox: {
        nameDropDownListsForScreenReaders();
        auto* list = new QComboBox(parent);
        // Its entries come later, from the window: each fills it, the longest must show whole. Entries
        // that fit as the list stands need no new fit (a list of 150 years fitted at each entry
        // measured every entry again each time).
        QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list,
                         [list](const QModelIndex&, int first, int last) {
                             if (!entriesFit(list, first, last)) {
                                 fitText(list);
                             }
                         });
        return list;
    }
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

constexpr const char* kPointsProperty = "lunaraPoints";
// The smallest share of its drawn size a text may shrink to, to fit where a longer language put it.
constexpr double kSmallestShare = 0.7;
constexpr double kShrinkStep = 0.25;

// The rectangle a text needs in a label of this width.
QRect neededFor(const QLabel* label, int width) {
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return QFontMetrics(label->font()).boundingRect(QRect(0, 0, width, 100000), flags, label->text());
}

// The free room beside and below a control within its parent: up to the nearest sibling in the
// way, or the parent's edge. Hidden siblings count too (a page shown later).
QMargins roomAround(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent) {
        return {};
    }
    int left = 0;
    int bottom = parent->height();
    int right = parent->width();
    const QRect r = w->geometry();
    for (const QObject* o : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(o);
        if (!sibling || sibling == w || sibling->isWindow()) {
            continue;
        }
        const QRect g = sibling->geometry();
        const bool sameRows = g.top() < r.bottom() && g.bottom() > r.top();
        if (g.top() >= r.bottom() && g.left() < r.right() && g.right() > r.left()) {
            bottom = std::min(bottom, g.top());
        }
        if (g.left() >= r.right() && sameRows) {
            right = std::min(right, g.left());
        }
        if (g.right() <= r.left() && sameRows) {
            left = std::max(left, g.right() + 1);
        }
    }
    return {std::max(0, r.left() - left), 0, std::max(0, right - r.right() - 1), std::max(0, bottom - r.bottom() - 1)};
}

// Whether the control shows its whole text as it stands.
bool textFits(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QRect room = label->contentsRect();
        const QRect need = neededFor(label, room.width());
        return need.width() <= room.width() && need.height() <= room.height();
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect need =
            QFontMetrics(button->font())
                .boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignCenter, withoutAccessKeys(button->text()));
        return need.width() <= room.width() && need.height() <= room.height();
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        return w->sizeHint().width() <= w->width() + 1;
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        // Its title runs along the top edge, inside the frame's corners.
        return QFontMetrics(group->font()).horizontalAdvance(withoutAccessKeys(group->title())) + 16 <= group->width();
    }
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        const QFontMetrics fm(list->font());
        for (int i = 0; i < list->count(); ++i) {
            if (fm.horizontalAdvance(list->itemText(i)) > room) {
                return false;
            }
        }
    }
    return true;
}

// Whether a list fitted before, still at the size it was drawn in, shows entries first..last whole:
// those before them fitted then, so nothing needs to change.
bool entriesFit(QComboBox* list, int first, int last) {
    const QVariant drawn = list->property(kPointsProperty);
    if (!drawn.isValid() || list->font().pointSizeF() != drawn.toDouble()) {
        return false;
    }
    QStyleOptionComboBox option;
    option.initFrom(list);
    const int room =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
    const QFontMetrics fm(list->font());
    for (int i = first; i <= last; ++i) {
        if (fm.horizontalAdvance(list->itemText(i)) > room) {
            return false;
        }
    }
    return true;
}

// Breaks a button's caption between words where it is wider than the button.
void wrapCaption(QPushButton* button) {
    const QFontMetrics fm(button->font());
    const int room = button->width() - 12;
    QString caption = button->text();
    caption.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (fm.horizontalAdvance(withoutAccessKeys(caption)) <= room) {
        button->setText(caption);
        return;
    }
    QStringList lines;
    for (const QString& word : caption.split(QLatin1Char(' '))) {
        if (!lines.isEmpty() &&
            fm.horizontalAdvance(withoutAccessKeys(lines.last() + QLatin1Char(' ') + word)) <= room) {
            lines.last() += QLatin1Char(' ') + word;
        } else {
            lines += word;
        }
    }
    button->setText(lines.join(QLatin1Char('\n')));
}

// Texts were laid out for Verdana and English; where the font at hand or a longer language needs
// more room, a text first takes the free room beside and below its control (a one-line label
// grows along its line, and wraps when its line is full; a button breaks between words), and only
// then is drawn smaller, down to seven tenths of its size.
void fitText(QWidget* w) {
    auto* label = qobject_cast<QLabel*>(w);
    auto* button = qobject_cast<QPushButton*>(w);
    if (label && label->text().isEmpty()) {
        return;
    }
    QFont font = w->font();
    const QVariant drawn = w->property(kPointsProperty);
    if (!drawn.isValid()) {
        w->setProperty(kPointsProperty, font.pointSizeF());
    } else if (font.pointSizeF() != drawn.toDouble()) {
        font.setPointSizeF(drawn.toDouble()); // a new text starts again from the drawn size
        w->setFont(font);
    }
    if (button) {
        wrapCaption(button);
    }
    if (textFits(w)) {
        return;
    }
    const QMargins room = roomAround(w);
    if (label) {
        const bool oneLine = !label->wordWrap() || label->height() < 2 * label->fontMetrics().height();
        const QRect need = neededFor(label, label->contentsRect().width());
        if (oneLine && need.width() > label->width()) {
            // Along its line first: to the right, or both ways for a centred caption.
            const int wanted = QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2;
            const bool centred = label->alignment() & Qt::AlignHCenter;
            // A centred caption grows both ways; another to the right, then to the left.
            const int right = std::min(wanted - label->width(), centred ? room.right() * 2 : room.right());
            const int leftRoom = centred ? room.left() * 2 : room.left();
            const int left = std::min(std::max(0, wanted - label->width() - right), leftRoom);
            const int grow = std::max(0, right) + left;
            if (grow > 0) {
                const int x = centred ? label->x() - std::min(grow / 2, room.left()) : label->x() - left;
                label->setGeometry(x, label->y(), label->width() + grow, label->height());
            }
            if (!textFits(label)) {
                label->setWordWrap(true);
            }
        }
        const int needHeight = neededFor(label, label->contentsRect().width()).height();
        if (needHeight > label->contentsRect().height()) {
            label->resize(label->width(),
                          label->height() + std::min(needHeight - label->contentsRect().height(), room.bottom()));
        }
    } else if (!button && (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))) {
        w->resize(std::min(w->sizeHint().width(), w->width() + room.right()), w->height());
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        // As wide as its longest entry needs, where the room beside it allows.
        int widest = 0;
        for (int i = 0; i < list->count(); ++i) {
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
        }
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int frame =
            list->width() -
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        list->resize(std::max(list->width(), std::min(widest + frame, list->width() + room.right())), list->height());
    }
    for (double points = drawn.isValid() ? drawn.toDouble() : font.pointSizeF();
         !textFits(w) && points - kShrinkStep >= font.pointSizeF() * kSmallestShare;) {
        points -= kShrinkStep;
        QFont smaller = w->font();
        smaller.setPointSizeF(points);
        w->setFont(smaller);
        if (button) {
            wrapCaption(button);
        }
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
    // Every control in place first: fitting a text looks at the room its neighbours leave.
    for (const Control& c : table) {
        if (c.text) {
            fitText(widgets_.value(QString::fromLatin1(c.name)));
        }
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
        fitText(label);
        return;
    }
    // Sized to its text on one line, unless the line would leave what holds it: then it wraps
    // within it, as a fixed label does.
    label->setWordWrap(false);
    label->adjustSize();
    const QVariant centre = label->property(kCentreProperty);
    if (centre.isValid()) {
        label->move(centre.toInt() - label->width() / 2, label->y());
    }
    const QWidget* parent = label->parentWidget();
    if (parent && label->geometry().right() >= parent->width()) {
        const int x = std::max(0, std::min(label->x(), parent->width() - label->width()));
        label->setGeometry(x, label->y(), parent->width() - x - 1, label->height());
        fitText(label);
    }
}

void labelList(QLabel* caption, QWidget* list) {
    caption->setBuddy(list);
    list->setAccessibleName(caption->text());
}

void onClick(QWidget* widget, std::function<void()> handler) { new ClickFilter(widget, std::move(handler)); }

} // namespace lunara
