#include "sky/sky.h"

#include "sky/sky_math.h"
#include "sky/vector_state.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lunara::sky {

using namespace detail;

namespace {

constexpr double kSynodicMonth = 29.530588861;
constexpr double kFirstNewMoonJde = 2451550.09766; // lunation 0, 6 January 2000

// The periodic terms of the moon's longitude and distance: multiples of D, M, M', F and the
// coefficients of sin (longitude, 1e-6 degree) and cos (distance, 1e-3 km).
struct LrTerm {
    signed char d, m, mp, f;
    int l, r;
};
// clang-format off
constexpr LrTerm kLr[] = {
    {0, 0, 1, 0, 6288774, -20905355}, {2, 0, -1, 0, 1274027, -3699111}, {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},    {0, 1, 0, 0, -185116, 48888},     {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},     {2, -1, -1, 0, 57066, -152138},   {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},    {0, 1, -1, 0, -40923, -129620},   {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},     {2, 0, 0, -2, 15327, 10321},      {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},      {4, 0, -1, 0, 10675, -34782},     {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},      {2, 1, -1, 0, -7888, 24208},      {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},      {1, 1, 0, 0, 4987, -16675},       {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},       {4, 0, 0, 0, 3861, -11650},       {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},      {2, 0, -1, 2, -2602, 0},          {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},        {2, -2, 0, 0, 2236, -9884},       {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},           {2, -2, -1, 0, 2048, -4950},      {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},           {4, -1, -1, 0, 1215, -3958},      {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},        {2, 1, 1, 0, -810, 2616},         {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},       {2, 2, -1, 0, -700, 2354},        {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},           {4, 0, 1, 0, 549, -1423},         {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},        {1, 0, -2, 0, -487, -1739},       {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},       {1, 1, 1, 0, 351, 0},             {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},            {2, -1, 2, 0, 327, 0},            {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},            {2, 0, 3, 0, 294, 0},             {2, 0, -1, -2, 0, 8752},
};

// The periodic terms of the moon's latitude (sin, 1e-6 degree).
struct BTerm {
    signed char d, m, mp, f;
    int b;
};
constexpr BTerm kB[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
};

// Corrections to the mean phase, in days: coefficient, powers of E, and multiples of M, M', F, Omega.
struct PhaseTerm {
    double c;
    signed char e, m, mp, f, om;
};
// New and full moon share their arguments; only the coefficients differ.
struct NewFullTerm {
    double newMoon, fullMoon;
    signed char e, m, mp, f, om;
};
constexpr NewFullTerm kNewFullTerms[] = {
    {-0.40720, -0.40614, 0, 0, 1, 0, 0}, {0.17241, 0.17302, 1, 1, 0, 0, 0}, {0.01608, 0.01614, 0, 0, 2, 0, 0},
    {0.01039, 0.01043, 0, 0, 0, 2, 0}, {0.00739, 0.00734, 1, -1, 1, 0, 0}, {-0.00514, -0.00515, 1, 1, 1, 0, 0},
    {0.00208, 0.00209, 2, 2, 0, 0, 0}, {-0.00111, -0.00111, 0, 0, 1, -2, 0}, {-0.00057, -0.00057, 0, 0, 1, 2, 0},
    {0.00056, 0.00056, 1, 1, 2, 0, 0}, {-0.00042, -0.00042, 0, 0, 3, 0, 0}, {0.00042, 0.00042, 1, 1, 0, 2, 0},
    {0.00038, 0.00038, 1, 1, 0, -2, 0}, {-0.00024, -0.00024, 1, -1, 2, 0, 0}, {-0.00017, -0.00017, 0, 0, 0, 0, 1},
    {-0.00007, -0.00007, 0, 2, 1, 0, 0}, {0.00004, 0.00004, 0, 0, 2, -2, 0}, {0.00004, 0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0.00003, 0, 1, 1, -2, 0}, {0.00003, 0.00003, 0, 0, 2, 2, 0}, {-0.00003, -0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0.00003, 0, -1, 1, 2, 0}, {-0.00002, -0.00002, 0, -1, 1, -2, 0}, {-0.00002, -0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0.00002, 0, 0, 4, 0, 0},
};
constexpr PhaseTerm kQuarterTerms[] = {
    {-0.62801, 0, 0, 1, 0, 0}, {0.17172, 1, 1, 0, 0, 0},    {-0.01183, 1, 1, 1, 0, 0}, {0.00862, 0, 0, 2, 0, 0},
    {0.00804, 0, 0, 0, 2, 0},  {0.00454, 1, -1, 1, 0, 0},   {0.00204, 2, 2, 0, 0, 0},  {-0.00180, 0, 0, 1, -2, 0},
    {-0.00070, 0, 0, 1, 2, 0}, {-0.00040, 0, 0, 3, 0, 0},   {-0.00034, 1, -1, 2, 0, 0}, {0.00032, 1, 1, 0, 2, 0},
    {0.00032, 1, 1, 0, -2, 0}, {-0.00028, 2, 2, 1, 0, 0},   {0.00027, 1, 1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00005, 0, -1, 1, -2, 0}, {0.00004, 0, 0, 2, 2, 0},  {-0.00004, 0, 1, 1, 2, 0}, {0.00004, 0, -2, 1, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 3, 0, 0, 0},    {0.00002, 0, 0, 2, -2, 0}, {0.00002, 0, -1, 1, 2, 0},
    {-0.00002, 0, 1, 3, 0, 0},
};
// The planetary arguments' corrections, shared by all four phases: coefficient (days), and the
// argument's constant, rate per lunation and (first one only) T-squared term.
struct PlanetTerm {
    double c, a0, a1, a2;
};
constexpr PlanetTerm kPlanetTerms[] = {
    {0.000325, 299.77, 0.107408, -0.009173}, {0.000165, 251.88, 0.016321, 0}, {0.000164, 251.83, 26.651886, 0},
    {0.000126, 349.42, 36.412478, 0},        {0.000110, 84.66, 18.206239, 0}, {0.000062, 141.74, 53.303771, 0},
    {0.000060, 207.14, 2.453732, 0},         {0.000056, 154.84, 7.306860, 0}, {0.000047, 34.52, 27.261239, 0},
    {0.000042, 207.19, 0.121824, 0},         {0.000040, 291.34, 1.844379, 0}, {0.000037, 161.72, 24.198154, 0},
    {0.000035, 239.56, 25.513099, 0},        {0.000023, 331.55, 3.592518, 0},
};
// clang-format on

double yearOfJd(double jd) { return 2000.0 + (jd - 2451544.5) / 365.25; }

} // namespace

