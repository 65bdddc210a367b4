#pragma once

#include "place/location.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lunara {

// Choosing where the user is: a city from a list that narrows as one types, or latitude and
// longitude typed in. Bad coordinates get a message beside their field and the dialog stays open;
// Esc changes nothing. The caller stores what was chosen.
class frmLocation : public QDialog {
    Q_OBJECT
public:
    frmLocation(const Location& current, const Place& fallback, QWidget* parent = nullptr);

    // After OK: the place chosen, or nothing when the default was asked for.
    std::optional<Place> chosenPlace() const { return chosen_; }
    // After OK: true when the user changed nothing, so nothing is to be stored (a default place
    // stays "no choice" and keeps following the time zone).
    bool unchanged() const { return !changed_; }
    // The number of cities the list shows now.
    int shownCities() const;

    QLabel* lblSearch;
    QLineEdit* txtSearch;
    QListWidget* lstCities;
    QLabel* lblLatitude;
    QLineEdit* txtLatitude;
    QLabel* lblLatitudeError;
    QLabel* lblLongitude;
    QLineEdit* txtLongitude;
    QLabel* lblLongitudeError;
    QLabel* lblNoCity;
    QLabel* lblHint;
    QLabel* lblDefault;
    QPushButton* cmdDefault;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void filter(const QString& text);
    void cityChosen();
    void accept() override;
    bool checkField(QLineEdit* field, QLabel* error, Axis axis, double* value);

    std::optional<Place> city_; // the city the fields were filled from
    std::optional<Place> chosen_;
    bool changed_ = false;
};

class Services;

// The place in use: the stored choice, or the default of the services' time zone (worked out only
// when needed) when there is none or it is damaged.
Location currentLocation(Services& services);
// Stores the choice (false: the store could not be written). forgetLocation goes back to the default.
bool storeLocation(Services& services, const Place& place);
bool forgetLocation(Services& services);

// Opens the dialog window-modal over `parent`; when the user chooses, the choice is stored (the
// user is told if it could not be) and `use` gets the location now in force.
frmLocation* chooseLocation(QWidget* parent, Services& services, const Location& current,
                            std::function<void(const Location&)> use);

} // namespace lunara
