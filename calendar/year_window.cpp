#include "calendar/year_window.h"

#include "calendar/calendar_print.h"
#include "kit/event_words.h"
#include "kit/form.h"
#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/menus.h"
#include "kit/orange_looks.h"
#include "kit/save_file.h"
#include "kit/services.h"
#include "kit/sky_words.h"
#include "kit/text.h"
#include "kit/web_links.h"
#include "place/location_dialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <algorithm>
#include <numeric>

namespace lunara {

using namespace orangelook;

namespace {

constexpr Look kHeading{.fg = kOrange, .bold = true};
constexpr Look kNavButton{.bg = kGrey, .bold = true};
constexpr Look kOffer{.fg = kBlack, .bg = kOrange, .bold = true, .underline = true, .hand = true};

// clang-format off
constexpr Control kControls[] = {
    {"Frame2", Kind::Frame, nullptr, 0, 0, 11700, 570, nullptr, kStrip},
    {"Label61", Kind::Label, "Frame2", 120, 75, 11460, 450, nullptr,
     {.fg = kBlack, .points = 9, .bold = true, .underline = true, .align = AlignCenter, .hand = true}},
    {"Frame1", Kind::Frame, nullptr, 0, 570, 11700, 7500, nullptr, kPanel},
    {"cmdPrevYear", Kind::Button, "Frame1", 120, 120, 420, 360, QT_TRANSLATE_NOOP("lunara::frmYear", "<"), kNavButton},
    {"cboYear", Kind::ComboBox, "Frame1", 600, 120, 1050, 360, nullptr, {.fg = kBlack, .bg = kOrange, .bold = true}},
    {"cmdNextYear", Kind::Button, "Frame1", 1710, 120, 420, 360, QT_TRANSLATE_NOOP("lunara::frmYear", ">"), kNavButton},
    {"cmdPrint", Kind::Button, "Frame1", 8520, 120, 1320, 360, QT_TRANSLATE_NOOP("lunara::frmYear", "&Print..."), kNavButton},
    {"cmdSavePdf", Kind::Button, "Frame1", 9960, 120, 1620, 360, QT_TRANSLATE_NOOP("lunara::frmYear", "Save as P&DF..."), kNavButton},
    {"lblYearPlace", Kind::Label, "Frame1", 120, 600, 11460, 240, nullptr, kHeading},
    {"lblYearHint", Kind::Label, "Frame1", 120, 7140, 11460, 240,
     QT_TRANSLATE_NOOP("lunara::frmYear", "Enter or a double click on an entry opens the Moon Calendar at its day."), {.fg = kGrey}},
    {"Frame5", Kind::Frame, nullptr, 0, 8070, 11700, 630, nullptr, kStrip},
    {"lblFullBrand", Kind::Label, "Frame5", 120, 45, 8400, 540, kFullBrandText, kOffer},
    {"lblCobrand", Kind::Label, "Frame5", 120, 45, 8400, 540, kCoBrandText, kOffer},
    {"cmdExit", Kind::Button, "Frame5", 10260, 90, 1260, 450, QT_TRANSLATE_NOOP("lunara::frmYear", "&Exit"), kGreyButton},
};
// clang-format on

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kDateRole = Qt::UserRole + 1;

QString shortDay(const QDate& d) { return dateText(d, DateForm::ShortWeekdayDayMonth); }

QString span(const QDate& a, const QDate& b, int year) {
    const auto day = [year](const QDate& d) {
        return dateText(d, d.year() == year ? DateForm::ShortDayMonth : DateForm::ShortDayMonthYear);
    };
    return frmYear::tr("%1 - %2", "the first and last day of a period").arg(day(a), day(b));
}

} // namespace

std::vector<YearSection> YearSections(const almanac::Almanac& almanac, int year, const QTimeZone& zone,
                                      const QString& placeName) {
    std::vector<YearSection> sections{
        {frmYear::tr("The Wheel of the Year"), {}}, {frmYear::tr("Eclipses"), {}},
        {frmYear::tr("Retrogrades"), {}},           {frmYear::tr("Full moons"), {}},
        {frmYear::tr("Blue and black moons"), {}},  {frmYear::tr("Supermoons and micromoons"), {}}};
    const std::int64_t from = startOfLocalDay(QDate(year, 1, 1), zone);
    const std::int64_t to = startOfLocalDay(QDate(year + 1, 1, 1), zone);
    for (const almanac::Event& e : almanac.events(from, to, almanac::kYearKinds)) {
        YearEntry entry;
        entry.date = e.date != 0 ? dateOfNumber(e.date) : roundedLocal(e.start, zone).date();
        entry.when = shortDay(entry.date);
        entry.text = eventLine(e, zone, placeName);
        std::size_t section = 0;
        switch (e.kind) {
        case almanac::Kind::Sabbat:
            section = 0;
            break;
        case almanac::Kind::Eclipse:
            section = 1;
            entry.moments = eclipseMoments(*e.eclipse, zone);
            break;
        case almanac::Kind::Retrograde:
            section = 2;
            entry.when = span(entry.date, roundedLocal(e.end, zone).date(), year);
            break;
        case almanac::Kind::MoonName:
            // A full moon's name, or a blue or black moon.
            section = e.id.starts_with("moonname-") ? 3 : 4;
            break;
        case almanac::Kind::Supermoon:
            section = 5;
            break;
        default:
            continue;
        }
        sections[section].entries.push_back(std::move(entry));
    }
    for (YearSection& s : sections) {
        if (s.entries.empty()) {
            s.entries.push_back({{}, {}, frmYear::tr("None this year"), {}});
        }
    }
    return sections;
}

int PaintYear(QPainter& painter, const QRectF& area, const PrintedYear& year, const std::function<bool()>& newPage) {
    // Everything is sized from the page's width, so any paper and resolution look alike.
    const double unit = area.width();
    QFont title = verdana(10, true);
    title.setPixelSize(std::max(1, int(unit / 26)));
    QFont heading = verdana(8, true);
    heading.setPixelSize(std::max(1, int(unit / 62)));
    QFont body = verdana(8);
    body.setPixelSize(std::max(1, int(unit / 80)));
    QFont small = body;
    small.setPixelSize(std::max(1, int(unit / 92)));
    const double gap = unit / 30;
    const double columnWidth = (area.width() - gap) / 2;
    const double whenWidth = unit / 6.2;
    int pages = 1;
    int column = 0;
    double top = area.top();
    const auto startPage = [&] {
        painter.setFont(title);
        painter.setPen(Qt::black);
        const QRectF t(area.left(), area.top(), area.width(), unit / 18);
        painter.drawText(
            t, Qt::AlignLeft | Qt::AlignVCenter,
            (pages > 1 ? frmYear::tr("Lunara: The Year %1 (continued)") : frmYear::tr("Lunara: The Year %1"))
                .arg(year.year));
        painter.setFont(small);
        const QRectF h(area.left(), t.bottom(), area.width(), unit / 30);
        painter.drawText(h, Qt::AlignLeft | Qt::AlignTop, year.heading);
        top = h.bottom() + unit / 60;
        column = 0;
    };
    double y = 0;
    startPage();
    y = top;
    // Finds room for a block this high: the next column, or the next page.
    const auto room = [&](double height) {
        if (y + height <= area.bottom()) {
            return true;
        }
        if (column == 0) {
            column = 1;
            y = top;
            return true;
        }
        if (!newPage()) {
            return false;
        }
        ++pages;
        startPage();
        y = top;
        return true;
    };
    const auto x = [&] { return area.left() + column * (columnWidth + gap); };
    for (const YearSection& section : year.sections) {
        painter.setFont(heading);
        const double headingHeight = QFontMetricsF(heading).height() * 1.6;
        const double firstLine = QFontMetricsF(body).height() * 1.2;
        if (!room(headingHeight + firstLine)) {
            return pages;
        }
        painter.setPen(QColor(160, 70, 0));
        painter.drawText(QRectF(x(), y, columnWidth, headingHeight), Qt::AlignLeft | Qt::AlignBottom, section.title);
        y += headingHeight;
        for (const YearEntry& entry : section.entries) {
            // Each text wraps in the column beside the dates; measured once, for the room and the drawing.
            const QRectF wrap(0, 0, columnWidth - whenWidth, 1e6);
            const double textHeight =
                QFontMetricsF(body).boundingRect(wrap, Qt::TextWordWrap, entry.text).height() + unit / 400;
            std::vector<double> momentHeights;
            for (const QString& m : entry.moments) {
                momentHeights.push_back(QFontMetricsF(small).boundingRect(wrap, Qt::TextWordWrap, m).height());
            }
            if (!room(textHeight + std::accumulate(momentHeights.begin(), momentHeights.end(), 0.0))) {
                return pages;
            }
            painter.setFont(body);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x(), y, whenWidth, textHeight), Qt::AlignLeft | Qt::AlignTop, entry.when);
            painter.drawText(QRectF(x() + whenWidth, y, wrap.width(), textHeight),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, entry.text);
            y += textHeight;
            painter.setFont(small);
            painter.setPen(QColor(70, 70, 70));
            for (std::size_t i = 0; i < momentHeights.size(); ++i) {
                painter.drawText(QRectF(x() + whenWidth, y, wrap.width(), momentHeights[i]),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, entry.moments[qsizetype(i)]);
                y += momentHeights[i];
            }
        }
    }
    return pages;
}