double DeltaT(double y) {
    if (y < 1700) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - std::pow(t, 4) / 1174000;
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * t * t * t - 0.00037436 * std::pow(t, 4) +
               0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4) +
               0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    if (y < 2150) {
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    }
    return -20 + 32 * u * u;
}

double UnixToJde(std::int64_t unixSeconds) { return julianEphemerisDay(static_cast<double>(unixSeconds)); }

std::int64_t JdeToUnix(double jde) {
    const double jd = jde - DeltaT(yearOfJd(jde)) / 86400.0;
    return static_cast<std::int64_t>(std::llround((jd - kUnixEpochJd) * 86400.0));
}

MoonPlace MoonPosition(double jde) {
    // Every theory starts from a clean vector state: see vector_state.h.
    ClearVectorState();
    const double t = (jde - kJ2000) / 36525.0;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double lp = norm360(218.3164477 + 481267.88123421 * t - 0.0015786 * t2 + t3 / 538841 - t4 / 65194000);
    const double d = norm360(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868 - t4 / 113065000);
    const double m = norm360(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000);
    const double mp = norm360(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699 - t4 / 14712000);
    const double f = norm360(93.2720950 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000 + t4 / 863310000);
    const double a1 = norm360(119.75 + 131.849 * t);
    const double a2 = norm360(53.09 + 479264.290 * t);
    const double a3 = norm360(313.45 + 481266.484 * t);
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const auto eccentricity = [e](int mMultiple) {
        return mMultiple == 0 ? 1.0 : std::abs(mMultiple) == 1 ? e : e * e;
    };

    // Multiples -4 to 4 of the four arguments (the series use 0 to 4 of D, -2 to 2 of M, -3 to 4 of
    // M', -3 to 3 of F): each term's sine and cosine from theirs (see Turn).
    constexpr int kMost = 4;
    const std::array<Turn, 2 * kMost + 1> ds = multiplesOf<kMost>(d);
    const std::array<Turn, 2 * kMost + 1> ms = multiplesOf<kMost>(m);
    const std::array<Turn, 2 * kMost + 1> mps = multiplesOf<kMost>(mp);
    const std::array<Turn, 2 * kMost + 1> fs = multiplesOf<kMost>(f);
    const auto turnOf = [&](const auto& term) {
        return ds[term.d + kMost] * ms[term.m + kMost] * mps[term.mp + kMost] * fs[term.f + kMost];
    };
    double sl = 0;
    double sr = 0;
    for (const LrTerm& term : kLr) {
        const Turn arg = turnOf(term);
        const double k = eccentricity(term.m);
        sl += term.l * k * arg.s;
        sr += term.r * k * arg.c;
    }
    double sb = 0;
    for (const BTerm& term : kB) {
        sb += term.b * eccentricity(term.m) * turnOf(term).s;
    }
    sl += 3958 * sinDeg(a1) + 1962 * sinDeg(lp - f) + 318 * sinDeg(a2);
    sb += -2235 * sinDeg(lp) + 382 * sinDeg(a3) + 175 * sinDeg(a1 - f) + 175 * sinDeg(a1 + f) + 127 * sinDeg(lp - mp) -
          115 * sinDeg(lp + mp);
    return {norm360(lp + sl / 1e6 + nutation(t).longitude), sb / 1e6, 385000.56 + sr / 1000};
}

