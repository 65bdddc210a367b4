#include "sky/year.h"

#include "sky/sky.h"
#include "sky/sky_math.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace lunara::sky {

using namespace detail;

std::vector<SunTurning> SunTurningsBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    requireYearsShown("SunTurningsBetween", fromUnix, toUnix);
    std::vector<SunTurning> out;
    // The sun moves about a degree a day: in four days it passes at most one multiple of 45.
    constexpr std::int64_t kStep = 4LL * 86400;
    const auto longitude = [](double t) { return SunPosition(julianEphemerisDay(t)).longitude; };
    // From the second before the range: a turning point at its very start is one of its own.
    std::int64_t a = fromUnix - 1;
    double la = longitude(static_cast<double>(a));
    while (a < toUnix) {
        const std::int64_t b = std::min(a + kStep, toUnix);
        const double lb = longitude(static_cast<double>(b));
        const double gained = norm360(lb - la);
        const int target = (static_cast<int>(std::floor(la / 45.0)) + 1) % 8 * 45;
        const double ahead = norm360(target - la);
        if (ahead > 0 && ahead <= gained) {
            const auto f = [&](double t) { return wrap180(longitude(t) - target); };
            const Sample sa{static_cast<double>(a), -ahead};
            const Sample sb{static_cast<double>(b), gained - ahead};
            const std::int64_t at = firstSecondPast(rootBetween(sa, sb, f), true, f);
            if (at >= fromUnix && at < toUnix) {
                out.push_back({target, at});
            }
        }
        a = b;
        la = lb;
    }
    return out;
}

namespace {

// Every instant in [from, to) where a rate passes zero, to the second, with whether it was rising
// there. The rate is sampled on a fixed grid of `step` seconds, so a zero is bracketed alike in any
// range and split ranges agree; a step must not span two zeros. No sample lies outside [lowest,
// highest], where the rate answers: at those ends the first or last step is shortened.
template <typename F, typename Found>
void zerosOf(const F& rate, std::int64_t fromUnix, std::int64_t toUnix, double step, Found&& found,
             double lowest = -HUGE_VAL, double highest = HUGE_VAL) {
    double a = std::max(std::floor(static_cast<double>(fromUnix) / step) * step, lowest);
    double ra = rate(a);
    while (a < static_cast<double>(toUnix)) {
        const double b = std::min(a + step, highest);
        const double rb = rate(b);
        if ((ra < 0) != (rb < 0)) {
            const auto at = static_cast<std::int64_t>(std::llround(rootBetween({a, ra}, {b, rb}, rate)));
            if (at >= fromUnix && at < toUnix) {
                found(at, rb >= 0);
            }
        }
        a = b;
        ra = rb;
    }
}

} // namespace

std::vector<Station> StationsBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    if (fromUnix > toUnix) {
        throw std::invalid_argument("StationsBetween: the range runs backwards");
    }
    if (fromUnix < kFirstStationsUnix || toUnix > kLastStationsUnix) {
        throw std::invalid_argument("StationsBetween: the range must lie within 1885-2099, a week from its ends");
    }
    std::vector<Station> out;
    if (toUnix <= fromUnix) {
        return out;
    }
    for (const Planet planet : {Planet::Mercury, Planet::Venus, Planet::Mars, Planet::Jupiter, Planet::Saturn,
                                Planet::Uranus, Planet::Neptune, Planet::Pluto}) {
        // The motion in longitude over an hour around t, degrees a day.
        const auto rate = [planet](double t) {
            constexpr double kHalf = 1800;
            const auto at = [planet](double u) {
                return ApparentLongitude(planet, static_cast<std::int64_t>(std::llround(u)));
            };
            return wrap180(at(t + kHalf) - at(t - kHalf)) * 86400.0 / (2 * kHalf);
        };
        // The grid only has to put each station alone between two samples; the root is then found
        // on the rate itself to a tenth of a second, whatever the step. Stations of 1885-2099 lie at
        // least 19.7 days apart (Mercury), 40.8 (Venus), 59.9 (Mars), 117 (Jupiter), 133 (Saturn) and
        // 149 (the rest): steps of about a fifth of that keep a wide margin and take a fifth of the
        // samples a daily step took, which were most of the search's cost.
        constexpr std::array<double, 8> kStepDays{4, 8, 12, 24, 24, 32, 32, 32};
        const double step =
            kStepDays[static_cast<std::size_t>(planet) - static_cast<std::size_t>(Planet::Mercury)] * 86400.0;
        // The rate looks half an hour either way; the places answer within [kFirstUnix, kLastUnix].
        zerosOf(
            rate, fromUnix, toUnix, step,
            [&](std::int64_t at, bool rising) {
                out.push_back({planet, !rising, at});
            },
            static_cast<double>(kFirstUnix + 1800), static_cast<double>(kLastUnix - 1800));
    }
    std::sort(out.begin(), out.end(), [](const Station& x, const Station& y) {
        return x.unixSeconds != y.unixSeconds ? x.unixSeconds < y.unixSeconds : x.planet < y.planet;
    });
    return out;
}

std::vector<LunarApsis> LunarApsidesBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    requireYearsShown("LunarApsidesBetween", fromUnix, toUnix);
    std::vector<LunarApsis> out;
    if (toUnix <= fromUnix) {
        return out;
    }
    const auto distance = [](double t) { return MoonPosition(julianEphemerisDay(t)).distanceKm; };
    // The change of distance over ten minutes around t, km a second. Perigee and apogee lie at least
    // 11.7 days apart (1901-2050): a two days' step meets each alone, with a wide margin.
    const auto rate = [&distance](double t) { return (distance(t + 300) - distance(t - 300)) / 600.0; };
    zerosOf(rate, fromUnix, toUnix, 2 * 86400.0, [&](std::int64_t at, bool rising) {
        out.push_back({rising, at, distance(static_cast<double>(at))});
    });
    return out;
}

} // namespace lunara::sky
