#pragma once

// The month grid of the Moon Calendar: a table view of the month model with one Tab stop, whose
// arrows move the chosen day (across the month's ends too), and a delegate that paints a day.

#include <QStyledItemDelegate>
#include <QTableView>

namespace lunara {

// Paints one day: its number, the moon at noon, its sign, and the quarter with its local time.
class MoonDayDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class MoonMonthView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kPitch = 62; // a 60-pixel day and the gap to the next
    explicit MoonMonthView(QWidget* parent);

signals:
    // An arrow asks for the day this many days away.
    void stepRequested(int days);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace lunara
