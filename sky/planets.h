#pragma once

// The planets' places, the moon's aspects to them and its void-of-course periods, and the
// planetary hours of a day. Planets from the VSOP87 series (Pluto from its own periodic series,
// 1885-2099), the sun and the moon from sky.h; times are Unix seconds (UTC).

#include <cstdint>
#include <string_view>
#include <vector>

namespace lunara::sky {

enum class Planet { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };
// "Sun", "Moon", "Mercury", ...
std::string_view PlanetName(Planet planet);

// Apparent geocentric ecliptic longitude of date, degrees [0, 360): light time, aberration and
// nutation included.
double ApparentLongitude(Planet planet, std::int64_t unixSeconds);

// An exact major aspect of the moon to a planet: the moon's longitude less the planet's is one of
// 0, 60, 90, 120, 180, 240, 270 or 300 degrees; angle is the aspect (0, 60, 90, 120 or 180).
struct MoonAspect {
    Planet planet;
    int angle;
    std::int64_t unixSeconds;
    bool operator==(const MoonAspect&) const = default;
};
// Every aspect in [from, to), in time order: to the Sun, Mercury, Venus, Mars, Jupiter and
// Saturn, and when modern is true also to Uranus, Neptune and Pluto.
std::vector<MoonAspect> MoonAspectsBetween(std::int64_t fromUnix, std::int64_t toUnix, bool modern);

struct VoidOfCourse {
    std::int64_t start; // the moon's last exact major aspect before it leaves its sign
    std::int64_t end;   // the moon enters the next sign
    bool operator==(const VoidOfCourse&) const = default;
};
// The void-of-course periods that overlap [from, to), in time order. A moon that makes no aspect
// in a sign is void from its ingress.
std::vector<VoidOfCourse> VoidOfCourseBetween(std::int64_t fromUnix, std::int64_t toUnix, bool modern);

// One planetary hour: a twelfth of the daylight (sunrise to sunset) or of the night (sunset to
// the next sunrise), ruled by a planet.
struct PlanetaryHour {
    Planet planet;
    std::int64_t start;
    std::int64_t end;
    bool night;
    bool operator==(const PlanetaryHour&) const = default;
};
// The ruler of a weekday's first hour (1 Monday .. 7 Sunday): Moon, Mars, Mercury, Jupiter,
// Venus, Saturn, Sun; throws std::invalid_argument for any other number.
Planet DayRuler(int weekday);
// The 24 hours of the planetary day that starts at the first sunrise in [dayStart, dayEnd) (a
// local date's bounds) and runs to the next sunrise, at the place; weekday is the date's (1 Monday
// .. 7 Sunday). Empty when the sun does not rise that date, or does not set or rise again within
// a day of it (polar day and night).
std::vector<PlanetaryHour> PlanetaryHoursOf(int weekday, double latitudeDeg, double longitudeDeg, std::int64_t dayStart,
                                            std::int64_t dayEnd);

} // namespace lunara::sky
