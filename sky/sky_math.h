#pragma once

// Angles and the earth's orientation, shared by the sky's calculations (not part of its interface).

#include "sky/sky.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

// A direction in the plane, its cosine and sine: directions add by multiplying. The theories' series
// are sums of sines and cosines of small multiples of a few arguments; each term's are built from
// the arguments' own by the addition theorem, a few multiplications in place of a sine and a cosine
// per term (the sky's searches ask for the moon's place and for nutation at every step).
struct Turn {
    double c, s;
    Turn operator*(const Turn& o) const { return {c * o.c - s * o.s, s * o.c + c * o.s}; }
};
// The multiples -N to N of an angle in degrees, index k + N.
template <int N> std::array<Turn, 2 * N + 1> multiplesOf(double degrees) {
    std::array<Turn, 2 * N + 1> out{};
    const Turn one{cosDeg(degrees), sinDeg(degrees)};
    out[N] = {1, 0};
    for (int k = 1; k <= N; ++k) {
        out[N + k] = out[N + k - 1] * one;
        out[N - k] = {out[N + k].c, -out[N + k].s};
    }
    return out;
}

// Nutation in longitude and in obliquity, degrees, for Julian centuries from J2000: the thirteen
// largest terms of the IAU 1980 series, good to a few hundredths of an arc second (the four-term
// short series errs by up to half a second, some twelve seconds in the instant of an equinox).
struct Nutation {
    double longitude;
    double obliquity;
};
inline Nutation nutation(double t) {
    const double d = 297.85036 + 445267.111480 * t - 0.0019142 * t * t + t * t * t / 189474.0;
    const double m = 357.52772 + 35999.050340 * t - 0.0001603 * t * t - t * t * t / 300000.0;
    const double mp = 134.96298 + 477198.867398 * t + 0.0086972 * t * t + t * t * t / 56250.0;
    const double f = 93.27191 + 483202.017538 * t - 0.0036825 * t * t + t * t * t / 327270.0;
    const double om = 125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000.0;
    struct Term {
        int d, m, mp, f, om;
        double psi, psiT, eps, epsT; // 0.0001 arc second
    };
    constexpr std::array<Term, 13> kTerms{{
        {0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
        {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
        {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
        {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
        {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
        {0, 0, 1, 0, 0, 712, 0.1, -7, 0},
        {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
        {0, 0, 0, 2, 1, -386, -0.4, 200, 0},
        {0, 0, 1, 2, 2, -301, 0, 129, -0.1},
        {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
        {-2, 0, 1, 0, 0, -158, 0, 0, 0},
        {-2, 0, 0, 2, 1, 129, 0.1, -70, 0},
        {0, 0, -1, 2, 2, 123, 0, -53, 0},
    }};
    // Multiples -2 to 2 of each of the five arguments (see Turn).
    const std::array<std::array<Turn, 5>, 5> by{multiplesOf<2>(d), multiplesOf<2>(m), multiplesOf<2>(mp),
                                                multiplesOf<2>(f), multiplesOf<2>(om)};
    double psi = 0;
    double eps = 0;
    for (const Term& k : kTerms) {
        const Turn arg = by[0][k.d + 2] * by[1][k.m + 2] * by[2][k.mp + 2] * by[3][k.f + 2] * by[4][k.om + 2];
        psi += (k.psi + k.psiT * t) * arg.s;
        eps += (k.eps + k.epsT * t) * arg.c;
    }
    return {psi / 36000000.0, eps / 36000000.0};
}

// The mean obliquity of the ecliptic, degrees.
inline double meanObliquity(double t) {
    return 23.4392911111 + (-46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0;
}

// Refuses instants the theories do not cover, in the words of the function that was asked.
inline void requireCovered(const char* function, std::int64_t fromUnix, std::int64_t toUnix) {
    if (fromUnix < kFirstUnix || toUnix > kLastUnix || fromUnix > kLastUnix || toUnix < kFirstUnix) {
        throw std::invalid_argument(std::string(function) + ": instants must lie in 1885-2099");
    }
}
inline void requireCovered(const char* function, std::int64_t unixSeconds) {
    requireCovered(function, unixSeconds, unixSeconds);
}

// The year's events are checked against the references of 1901-2050 only: a range may reach a
// lunation past either end, and must run forwards.
inline void requireYearsShown(const char* function, std::int64_t fromUnix, std::int64_t toUnix) {
    if (fromUnix > toUnix) {
        throw std::invalid_argument(std::string(function) + ": the range runs backwards");
    }
    if (fromUnix < kFirstYearsUnix || toUnix > kLastYearsUnix) {
        throw std::invalid_argument(std::string(function) + ": the range must lie within 1901-2050");
    }
}

// The Julian Ephemeris Day of an instant given in Unix seconds, fractions of a second kept.
inline double julianEphemerisDay(double unixSeconds) {
    const double jd = unixSeconds / 86400.0 + kUnixEpochJd;
    return jd + DeltaT(2000.0 + (jd - 2451544.5) / 365.25) / 86400.0;
}

// The moon's apparent longitude at an instant in Unix seconds (fractions kept), degrees.
inline double moonLongitudeAt(double unixSeconds) { return MoonPosition(julianEphemerisDay(unixSeconds)).longitude; }

// A place that changes smoothly over the spacing of its nodes, from a cubic through four of them:
// a small fraction of an arc second for the moon six hours apart or a planet a day apart, at a
// fraction of the theory's cost, since the searches ask for many instants. T needs + and * double.
template <typename T> class CubicTrack {
public:
    // place(t) is asked for each node in time order.
    template <typename Place>
    CubicTrack(double fromUnix, double toUnix, double spacing, Place&& place)
        : spacing_(spacing), first_(std::floor(fromUnix / spacing) * spacing - spacing),
          nodes_(static_cast<std::size_t>(std::ceil((toUnix - first_) / spacing)) + 3) {
        for (std::size_t i = 0; i < nodes_.size(); ++i) {
            nodes_[i] = place(first_ + static_cast<double>(i) * spacing_);
        }
    }
    T at(double unixSeconds) const {
        const double x = (unixSeconds - first_) / spacing_;
        const auto i =
            std::clamp<std::size_t>(static_cast<std::size_t>(std::max(0.0, std::floor(x))), 1, nodes_.size() - 3);
        const double u = x - static_cast<double>(i);
        return nodes_[i - 1] * (-u * (u - 1) * (u - 2) / 6) + nodes_[i] * ((u + 1) * (u - 1) * (u - 2) / 2) +
               nodes_[i + 1] * (-(u + 1) * u * (u - 2) / 2) + nodes_[i + 2] * ((u + 1) * u * (u - 1) / 6);
    }

private:
    double spacing_;
    double first_;
    std::vector<T> nodes_;
};

// A function of time sampled at one instant (Unix seconds, fractional).
struct Sample {
    double t;
    double f;
};

// A root of f between a and b, which have opposite signs: regula falsi with the Illinois
// weighting, halving when it stalls, to a tenth of a second.
template <typename F> double rootBetween(Sample a, Sample b, const F& f) {
    int side = 0;
    for (int i = 0; i < 80 && b.t - a.t > 0.1; ++i) {
        double t = b.t - b.f * (b.t - a.t) / (b.f - a.f);
        if (!(t > a.t && t < b.t) || i % 8 == 7) {
            t = (a.t + b.t) / 2;
        }
        const Sample m{t, f(t)};
        if ((m.f < 0) == (a.f < 0)) {
            a = m;
            if (side == -1) {
                b.f /= 2;
            }
            side = -1;
        } else {
            b = m;
            if (side == 1) {
                a.f /= 2;
            }
            side = 1;
        }
    }
    return (a.t + b.t) / 2;
}

// The first whole second on the far side of a root near `root` (f >= 0 there when rising, below
// zero when not): an event's instant then does not depend on where its search began, so a range
// split at any second loses or doubles no event.
template <typename F> std::int64_t firstSecondPast(double root, bool rising, const F& f) {
    const auto past = [&](std::int64_t t) { return (f(static_cast<double>(t)) >= 0) == rising; };
    auto at = static_cast<std::int64_t>(std::ceil(root));
    for (int i = 0; i < 3 && !past(at); ++i) {
        ++at;
    }
    for (int i = 0; i < 3 && past(at - 1); ++i) {
        --at;
    }
    return at;
}

inline constexpr double kAuKm = 149597870.7;

// A place in km on the true equator and equinox of date: x to the equinox, z to the pole.
struct Vec {
    double x, y, z;
    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(const Vec& o) const { return x * o.x + y * o.y + z * o.z; }
    double length() const { return std::sqrt(dot(*this)); }
};

inline double julianCenturies(double jd) { return (jd - kJ2000) / 36525.0; }
inline double julianDay(double unixSeconds) { return unixSeconds / 86400.0 + kUnixEpochJd; }

// A place on the ecliptic of date, in km on the true equator and equinox of date.
inline Vec equatorialOfDate(double longitude, double latitude, double distanceKm, double jde) {
    const double t = julianCenturies(jde);
    const double obliquity = meanObliquity(t) + nutation(t).obliquity;
    const double cb = cosDeg(latitude);
    const double sb = sinDeg(latitude);
    const double sl = sinDeg(longitude);
    const double ce = cosDeg(obliquity);
    const double se = sinDeg(obliquity);
    return {distanceKm * cb * cosDeg(longitude), distanceKm * (cb * sl * ce - sb * se),
            distanceKm * (cb * sl * se + sb * ce)};
}

inline Vec sunAt(double unixSeconds) {
    const double jde = julianEphemerisDay(unixSeconds);
    const SunPlace sun = SunPosition(jde);
    return equatorialOfDate(sun.longitude, sun.latitude, sun.distanceAu * kAuKm, jde);
}

inline Vec moonAt(double unixSeconds) {
    const double jde = julianEphemerisDay(unixSeconds);
    const MoonPlace moon = MoonPosition(jde);
    return equatorialOfDate(moon.longitude, moon.latitude, moon.distanceKm, jde);
}

// The equation of the equinoxes (nutation in longitude on the equator), degrees: found at whole
// hours and followed in a straight line between them. It changes by a tenth of an arc second a day
// at the most, so the line is within a hundred-thousandth of one, and the horizon's and eclipses'
// searches, which ask for the sidereal time at every step, compute nutation once an hour of the
// range instead of at every step (a quarter of a year's events). The hours last found are kept per
// thread; the answer depends on the instant alone.
inline double equationOfEquinoxes(double unixSeconds) {
    constexpr double kHour = 3600.0;
    struct Kept {
        double hour = std::numeric_limits<double>::quiet_NaN();
        double value = 0;
    };
    thread_local std::array<Kept, 2> kept;
    const auto at = [](double hour) {
        const double t = julianCenturies(julianDay(hour * kHour));
        return nutation(t).longitude * cosDeg(meanObliquity(t));
    };
    const double hour = std::floor(unixSeconds / kHour);
    const auto value = [&](double h) {
        Kept& slot = kept[static_cast<std::size_t>(static_cast<std::int64_t>(h) & 1)];
        if (slot.hour != h) {
            slot = {h, at(h)};
        }
        return slot.value;
    };
    const double a = value(hour);
    const double b = value(hour + 1);
    return a + (b - a) * (unixSeconds / kHour - hour);
}

// Greenwich apparent sidereal time, degrees.
inline double siderealTime(double unixSeconds) {
    const double jd = julianDay(unixSeconds);
    const double t = julianCenturies(jd);
    const double mean = 280.46061837 + 360.98564736629 * (jd - kJ2000) + 0.000387933 * t * t - t * t * t / 38710000.0;
    return mean + equationOfEquinoxes(unixSeconds);
}

inline constexpr double kEarthRadiusKm = 6378.14;
inline constexpr double kEarthFlattening = 1 / 298.257;
inline constexpr double kSunRadiusKm = 696000.0;

// Degrees from -180 to 180.
inline double wrap180(double degrees) {
    const double d = norm360(degrees);
    return d > 180 ? d - 360 : d;
}

// A longitude asked in time order (degrees), made continuous by whole turns so that a cubic
// through its places never meets the jump from 360 back to 0.
template <typename F> auto unwrapped(F&& longitude) {
    return [longitude = std::forward<F>(longitude), previous = 0.0, first = true](double t) mutable {
        const double l = longitude(t);
        previous = first ? l : previous + wrap180(l - previous);
        first = false;
        return previous;
    };
}

// The highest (or lowest) point of f between a and b, by golden section to a second.
template <typename F> Sample extremumBetween(double a, double b, bool highest, const F& f) {
    constexpr double kGolden = 0.61803398874989485;
    const auto better = [highest](double x, double y) { return highest ? x > y : x < y; };
    Sample c{b - kGolden * (b - a), 0};
    Sample d{a + kGolden * (b - a), 0};
    c.f = f(c.t);
    d.f = f(d.t);
    while (b - a > 1.0) {
        if (better(c.f, d.f)) {
            b = d.t;
            d = c;
            c = {b - kGolden * (b - a), 0};
            c.f = f(c.t);
        } else {
            a = c.t;
            c = d;
            d = {a + kGolden * (b - a), 0};
            d.f = f(d.t);
        }
    }
    return better(c.f, d.f) ? c : d;
}

// A place at sea level on the flattened earth, in km on the true equator and equinox of date.
class SeaLevelSite {
public:
    // `function` names the caller in the error for a place that cannot be.
    SeaLevelSite(const char* function, double latitude, double longitude) : longitude_(longitude) {
        if (!std::isfinite(latitude) || !std::isfinite(longitude) || latitude < -90 || latitude > 90) {
            throw std::invalid_argument(std::string(function) + ": latitude must lie in -90..90");
        }
        sinLat_ = sinDeg(latitude);
        cosLat_ = cosDeg(latitude);
        const double u = std::atan2((1 - kEarthFlattening) * sinLat_, cosLat_);
        rhoSin_ = kEarthRadiusKm * (1 - kEarthFlattening) * std::sin(u);
        rhoCos_ = kEarthRadiusKm * std::cos(u);
    }
    // Where the place is, and which way is up there, at a Greenwich sidereal time (degrees).
    Vec position(double siderealDeg) const {
        const double lst = (siderealDeg + longitude_) * kRad;
        return {rhoCos_ * std::cos(lst), rhoCos_ * std::sin(lst), rhoSin_};
    }
    Vec up(double siderealDeg) const {
        const double lst = (siderealDeg + longitude_) * kRad;
        return {cosLat_ * std::cos(lst), cosLat_ * std::sin(lst), sinLat_};
    }
    // The altitude above the true horizon of a point seen from here, degrees.
    double altitude(const Vec& body, double siderealDeg) const {
        const Vec v = body - position(siderealDeg);
        return std::asin(std::clamp(up(siderealDeg).dot(v) / v.length(), -1.0, 1.0)) / kRad;
    }
    double cosLatitude() const { return cosLat_; }

private:
    double longitude_;
    double sinLat_ = 0, cosLat_ = 1, rhoSin_ = 0, rhoCos_ = 0;
};

} // namespace lunara::sky::detail
