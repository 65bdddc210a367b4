#include "calendar/calendar_print.h"

#include "calendar/calendar_export.h"
#include "calendar/calendar_model.h"
#include "kit/event_words.h"
#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/save_file.h"
#include "kit/text.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <array>

// The printed month's words (a context of their own for the translations).
class MonthPrint {
    Q_DECLARE_TR_FUNCTIONS(MonthPrint)
};

namespace lunara {

namespace {

constexpr double kSynodicHalf = 29.530588861 / 2;
constexpr std::array<const char*, 4> kQuarterWords{
    QT_TRANSLATE_NOOP("MonthPrint", "New moon"), QT_TRANSLATE_NOOP("MonthPrint", "First quarter"),
    QT_TRANSLATE_NOOP("MonthPrint", "Full moon"), QT_TRANSLATE_NOOP("MonthPrint", "Last quarter")};
// In a day's corner beside the time.
constexpr std::array<const char*, 4> kQuarterShort{
    QT_TRANSLATE_NOOP("MonthPrint", "New"), QT_TRANSLATE_NOOP("MonthPrint", "First"),
    QT_TRANSLATE_NOOP("MonthPrint", "Full"), QT_TRANSLATE_NOOP("MonthPrint", "Last")};

// "Thu 24 Dec 01:28  Full moon": a line of a list, the event after its day and time.
QString listLine(const QString& when, const QString& what) {
    return MonthPrint::tr("%1  %2", "a day and time, then what happens").arg(when, what);
}

QFont fontOf(double pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    return font;
}

// The moon as a disc with its lit part, drawn as paths so it is sharp at any resolution: the
// terminator is half an ellipse whose width follows the lit share.
void drawMoon(QPainter& p, const QPointF& centre, double r, double fraction, bool litOnRight) {
    p.save();
    p.translate(centre);
    if (!litOnRight) {
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), std::max(1.0, r / 30)));
    p.setBrush(QColor(0x30, 0x30, 0x38));
    p.drawEllipse(QPointF(0, 0), r, r);
    const double rx = r * std::abs(1 - 2 * fraction);
    QPainterPath lit;
    lit.moveTo(0, -r);
    lit.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, -180); // the lit limb, through the right
    // Back to the top along the terminator: bulging to the right for a crescent, left for a gibbous.
    lit.arcTo(QRectF(-rx, -r, 2 * rx, 2 * r), 270, fraction < 0.5 ? 180 : -180);
    lit.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xEE, 0xD8));
    p.drawPath(lit);
    p.restore();
}

// One line of text within its column: drawn smaller where a longer language needs more room than
// the column has (down to seven tenths), and only then cut short with an ellipsis, never past the
// column into the next one or off the page.
void drawLine(QPainter& p, const QRectF& box, const QString& text, double pixels, bool bold = false) {
    QFont font = fontOf(pixels, bold);
    const double wide = QFontMetricsF(font, p.device()).horizontalAdvance(text);
    if (wide > box.width()) {
        font.setPixelSize(std::max(1, int(pixels * std::max(0.7, box.width() / wide))));
    }
    p.setFont(font);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(font, p.device()).elidedText(text, Qt::ElideRight, box.width()));
}

} // namespace

QPageSize::PageSizeId PaperFor(const QLocale& locale) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

MonthPageLayout LayoutMonthPage(const QRectF& area, int weeks, int lines) {
    // In units of the block's width: title 0.065, place 0.04, weekdays 0.03, a week 0.125, a gap
    // 0.035, then a heading (1.3 lines) and the lines of the lists, 0.021 each.
    constexpr double kTitle = 0.065;
    constexpr double kPlace = 0.04;
    constexpr double kWeekdays = 0.03;
    constexpr double kWeek = 0.125;
    constexpr double kGap = 0.035;
    constexpr double kLine = 0.021;
    const double tall = kTitle + kPlace + kWeekdays + weeks * kWeek + kGap + kLine * (1.3 + lines) + 0.005;
    MonthPageLayout l;
    l.unit = std::min(area.width(), area.height() / tall);
    const double w = l.unit;
    const double x0 = area.left() + (area.width() - w) / 2;
    double y = area.top();
    l.block = QRectF(x0, y, w, w * tall);
    l.title = QRectF(x0, y, w, w * 0.06);
    y += w * kTitle;
    l.place = QRectF(x0, y, w, w * 0.025);
    y += w * kPlace;
    l.weekdays = QRectF(x0, y, w, w * kWeekdays);
    y += w * kWeekdays;
    l.cell = QSizeF(w / 7, w * kWeek);
    l.grid = QRectF(x0, y, w, weeks * l.cell.height());
    y += l.grid.height() + w * kGap;
    l.line = w * kLine;
    l.lists = QRectF(x0, y, w, l.line * (1.3 + lines));
    return l;
}

