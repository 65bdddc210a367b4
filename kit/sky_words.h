#pragma once

// What the windows that show the sky share of its words and settings: the choice of planets for
// the void of course, and the void-of-course sentence of a local day.

#include "almanac/almanac.h"

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <cstdint>

namespace lunara {

class Services;

// Where the choice of planets for the moon's void of course is kept: "Classic" or "Modern".
inline constexpr const char* kVoidPlanetsKey = "MagickHours/Planets";
// Where the chosen hemisphere is kept ("Northern" or "Southern"; anything else is northern).
inline constexpr const char* kHemisphereKey = "MoonCalendar/Hemisphere";
// True when the stored choice is the modern planets (anything else, a damaged value too, is classic).
bool modernPlanetsChosen(Services& services);
// True when the stored hemisphere is "Southern" (nothing stored, a damaged value: the northern).
bool southernChosen(Services& services);
// "Void of course from 10:08 until the moon enters Leo at 19:40", shown for a local day: a time
// on another day names its weekday ("from Sunday 23:10").
QString voidOfCourseText(std::int64_t start, std::int64_t end, const QString& signEntered, const QDate& day,
                         const QTimeZone& zone);

// The moon's phase at an instant, named by the quarter that falls on the instant's local date in
// `zone` (a full moon's date is "Full Moon" all day): "Waxing Gibbous", "Full Moon".
QString phaseNameAt(const almanac::Almanac& almanac, std::int64_t at, const QTimeZone& zone);

} // namespace lunara
