#include "sky/eclipses.h"

#include "sky/sky.h"
#include "sky/sky_math.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace lunara::sky {

using namespace detail;

namespace {

constexpr double kMoonToEarthRadius = 0.2725076;
constexpr double kArcsec = 1.0 / 3600.0;
// The earth's atmosphere widens its shadow: the canons enlarge both shadows by a fiftieth.
constexpr double kShadowEnlargement = 1.02;

// The moon against the earth's shadow at an instant, degrees.
struct ShadowGeometry {
    double separation; // from the moon's centre to the shadow's axis
    double penumbra;   // the shadows' radii at the moon's distance
    double umbra;
    double moon; // the moon's semi-diameter
};

ShadowGeometry shadowAt(double unixSeconds) {
    const double jde = julianEphemerisDay(unixSeconds);
    const MoonPlace moon = MoonPosition(jde);
    const SunPlace sun = SunPosition(jde);
    // The shadow's axis points away from the sun.
    const double axisLon = sun.longitude + 180.0;
    const double axisLat = -sun.latitude;
    const double dLat = (moon.latitude - axisLat) * kRad;
    const double dLon = (moon.longitude - axisLon) * kRad;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) + std::cos(moon.latitude * kRad) *
                                                                   std::cos(axisLat * kRad) * std::sin(dLon / 2) *
                                                                   std::sin(dLon / 2);
    const double separation = 2 * std::asin(std::sqrt(std::min(1.0, h))) / kRad;
    const double moonParallax = std::asin(kEarthRadiusKm / moon.distanceKm) / kRad;
    const double sunParallax = 8.794 * kArcsec / sun.distanceAu;
    const double sunRadius = 959.63 * kArcsec / sun.distanceAu;
    const double moonRadius = std::asin(kMoonToEarthRadius * std::sin(moonParallax * kRad)) / kRad;
    // The earth's flattening narrows its shadow: its radius where the shadow is cut is taken as
    // 0.99834 of the equator's, as the canons do.
    const double earth = 0.99834 * moonParallax;
    return {separation, kShadowEnlargement * (earth + sunParallax + sunRadius),
            kShadowEnlargement * (earth + sunParallax - sunRadius), moonRadius};
}

// Greatest eclipse lies within a few hours of the full (or new) moon.
constexpr double kHalfWindow = 4 * 3600.0;

// The instants either side of `peak` where an edge is met: f (negative at the peak, where the limb
// lies inside the edge) is followed outward in steps until it is no longer negative, at most
// `reach` away, and its root in that bracket is taken to the second.
template <typename F>
void contactsAround(double peak, double reach, double step, const F& f, std::int64_t& before, std::int64_t& after) {
    const double atPeak = f(peak);
    double a = peak;
    while (f(a) < 0 && a > peak - reach) {
        a -= step;
    }
    double b = peak;
    while (f(b) < 0 && b < peak + reach) {
        b += step;
    }
    before = static_cast<std::int64_t>(std::llround(rootBetween({a, f(a)}, {peak, atPeak}, f)));
    after = static_cast<std::int64_t>(std::llround(rootBetween({peak, atPeak}, {b, f(b)}, f)));
}

// The full (or new) moons a day either side of [from, to) near enough a node for an eclipse: far
// from one the moon passes more than a shadow's width above or below the axis.
std::vector<double> syzygiesNearANode(std::int64_t fromUnix, std::int64_t toUnix, Quarter quarter) {
    std::vector<double> out;
    for (const PhaseEvent& e : PhaseEventsBetween(fromUnix - 86400, toUnix + 86400)) {
        const auto t = static_cast<double>(e.unixSeconds);
        if (e.quarter == quarter && std::abs(MoonPosition(julianEphemerisDay(t)).latitude) <= 1.8) {
            out.push_back(t);
        }
    }
    return out;
}

} // namespace

std::vector<LunarEclipse> LunarEclipsesBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    requireYearsShown("LunarEclipsesBetween", fromUnix, toUnix);
    std::vector<LunarEclipse> out;
    for (const double t0 : syzygiesNearANode(fromUnix, toUnix, Quarter::Full)) {
        const double tg = extremumBetween(t0 - kHalfWindow, t0 + kHalfWindow, false, [](double t) {
                              return shadowAt(t).separation;
                          }).t;
        const auto greatest = static_cast<std::int64_t>(std::llround(tg));
        if (greatest < fromUnix || greatest >= toUnix) {
            continue;
        }
        const ShadowGeometry g = shadowAt(tg);
        const double penumbral = (g.penumbra + g.moon - g.separation) / (2 * g.moon);
        const double umbral = (g.umbra + g.moon - g.separation) / (2 * g.moon);
        if (penumbral <= 0) {
            continue;
        }
        LunarEclipse e{
            greatest,  umbral >= 1 ? EclipseKind::Total : umbral > 0 ? EclipseKind::Partial : EclipseKind::Penumbral,
            penumbral, umbral,
            0,         0,
            0,         0,
            0,         0};
        // The instants the moon's limb meets a shadow's edge, either side of greatest eclipse: every
        // phase lies within the window, which brackets its contacts at once.
        const auto contacts = [&](auto radius, std::int64_t& before, std::int64_t& after) {
            const auto f = [&radius](double t) {
                const ShadowGeometry s = shadowAt(t);
                return s.separation - radius(s);
            };
            contactsAround(tg, kHalfWindow, kHalfWindow, f, before, after);
        };
        contacts([](const ShadowGeometry& s) { return s.penumbra + s.moon; }, e.penumbralStart, e.penumbralEnd);
        if (umbral > 0) {
            contacts([](const ShadowGeometry& s) { return s.umbra + s.moon; }, e.partialStart, e.partialEnd);
        }
        if (umbral >= 1) {
            contacts([](const ShadowGeometry& s) { return s.umbra - s.moon; }, e.totalStart, e.totalEnd);
        }
        out.push_back(e);
    }
    return out;
}

