// The sky's slow year searches (the sun's turning points, the planets' stations, the moon's
// apsides, eclipses) are looked up, not searched: what they find does not depend on the place, the
// zone or anything a user chooses, and the years they are asked for are fixed, so they were found
// once, span by span as the program used to search them when asked, by tools/known_events.cpp
// into known_events.inc. Searching them took most of the time of opening The Year, a Moon Calendar
// or Magick Hours (a year of stations is some 80 M instructions); a look-up takes microseconds.
// The test suite checks the table against the searches.
#include "almanac/searches.h"
#include "sky/eclipses.h"
#include "sky/year.h"

#include <algorithm>
#include <span>

namespace lunara::almanac::detail {

namespace {

constexpr sky::Planet P(int planet) { return static_cast<sky::Planet>(planet); }
constexpr sky::EclipseKind K(int kind) { return static_cast<sky::EclipseKind>(kind); }

#include "almanac/known_events.inc"

std::int64_t instantOf(const sky::SunTurning& t) { return t.unixSeconds; }
std::int64_t instantOf(const sky::Station& s) { return s.unixSeconds; }
std::int64_t instantOf(const sky::LunarApsis& a) { return a.unixSeconds; }
std::int64_t instantOf(const sky::LunarEclipse& e) { return e.greatest; }
std::int64_t instantOf(const sky::SolarEclipse& e) { return e.greatest; }

// The events of a table (in time order) in [from, to).
template <typename T> std::vector<T> between(std::span<const T> known, std::int64_t from, std::int64_t to) {
    const auto first =
        std::partition_point(known.begin(), known.end(), [from](const T& x) { return instantOf(x) < from; });
    const auto last = std::partition_point(first, known.end(), [to](const T& x) { return instantOf(x) < to; });
    return {first, last};
}

} // namespace

std::vector<sky::SunTurning> KeptTurningsBetween(std::int64_t from, std::int64_t to) {
    return between<sky::SunTurning>(kKnownTurnings, from, to);
}

std::vector<sky::Station> KeptStationsBetween(std::int64_t from, std::int64_t to) {
    return between<sky::Station>(kKnownStations, from, to);
}

std::vector<sky::LunarApsis> KeptApsidesBetween(std::int64_t from, std::int64_t to) {
    return between<sky::LunarApsis>(kKnownApsides, from, to);
}

std::vector<sky::LunarEclipse> KeptLunarEclipsesBetween(std::int64_t from, std::int64_t to) {
    return between<sky::LunarEclipse>(kKnownLunarEclipses, from, to);
}

std::vector<sky::SolarEclipse> KeptSolarEclipsesBetween(std::int64_t from, std::int64_t to) {
    return between<sky::SolarEclipse>(kKnownSolarEclipses, from, to);
}

} // namespace lunara::almanac::detail