double QuarterJde(int lunation, Quarter quarter) {
    const double k = lunation + static_cast<int>(quarter) * 0.25;
    const double t = k / 1236.85;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    double jde = kFirstNewMoonJde + kSynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    const double mp = 201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f = 160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double om = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;

    const auto term = [&](double c, int ePower, int mm, int mpm, int fm, int omm) {
        return c * std::pow(e, ePower) * sinDeg(mm * m + mpm * mp + fm * f + omm * om);
    };
    if (quarter == Quarter::New || quarter == Quarter::Full) {
        for (const NewFullTerm& t : kNewFullTerms) {
            jde += term(quarter == Quarter::New ? t.newMoon : t.fullMoon, t.e, t.m, t.mp, t.f, t.om);
        }
    } else {
        for (const PhaseTerm& t : kQuarterTerms) {
            jde += term(t.c, t.e, t.m, t.mp, t.f, t.om);
        }
        const double w = 0.00306 - 0.00038 * e * cosDeg(m) + 0.00026 * cosDeg(mp) - 0.00002 * cosDeg(mp - m) +
                         0.00002 * cosDeg(mp + m) + 0.00002 * cosDeg(2 * f);
        jde += quarter == Quarter::FirstQuarter ? w : -w;
    }
    for (const PlanetTerm& term : kPlanetTerms) {
        jde += term.c * sinDeg(term.a0 + term.a1 * k + term.a2 * t2);
    }
    return jde;
}

std::vector<PhaseEvent> PhaseEventsBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    requireCovered("PhaseEventsBetween", fromUnix, toUnix);
    std::vector<PhaseEvent> events;
    if (toUnix <= fromUnix) {
        return events;
    }
    // One lunation of margin each side: the corrections move a quarter by less than a day.
    int k = static_cast<int>(std::floor((UnixToJde(fromUnix) - kFirstNewMoonJde) / kSynodicMonth)) - 1;
    for (;; ++k) {
        for (Quarter q : {Quarter::New, Quarter::FirstQuarter, Quarter::Full, Quarter::LastQuarter}) {
            const std::int64_t at = JdeToUnix(QuarterJde(k, q));
            if (at >= toUnix) {
                return events;
            }
            if (at >= fromUnix) {
                events.push_back({q, at});
            }
        }
    }
}

double MoonEclipticLongitude(std::int64_t unixSeconds) {
    requireCovered("MoonEclipticLongitude", unixSeconds);
    return MoonPosition(UnixToJde(unixSeconds)).longitude;
}

namespace {
// The lit share of the disc from the phase angle, which the sun's and moon's places give.
double litShare(const MoonPlace& moon, const SunPlace& sun) {
    const double r = sun.distanceAu * kAuKm;
    const double cosPsi = cosDeg(moon.latitude) * cosDeg(moon.longitude - sun.longitude);
    const double psi = std::acos(std::clamp(cosPsi, -1.0, 1.0));
    const double i = std::atan2(r * std::sin(psi), moon.distanceKm - r * cosPsi);
    return (1 + std::cos(i)) / 2;
}
} // namespace