namespace {

constexpr double kSunRadiusEarths = kSunRadiusKm / kEarthRadiusKm;
// The moon's radius for the penumbra, and the smaller one (its mean limb, short of the mountains)
// that the canons take for the umbra.
constexpr double kMoonPenumbral = 0.2725076;
constexpr double kMoonUmbral = 0.272281;

// The moon's shadow against the earth at an instant, in earth radii on the fundamental plane
// (through the earth's centre, square to the shadow's axis).
struct ShadowAxis {
    Vec onPlane;      // where the axis crosses the plane
    Vec direction;    // along the axis, from the sun past the moon
    double gamma;     // the axis's distance from the earth's centre
    double moonAbove; // the moon's distance above the plane
    double tanF1, tanF2, sec1, sec2;
    // The radii of the penumbra and of the umbra (negative: the antumbra, beyond the umbra's
    // vertex) at a height above the plane.
    double penumbra(double height) const { return kMoonPenumbral * sec1 + (moonAbove - height) * tanF1; }
    double umbra(double height) const { return kMoonUmbral * sec2 - (moonAbove - height) * tanF2; }
    // The magnitude seen at a height above the plane and a distance from the axis.
    double magnitude(double height, double offAxis) const {
        return (penumbra(height) - offAxis) / (penumbra(height) - umbra(height));
    }
};

ShadowAxis axisAt(double unixSeconds) {
    const Vec sun = sunAt(unixSeconds) * (1 / kEarthRadiusKm);
    const Vec moon = moonAt(unixSeconds) * (1 / kEarthRadiusKm);
    const Vec sunToMoon = moon - sun;
    const double apart = sunToMoon.length();
    const Vec d = sunToMoon * (1 / apart);
    const double along = moon.dot(d); // negative: the moon lies before the earth
    const Vec onPlane = moon - d * along;
    const double sinF1 = (kSunRadiusEarths + kMoonPenumbral) / apart;
    const double sinF2 = (kSunRadiusEarths - kMoonUmbral) / apart;
    const double cosF1 = std::sqrt(1 - sinF1 * sinF1);
    const double cosF2 = std::sqrt(1 - sinF2 * sinF2);
    return {onPlane, d, onPlane.length(), -along, sinF1 / cosF1, sinF2 / cosF2, 1 / cosF1, 1 / cosF2};
}

// Geodetic latitude and east longitude of a point on the earth (earth radii, equator of date).
std::pair<double, double> geographic(const Vec& p, double unixSeconds) {
    const double geocentric = std::atan2(p.z, std::sqrt(p.x * p.x + p.y * p.y));
    const double latitude = std::atan(std::tan(geocentric) / ((1 - kEarthFlattening) * (1 - kEarthFlattening))) / kRad;
    double longitude = norm360(std::atan2(p.y, p.x) / kRad - siderealTime(unixSeconds));
    longitude = longitude > 180 ? longitude - 360 : longitude;
    return {latitude, longitude};
}

} // namespace

