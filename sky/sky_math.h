#pragma once

// Angles and the earth's orientation, shared by the sky's calculations (not part of its interface).

#include <cmath>

namespace lunara::sky::detail {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kRad = kPi / 180.0;
inline constexpr double kUnixEpochJd = 2440587.5;
inline constexpr double kJ2000 = 2451545.0;

inline double norm360(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}
inline double sinDeg(double degrees) { return std::sin(degrees * kRad); }
inline double cosDeg(double degrees) { return std::cos(degrees * kRad); }

// Nutation in longitude and in obliquity, degrees, for Julian centuries from J2000 (the short
// series, good to half an arc second).
struct Nutation {
    double longitude;
    double obliquity;
};
inline Nutation nutation(double t) {
    const double omega = 125.04452 - 1934.136261 * t;
    const double l = 280.4665 + 36000.7698 * t;
    const double lp = 218.3165 + 481267.8813 * t;
    return {(-17.20 * sinDeg(omega) - 1.32 * sinDeg(2 * l) - 0.23 * sinDeg(2 * lp) + 0.21 * sinDeg(2 * omega)) / 3600.0,
            (9.20 * cosDeg(omega) + 0.57 * cosDeg(2 * l) + 0.10 * cosDeg(2 * lp) - 0.09 * cosDeg(2 * omega)) / 3600.0};
}

// The mean obliquity of the ecliptic, degrees.
inline double meanObliquity(double t) {
    return 23.4392911111 + (-46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0;
}

} // namespace lunara::sky::detail