bool SaveYearAsPdf(const QString& path, const PrintedYear& year, QPageSize::PageSizeId paper, QString* error) {
    return SavePagesAsPdf(
        path, frmYear::tr("Lunara: The Year %1").arg(year.year), paper,
        [&](QPainter& painter, const QRectF& page, QPdfWriter& writer) {
            PaintYear(painter, page, year, [&] { return writer.newPage(); });
        },
        error);
}

frmYear::frmYear(FeatureHost& host) : FeatureWindow(host, "frmYear", tr("Lunara: The Year"), 11700, 8700, kBlack) {
    bindControls(Form(client(), kControls, staticMetaObject.className()));
    buildMenus();
    connectControls();
    Form_Load();
}

void frmYear::bindControls(const Form& form) {
    LUNARA_BIND(form, Label61);
    LUNARA_BIND(form, cmdPrevYear);
    LUNARA_BIND(form, cboYear);
    LUNARA_BIND(form, cmdNextYear);
    LUNARA_BIND(form, cmdPrint);
    LUNARA_BIND(form, cmdSavePdf);
    LUNARA_BIND(form, lblYearPlace);
    LUNARA_BIND(form, lblYearHint);
    LUNARA_BIND(form, lblFullBrand);
    LUNARA_BIND(form, lblCobrand);
    LUNARA_BIND(form, cmdExit);
    QWidget* panel = nullptr;
    form.bind(panel, "Frame1");
    lstYear = new QTreeWidget(panel);
    lstYear->setObjectName(QStringLiteral("lstYear"));
    lstYear->setAccessibleName(tr("The year's events"));
    lstYear->setGeometry(twipsRect(120, 900, 11460, 6180));
    useLightLook(lstYear);
    lstYear->setHeaderLabels({tr("Date"), tr("Event")});
    lstYear->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstYear->header()->setStretchLastSection(true);
    lstYear->header()->setSectionsMovable(false);
    lstYear->setWordWrap(true);
    cmdPrevYear->setAccessibleName(tr("Previous year"));
    cmdNextYear->setAccessibleName(tr("Next year"));
    cboYear->setAccessibleName(tr("Year"));
}

