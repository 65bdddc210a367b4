#pragma once

// The events a year is planned by: the sun's turning points (equinoxes, solstices and the
// cross-quarter points between them). Times are Unix seconds (UTC); an event exactly at `from`
// belongs to the range, one exactly at `to` does not. A range that runs backwards, or reaches past
// what the theories cover, throws std::invalid_argument.

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

} // namespace lunara::sky
