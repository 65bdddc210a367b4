#include "place/location_dialog.h"

#include "kit/form.h"
#include "kit/services.h"
#include "kit/text.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace lunara {

namespace {

constexpr Look kText{.fg = kWhite};
constexpr Look kError{.fg = 0xFF8C8C, .bold = true};
constexpr Look kButton{.bg = kSilver, .bold = true};
constexpr int kCityIndexRole = Qt::UserRole;
constexpr int kSearchKeyRole = Qt::UserRole + 1; // the line as a search compares it, made once

// clang-format off
constexpr Control kControls[] = {
    {"lblSearch", Kind::Label, nullptr, 120, 120, 6960, 240, nullptr, kText},
    {"txtSearch", Kind::TextBox, nullptr, 120, 390, 6960, 330, nullptr, {}},
    {"lstCities", Kind::ListBox, nullptr, 120, 780, 6960, 2640, nullptr, {}},
    {"lblNoCity", Kind::Label, nullptr, 240, 900, 6720, 480, nullptr, {.fg = 0x000000}},
    {"lblLatitude", Kind::Label, nullptr, 120, 3570, 1320, 240, nullptr, kText},
    {"txtLatitude", Kind::TextBox, nullptr, 1440, 3525, 1680, 330, nullptr, {}},
    {"lblLatitudeError", Kind::Label, nullptr, 3240, 3510, 3840, 480, nullptr, kError},
    {"lblLongitude", Kind::Label, nullptr, 120, 4080, 1320, 240, nullptr, kText},
    {"txtLongitude", Kind::TextBox, nullptr, 1440, 4035, 1680, 330, nullptr, {}},
    {"lblLongitudeError", Kind::Label, nullptr, 3240, 4020, 3840, 480, nullptr, kError},
    {"lblHint", Kind::Label, nullptr, 120, 4560, 6960, 240,
     QT_TRANSLATE_NOOP("lunara::frmLocation", "Degrees north and east are positive; 51°28′N or 0°07′W work too."), {.fg = kSilver}},
    {"lblDefault", Kind::Label, nullptr, 120, 4920, 6960, 480, nullptr, kText},
    {"Line1", Kind::Rule, nullptr, 0, 5520, 7200, 15, nullptr, {.bg = 0xE0E0E0}},
    {"cmdDefault", Kind::Button, nullptr, 120, 5700, 2400, 375, QT_TRANSLATE_NOOP("lunara::frmLocation", "Use &Default"), kButton},
    {"cmdOK", Kind::Button, nullptr, 4380, 5700, 1260, 375, QT_TRANSLATE_NOOP("lunara::frmLocation", "OK"), kButton},
    {"cmdCancel", Kind::Button, nullptr, 5820, 5700, 1260, 375, QT_TRANSLATE_NOOP("lunara::frmLocation", "Cancel"), kButton},
};
// clang-format on

// A caption with an access key that moves to its field, and the field named after it.
void caption(QLabel* label, QWidget* field, const QString& text) {
    setLabelText(label, text);
    label->setBuddy(field);
    field->setAccessibleName(withoutAccessKeys(text).remove(u':'));
}

// A message beside its field, there only while it has something to say.
void showError(QLabel* label, const QString& text) {
    setLabelText(label, text);
    label->setVisible(!text.isEmpty());
}

QString cityLine(const Place& p) { return p.country.isEmpty() ? p.city : p.city + QStringLiteral(", ") + p.country; }

} // namespace

