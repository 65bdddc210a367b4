#pragma once

// The real sky: the instants of the moon's quarters, its apparent longitude and zodiac sign, its
// illuminated fraction and its age, from the published lunar and solar theories. Times are Unix
// seconds (UTC); the theories run on Terrestrial Time, converted with the Espenak-Meeus delta T.

#include "translations/translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lunara::sky {

// The instants the theories are good for: Pluto's series runs from 1885 to 2099, and the program
// asks for 1901-2050 with a few weeks either side. The functions of the sky that take an instant
// throw std::invalid_argument for one outside [kFirstUnix, kLastUnix).
inline constexpr std::int64_t kFirstUnix = -2682288000; // 1885-01-01 00:00 UTC
inline constexpr std::int64_t kLastUnix = 4102444800;   // 2100-01-01 00:00 UTC
// The year's events (year.h, eclipses.h) are checked for 1901-2050 and may be asked a lunation
// past either end: [kFirstYearsUnix, kLastYearsUnix].
inline constexpr std::int64_t kFirstYearsUnix = -2177452800 - 2551443; // 1901-01-01 less 29.53 days
inline constexpr std::int64_t kLastYearsUnix = 2556144000 + 2551443;   // 2051-01-01 and 29.53 days

enum class Quarter { New, FirstQuarter, Full, LastQuarter };
struct PhaseEvent {
    Quarter quarter;
    std::int64_t unixSeconds; // the instant, UTC
    bool operator==(const PhaseEvent&) const = default;
};

// Every quarter in [from, to), in time order.
std::vector<PhaseEvent> PhaseEventsBetween(std::int64_t fromUnix, std::int64_t toUnix);
// Apparent geocentric ecliptic longitude of date, degrees [0, 360).
double MoonEclipticLongitude(std::int64_t unixSeconds);
// The share of the disc that is lit, 0 to 1.
double IlluminatedFraction(std::int64_t unixSeconds);
// Days since the most recent new moon.
double MoonAgeDays(std::int64_t unixSeconds);
// "Aries" .. "Pisces": the 30-degree band of the apparent longitude.
std::string_view MoonSignAt(std::int64_t unixSeconds);

// The twelve sign names in zodiac order, from Aries.
inline constexpr std::array<std::string_view, 12> kSigns{
    LUNARA_TEXT("Signs", "Aries"),     LUNARA_TEXT("Signs", "Taurus"),   LUNARA_TEXT("Signs", "Gemini"),
    LUNARA_TEXT("Signs", "Cancer"),    LUNARA_TEXT("Signs", "Leo"),      LUNARA_TEXT("Signs", "Virgo"),
    LUNARA_TEXT("Signs", "Libra"),     LUNARA_TEXT("Signs", "Scorpio"),  LUNARA_TEXT("Signs", "Sagittarius"),
    LUNARA_TEXT("Signs", "Capricorn"), LUNARA_TEXT("Signs", "Aquarius"), LUNARA_TEXT("Signs", "Pisces"),
};

// The instant the quarter with this lunation number and kind falls on (lunation 0: the new moon
// of 6 January 2000), in Julian Ephemeris Days.
double QuarterJde(int lunation, Quarter quarter);

// Instants in [from, to) at which the moon enters a new sign, with the sign it enters.
struct SignIngress {
    std::int64_t unixSeconds;
    std::string_view sign;
    bool operator==(const SignIngress&) const = default;
};
std::vector<SignIngress> SignIngressesBetween(std::int64_t fromUnix, std::int64_t toUnix);

// The phase in the eight usual names, for the instant given and the quarter (if any) that falls on
// the same local day: the quarter's name on its day, else Waxing/Waning Crescent or Gibbous.
std::string_view EightPhaseName(std::int64_t unixSeconds, std::optional<Quarter> quarterThatDay);

// The moon's apparent geocentric position of date and the sun's, for the checks of the theory.
struct MoonPlace {
    double longitude;  // degrees, apparent, of date
    double latitude;   // degrees
    double distanceKm; // from the earth's centre
};
struct SunPlace {
    double longitude;  // degrees, apparent, of date
    double latitude;   // degrees
    double distanceAu; // astronomical units
};
MoonPlace MoonPosition(double jde);
SunPlace SunPosition(double jde);
// Terrestrial Time minus UT, seconds, for a decimal year: the Espenak-Meeus polynomials from 1700
// to 2150 (the program asks for 1900-2051); outside them the long-term parabola, good to a minute.
double DeltaT(double year);
double UnixToJde(std::int64_t unixSeconds);
std::int64_t JdeToUnix(double jde);

} // namespace lunara::sky
