#include "sky/planets.h"

#include "sky/horizon.h"
#include "sky/sky.h"
#include "sky/sky_math.h"
#include "sky/vector_state.h"
#include "translations/translatable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <span>
#include <stdexcept>

namespace lunara::sky {

using namespace detail;

namespace {

struct VsopTerm {
    double a, b, c;
};
using VsopSeries = std::span<const VsopTerm>;
struct VsopPlanet {
    std::span<const VsopSeries> l, b, r;
};
struct PlutoTerm {
    int j, s, p, la, lb, ba, bb, ra, rb;
};

#include "sky/planet_terms.inc"

constexpr double kLightDaysPerAu = 0.0057755183;

// A VSOP87 coordinate: the series times increasing powers of tau, in 1e-8 radian or AU.
double vsop(std::span<const VsopSeries> series, double tau) {
    double sum = 0;
    double power = 1;
    for (const VsopSeries& s : series) {
        double part = 0;
        for (const VsopTerm& t : s) {
            part += t.a * std::cos(t.b + t.c * tau);
        }
        sum += part * power;
        power *= tau;
    }
    return sum * 1e-8;
}

// Heliocentric ecliptic place of date: longitude and latitude in radians, distance in AU.
struct Helio {
    double l, b, r;
};

Helio vsopPlace(const VsopPlanet& planet, double jde) {
    // Every theory starts from a clean vector state: see vector_state.h.
    ClearVectorState();
    const double tau = (jde - kJ2000) / 365250.0;
    return {vsop(planet.l, tau), vsop(planet.b, tau), vsop(planet.r, tau)};
}

// Pluto's periodic series gives J2000 ecliptic coordinates; they are carried to the ecliptic and
// equinox of date (the rigorous rotation, so its high latitude does not bend the longitude).
Helio plutoPlace(double jde) {
    ClearVectorState();
    const double t = (jde - kJ2000) / 36525.0;
    const double j = 34.35 + 3034.9057 * t;
    const double s = 50.08 + 1222.1138 * t;
    const double p = 238.96 + 144.9600 * t;
    double l = 0;
    double b = 0;
    double r = 0;
    for (const PlutoTerm& k : kPlutoTerms) {
        const double arg = (k.j * j + k.s * s + k.p * p) * kRad;
        const double sn = std::sin(arg);
        const double cs = std::cos(arg);
        l += k.la * sn + k.lb * cs;
        b += k.ba * sn + k.bb * cs;
        r += k.ra * sn + k.rb * cs;
    }
    const double lon0 = (238.958116 + 144.96 * t + l * 1e-6) * kRad;
    const double lat0 = (-3.908239 + b * 1e-6) * kRad;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.00006 * t * t * t) / 3600.0 * kRad;
    const double pi = (174.876384 + (-869.8089 * t + 0.03536 * t * t) / 3600.0) * kRad;
    const double pAcc = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) / 3600.0 * kRad;
    const double a = std::cos(eta) * std::cos(lat0) * std::sin(pi - lon0) - std::sin(eta) * std::sin(lat0);
    const double bb = std::cos(lat0) * std::cos(pi - lon0);
    const double c = std::cos(eta) * std::sin(lat0) + std::sin(eta) * std::cos(lat0) * std::sin(pi - lon0);
    return {pAcc + pi - std::atan2(a, bb), std::asin(c), 40.7241346 + r * 1e-7};
}

Helio heliocentric(Planet planet, double jde) {
    switch (planet) {
    case Planet::Mercury:
        return vsopPlace(kMercury, jde);
    case Planet::Venus:
        return vsopPlace(kVenus, jde);
    case Planet::Mars:
        return vsopPlace(kMars, jde);
    case Planet::Jupiter:
        return vsopPlace(kJupiter, jde);
    case Planet::Saturn:
        return vsopPlace(kSaturn, jde);
    case Planet::Uranus:
        return vsopPlace(kUranus, jde);
    case Planet::Neptune:
        return vsopPlace(kNeptune, jde);
    case Planet::Pluto:
        return plutoPlace(jde);
    case Planet::Sun:
    case Planet::Moon:
        break;
    }
    return {0, 0, 0};
}

