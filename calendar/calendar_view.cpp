#include "calendar/calendar_view.h"

#include "calendar/calendar_model.h"
#include "kit/looks.h"
#include "kit/orange_looks.h"
#include "kit/text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace lunara {

using namespace orangelook;

namespace {
constexpr int kCellSize = 60;
} // namespace

void MoonDayDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QDate date = index.data(MoonMonthModel::DateRole).toDate();
    if (!date.isValid()) {
        return; // outside the month: the panel shows through
    }
    const QRect cell(option.rect.topLeft(), QSize(kCellSize, kCellSize));
    const bool today = index.data(MoonMonthModel::TodayRole).toBool();
    const bool selected = index.data(MoonMonthModel::SelectedRole).toBool();
    const bool focused = (option.state & QStyle::State_HasFocus) != 0;
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    p->translate(cell.topLeft());
    const QRectF box = QRectF(0, 0, kCellSize, kCellSize).adjusted(1, 1, -1, -1);
    p->fillRect(QRect(0, 0, kCellSize, kCellSize), selected ? QColor(70, 70, 70) : QColor(24, 24, 24));
    if (today) {
        p->setPen(QPen(rgb(kOrange), 2));
        p->drawRect(box);
    } else if (focused) {
        p->setPen(QPen(QColor(200, 200, 200), 1, Qt::DotLine));
        p->drawRect(box);
    }
    p->setFont(verdana(8.25, true));
    p->setPen(Qt::white);
    p->drawText(QRectF(4, 2, 24, 14), Qt::AlignLeft | Qt::AlignTop, QString::number(date.day()));
    const QString mark = index.data(MoonMonthModel::QuarterMarkRole).toString();
    if (!mark.isEmpty()) {
        // The quarter's symbol beside the moon, its local time in the top corner.
        p->setFont(verdana(6.5, true));
        p->setPen(rgb(kCyan));
        p->drawText(QRectF(2, 22, 12, 14), Qt::AlignLeft | Qt::AlignTop, mark.left(1));
        p->drawText(QRectF(20, 3, kCellSize - 22, 12), Qt::AlignRight | Qt::AlignTop, mark.mid(2));
    }
    const QPixmap moon = index.data(MoonMonthModel::PictureRole).value<QPixmap>();
    if (!moon.isNull()) {
        p->drawPixmap(QRectF((kCellSize - 30) / 2.0, 16, 30, 30), moon, QRectF(QPointF(0, 0), moon.size()));
    }
    // The year's marks in a column right of the moon: sabbat, eclipse, station, supermoon.
    const QString marks = index.data(MoonMonthModel::MarksRole).toString();
    p->setFont(verdana(6.5, true));
    for (qsizetype i = 0; i < std::min<qsizetype>(marks.size(), 3); ++i) {
        const char16_t m = marks[i].unicode();
        p->setPen(m == MoonMonthModel::kSabbatMark    ? QColor(255, 215, 0)
                  : m == MoonMonthModel::kEclipseMark ? QColor(255, 96, 96)
                  : m == MoonMonthModel::kStationMark ? QColor(255, 128, 255)
                                                      : QColor(190, 225, 255));
        p->drawText(QRectF(kCellSize - 14, 15 + 10.5 * double(i), 13, 11), Qt::AlignCenter, marks.mid(i, 1));
    }
    if (index.data(MoonMonthModel::MercuryRetrogradeRole).toBool()) {
        // Mercury retrograde: a bar along the foot of the day.
        p->fillRect(QRectF(6, kCellSize - 3.5, kCellSize - 12, 2), QColor(255, 128, 255));
    }
    p->setFont(verdana(6.5));
    p->setPen(rgb(kOrange));
    p->drawText(QRectF(0, kCellSize - 14, kCellSize, 12), Qt::AlignHCenter | Qt::AlignTop,
                index.data(MoonMonthModel::SignRole).toString());
    p->restore();
}

QSize MoonDayDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {MoonMonthView::kPitch, MoonMonthView::kPitch};
}

MoonMonthView::MoonMonthView(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new MoonDayDelegate(this));
    // The weekday names stand above the grid as labels; the headers still name rows and columns
    // for screen readers.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(kPitch);
    horizontalHeader()->setDefaultSectionSize(kPitch);
    verticalHeader()->setMinimumSectionSize(kPitch);
    verticalHeader()->setDefaultSectionSize(kPitch);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One Tab stop: Tab leaves the grid, the arrows move inside it.
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(7 * kPitch, 6 * kPitch);
    viewport()->setCursor(Qt::PointingHandCursor);
    // The delegate paints the chosen day itself; the panel shows through the gaps between days.
    QPalette look = palette();
    look.setColor(QPalette::Highlight, Qt::transparent);
    setPalette(look);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
}

void MoonMonthView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        emit stepRequested(-1);
        break;
    case Qt::Key_Right:
        emit stepRequested(1);
        break;
    case Qt::Key_Up:
        emit stepRequested(-7);
        break;
    case Qt::Key_Down:
        emit stepRequested(7);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        // The window's own keys (its Go menu), not the table's.
        event->ignore();
        return;
    default:
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace lunara
