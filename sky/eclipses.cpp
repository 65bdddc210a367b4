#include "sky/eclipses.h"

#include "sky/sky.h"
#include "sky/sky_math.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace lunara::sky {

using namespace detail;

namespace {

constexpr double kEarthRadiusKm = 6378.14;
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
    return {separation, kShadowEnlargement * (moonParallax + sunParallax + sunRadius),
            kShadowEnlargement * (moonParallax + sunParallax - sunRadius), moonRadius};
}

// The instant of least f in [a, b] (f has one minimum there), to half a second: golden section.
template <typename F> double minimumBetween(double a, double b, const F& f) {
    constexpr double kGolden = 0.6180339887498949;
    double c = b - kGolden * (b - a);
    double d = a + kGolden * (b - a);
    double fc = f(c);
    double fd = f(d);
    while (b - a > 0.5) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - kGolden * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + kGolden * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2;
}

} // namespace

std::vector<LunarEclipse> LunarEclipsesBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    if (fromUnix > toUnix) {
        throw std::invalid_argument("LunarEclipsesBetween: the range runs backwards");
    }
    requireCovered("LunarEclipsesBetween", fromUnix, toUnix);
    std::vector<LunarEclipse> out;
    // Greatest eclipse lies within a few hours of the full moon: look a day beyond either end.
    constexpr double kHalfWindow = 4 * 3600.0;
    for (const PhaseEvent& full : PhaseEventsBetween(fromUnix - 86400, toUnix + 86400)) {
        if (full.quarter != Quarter::Full) {
            continue;
        }
        const auto t0 = static_cast<double>(full.unixSeconds);
        // Far from a node the moon passes more than a shadow's width above or below it.
        if (std::abs(MoonPosition(julianEphemerisDay(t0)).latitude) > 1.8) {
            continue;
        }
        const double tg =
            minimumBetween(t0 - kHalfWindow, t0 + kHalfWindow, [](double t) { return shadowAt(t).separation; });
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
        // The instants the moon's limb meets a shadow's edge, either side of greatest eclipse.
        const auto contacts = [&](auto radius, std::int64_t& before, std::int64_t& after) {
            const auto f = [&radius](double t) {
                const ShadowGeometry s = shadowAt(t);
                return s.separation - radius(s);
            };
            before = static_cast<std::int64_t>(
                std::llround(rootBetween({tg - kHalfWindow, f(tg - kHalfWindow)}, {tg, f(tg)}, f)));
            after = static_cast<std::int64_t>(
                std::llround(rootBetween({tg, f(tg)}, {tg + kHalfWindow, f(tg + kHalfWindow)}, f)));
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

} // namespace lunara::sky
