#pragma once

// What the windows and the commands that show the sky share of its words and settings (Qt Core
// only): the choice of planets for the void of course and the hemisphere, the void-of-course
// sentence of a local day, the phase's name, and a day's risings and settings.

#include "almanac/almanac.h"

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <string_view>
#include <vector>

class QSettings;

namespace lunara {

// Where the choice of planets for the moon's void of course is kept: "Classic" or "Modern".
inline constexpr const char* kVoidPlanetsKey = "MagickHours/Planets";
// Where the chosen hemisphere is kept ("Northern" or "Southern"; anything else is northern).
inline constexpr const char* kHemisphereKey = "MoonCalendar/Hemisphere";
// True when the stored choice is the modern planets (anything else, a damaged value too, is classic).
bool modernPlanetsChosen(const QSettings& settings);
// True when the stored hemisphere is "Southern" (nothing stored, a damaged value: the northern).
bool southernChosen(const QSettings& settings);
// "Void of course from 10:08 until the moon enters Leo at 19:40", shown for a local day: a time
// on another day names its weekday ("from Sunday 23:10").
QString voidOfCourseText(std::int64_t start, std::int64_t end, const QString& signEntered, const QDate& day,
                         const QTimeZone& zone);

// The moon's phase at an instant, named by the quarter that falls on the instant's local date in
// `zone` (a full moon's date is "Full Moon" all day): "Waxing Gibbous", "Full Moon".
QString phaseNameAt(const almanac::Almanac& almanac, std::int64_t at, const QTimeZone& zone);
// The same phase by its English name, the catalogues' source ("Waxing Gibbous").
std::string_view phaseAt(const almanac::Almanac& almanac, std::int64_t at, const QTimeZone& zone);

// A local day's risings and settings of the sun or the moon: "Sunrise 08:10, sunset 15:52"; a day
// with one kind only says the other is missing; a day with none says which side of the horizon the
// body stays on (`upAtStart`).
QString horizonText(const std::vector<sky::HorizonCrossing>& crossings, bool upAtStart, sky::Body body,
                    const QTimeZone& zone);

} // namespace lunara
