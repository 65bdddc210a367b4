#include "calendar/calendar_export.h"
#include "calendar/calendar_model.h"
#include "calendar/calendar_print.h"
#include "calendar/year_window.h"
#include "kit/event_words.h"
#include "place/location.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QtTest>
#include <vector>

using namespace lunara;

namespace {

// A page that keeps the texts painted on it and where they stand, instead of pixels.
class TextPage : public QPaintDevice {
public:
    struct Text {
        QPointF at;
        QString text;
        QRectF box; // from the ascent to the descent
    };
    TextPage(int width, int height) : width_(width), height_(height) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<Text> texts() const { return engine_.texts; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return width_;
        case PdmHeight:
            return height_;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 300;
        case PdmWidthMM:
            return width_ * 254 / 3000;
        case PdmHeightMM:
            return height_ * 254 / 3000;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            texts.push_back({at, item.text(),
                             QRectF(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent())});
        }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        Type type() const override { return User; }
        std::vector<Text> texts;
    };
    int width_;
    int height_;
    mutable Engine engine_;
};

std::vector<TextPage::Text> paint(const MoonMonthModel& model, const QSizeF& page) {
    TextPage device(int(page.width()), int(page.height()));
    QPainter painter(&device);
    PaintMonth(painter, QRectF(QPointF(0, 0), page), {&model, QStringLiteral("Tromsø, 69.65° N, 18.96° E")});
    painter.end();
    return device.texts();
}

} // namespace

class TestCalendarPrint : public QObject {
    Q_OBJECT
private slots:
    void everyPaperAndWayRoundHoldsTheWholeMonth_data();
    void everyPaperAndWayRoundHoldsTheWholeMonth();
    void theLayoutFitsAnyPaper_data();
    void theLayoutFitsAnyPaper();
    void aKindOfEventAddedToTheAlmanacIsPrintedAndExported();
    void paperOfTheRegion_data();
    void paperOfTheRegion();
    void thePrintedYearFillsTwoColumns_data();
    void thePrintedYearFillsTwoColumns();
};

void TestCalendarPrint::everyPaperAndWayRoundHoldsTheWholeMonth_data() {
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("landscape");
    // August 2026 reaches into a sixth week; at Tromsø the lists are long (the moon's risings do
    // not matter here, its ingresses and void periods with the modern planets do).
    for (const auto& [name, paper] : {std::pair{"A4", QPageSize::A4}, std::pair{"Letter", QPageSize::Letter}}) {
        for (const bool landscape : {false, true}) {
            for (const QDate& month : {QDate(2026, 8, 1), QDate(2026, 2, 1)}) {
                QTest::addRow("%s %s %s", name, landscape ? "landscape" : "portrait",
                              qPrintable(month.toString(QStringLiteral("MMM yyyy"))))
                    << month << int(paper) << landscape;
            }
        }
    }
}

void TestCalendarPrint::everyPaperAndWayRoundHoldsTheWholeMonth() {
    QFETCH(QDate, month);
    QFETCH(int, paper);
    QFETCH(bool, landscape);
    MoonMonthModel model;
    model.setTimeZone(QTimeZone("Europe/Oslo"));
    model.setPlace(69.65, 18.96);
    model.almanac().setModernPlanets(true);
    model.setSelectedDate(month);
    const QSizeF portrait = QPageSize(QPageSize::PageSizeId(paper)).sizePixels(300);
    const QSizeF page = landscape ? portrait.transposed() : portrait;
    const std::vector<TextPage::Text> texts = paint(model, page);
    const std::vector<TextPage::Text> upright = paint(model, portrait);
    // The same texts as on an upright page, every one of them on the page.
    QStringList seen;
    for (const TextPage::Text& t : texts) {
        QVERIFY2(t.at.x() >= 0 && t.at.x() < page.width() && t.at.y() > 0 && t.at.y() <= page.height(),
                 qPrintable(QStringLiteral("%1 at %2,%3").arg(t.text).arg(t.at.x()).arg(t.at.y())));
        seen << t.text;
    }
    QStringList expected;
    for (const TextPage::Text& t : upright) {
        expected << t.text;
    }
    QCOMPARE(seen, expected);
    // The month's last day is there, and its event lists run to their end.
    const QString last = QString::number(month.daysInMonth());
    QVERIFY(seen.contains(last));
    QVERIFY(seen.contains(QStringLiteral("Void of course (modern planets)")));
    const auto events = std::count_if(seen.begin(), seen.end(), [](const QString& s) {
        return QRegularExpression(QStringLiteral("^\\w{3} \\d+ \\w{3} \\d\\d:\\d\\d ")).match(s).hasMatch();
    });
    QVERIFY2(events >= 30, qPrintable(QString::number(events))); // quarters, ~13 ingresses, ~13 void periods
}

