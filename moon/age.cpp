#include "moon/age.h"

#include "translations/translatable.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace lunara {
namespace {

// January and February take 3 and 4; from March on the term is the month number.
std::int16_t monthTerm(int month) {
    if (month == 1) {
        return 3;
    }
    if (month == 2) {
        return 4;
    }
    return (month >= 3 && month <= 12) ? static_cast<std::int16_t>(month) : std::int16_t{0};
}

struct PhaseRange {
    int lastAge;
    std::string_view name;
};

constexpr std::array<PhaseRange, 6> kPhases{{
    {3, LUNARA_TEXT("Moon", "Dark Moon")},
    {7, LUNARA_TEXT("Moon", "New Moon")},
    {12, LUNARA_TEXT("Moon", "Waxing Moon")},
    {17, LUNARA_TEXT("Moon", "Full Moon")},
    {25, LUNARA_TEXT("Moon", "Waning Moon")},
    {29, LUNARA_TEXT("Moon", "Dark Moon")},
}};

} // namespace

std::int16_t CalculateMoonAge(int day, int month, int year) {
    return CalculateMoonAge(day, month, year, year > 1999 ? Century::From2000 : Century::Before2000);
}

std::int16_t CalculateMoonAge(int day, int month, int year, Century century) {
    // The rule reads the last two digits of the four-digit year.
    auto n = static_cast<std::int16_t>(std::abs(year) % 100 % 19);
    if (n > 9) {
        n = static_cast<std::int16_t>(n - 19);
    }
    // C++ '%' truncates, so the year term keeps the sign of n, as the rule wants.
    const auto yearTerm = static_cast<std::int16_t>((n * 11) % 30);
    auto sum = static_cast<std::int16_t>(yearTerm + day + monthTerm(month));
    if (century == Century::From2000) {
        // Round half to even (the default rounding mode); with a whole sum this is always sum - 8.
        sum = static_cast<std::int16_t>(std::nearbyint(static_cast<double>(sum) - 8.3));
    } else {
        sum = static_cast<std::int16_t>(sum - 4);
    }
    // A negative remainder loses its sign: -5 gives 5, not 25.
    return static_cast<std::int16_t>(std::abs(sum % 30));
}

MoonPhaseInfo MoonPhaseForAge(int age) {
    if (age < 0 || age >= kMoonPictureCount) {
        age = 0;
    }
    std::string_view name = kPhases.front().name;
    for (const auto& phase : kPhases) {
        if (age <= phase.lastAge) {
            name = phase.name;
            break;
        }
    }
    return {static_cast<std::int16_t>(age), name, static_cast<std::int16_t>(age + 1)};
}

} // namespace lunara
