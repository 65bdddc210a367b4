#pragma once

// Where and in which clocks a command looks at the sky: the place given on the command line, else
// the one the windows use (the stored choice, or the city of the zone), the hemisphere and planets
// given or stored, and the zone the times and dates are in.

#include "cli/request.h"
#include "place/location.h"

#include <QJsonObject>
#include <QSettings>
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <optional>

namespace lunara::cli {

struct Where {
    Place place;
    bool chosen = false; // given or stored, not the zone's city by default
    QTimeZone zone;
    bool southern = false;
    bool modern = false;
};

// The place given (a city the request found, or coordinates), else the one the windows use.
Where resolveWhere(const Request& request, const QSettings& settings);

// A zone city by its name ("Lisbon", "zurich", "São Paulo, Brazil") or its zone ("Europe/Lisbon"), or by
// the only city whose name contains the text; nothing, with the reason in `error`, for none or many.
std::optional<Place> findCity(const QString& name, QString* error);

// An instant in ISO 8601 with the zone's offset, to the second: "2026-12-24T02:28:46+01:00". A zone
// whose offset has seconds of its own (the local mean time some zones kept early on) is written in UTC.
QString isoTime(std::int64_t unixSeconds, const QTimeZone& zone);

// The schema's "place", "zone", "hemisphere" and "planets" of a document.
void addWhere(QJsonObject& document, const Where& where);

// The JSON schema's version, in every document as "version".
inline constexpr int kJsonVersion = 1;

} // namespace lunara::cli
