#pragma once

// Inside the almanac: what its two sources share, and the searches behind the year's kinds
// (year_events.cpp). Each search gives the events of [from, to) (a period: overlapping it) in any
// order; the almanac keeps and sorts them.

#include "almanac/almanac.h"
#include "sky/eclipses.h"
#include "sky/year.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lunara::almanac::detail {

inline constexpr std::int64_t kDay = 86400;

// "Scorpio" -> "scorpio", for identities.
std::string lower(std::string_view s);
// An instant in [from, to), or a period that overlaps it.
bool within(const Event& e, std::int64_t from, std::int64_t to);

// The searches ask the sky's year functions only within the years those answer for.
std::vector<Event> SabbatEvents(std::int64_t from, std::int64_t to, bool southern, const Dates& dates);
std::vector<Event> EclipseEvents(std::int64_t from, std::int64_t to, const std::optional<Place>& place);
std::vector<Event> RetrogradeEvents(std::int64_t from, std::int64_t to);
std::vector<Event> MoonNameEvents(std::int64_t from, std::int64_t to, bool southern, const Dates& dates);
std::vector<Event> SupermoonEvents(std::int64_t from, std::int64_t to);

// The sky's slow year searches, looked up in what they were found to be once for every year (year_memo.cpp,
// known_events.inc); the same results as the sky's own functions of these names, clamped to the years those
// answer for.
std::vector<sky::SunTurning> KeptTurningsBetween(std::int64_t from, std::int64_t to);
std::vector<sky::Station> KeptStationsBetween(std::int64_t from, std::int64_t to);
std::vector<sky::LunarApsis> KeptApsidesBetween(std::int64_t from, std::int64_t to);
std::vector<sky::LunarEclipse> KeptLunarEclipsesBetween(std::int64_t from, std::int64_t to);
std::vector<sky::SolarEclipse> KeptSolarEclipsesBetween(std::int64_t from, std::int64_t to);

} // namespace lunara::almanac::detail
