#include "sky/horizon.h"

#include "sky/sky.h"
#include "sky/sky_math.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace lunara::sky {

using namespace detail;

namespace {

constexpr double kMoonRadiusKm = 1737.4;

// The observer at sea level on the flattened earth, and the upper limb's altitude seen from there.
class Site : public SeaLevelSite {
public:
    Site(double latitude, double longitude) : SeaLevelSite("RisingsAndSettingsBetween", latitude, longitude) {}
    double limbAltitude(const Vec& body, double radiusKm, double siderealDeg) const {
        const double d = (body - position(siderealDeg)).length();
        return altitude(body, siderealDeg) + std::asin(radiusKm / d) / kRad;
    }
    // The fastest the limb's altitude can change, degrees a second: the earth's turn (a little
    // more for the moon seen from the surface) times the cosine of the latitude, plus the most the
    // moon's declination and parallax add.
    double fastestRate() const { return (15.7 * cosLatitude() + 0.6) / 3600.0; }
};

} // namespace

double UpperLimbAltitude(Body body, double latitudeDeg, double longitudeDeg, std::int64_t unixSeconds) {
    requireCovered("UpperLimbAltitude", unixSeconds);
    const Site site(latitudeDeg, longitudeDeg);
    const auto t = static_cast<double>(unixSeconds);
    return body == Body::Sun ? site.limbAltitude(sunAt(t), kSunRadiusKm, siderealTime(t))
                             : site.limbAltitude(moonAt(t), kMoonRadiusKm, siderealTime(t));
}

std::vector<HorizonCrossing> RisingsAndSettingsBetween(Body body, double latitudeDeg, double longitudeDeg,
                                                       std::int64_t fromUnix, std::int64_t toUnix) {
    const Site site(latitudeDeg, longitudeDeg);
    requireCovered("RisingsAndSettingsBetween", fromUnix, toUnix);
    std::vector<HorizonCrossing> out;
    if (toUnix <= fromUnix) {
        return out;
    }
    // A minute either side, so an event whose rounded second is the first or last of the range is seen.
    const double start = static_cast<double>(fromUnix) - 60;
    const double end = static_cast<double>(toUnix) + 60;
    const bool moon = body == Body::Moon;
    // Places six hours apart for the moon, a day for the sun (whose place a cubic through days
    // follows to a thousandth of an arc second, a hundred-thousandth of a second of its rising).
    const CubicTrack<Vec> track(start, end, moon ? 6 * 3600.0 : 86400.0, moon ? moonAt : sunAt);
    const double radius = moon ? kMoonRadiusKm : kSunRadiusKm;
    const auto f = [&](double t) { return site.limbAltitude(track.at(t), radius, siderealTime(t)) - kHorizonAltitude; };
    // An event's instant is the first whole second on the new side of the horizon, so it does
    // not depend on where the search started and a range split at any second loses or doubles none.
    const auto add = [&](Sample a, Sample b) {
        const bool rising = a.f < 0;
        const std::int64_t at = firstSecondPast(rootBetween(a, b, f), rising, f);
        if (at >= fromUnix && at < toUnix) {
            out.push_back({rising, at});
        }
    };

    // Step by as far as the limb cannot reach the horizon in: long strides far from it, ten
    // minutes near it. A crossing shows as a change of sign between two samples; two crossings
    // between samples (a limb that just clears or just dips below the horizon) show as a sample
    // nearer the horizon than both its neighbours, whose true extreme is then sought.
    constexpr double kShortest = 600;
    constexpr double kLongest = 6 * 3600;
    const double rate = site.fastestRate();
    std::optional<Sample> before;
    Sample here{start, f(start)};
    while (here.t < end) {
        const double step = std::clamp(std::abs(here.f) / rate, kShortest, kLongest);
        const double t = std::min(here.t + step, end);
        const Sample next{t, f(t)};
        const bool below = here.f < 0;
        if (below != (next.f < 0)) {
            add(here, next);
        } else if (before && (before->f < 0) == below) {
            const bool towards =
                below ? here.f > before->f && here.f >= next.f : here.f < before->f && here.f <= next.f;
            if (towards && std::abs(here.f) < rate * (next.t - before->t)) {
                const Sample peak = extremumBetween(before->t, next.t, below, f);
                if ((peak.f < 0) != below) {
                    add(*before, peak);
                    add(peak, next);
                }
            }
        }
        before = here;
        here = next;
    }
    std::sort(out.begin(), out.end(),
              [](const HorizonCrossing& a, const HorizonCrossing& b) { return a.unixSeconds < b.unixSeconds; });
    return out;
}

} // namespace lunara::sky
