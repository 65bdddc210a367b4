#pragma once

#include <cstdint>
#include <string_view>

namespace lunara {

// The moon's age in whole days (0-29) with the phase it falls in and the picture that shows it.
struct MoonPhaseInfo {
    std::int16_t age;
    std::string_view phaseName;
    std::int16_t pictureIndex; // 1-30, always age + 1
};

// Which correction the calendar rule applies: 1901-1999 subtract 4, from 2000 on subtract 8.3.
enum class Century { Before2000, From2000 };

// Moon age by the calendar rule; the century follows the year (after 1999 means From2000).
std::int16_t CalculateMoonAge(int day, int month, int year);
// The same rule with the century given by the caller (the reading takes it from the year list).
std::int16_t CalculateMoonAge(int day, int month, int year, Century century);

// Phase name and picture for an age; an age outside 0-29 is treated as 0.
MoonPhaseInfo MoonPhaseForAge(int age);

inline constexpr int kMoonPictureCount = 30;

} // namespace lunara
