#pragma once

// The events a year is planned by: the sun's turning points (equinoxes, solstices and the
// cross-quarter points between them), the planets' stations and the moon's perigees and apogees.
// Times are Unix seconds (UTC); an event exactly at `from` belongs to the range, one exactly at `to`
// does not. A range that runs backwards, or reaches more than a lunation past 1901-2050 (for the
// stations: past kFirstStationsUnix..kLastStationsUnix), throws std::invalid_argument.

#include "sky/planets.h"
#include "sky/sky.h"

#include <cstdint>
#include <vector>

namespace lunara::sky {

// Every instant in [from, to) at which the sun's apparent geocentric longitude of date reaches a
// multiple of 45 degrees: 0 March equinox, 90 June solstice, 180 September equinox, 270 December
// solstice, and the cross-quarter points 45, 135, 225, 315. In time order.
struct SunTurning {
    int longitude;
    std::int64_t unixSeconds;
    bool operator==(const SunTurning&) const = default;
};
std::vector<SunTurning> SunTurningsBetween(std::int64_t fromUnix, std::int64_t toUnix);

// The stations of Mercury to Pluto in [from, to), in time order: the instant the planet's apparent
// geocentric longitude stops moving; retrograde true when it turns backwards, false when it turns
// direct again. They may be asked wherever the theories answer, short of a week at either end (the
// search looks a few days past its range): far enough past 1901-2050 to pair each of its stations
// with the other of its retrograde period.
inline constexpr std::int64_t kFirstStationsUnix = kFirstUnix + 7LL * 86400;
inline constexpr std::int64_t kLastStationsUnix = kLastUnix - 7LL * 86400;
struct Station {
    Planet planet;
    bool retrograde;
    std::int64_t unixSeconds;
    bool operator==(const Station&) const = default;
};
std::vector<Station> StationsBetween(std::int64_t fromUnix, std::int64_t toUnix);

// The moon's perigees and apogees in [from, to), in time order: its distance from the earth's
// centre is least or greatest.
struct LunarApsis {
    bool perigee;
    std::int64_t unixSeconds;
    double distanceKm;
};
std::vector<LunarApsis> LunarApsidesBetween(std::int64_t fromUnix, std::int64_t toUnix);

} // namespace lunara::sky