frmLocation::frmLocation(const Location& current, const Place& fallback, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmLocation"));
    setWindowTitle(tr("Location"));
    setModal(true);
    setFixedSize(px(7200), px(6240));
    setFont(verdana(8.25));
    fillBackground(this, kBlack);

    const Form form(this, kControls, staticMetaObject.className());
    LUNARA_BIND(form, lblSearch);
    LUNARA_BIND(form, txtSearch);
    LUNARA_BIND(form, lstCities);
    LUNARA_BIND(form, lblLatitude);
    LUNARA_BIND(form, txtLatitude);
    LUNARA_BIND(form, lblLatitudeError);
    LUNARA_BIND(form, lblLongitude);
    LUNARA_BIND(form, txtLongitude);
    LUNARA_BIND(form, lblLongitudeError);
    LUNARA_BIND(form, lblNoCity);
    LUNARA_BIND(form, lblHint);
    LUNARA_BIND(form, lblDefault);
    LUNARA_BIND(form, cmdDefault);
    LUNARA_BIND(form, cmdOK);
    LUNARA_BIND(form, cmdCancel);

    caption(lblSearch, txtSearch, tr("&Find a city:"));
    lstCities->setAccessibleName(tr("Cities"));
    caption(lblLatitude, txtLatitude, tr("L&atitude:"));
    caption(lblLongitude, txtLongitude, tr("L&ongitude:"));
    txtSearch->setClearButtonEnabled(true);
    // The clear button is a tool button of the field's own, without a name of its own.
    for (QToolButton* clear : txtSearch->findChildren<QToolButton*>()) {
        clear->setAccessibleName(tr("Clear the search"));
        clear->setToolTip(tr("Clear the search"));
    }
    lblNoCity->hide();
    showError(lblLatitudeError, QString());
    showError(lblLongitudeError, QString());
    setLabelText(lblDefault,
                 fallback.zoneId.isEmpty()
                     ? tr("Without a choice, Lunara uses %1, as your time zone names no city.").arg(placeText(fallback))
                     : tr("Without a choice, Lunara uses %1, the city of your time zone.").arg(fallback.city));

    // Every city, by name; the index leads back to the table.
    const std::vector<Place>& cities = zoneCities();
    for (std::size_t i = 0; i < cities.size(); ++i) {
        auto* item = new QListWidgetItem(cityLine(cities[i]), lstCities);
        item->setData(kCityIndexRole, static_cast<int>(i));
        item->setData(kSearchKeyRole, searchKey(item->text()));
    }
    lstCities->sortItems();

    const Place& place = current.place;
    txtLatitude->setText(coordinateField(place.latitude));
    txtLongitude->setText(coordinateField(place.longitude));
    if (!place.zoneId.isEmpty()) {
        city_ = place;
        const QList<QListWidgetItem*> found = lstCities->findItems(cityLine(place), Qt::MatchExactly);
        if (!found.isEmpty()) {
            const QSignalBlocker quiet(lstCities);
            lstCities->setCurrentItem(found.first());
        }
    }

    connect(txtSearch, &QLineEdit::textChanged, this, [this](const QString& text) { filter(text); });
    connect(lstCities, &QListWidget::currentItemChanged, this, [this] {
        changed_ = true;
        cityChosen();
    });
    // Coordinates typed by hand are a place of their own; their old message goes as one types.
    for (const auto& fieldAndError :
         {std::pair{txtLatitude, lblLatitudeError}, std::pair{txtLongitude, lblLongitudeError}}) {
        QLabel* error = fieldAndError.second;
        connect(fieldAndError.first, &QLineEdit::textEdited, this, [this, error] {
            changed_ = true;
            city_.reset();
            lblNoCity->hide(); // coordinates typed in need no city
            showError(error, QString());
        });
    }
    connect(cmdDefault, &QPushButton::clicked, this, [this] {
        changed_ = true;
        chosen_.reset();
        QDialog::accept();
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmLocation::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    cmdOK->setDefault(true);
    txtSearch->setFocus();
    if (const QScreen* screen = parent ? parent->screen() : nullptr) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

int frmLocation::shownCities() const {
    int shown = 0;
    for (int i = 0; i < lstCities->count(); ++i) {
        shown += lstCities->item(i)->isHidden() ? 0 : 1;
    }
    return shown;
}

void frmLocation::filter(const QString& text) {
    const QString wanted = searchKey(text.trimmed());
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < lstCities->count(); ++i) {
        QListWidgetItem* item = lstCities->item(i);
        const bool shown = item->data(kSearchKeyRole).toString().contains(wanted);
        item->setHidden(!shown);
        if (shown && !first) {
            first = item;
        }
    }
    // The best match stands ready: Enter takes it. With none, nothing hidden may be taken.
    if (!first) {
        lstCities->setCurrentItem(nullptr);
        setLabelText(lblNoCity, QStringLiteral("No city matches \u201C%1\u201D. Try another spelling, or type latitude "
                                               "and longitude below.")
                                    .arg(text.trimmed()));
    } else if (!lstCities->currentItem() || lstCities->currentItem()->isHidden()) {
        lstCities->setCurrentItem(first);
    }
    lblNoCity->setVisible(!first);
    lblNoCity->raise();
}

void frmLocation::cityChosen() {
    const QListWidgetItem* item = lstCities->currentItem();
    if (!item) {
        return;
    }
    const Place& p = zoneCities().at(static_cast<std::size_t>(item->data(kCityIndexRole).toInt()));
    city_ = p;
    txtLatitude->setText(coordinateField(p.latitude));
    txtLongitude->setText(coordinateField(p.longitude));
    showError(lblLatitudeError, QString());
    showError(lblLongitudeError, QString());
}

bool frmLocation::checkField(QLineEdit* field, QLabel* error, Axis axis, double* value) {
    QString why;
    const std::optional<double> parsed = parseCoordinate(field->text(), axis, &why);
    showError(error, parsed ? QString() : why);
    // Screen readers hear the message with the field.
    field->setAccessibleDescription(parsed ? QString() : why);
    if (parsed) {
        *value = *parsed;
    }
    return parsed.has_value();
}

void frmLocation::accept() {
    // A search that found nothing leaves nothing to take: the fields still hold an earlier city.
    if (lblNoCity->isVisible()) {
        txtSearch->setFocus();
        txtSearch->selectAll();
        return;
    }
    if (!changed_) {
        QDialog::accept();
        return;
    }
    double lat = 0;
    double lon = 0;
    const bool latOk = checkField(txtLatitude, lblLatitudeError, Axis::Latitude, &lat);
    const bool lonOk = checkField(txtLongitude, lblLongitudeError, Axis::Longitude, &lon);
    if (!latOk || !lonOk) {
        (latOk ? txtLongitude : txtLatitude)->setFocus();
        (latOk ? txtLongitude : txtLatitude)->selectAll();
        return;
    }
    if (city_) {
        chosen_ = *city_;
    } else {
        chosen_ = Place{{}, {}, {}, lat, lon};
    }
    QDialog::accept();
}

Location currentLocation(Services& services) { return currentLocation(services.settings(), services.timeZone()); }

bool storeLocation(Services& services, const Place& place) {
    return services.storeSetting(QString::fromLatin1(kLocationKey), storedValue(place));
}

bool forgetLocation(Services& services) { return services.storeSetting(QString::fromLatin1(kLocationKey), QString()); }

frmLocation* chooseLocation(QWidget* parent, Services& services, const Location& current,
                            std::function<void(const Location&)> use) {
    auto* dialog = new frmLocation(current, defaultPlace(services.timeZone()), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, parent, &services, use = std::move(use)] {
        if (dialog->unchanged()) {
            return;
        }
        const std::optional<Place> chosen = dialog->chosenPlace();
        const bool stored = chosen ? storeLocation(services, *chosen) : forgetLocation(services);
        use(chosen ? Location{*chosen, true} : Location{defaultPlace(services.timeZone()), false});
        if (!stored) {
            services.information(parent,
                                 frmLocation::tr("The location is used now but could not be saved for next time."));
        }
    });
    dialog->open();
    return dialog;
}

} // namespace lunara