// The apparent longitude of a planet seen from the earth (whose place at jde is given): the
// planet where it was when the light left it, moved to the FK5 frame, with the annual aberration
// and the nutation in longitude, degrees.
double planetLongitude(Planet planet, double jde, const Helio& earth) {
    const double ex = earth.r * std::cos(earth.b) * std::cos(earth.l);
    const double ey = earth.r * std::cos(earth.b) * std::sin(earth.l);
    const double ez = earth.r * std::sin(earth.b);
    double x = 0;
    double y = 0;
    double z = 0;
    // Two passes: the second place is where the planet was when its light left it, to a fraction
    // of an arc second (a third pass moves it by less than 0.1").
    double lightTime = 0;
    for (int i = 0; i < 2; ++i) {
        const Helio p = heliocentric(planet, jde - lightTime);
        x = p.r * std::cos(p.b) * std::cos(p.l) - ex;
        y = p.r * std::cos(p.b) * std::sin(p.l) - ey;
        z = p.r * std::sin(p.b) - ez;
        lightTime = kLightDaysPerAu * std::sqrt(x * x + y * y + z * z);
    }
    const double t = (jde - kJ2000) / 36525.0;
    const double lambda = std::atan2(y, x) / kRad;
    const double beta = std::atan2(z, std::sqrt(x * x + y * y)) / kRad;
    // FK5 frame.
    const double lp = lambda - 1.397 * t - 0.00031 * t * t;
    const double fk5 = (-0.09033 + 0.03916 * (cosDeg(lp) + sinDeg(lp)) * std::tan(beta * kRad)) / 3600.0;
    // Annual aberration, from the sun's true longitude and the earth's orbit.
    const double sunTrue = earth.l / kRad + 180.0;
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const double perihelion = 102.93735 + 1.71946 * t + 0.00046 * t * t;
    constexpr double kKappa = 20.49552 / 3600.0;
    const double aberration =
        (-kKappa * cosDeg(sunTrue - lambda) + e * kKappa * cosDeg(perihelion - lambda)) / cosDeg(beta);
    return norm360(lambda + fk5 + aberration + nutation(t).longitude);
}

} // namespace

// The sun is the earth's VSOP87 place seen from the other side, in the FK5 frame, with the
// aberration of its light and the nutation.
namespace {
SunPlace sunSeenFrom(const Helio& earth, double jde) {
    const double t = (jde - kJ2000) / 36525.0;
    const double geometric = norm360(earth.l / kRad + 180.0);
    const double lp = geometric - 1.397 * t - 0.00031 * t * t;
    const double longitude = geometric - 0.09033 / 3600.0 - 20.4898 / 3600.0 / earth.r + nutation(t).longitude;
    const double latitude = -earth.b / kRad + 0.03916 / 3600.0 * (cosDeg(lp) - sinDeg(lp));
    return {norm360(longitude), latitude, earth.r};
}
} // namespace

SunPlace SunPosition(double jde) { return sunSeenFrom(vsopPlace(kEarth, jde), jde); }

namespace {

// A planet's apparent longitude, the earth's place at the instant given (the searches share it).
double apparentLongitudeFrom(Planet planet, double jde, const Helio& earth) {
    if (planet == Planet::Sun) {
        return sunSeenFrom(earth, jde).longitude;
    }
    if (planet == Planet::Moon) {
        return MoonPosition(jde).longitude;
    }
    return planetLongitude(planet, jde, earth);
}

double apparentLongitudeAt(Planet planet, double jde) {
    return apparentLongitudeFrom(planet, jde, vsopPlace(kEarth, jde));
}

constexpr std::array<int, 8> kAspectSeparations{0, 60, 90, 120, 180, 240, 270, 300};

int aspectOf(int separation) { return separation > 180 ? 360 - separation : separation; }

std::vector<Planet> aspectPlanets(bool modern) {
    std::vector<Planet> planets{Planet::Sun,  Planet::Mercury, Planet::Venus,
                                Planet::Mars, Planet::Jupiter, Planet::Saturn};
    if (modern) {
        planets.insert(planets.end(), {Planet::Uranus, Planet::Neptune, Planet::Pluto});
    }
    return planets;
}

} // namespace