void frmYear::buildMenus() {
    QMenu* file = addMenu(menus(), "mnuFile", tr("&File"));
    QAction* print = addCommand(file, "mnuPrint", tr("&Print..."), this, [this] { printYear(); });
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(print);
    addCommand(file, "mnuSavePdf", tr("Save as P&DF..."), this, [this] { saveYearAsPdf(); });
    addCommand(file, "mnuShowDay", tr("Show in Moon &Calendar"), this, [this] {
        if (const QDate d = currentDate(); d.isValid()) {
            emit dayRequested(d);
        }
    });
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    addCommand(file, "mnuExit", tr("E&xit"), this, [this] { closeWindow(); });
    addHelpMenu(menus(), {"mnuYearSep1", "mnuYearSep2", QT_TRANSLATE_NOOP("Menus", "Check for Software &Update")}, this,
                host().services());
    addMakeMoneyCommand(menus(), "mnuMakeMoneyOnline", this);
}

void frmYear::connectControls() {
    connectOfferLabels(Label61, lblFullBrand, lblCobrand);
    connect(cmdPrevYear, &QPushButton::clicked, this, [this] { showYear(year_ - 1); });
    connect(cmdNextYear, &QPushButton::clicked, this, [this] { showYear(year_ + 1); });
    connect(cboYear, &QComboBox::currentIndexChanged, this, [this](int i) { showYear(kFirstYear + i); });
    connect(lstYear, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const QDate d = item->data(0, kDateRole).toDate(); d.isValid()) {
            emit dayRequested(d);
        }
    });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { printYear(); });
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { saveYearAsPdf(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { closeWindow(); });
    setCancelButton(cmdExit);
}