void PaintMonth(QPainter& p, const QRectF& area, const PrintedMonth& month) {
    const MoonMonthModel& model = *month.model;
    const QTimeZone zone = model.timeZone();
    // Only the weeks the month reaches.
    int weeks = 0;
    for (int r = 0; r < MoonMonthModel::kWeeks; ++r) {
        for (int c = 0; c < MoonMonthModel::kDays; ++c) {
            weeks = model.index(r, c).data(MoonMonthModel::DateRole).toDate().isValid() ? r + 1 : weeks;
        }
    }
    // The month's events, in three columns under the grid.
    QStringList quarters;
    QStringList ingresses;
    const CalendarDay* first = nullptr;
    const CalendarDay* last = nullptr;
    QStringList year; // the year's events of the month, the whole width under the three lists
    for (QDate d = model.month(); d.month() == model.month().month(); d = d.addDays(1)) {
        const CalendarDay* day = model.day(d);
        if (!day || !day->exists) {
            continue;
        }
        first = first ? first : day;
        last = day;
        if (day->sky.quarter) {
            quarters << listLine(dayAndTime(day->sky.quarter->unixSeconds, zone, DayForm::List),
                                 MonthPrint::tr(kQuarterWords[std::size_t(day->sky.quarter->quarter)]));
        }
        for (const sky::SignIngress& in : day->sky.ingresses) {
            ingresses << listLine(dayAndTime(in.unixSeconds, zone, DayForm::List), translated("Signs", in.sign));
        }
        for (const QString& text : day->year.texts) {
            year << listLine(dateText(d, DateForm::ShortWeekdayDayMonth), text);
        }
    }
    QStringList voids;
    QStringList also;
    if (first && last) {
        const std::vector<almanac::Event> events =
            model.almanac().events(first->start - MoonMonthModel::kRounding, last->end - MoonMonthModel::kRounding,
                                   {almanac::Kind::VoidOfCourse, almanac::Kind::Other});
        for (const almanac::Event& e : events) {
            if (e.kind == almanac::Kind::Other) {
                also << listLine(dayAndTime(e.start, zone, DayForm::List), QString::fromStdString(e.words));
                continue;
            }
            const QDateTime a = roundedLocal(e.start, zone);
            const QDateTime b = roundedLocal(e.end, zone);
            voids << MonthPrint::tr("%1 to %2", "the start and end of a void of course")
                         .arg(dayAndTime(e.start, zone, DayForm::List),
                              a.date() == b.date() ? timeText(b.time()) : dayAndTime(e.end, zone, DayForm::List));
        }
    }
    std::vector<std::pair<QString, QStringList>> columns{
        std::pair{MonthPrint::tr("Quarters"), quarters}, std::pair{MonthPrint::tr("The moon enters"), ingresses},
        std::pair{model.almanac().modernPlanets() ? MonthPrint::tr("Void of course (modern planets)")
                                                  : MonthPrint::tr("Void of course (classic planets)"),
                  voids}};
    if (!also.isEmpty()) {
        columns.emplace_back(MonthPrint::tr("Also"), also);
    }
    qsizetype lines = 0;
    for (const auto& column : columns) {
        lines = std::max(lines, column.second.size());
    }
    const qsizetype yearLines = year.isEmpty() ? 0 : 2 + year.size();
    const MonthPageLayout layout = LayoutMonthPage(area, weeks, int(lines + yearLines));
    const double w = layout.unit;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    p.setPen(Qt::black);

    // Title and place.
    p.setFont(fontOf(w * 0.045, true));
    p.drawText(layout.title, Qt::AlignLeft | Qt::AlignVCenter, dateText(model.month(), DateForm::MonthYear));
    p.setFont(fontOf(w * 0.017));
    p.drawText(
        layout.place, Qt::AlignLeft | Qt::AlignVCenter,
        MonthPrint::tr("Lunara Moon Calendar for %1; times in %2").arg(month.place, QString::fromUtf8(zone.id())));

    // The weekdays and the grid.
    const double cw = layout.cell.width();
    const double ch = layout.cell.height();
    p.setFont(fontOf(w * 0.016, true));
    for (int c = 0; c < MoonMonthModel::kDays; ++c) {
        p.drawText(QRectF(layout.weekdays.left() + c * cw, layout.weekdays.top(), cw, layout.weekdays.height()),
                   Qt::AlignCenter, model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    }
    const QPen grid(QColor(0xB0, 0xB0, 0xB0), std::max(1.0, w / 1500));
    for (int r = 0; r < weeks; ++r) {
        for (int c = 0; c < MoonMonthModel::kDays; ++c) {
            const QRectF cell(QPointF(layout.grid.left() + c * cw, layout.grid.top() + r * ch), layout.cell);
            p.setPen(grid);
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell);
            const QModelIndex index = model.index(r, c);
            const CalendarDay* day = model.day(index.data(MoonMonthModel::DateRole).toDate());
            if (!day) {
                continue;
            }
            const double pad = w * 0.006;
            p.setPen(Qt::black);
            p.setFont(fontOf(w * 0.02, true));
            p.drawText(cell.adjusted(pad, pad, -pad, -pad), Qt::AlignLeft | Qt::AlignTop,
                       QString::number(day->date.day()));
            if (!day->exists) {
                continue;
            }
            const almanac::DaySky& s = day->sky;
            if (s.quarter) {
                p.setFont(fontOf(w * 0.013, true));
                p.drawText(cell.adjusted(pad, pad, -pad, -pad), Qt::AlignRight | Qt::AlignTop,
                           MonthPrint::tr("%1 %2", "a quarter's short name and its time")
                               .arg(MonthPrint::tr(kQuarterShort[std::size_t(s.quarter->quarter)]),
                                    localTimeText(s.quarter->unixSeconds, zone)));
            }
            const bool waxing = s.age < kSynodicHalf;
            drawMoon(p, QPointF(cell.center().x(), cell.top() + ch * 0.52), ch * 0.27, s.fraction,
                     waxing != model.southern());
            p.setPen(Qt::black);
            p.setFont(fontOf(w * 0.013));
            p.drawText(cell.adjusted(pad, pad, -pad, -pad * 0.5), Qt::AlignHCenter | Qt::AlignBottom,
                       translated("Signs", s.sign));
        }
    }
    p.setPen(Qt::black);

    // The month's events in three columns, each to its end: the layout made room for them.
    const double colWidth = layout.lists.width() / double(columns.size());
    const double line = layout.line;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const double cx = layout.lists.left() + double(c) * colWidth;
        // A little room between the columns.
        const double room = colWidth - w * 0.01;
        drawLine(p, QRectF(cx, layout.lists.top(), room, line), columns[c].first, w * 0.017, true);
        double ly = layout.lists.top() + line * 1.3;
        for (const QString& text : columns[c].second) {
            drawLine(p, QRectF(cx, ly, room, line), text, w * 0.0145);
            ly += line;
        }
    }
    if (!year.isEmpty()) {
        // Longer lines: one list across the page.
        double ly = layout.lists.top() + line * (1.3 + double(lines) + 0.7);
        drawLine(p, QRectF(layout.lists.left(), ly, layout.lists.width(), line), MonthPrint::tr("The year"), w * 0.017,
                 true);
        for (const QString& text : year) {
            ly += line;
            drawLine(p, QRectF(layout.lists.left(), ly + line * 0.3, layout.lists.width(), line), text, w * 0.0145);
        }
    }
    p.restore();
}

bool SavePagesAsPdf(const QString& path, const QString& title, QPageSize::PageSizeId paper,
                    const std::function<void(QPainter&, const QRectF&, QPdfWriter&)>& paint, QString* error) {
    return SaveWhole(
        path, SavedFile::Pdf,
        [&](QIODevice& device) {
            QPdfWriter writer(&device);
            writer.setResolution(300);
            writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                             QPageLayout::Millimeter));
            writer.setTitle(title);
            writer.setCreator(QStringLiteral("Lunara"));
            QPainter painter(&writer);
            const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
            paint(painter, QRectF(0, 0, page.width(), page.height()), writer);
            return painter.end();
        },
        error);
}

bool SaveMonthAsPdf(const QString& path, const PrintedMonth& month, QPageSize::PageSizeId paper, QString* error) {
    return SavePagesAsPdf(
        path, MonthPrint::tr("Lunara Moon Calendar, %1").arg(dateText(month.model->month(), DateForm::MonthYear)),
        paper, [&](QPainter& painter, const QRectF& page, QPdfWriter&) { PaintMonth(painter, page, month); }, error);
}

} // namespace lunara