std::string_view PlanetName(Planet planet) {
    constexpr std::array<std::string_view, 10> kNames{
        LUNARA_TEXT("Planets", "Sun"),    LUNARA_TEXT("Planets", "Moon"),   LUNARA_TEXT("Planets", "Mercury"),
        LUNARA_TEXT("Planets", "Venus"),  LUNARA_TEXT("Planets", "Mars"),   LUNARA_TEXT("Planets", "Jupiter"),
        LUNARA_TEXT("Planets", "Saturn"), LUNARA_TEXT("Planets", "Uranus"), LUNARA_TEXT("Planets", "Neptune"),
        LUNARA_TEXT("Planets", "Pluto")};
    return kNames[static_cast<std::size_t>(planet)];
}

double ApparentLongitude(Planet planet, std::int64_t unixSeconds) {
    requireCovered("ApparentLongitude", unixSeconds);
    return apparentLongitudeAt(planet, UnixToJde(unixSeconds));
}

std::vector<MoonAspect> MoonAspectsBetween(std::int64_t fromUnix, std::int64_t toUnix, bool modern) {
    requireCovered("MoonAspectsBetween", fromUnix, toUnix);
    std::vector<MoonAspect> out;
    if (toUnix <= fromUnix) {
        return out;
    }
    // The moon gains on every planet by 10 to 16 degrees a day, so within six hours the
    // separation passes each aspect at most once.
    constexpr std::int64_t kStep = 6LL * 3600;
    const std::int64_t start = fromUnix - 1;
    std::vector<std::int64_t> times;
    for (std::int64_t t = start; t < toUnix; t += kStep) {
        times.push_back(t);
    }
    times.push_back(toUnix);
    // Places on cubic tracks: the moon's twelve hours apart (within 0.1", a fifth of a second of its
    // motion against a planet), the inner planets' a day apart, the slow outer ones' four days
    // (within 0.05": their loops take months).
    const CubicTrack<double> moonTrack(static_cast<double>(start), static_cast<double>(toUnix),
                                       2.0 * static_cast<double>(kStep), unwrapped(moonLongitudeAt));
    // The earth's place at each node (whole days since 1970), shared by every planet's track.
    std::map<double, Helio> earth;
    for (const Planet planet : aspectPlanets(modern)) {
        const bool slow = planet >= Planet::Jupiter;
        const CubicTrack<double> track(static_cast<double>(start), static_cast<double>(toUnix),
                                       slow ? 4 * 86400.0 : 86400.0, unwrapped([&](double t) {
                                           const double jde = julianEphemerisDay(t);
                                           auto [at, fresh] = earth.try_emplace(t);
                                           if (fresh) {
                                               at->second = vsopPlace(kEarth, jde);
                                           }
                                           return apparentLongitudeFrom(planet, jde, at->second);
                                       }));
        const auto separation = [&track, &moonTrack](double t) { return norm360(moonTrack.at(t) - track.at(t)); };
        double before = separation(static_cast<double>(times[0]));
        for (std::size_t i = 1; i < times.size(); ++i) {
            const double after = separation(static_cast<double>(times[i]));
            const double gained = norm360(after - before);
            for (const int target : kAspectSeparations) {
                // Passed when the target lies in (before, before + gained].
                const double ahead = norm360(target - before);
                if (ahead == 0 || ahead > gained) {
                    continue;
                }
                const auto f = [&](double t) { return wrap180(separation(t) - target); };
                const Sample a{static_cast<double>(times[i - 1]), -ahead};
                const Sample b{static_cast<double>(times[i]), gained - ahead};
                const std::int64_t at = firstSecondPast(rootBetween(a, b, f), true, f);
                if (at >= fromUnix && at < toUnix) {
                    out.push_back({planet, aspectOf(target), at});
                }
            }
            before = after;
        }
    }
    std::sort(out.begin(), out.end(), [](const MoonAspect& a, const MoonAspect& b) {
        return a.unixSeconds != b.unixSeconds ? a.unixSeconds < b.unixSeconds : a.planet < b.planet;
    });
    return out;
}

