#include "sky/year.h"

#include "sky/sky.h"
#include "sky/sky_math.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lunara::sky {

using namespace detail;

namespace {

// Degrees from -180 to 180.
double wrap180(double degrees) {
    const double d = norm360(degrees);
    return d > 180 ? d - 360 : d;
}

void requireForward(const char* function, std::int64_t fromUnix, std::int64_t toUnix) {
    if (fromUnix > toUnix) {
        throw std::invalid_argument(std::string(function) + ": the range runs backwards");
    }
    requireCovered(function, fromUnix, toUnix);
}

} // namespace

std::vector<SunTurning> SunTurningsBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    requireForward("SunTurningsBetween", fromUnix, toUnix);
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

} // namespace lunara::sky
