#include "calendar/export_dialog.h"

#include "calendar/calendar_model.h"
#include "kit/form.h"
#include "kit/formats.h"
#include "kit/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>

namespace lunara {

namespace {

constexpr Look kText{.fg = kWhite};
constexpr Look kHeading{.fg = 0xFF8000, .bold = true};
constexpr Look kButton{.bg = kSilver, .bold = true};
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// clang-format off
constexpr Control kControls[] = {
    {"lblRange", Kind::Label, nullptr, 120, 120, 5760, 240, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "Range"), kHeading},
    {"fraRange", Kind::Frame, nullptr, 120, 390, 5760, 960, nullptr, {.bg = kBlack}},
    {"optThisMonth", Kind::Option, "fraRange", 0, 0, 5760, 300, nullptr, kText},
    {"optThisYear", Kind::Option, "fraRange", 0, 315, 5760, 300, nullptr, kText},
    {"optChosenYear", Kind::Option, "fraRange", 0, 630, 2400, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "A c&hosen year:"), kText},
    {"cboExportYear", Kind::ComboBox, "fraRange", 2520, 615, 1200, 330, nullptr, {}},
    {"lblInclude", Kind::Label, nullptr, 120, 1500, 5760, 240, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "Include"), kHeading},
    {"chkQuarters", Kind::CheckBox, nullptr, 120, 1770, 5760, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "The four &quarters"), kText},
    {"chkIngresses", Kind::CheckBox, nullptr, 120, 2085, 5760, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "The moon entering each &sign"), kText},
    {"chkVoid", Kind::CheckBox, nullptr, 120, 2400, 5760, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "&Void-of-course periods, counting"), kText},
    {"fraPlanets", Kind::Frame, nullptr, 480, 2715, 5400, 630, nullptr, {.bg = kBlack}},
    {"optExportClassic", Kind::Option, "fraPlanets", 0, 0, 5400, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "C&lassic planets (Sun to Saturn)"), kText},
    {"optExportModern", Kind::Option, "fraPlanets", 0, 315, 5400, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "M&odern planets (to Pluto)"), kText},
    {"chkSabbats", Kind::CheckBox, nullptr, 120, 3390, 5760, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "The &Wheel of the Year's sabbats"), kText},
    {"chkEclipses", Kind::CheckBox, nullptr, 120, 3705, 5760, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "Ecli&pses, as seen from here"), kText},
    {"chkRetrogrades", Kind::CheckBox, nullptr, 120, 4020, 5760, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "&Retrograde periods, as whole days"), kText},
    {"chkMoonNames", Kind::CheckBox, nullptr, 120, 4335, 5760, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "Full moon &names, blue and black moons"), kText},
    {"chkSupermoons", Kind::CheckBox, nullptr, 120, 4650, 5760, 300, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "S&upermoons and micromoons"), kText},
    {"lblNothing", Kind::Label, nullptr, 120, 5040, 5760, 240, nullptr, {.fg = 0xFF8C8C, .bold = true}},
    {"cmdExport", Kind::Button, nullptr, 3000, 5400, 1380, 375, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "&Export..."), kButton},
    {"cmdCancel", Kind::Button, nullptr, 4500, 5400, 1380, 375, QT_TRANSLATE_NOOP("lunara::frmExportCalendar", "Cancel"), kButton},
};
// clang-format on

} // namespace

