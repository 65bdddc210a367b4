#include "kit/accessible_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QItemSelectionModel>

namespace lunara {

namespace {

// Keeps the choice selected in the list that opens below, so that the list's item carries the
// selected state screen readers look for, even while the list is closed.
void selectChoice(QComboBox* list) {
    QAbstractItemView* view = list->view();
    if (!view || !view->selectionModel()) {
        return;
    }
    const QModelIndex index = list->model()->index(list->currentIndex(), list->modelColumn(), list->rootModelIndex());
    if (index.isValid()) {
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        view->selectionModel()->clearSelection();
    }
}

// A drop-down list read by its name, its choice as its value and as its (read-only) text: the
// Linux bridge passes a text on, where it passes no value of words.
class NamedList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        selectChoice(list);
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list] { selectChoice(list); });
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            // Without a name of its own a list is still read by its choice, as Qt reads it.
            return list()->accessibleName().isEmpty() ? list()->currentText() : list()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    // The list of choices that opens below it. Closed, its choice is selected when a reader looks (a
    // window may set the choice with signals blocked); open, the highlight is the user's, which
    // looking must never move: opening selects the choice already.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        if (index != 0) {
            return nullptr;
        }
        if (!list()->view()->isVisible()) {
            selectChoice(list());
        }
        return QAccessible::queryAccessibleInterface(list()->view());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name == showMenuAction() || name == pressAction()) {
            list()->showPopup();
        }
    }

    // The text: the choice, which only choosing changes.
    QString text(int startOffset, int endOffset) const override {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* namedListFactory(const QString& className, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    // Every list that cannot be typed in: its name may be given only after the first reader asked.
    if (className != QLatin1String("QComboBox") || !list || list->isEditable()) {
        return nullptr;
    }
    return new NamedList(list);
}

} // namespace

void nameDropDownListsForScreenReaders() {
    static const bool installed = [] {
        QAccessible::installFactory(namedListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace lunara
