#pragma once

// The Year: a chosen year at a glance for the user's place and hemisphere - the wheel's eight
// sabbats, the eclipses and how they are seen from home, the retrograde periods, the full moons
// with their names, blue and black moons, supermoons and micromoons. Enter on an entry opens the
// Moon Calendar at its day; the year prints on one or two pages.

#include "almanac/almanac.h"
#include "kit/feature_window.h"
#include "place/location.h"

#include <QDate>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QPainter;
class QPagedPaintDevice;
class QPushButton;
class QTreeWidget;

namespace lunara {

class Form;

// One line of the year: its day, the day or days as shown, its words and, for an eclipse, its
// moments at the place.
struct YearEntry {
    QDate date;
    QString when; // "Mon 21 Dec", "3 Oct - 14 Nov"
    QString text;
    QStringList moments;
};
struct YearSection {
    QString title;
    std::vector<YearEntry> entries;
};

// The year's events from the almanac (its place, hemisphere and dates) for the local days of `year`.
std::vector<YearSection> YearSections(const almanac::Almanac& almanac, int year, const QTimeZone& zone,
                                      const QString& placeName);

// The printed year: a title, then its sections in two columns, on as many pages as it takes
// (one or two). `newPage` starts the next page.
struct PrintedYear {
    int year = 0;
    QString heading; // "for Berlin, 52.50° N, 13.37° E; northern hemisphere; times in Europe/Berlin"
    std::vector<YearSection> sections;
};
int PaintYear(QPainter& painter, const QRectF& area, const PrintedYear& year, const std::function<bool()>& newPage);
bool SaveYearAsPdf(const QString& path, const PrintedYear& year, QPageSize::PageSizeId paper, QString* error);

class frmYear : public FeatureWindow {
    Q_OBJECT
public:
    explicit frmYear(FeatureHost& host);

    int year() const { return year_; }
    void showYear(int year);
    void focusFirstControl() override;
    // The date of the entry chosen in the list, or none for a heading.
    QDate currentDate() const;
    void printYear();
    bool saveYearAsPdf();
    const std::vector<YearSection>& sections() const { return sections_; }

    QLabel* Label61;
    QPushButton* cmdPrevYear;
    QComboBox* cboYear;
    QPushButton* cmdNextYear;
    QLabel* lblYearPlace;
    QTreeWidget* lstYear;
    QLabel* lblYearHint;
    QPushButton* cmdPrint;
    QPushButton* cmdSavePdf;
    QLabel* lblFullBrand;
    QLabel* lblCobrand;
    QPushButton* cmdExit;

signals:
    // The Moon Calendar is asked to show this day.
    void dayRequested(const QDate& date);

private:
    void bindControls(const Form& form);
    void buildMenus();
    void connectControls();
    void Form_Load();
    PrintedYear printedYear() const;

    almanac::Almanac almanac_;
    QTimeZone zone_;
    Location location_;
    int year_ = 0;
    std::vector<YearSection> sections_;
};

} // namespace lunara
