#pragma once

// Where the user is (Qt Core only): the cities of the time-zone database (each zone's principal city, shipped as a
// resource since not every system has the table), the default place that needs no question (the
// city of the system's time zone), typed coordinates, and the one stored setting that keeps a choice.

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <optional>
#include <vector>

class QSettings;

namespace lunara {

struct Place {
    QString city;         // "Berlin"; empty for coordinates typed in
    QString country;      // "Germany"
    QString zoneId;       // "Europe/Berlin"; empty for coordinates typed in
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    bool operator==(const Place&) const = default;
};

// Every city of the table, in the table's order (by country code).
const std::vector<Place>& zoneCities();
// The city of a time-zone id, if the table has it.
std::optional<Place> zoneCity(const QString& zoneId);

// The place used until the user chooses one: the city of the zone; for a zone the table knows
// under another name, the city whose zone has kept the same clocks longest; for UTC, Greenwich;
// for another fixed offset, the equator on its meridian.
Place defaultPlace(const QTimeZone& zone);

// The place in use: the stored choice, or the default when there is none or it is damaged.
struct Location {
    Place place;
    bool chosen = false; // false: the time zone's default
};
// The per-user setting that keeps a choice: "latitude;longitude;zone" in one value.
inline constexpr const char* kLocationKey = "Location";
// The place a stored value names; nothing for a value that is damaged or empty.
std::optional<Place> storedPlace(const QString& value);
// The value that keeps a place.
QString storedValue(const Place& place);
// The place in use: the stored choice, or the default of the zone (worked out only when needed)
// when there is none or it is damaged.
Location currentLocation(const QSettings& settings, const QTimeZone& zone);

// A text as a search compares it: without accents and case ("Zürich" finds "Zurich").
QString searchKey(const QString& text);

// A latitude or longitude as typed: decimal degrees with a sign ("-33.87") or a letter ("33.87 S"),
// or degrees, minutes and seconds ("51°28′40″N", "51 28 N"). On failure, error says why.
enum class Axis { Latitude, Longitude };
std::optional<double> parseCoordinate(const QString& text, Axis axis, QString* error = nullptr);

// "52.52° N, 13.41° E"
QString coordinatesText(double latitude, double longitude);
// "Berlin, 52.52° N, 13.41° E", or just the coordinates for a place typed in.
QString placeText(const Place& place);
// "Berlin", or the coordinates for a place typed in: what "seen from ..." names.
QString placeName(const Place& place);
// One coordinate as the fields show it: "52.52" / "-13.41".
QString coordinateField(double degrees);

} // namespace lunara
