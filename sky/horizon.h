#pragma once

// The rising and setting of the sun and the moon at a place, by the almanacs' convention: the
// upper limb touches a sea-level horizon lowered 34' by refraction. The moon is seen from the
// place, not from the earth's centre: its parallax and size come from its distance at the instant.

#include <cstdint>
#include <vector>

namespace lunara::sky {

enum class Body { Sun, Moon };
struct HorizonCrossing {
    bool rising;              // true: rises, false: sets
    std::int64_t unixSeconds; // the instant, UTC
    bool operator==(const HorizonCrossing&) const = default;
};

// Every rising and setting of the body in [from, to), in time order, seen from sea level at the
// place (latitude north positive, longitude east positive, degrees). Throws std::invalid_argument
// for a latitude outside -90..90 or a coordinate that is not a number.
std::vector<HorizonCrossing> RisingsAndSettingsBetween(Body body, double latitudeDeg, double longitudeDeg,
                                                       std::int64_t fromUnix, std::int64_t toUnix);

// The altitude of the body's upper limb above the true horizon, without refraction, degrees: the
// body rises or sets where it passes kHorizonAltitude.
double UpperLimbAltitude(Body body, double latitudeDeg, double longitudeDeg, std::int64_t unixSeconds);
inline constexpr double kHorizonAltitude = -34.0 / 60.0;

} // namespace lunara::sky