std::vector<SolarEclipse> SolarEclipsesBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    requireYearsShown("SolarEclipsesBetween", fromUnix, toUnix);
    std::vector<SolarEclipse> out;
    for (const double t0 : syzygiesNearANode(fromUnix, toUnix, Quarter::New)) {
        const double tg =
            extremumBetween(t0 - kHalfWindow, t0 + kHalfWindow, false, [](double t) { return axisAt(t).gamma; }).t;
        const auto greatest = static_cast<std::int64_t>(std::llround(tg));
        if (greatest < fromUnix || greatest >= toUnix) {
            continue;
        }
        const ShadowAxis a = axisAt(tg);
        SolarEclipse e{greatest, EclipseKind::Partial, 0, 0, 0};
        // The flattened earth seen along the axis is an ellipse, narrower toward the poles: its
        // radius in the direction of the axis's crossing.
        const Vec north{0, 0, 1};
        const double sinD = north.dot(a.direction);
        const double rho = std::sqrt(1 - kEarthFlattening * (2 - kEarthFlattening) * (1 - sinD * sinD));
        const double northward = a.gamma > 0 ? (a.onPlane.dot(north)) / std::sqrt(1 - sinD * sinD) / a.gamma : 0;
        const double outline = 1 / std::sqrt(1 + northward * northward * (1 / (rho * rho) - 1));
        Vec place;
        if (a.gamma < outline) {
            // Central: seen where the axis meets the earth, on the side of the moon.
            const double height = outline * std::sqrt(1 - (a.gamma / outline) * (a.gamma / outline));
            place = a.onPlane - a.direction * height;
            const bool totalHere = a.umbra(height) > 0;
            const bool totalAtTheEnds = a.umbra(0) > 0;
            e.kind = totalHere == totalAtTheEnds ? (totalHere ? EclipseKind::Total : EclipseKind::Annular)
                                                 : EclipseKind::Hybrid;
            // The moon's apparent diameter over the sun's.
            e.magnitude = (a.penumbra(height) + a.umbra(height)) / (a.penumbra(height) - a.umbra(height));
        } else {
            // Not central: greatest where the earth's limb comes nearest the axis.
            if (a.gamma - outline >= a.penumbra(0)) {
                continue; // the penumbra passes beside the earth
            }
            place = a.onPlane * (outline / a.gamma);
            e.magnitude = a.magnitude(0, a.gamma - outline);
            if (a.gamma < outline + std::abs(a.umbra(0))) {
                e.kind = a.umbra(0) > 0 ? EclipseKind::Total : EclipseKind::Annular;
            }
        }
        std::tie(e.latitudeDeg, e.longitudeDeg) = geographic(place, tg);
        out.push_back(e);
    }
    return out;
}

namespace {

// The sun and the moon seen from a place at sea level: their separation and apparent radii, and
// the sun's altitude, degrees.
struct SeenFrom {
    double separation, sunRadius, moonRadius, sunAltitude;
};

class Observer {
public:
    Observer(double latitude, double longitude) : site_("SolarEclipseSeenFrom", latitude, longitude) {}
    SeenFrom at(double unixSeconds) const {
        const double sidereal = siderealTime(unixSeconds);
        const Vec here = site_.position(sidereal);
        const Vec sunPlace = sunAt(unixSeconds);
        const Vec sun = sunPlace - here;
        const Vec moon = moonAt(unixSeconds) - here;
        const double ds = sun.length();
        const double dm = moon.length();
        const double cosSep = std::clamp(sun.dot(moon) / (ds * dm), -1.0, 1.0);
        return {std::acos(cosSep) / kRad, std::asin(kSunRadiusKm / ds) / kRad,
                std::asin(kMoonPenumbral * kEarthRadiusKm / dm) / kRad, site_.altitude(sunPlace, sidereal)};
    }

private:
    SeaLevelSite site_;
};

} // namespace

std::optional<SolarEclipseHere> SolarEclipseSeenFrom(const SolarEclipse& eclipse, double latitudeDeg,
                                                     double longitudeDeg) {
    const Observer observer(latitudeDeg, longitudeDeg);
    const auto g = static_cast<double>(eclipse.greatest);
    // The shadow crosses the earth in under five hours either side of greatest eclipse: the
    // separation's least value in that time, found coarsely every quarter of an hour, then exactly.
    // The moon moves against the sun by half a degree an hour, the place's parallax changes by at
    // most a quarter of that: the separation falls and then rises only once in that time, so a
    // coarse step only has to bracket its least value (and the contacts, found walking out from it).
    constexpr double kReach = 5 * 3600.0;
    constexpr double kStep = 900.0;
    const auto separation = [&observer](double t) { return observer.at(t).separation; };
    double best = g - kReach;
    double least = separation(best);
    for (int step = 1; step <= static_cast<int>(2 * kReach / kStep); ++step) {
        const double t = g - kReach + step * kStep;
        const double s = separation(t);
        if (s < least) {
            least = s;
            best = t;
        }
    }
    const double peak = extremumBetween(best - kStep, best + kStep, false, separation).t;
    const SeenFrom p = observer.at(peak);
    if (p.separation >= p.sunRadius + p.moonRadius) {
        return std::nullopt;
    }
    SolarEclipseHere here{EclipseKind::Partial,
                          0,
                          static_cast<std::int64_t>(std::llround(peak)),
                          0,
                          0,
                          0,
                          (p.sunRadius + p.moonRadius - p.separation) / (2 * p.sunRadius),
                          p.sunAltitude};
    // The instants the limbs touch (outer contacts) and the moon lies wholly on or in the sun.
    const auto contacts = [&](auto edge, std::int64_t& before, std::int64_t& after) {
        const auto f = [&observer, &edge](double t) {
            const SeenFrom s = observer.at(t);
            return s.separation - edge(s);
        };
        contactsAround(peak, kReach, kStep, f, before, after);
    };
    contacts([](const SeenFrom& s) { return s.sunRadius + s.moonRadius; }, here.partialStart, here.partialEnd);
    if (p.separation < std::abs(p.moonRadius - p.sunRadius)) {
        here.kind = p.moonRadius > p.sunRadius ? EclipseKind::Total : EclipseKind::Annular;
        contacts([](const SeenFrom& s) { return std::abs(s.moonRadius - s.sunRadius); }, here.centralStart,
                 here.centralEnd);
    }
    return here;
}

} // namespace lunara::sky