std::vector<VoidOfCourse> VoidOfCourseBetween(std::int64_t fromUnix, std::int64_t toUnix, bool modern) {
    requireCovered("VoidOfCourseBetween", fromUnix, toUnix);
    std::vector<VoidOfCourse> out;
    if (toUnix <= fromUnix) {
        return out;
    }
    // The moon stays less than three days in a sign: the ingress before the range and the one
    // after it lie within three days of its ends.
    constexpr std::int64_t kMargin = 3LL * 86400;
    const std::vector<SignIngress> ingresses = SignIngressesBetween(fromUnix - kMargin, toUnix + kMargin);
    if (ingresses.size() < 2) {
        return out;
    }
    const std::vector<MoonAspect> aspects =
        MoonAspectsBetween(ingresses.front().unixSeconds, ingresses.back().unixSeconds, modern);
    auto next = aspects.begin();
    for (std::size_t k = 0; k + 1 < ingresses.size(); ++k) {
        const std::int64_t entered = ingresses[k].unixSeconds;
        const std::int64_t leaves = ingresses[k + 1].unixSeconds;
        std::int64_t start = entered;
        for (; next != aspects.end() && next->unixSeconds < leaves; ++next) {
            start = std::max(start, next->unixSeconds);
        }
        if (start < toUnix && leaves > fromUnix) {
            out.push_back({start, leaves});
        }
    }
    return out;
}

Planet DayRuler(int weekday) {
    constexpr std::array<Planet, 7> kRulers{Planet::Moon,  Planet::Mars,   Planet::Mercury, Planet::Jupiter,
                                            Planet::Venus, Planet::Saturn, Planet::Sun};
    if (weekday < 1 || weekday > 7) {
        throw std::invalid_argument("DayRuler: a weekday is 1 (Monday) to 7 (Sunday)");
    }
    return kRulers[static_cast<std::size_t>(weekday - 1)];
}

std::vector<PlanetaryHour> PlanetaryHoursOf(int weekday, double latitudeDeg, double longitudeDeg, std::int64_t dayStart,
                                            std::int64_t dayEnd) {
    std::vector<PlanetaryHour> hours;
    constexpr std::int64_t kDay = 86400;
    const std::vector<HorizonCrossing> sun =
        RisingsAndSettingsBetween(Body::Sun, latitudeDeg, longitudeDeg, dayStart, dayEnd + 2 * kDay);
    const auto rise = std::find_if(sun.begin(), sun.end(),
                                   [dayEnd](const HorizonCrossing& c) { return c.rising && c.unixSeconds < dayEnd; });
    if (rise == sun.end()) {
        return hours;
    }
    const auto set = std::find_if(rise, sun.end(), [](const HorizonCrossing& c) { return !c.rising; });
    const auto again =
        set == sun.end() ? sun.end() : std::find_if(set, sun.end(), [](const HorizonCrossing& c) { return c.rising; });
    if (again == sun.end() || set->unixSeconds - rise->unixSeconds > kDay ||
        again->unixSeconds - set->unixSeconds > kDay) {
        return hours;
    }
    // The Chaldean order, slowest first; the day's ruler takes the first hour.
    constexpr std::array<Planet, 7> kChaldean{Planet::Saturn, Planet::Jupiter, Planet::Mars, Planet::Sun,
                                              Planet::Venus,  Planet::Mercury, Planet::Moon};
    const auto first =
        static_cast<std::size_t>(std::find(kChaldean.begin(), kChaldean.end(), DayRuler(weekday)) - kChaldean.begin());
    for (std::size_t h = 0; h < 24; ++h) {
        const bool night = h >= 12;
        const std::int64_t from = night ? set->unixSeconds : rise->unixSeconds;
        const std::int64_t to = night ? again->unixSeconds : set->unixSeconds;
        const auto part = static_cast<std::int64_t>(h % 12);
        // Whole seconds, so one hour ends where the next begins.
        const std::int64_t start = from + (to - from) * part / 12;
        const std::int64_t end = from + (to - from) * (part + 1) / 12;
        hours.push_back({kChaldean[(first + h) % 7], start, end, night});
    }
    return hours;
}

} // namespace lunara::sky