// Every part of the page inside the page and in reading order, as large as the page allows: as
// wide as the page, or as tall.
void TestCalendarPrint::theLayoutFitsAnyPaper_data() {
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<int>("lines");
    for (const QPageSize::PageSizeId paper :
         {QPageSize::A4, QPageSize::Letter, QPageSize::A5, QPageSize::Legal, QPageSize::A3, QPageSize::Tabloid}) {
        const QSizeF size = QPageSize(paper).sizePixels(300);
        for (const bool landscape : {false, true}) {
            for (const auto& [weeks, lines] : {std::pair{4, 4}, std::pair{5, 14}, std::pair{6, 16}, std::pair{6, 40}}) {
                QTest::addRow("%s %s, %d weeks, %d lines", qPrintable(QPageSize(paper).name()),
                              landscape ? "landscape" : "portrait", weeks, lines)
                    << (landscape ? size.transposed() : size) << weeks << lines;
            }
        }
    }
}

void TestCalendarPrint::theLayoutFitsAnyPaper() {
    QFETCH(QSizeF, page);
    QFETCH(int, weeks);
    QFETCH(int, lines);
    const QRectF area(QPointF(40, 60), page);
    const MonthPageLayout l = LayoutMonthPage(area, weeks, lines);
    const auto inside = [&](const QRectF& r) { return area.adjusted(-0.01, -0.01, 0.01, 0.01).contains(r); };
    QVERIFY(inside(l.block));
    for (const QRectF& r : {l.title, l.place, l.weekdays, l.grid, l.lists}) {
        QVERIFY(inside(r));
        QVERIFY(l.block.adjusted(-0.01, -0.01, 0.01, 0.01).contains(r));
    }
    QVERIFY(l.title.bottom() <= l.place.top() + 0.01 && l.place.bottom() <= l.weekdays.top() + 0.01);
    QVERIFY(l.weekdays.bottom() <= l.grid.top() + 0.01 && l.grid.bottom() < l.lists.top());
    QCOMPARE(l.grid.height(), weeks * l.cell.height());
    QCOMPARE(l.cell.width() * 7, l.block.width());
    QVERIFY(l.lists.height() >= (lines + 1) * l.line);
    // As large as the page allows, centred across it.
    QVERIFY(qFuzzyCompare(l.block.width(), area.width()) || std::abs(l.block.bottom() - area.bottom()) < 5);
    QVERIFY(std::abs((l.block.left() - area.left()) - (area.right() - l.block.right())) < 0.01);
}

// A kind of event the views have never heard of, given to the almanac: the printed month lists it
// and the calendar file holds it, neither of them changed for it.
void TestCalendarPrint::aKindOfEventAddedToTheAlmanacIsPrintedAndExported() {
    MoonMonthModel model;
    model.setTimeZone(QTimeZone("Europe/Berlin"));
    const std::int64_t marked =
        QDateTime(QDate(2026, 12, 21), QTime(16, 50), QTimeZone("Europe/Berlin")).toSecsSinceEpoch();
    model.almanac().addSource([marked](std::int64_t from, std::int64_t to) {
        std::vector<almanac::Event> events;
        if (marked >= from && marked < to) {
            almanac::Event e;
            e.start = e.end = marked;
            e.words = "An added event";
            e.id = "added-20261221";
            events.push_back(e);
        }
        return events;
    });
    model.setSelectedDate(QDate(2026, 12, 1));
    const std::vector<TextPage::Text> texts = paint(model, QPageSize(QPageSize::A4).sizePixels(300));
    QStringList seen;
    for (const TextPage::Text& t : texts) {
        seen << t.text;
    }
    QVERIFY(seen.contains(QStringLiteral("Also")));
    QVERIFY2(seen.contains(QStringLiteral("Mon 21 Dec 16:50  An added event")), qPrintable(seen.join(u'|')));
    const std::int64_t from = model.day(QDate(2026, 12, 1))->start;
    const std::vector<CalendarEvent> file =
        CalendarEvents(model.almanac(), from, from + 31LL * 86400, almanac::Kinds::all());
    const auto yule = std::find_if(file.begin(), file.end(),
                                   [](const CalendarEvent& e) { return e.uid == "added-20261221@lunara.example"; });
    QVERIFY(yule != file.end());
    QCOMPARE(yule->summary, std::string("An added event"));
    QCOMPARE(yule->start, marked);
    QVERIFY(ICalendarText(file, marked).find("SUMMARY:An added event\r\n") != std::string::npos);
}

