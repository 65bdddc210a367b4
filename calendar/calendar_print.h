#pragma once

// The month the Moon Calendar shows, on one portrait page: a title with the month, the year and the
// place; the grid with each day's moon drawn for the page (not a small picture scaled up), its sign
// and the time of a quarter; then the month's quarters, sign ingresses and void-of-course periods.

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QPdfWriter;
class QLocale;

namespace lunara {

class MoonMonthModel;

// The month a model holds, its events from the model's almanac (whose choice of planets counts for
// the void of course); events of kinds the almanac was given beyond its own are listed under "Also",
// and the year's events of each day, as the model has them, under "The year".
struct PrintedMonth {
    const MoonMonthModel* model = nullptr;
    QString place; // "Berlin, 52.50° N, 13.37° E"
};

// Where each part of the printed month goes on a page (device pixels). Everything is sized from one
// width, `unit`: the page's, or on a page too short for it (landscape) the widest block that fits its
// height, set in the page's middle.
struct MonthPageLayout {
    double unit = 0;
    QRectF block;    // all of it
    QRectF title;    // "December 2026"
    QRectF place;    // "Lunara Moon Calendar for ...; times in ..."
    QRectF weekdays; // the row of weekday names
    QRectF grid;     // weeks x 7 cells
    QSizeF cell;
    QRectF lists;    // three columns of events: a heading and `lines` lines each
    double line = 0; // the height of a line of the lists
};
// For a month of `weeks` rows whose longest list has `lines` lines.
MonthPageLayout LayoutMonthPage(const QRectF& area, int weeks, int lines);

// Paints on `area` (device pixels of the painter); the painter's device gives the resolution.
void PaintMonth(QPainter& painter, const QRectF& area, const PrintedMonth& month);

// A4, or Letter where the regional settings measure in inches.
QPageSize::PageSizeId PaperFor(const QLocale& locale);

// A PDF of portrait pages (12 mm margins, 300 dpi) written whole: `paint` draws on the first page's
// area and may start more pages on the writer; on failure, error says why in words for the user.
bool SavePagesAsPdf(const QString& path, const QString& title, QPageSize::PageSizeId paper,
                    const std::function<void(QPainter&, const QRectF&, QPdfWriter&)>& paint, QString* error);

// Writes the page as a PDF through a temporary file renamed into place; on failure, error says
// why in words for the user.
bool SaveMonthAsPdf(const QString& path, const PrintedMonth& month, QPageSize::PageSizeId paper, QString* error);

} // namespace lunara