double IlluminatedFraction(std::int64_t unixSeconds) {
    requireCovered("IlluminatedFraction", unixSeconds);
    const double jde = UnixToJde(unixSeconds);
    return litShare(MoonPosition(jde), SunPosition(jde));
}

double MoonAgeDays(std::int64_t unixSeconds) {
    requireCovered("MoonAgeDays", unixSeconds);
    const double jde = UnixToJde(unixSeconds);
    int k = static_cast<int>(std::floor((jde - kFirstNewMoonJde) / kSynodicMonth));
    // The mean lunation is a first guess; the true new moon may fall a little either side.
    while (JdeToUnix(QuarterJde(k, Quarter::New)) > unixSeconds) {
        --k;
    }
    while (JdeToUnix(QuarterJde(k + 1, Quarter::New)) <= unixSeconds) {
        ++k;
    }
    return static_cast<double>(unixSeconds - JdeToUnix(QuarterJde(k, Quarter::New))) / 86400.0;
}

std::string_view MoonSignAt(std::int64_t unixSeconds) {
    const auto band = static_cast<std::size_t>(MoonEclipticLongitude(unixSeconds) / 30.0);
    return kSigns[std::min<std::size_t>(band, kSigns.size() - 1)];
}

namespace {

int bandOf(double longitude) { return static_cast<int>(norm360(longitude) / 30.0) % 12; }

} // namespace

std::vector<SignIngress> SignIngressesBetween(std::int64_t fromUnix, std::int64_t toUnix) {
    requireCovered("SignIngressesBetween", fromUnix, toUnix);
    std::vector<SignIngress> out;
    if (toUnix <= fromUnix) {
        return out;
    }
    // The moon's place every twelve hours (it moves at most some 8 degrees in that time: never
    // past a whole sign) and a cubic through those places, within 0.1" or a fifth of a second of
    // its motion. The ingress is found on the cubic; the theory is asked only at the second found
    // and its neighbour, for the first second in the new sign.
    constexpr double kSpacing = 12.0 * 3600;
    // From the second before the range: an ingress at its very start is one of its own.
    const double start = static_cast<double>(fromUnix - 1);
    const CubicTrack<double> track(start, static_cast<double>(toUnix), kSpacing, unwrapped(moonLongitudeAt));
    double a = std::floor(start / kSpacing) * kSpacing;
    double la = track.at(a);
    while (a < static_cast<double>(toUnix)) {
        const double b = a + kSpacing;
        const double lb = track.at(b);
        const int band = bandOf(lb);
        if (band != bandOf(la)) {
            const double boundary = band * 30.0;
            const auto onTrack = [&](double t) { return wrap180(track.at(t) - boundary); };
            const auto exact = [boundary](double t) { return wrap180(moonLongitudeAt(t) - boundary); };
            const std::int64_t at =
                firstSecondPast(rootBetween({a, onTrack(a)}, {b, onTrack(b)}, onTrack), true, exact);
            if (at >= fromUnix && at < toUnix) {
                out.push_back({at, kSigns[static_cast<std::size_t>(band)]});
            }
        }
        a = b;
        la = lb;
    }
    return out;
}

std::string_view EightPhaseName(std::int64_t unixSeconds, std::optional<Quarter> quarterThatDay) {
    if (quarterThatDay) {
        constexpr std::array<std::string_view, 4> kQuarterNames{
            LUNARA_TEXT("Moon", "New Moon"), LUNARA_TEXT("Moon", "First Quarter"), LUNARA_TEXT("Moon", "Full Moon"),
            LUNARA_TEXT("Moon", "Last Quarter")};
        return kQuarterNames[static_cast<std::size_t>(*quarterThatDay)];
    }
    const double jde = UnixToJde(unixSeconds);
    const double elongation = norm360(MoonPosition(jde).longitude - SunPosition(jde).longitude);
    if (elongation < 90) {
        return LUNARA_TEXT("Moon", "Waxing Crescent");
    }
    if (elongation < 180) {
        return LUNARA_TEXT("Moon", "Waxing Gibbous");
    }
    return elongation < 270 ? LUNARA_TEXT("Moon", "Waning Gibbous") : LUNARA_TEXT("Moon", "Waning Crescent");
}

} // namespace lunara::sky