void TestCalendarPrint::paperOfTheRegion_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("paper");
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << int(QPageSize::A4);
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << int(QPageSize::Letter);
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << int(QPageSize::A4);
    QTest::newRow("Spanish in the United States")
        << QLocale(QLocale::Spanish, QLocale::UnitedStates) << int(QPageSize::Letter);
}

void TestCalendarPrint::paperOfTheRegion() {
    QFETCH(QLocale, locale);
    QFETCH(int, paper);
    QCOMPARE(int(PaperFor(locale)), paper);
}

// The printed year fills the first page's left column, then its right one, before a second page;
// nothing is printed over anything else, and every section and entry is there.
void TestCalendarPrint::thePrintedYearFillsTwoColumns_data() {
    QTest::addColumn<int>("paper");
    QTest::newRow("A4") << int(QPageSize::A4);
    QTest::newRow("Letter") << int(QPageSize::Letter);
}

void TestCalendarPrint::thePrintedYearFillsTwoColumns() {
    QFETCH(int, paper);
    const QTimeZone berlin("Europe/Berlin");
    almanac::Almanac almanac(almanac::Place{52.5, 13.37});
    almanac.setDates(zoneDates(berlin));
    const PrintedYear year{2026, QStringLiteral("For Berlin"), YearSections(almanac, 2026, berlin, "Berlin")};
    const QSizeF page = QPageSize(QPageSize::PageSizeId(paper)).sizePixels(300);
    TextPage device(int(page.width()), int(page.height()));
    std::vector<std::size_t> pageStarts{0};
    QPainter painter(&device);
    const int pages = PaintYear(painter, QRectF(QPointF(0, 0), page), year, [&] {
        pageStarts.push_back(device.texts().size());
        return true;
    });
    painter.end();
    const std::vector<TextPage::Text> texts = device.texts();
    QCOMPARE(std::size_t(pages), pageStarts.size());
    QVERIFY2(pages >= 1 && pages <= 2, qPrintable(QString::number(pages)));
    pageStarts.push_back(texts.size());
    const auto where = [](const TextPage::Text& t) {
        return QStringLiteral("%1 at %2,%3").arg(t.text).arg(t.at.x()).arg(t.at.y());
    };
    for (std::size_t p = 0; p + 1 < pageStarts.size(); ++p) {
        bool left = false;
        bool right = false;
        for (std::size_t i = pageStarts[p]; i < pageStarts[p + 1]; ++i) {
            const TextPage::Text& a = texts[i];
            QVERIFY2(QRectF(QPointF(0, 0), page).contains(a.box), qPrintable(where(a)));
            // Below the heading lines, which span the page.
            if (a.box.top() > page.height() / 12) {
                (a.box.right() <= page.width() / 2 ? left : right) = true;
                QVERIFY2(a.box.left() >= page.width() / 2 || a.box.right() <= page.width() / 2, qPrintable(where(a)));
            }
            for (std::size_t j = pageStarts[p]; j < i; ++j) {
                const QRectF both = texts[j].box.intersected(a.box);
                QVERIFY2(both.width() < 1 || both.height() < 1,
                         qPrintable(where(texts[j]) + QStringLiteral(" overprinted by ") + where(a)));
            }
        }
        QVERIFY(left);
        // The first page's right column is used before a second page begins.
        QVERIFY(right || p + 2 == pageStarts.size());
    }
    QStringList seen;
    for (const TextPage::Text& t : texts) {
        seen << t.text;
    }
    const QString all = seen.join(u' ');
    for (const YearSection& section : year.sections) {
        QCOMPARE(seen.count(section.title), 1);
        for (const YearEntry& entry : section.entries) {
            QVERIFY2(all.contains(entry.text.left(20)), qPrintable(entry.text));
        }
    }
    QVERIFY(all.contains(QStringLiteral("Harvest Moon at 18:49, in Aries")));
}

QTEST_MAIN(TestCalendarPrint)
#include "tst_calendar_print.moc"
