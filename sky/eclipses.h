#pragma once

// Eclipses of the moon (when the earth's shadow falls on it, how deep, and the instants of its
// phases) and of the sun (when and where the moon's shadow falls on the earth, and of what kind).
// Times are Unix seconds (UTC); an eclipse belongs to the range its greatest eclipse falls in. A
// range that runs backwards, or reaches more than a lunation past 1901-2050, throws
// std::invalid_argument.

#include <cstdint>
#include <optional>
#include <vector>

namespace lunara::sky {

enum class EclipseKind { Penumbral, Partial, Annular, Total, Hybrid };

// Lunar eclipses whose greatest eclipse falls in [from, to). Contacts are 0 where the phase does
// not happen. The earth's shadow is enlarged by a fiftieth for its atmosphere, as the canons do.
struct LunarEclipse {
    std::int64_t greatest; // the moon passes closest to the axis of the earth's shadow
    EclipseKind kind;      // Penumbral, Partial or Total
    double penumbralMagnitude;
    double umbralMagnitude;                    // negative for a penumbral eclipse
    std::int64_t penumbralStart, penumbralEnd; // P1, P4
    std::int64_t partialStart, partialEnd;     // U1, U4
    std::int64_t totalStart, totalEnd;         // U2, U3
};
std::vector<LunarEclipse> LunarEclipsesBetween(std::int64_t fromUnix, std::int64_t toUnix);

// Solar eclipses whose greatest eclipse falls in [from, to).
struct SolarEclipse {
    std::int64_t greatest; // the axis of the moon's shadow passes closest to the earth's centre
    EclipseKind kind;      // Partial, Annular, Total or Hybrid
    double magnitude;      // at greatest eclipse (for central eclipses the moon/sun diameter ratio)
    double latitudeDeg;    // where greatest eclipse is seen
    double longitudeDeg;   // east positive
};
std::vector<SolarEclipse> SolarEclipsesBetween(std::int64_t fromUnix, std::int64_t toUnix);

// A solar eclipse as seen from a place at sea level (whether or not the sun is above the horizon
// there); nothing when the moon does not cover the sun there.
struct SolarEclipseHere {
    EclipseKind kind; // Partial, Annular or Total at the place
    std::int64_t partialStart, peak, partialEnd;
    std::int64_t centralStart, centralEnd; // 0 unless annular or total at the place
    double magnitude;                      // fraction of the sun's diameter covered at the peak
    double sunAltitudeAtPeak;              // degrees, negative when below the horizon
};
std::optional<SolarEclipseHere> SolarEclipseSeenFrom(const SolarEclipse& eclipse, double latitudeDeg,
                                                     double longitudeDeg);

} // namespace lunara::sky