frmExportCalendar::frmExportCalendar(const QDate& month, bool modern, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      month_(month.year(), month.month(), 1) {
    setObjectName(QStringLiteral("frmExportCalendar"));
    setWindowTitle(tr("Export to Calendar"));
    setModal(true);
    setFixedSize(px(6000), px(5940));
    setFont(verdana(8.25));
    fillBackground(this, kBlack);
    const Form form(this, kControls, staticMetaObject.className());
    LUNARA_BIND(form, lblRange);
    LUNARA_BIND(form, optThisMonth);
    LUNARA_BIND(form, optThisYear);
    LUNARA_BIND(form, optChosenYear);
    LUNARA_BIND(form, cboExportYear);
    LUNARA_BIND(form, lblInclude);
    LUNARA_BIND(form, chkQuarters);
    LUNARA_BIND(form, chkIngresses);
    LUNARA_BIND(form, chkVoid);
    LUNARA_BIND(form, optExportClassic);
    LUNARA_BIND(form, optExportModern);
    LUNARA_BIND(form, chkSabbats);
    LUNARA_BIND(form, chkEclipses);
    LUNARA_BIND(form, chkRetrogrades);
    LUNARA_BIND(form, chkMoonNames);
    LUNARA_BIND(form, chkSupermoons);
    LUNARA_BIND(form, lblNothing);
    LUNARA_BIND(form, cmdExport);
    LUNARA_BIND(form, cmdCancel);

    optThisMonth->setText(tr("This &month (%1)").arg(dateText(month_, DateForm::MonthYear)));
    optThisMonth->setAccessibleName(withoutAccessKeys(optThisMonth->text()));
    optThisYear->setText(tr("This &year (%1)").arg(month_.year()));
    optThisYear->setAccessibleName(withoutAccessKeys(optThisYear->text()));
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        cboExportYear->addItem(QString::number(y));
    }
    cboExportYear->setCurrentIndex(month_.year() - kFirstYear);
    cboExportYear->setAccessibleName(tr("Year to export"));
    optThisMonth->setChecked(true);
    chkQuarters->setChecked(true);
    chkIngresses->setChecked(true);
    (modern ? optExportModern : optExportClassic)->setChecked(true);

    for (QCheckBox* box : kinds()) {
        connect(box, &QCheckBox::toggled, this, [this] { update(); });
    }
    connect(optChosenYear, &QRadioButton::toggled, this, [this] { update(); });
    connect(cmdExport, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    cmdExport->setDefault(true);
    update();
    if (const QScreen* screen = parent ? parent->screen() : nullptr) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
}

void frmExportCalendar::update() {
    cboExportYear->setEnabled(optChosenYear->isChecked());
    optExportClassic->setEnabled(chkVoid->isChecked());
    optExportModern->setEnabled(chkVoid->isChecked());
    const auto boxes = kinds();
    const bool something = std::any_of(boxes.begin(), boxes.end(), [](const QCheckBox* b) { return b->isChecked(); });
    cmdExport->setEnabled(something);
    setLabelText(lblNothing, something ? QString() : tr("Choose at least one kind of event."));
    lblNothing->setVisible(!something);
}

ExportChoice frmExportCalendar::choice() const {
    ExportChoice c;
    c.quarters = chkQuarters->isChecked();
    c.ingresses = chkIngresses->isChecked();
    c.voids = chkVoid->isChecked();
    c.modern = optExportModern->isChecked();
    c.sabbats = chkSabbats->isChecked();
    c.eclipses = chkEclipses->isChecked();
    c.retrogrades = chkRetrogrades->isChecked();
    c.moonNames = chkMoonNames->isChecked();
    c.supermoons = chkSupermoons->isChecked();
    return c;
}

std::array<QCheckBox*, 8> frmExportCalendar::kinds() const {
    return {chkQuarters, chkIngresses, chkVoid, chkSabbats, chkEclipses, chkRetrogrades, chkMoonNames, chkSupermoons};
}

QDate frmExportCalendar::firstDay() const {
    if (optThisMonth->isChecked()) {
        return month_;
    }
    return QDate(optThisYear->isChecked() ? month_.year() : kFirstYear + cboExportYear->currentIndex(), 1, 1);
}

QDate frmExportCalendar::endDay() const {
    return optThisMonth->isChecked() ? month_.addMonths(1) : firstDay().addYears(1);
}

QString frmExportCalendar::suggestedFileName() const {
    return optThisMonth->isChecked()
               ? QStringLiteral("moon-%1.ics").arg(QLocale::c().toString(month_, QStringLiteral("MMMM-yyyy")).toLower())
               : QStringLiteral("moon-%1.ics").arg(firstDay().year());
}

} // namespace lunara