void frmYear::Form_Load() {
    Services& services = host().services();
    zone_ = services.timeZone();
    location_ = currentLocation(services);
    const bool southern = southernChosen(services.settings());
    almanac_.setPlace(almanac::Place{location_.place.latitude, location_.place.longitude});
    almanac_.setSouthern(southern);
    almanac_.setDates(zoneDates(zone_));
    setLabelText(lblYearPlace, (southern ? tr("For %1; southern hemisphere; times in %2")
                                         : tr("For %1; northern hemisphere; times in %2"))
                                   .arg(placeText(location_.place), QString::fromUtf8(zone_.id())));
    {
        const QSignalBlocker quiet(cboYear);
        for (int y = kFirstYear; y <= kLastYear; ++y) {
            cboYear->addItem(QString::number(y));
        }
    }
    showYear(localDate(services.now(), zone_).year());
}

void frmYear::focusFirstControl() { lstYear->setFocus(Qt::TabFocusReason); }

void frmYear::showYear(int year) {
    year = std::clamp(year, kFirstYear, kLastYear);
    if (year == year_) {
        return;
    }
    year_ = year;
    {
        const QSignalBlocker quiet(cboYear);
        cboYear->setCurrentIndex(year - kFirstYear);
    }
    cmdPrevYear->setEnabled(year > kFirstYear);
    cmdNextYear->setEnabled(year < kLastYear);
    sections_ = YearSections(almanac_, year, zone_, placeName(location_.place));
    lstYear->clear();
    QTreeWidgetItem* first = nullptr;
    for (const YearSection& section : sections_) {
        auto* top = new QTreeWidgetItem(lstYear, {section.title});
        QFont bold = top->font(0);
        bold.setBold(true);
        top->setFont(0, bold);
        top->setFirstColumnSpanned(true);
        for (const YearEntry& entry : section.entries) {
            auto* item = new QTreeWidgetItem(top, {entry.when, entry.text});
            item->setData(0, kDateRole, entry.date);
            item->setToolTip(1, entry.text);
            first = first ? first : item;
            for (const QString& m : entry.moments) {
                auto* moment = new QTreeWidgetItem(item, {QString(), m});
                moment->setData(0, kDateRole, entry.date);
            }
        }
    }
    lstYear->expandAll();
    lstYear->setCurrentItem(first);
}

QDate frmYear::currentDate() const {
    const QTreeWidgetItem* item = lstYear->currentItem();
    return item ? item->data(0, kDateRole).toDate() : QDate();
}

PrintedYear frmYear::printedYear() const { return {year_, lblYearPlace->text(), sections_}; }

void frmYear::printYear() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(tr("Lunara: The Year %1").arg(year_));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        host().services().information(this, tr("The printer could not be used. Nothing was printed."));
        return;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    PaintYear(painter, QRectF(0, 0, page.width(), page.height()), printedYear(), [&] { return printer.newPage(); });
}

bool frmYear::saveYearAsPdf() {
    Services& services = host().services();
    const QString path = services.askSaveFile(this, tr("Save as PDF"), QStringLiteral("year-%1.pdf").arg(year_),
                                              tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!SaveYearAsPdf(path, printedYear(), PaperFor(services.locale()), &error)) {
        services.information(this, error);
        return false;
    }
    return true;
}

} // namespace lunara
