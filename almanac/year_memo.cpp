// The sky's slow year searches (the sun's turning points, the planets' stations, the moon's
// apsides, eclipses) made once per calendar year in a process and kept: what they find does not
// depend on the place, the zone or anything a user chooses, so every almanac and every window
// shares them. A calendar's Page Down, Moon Magick's line of the day and The Year each ask for a
// few days or a year at most; without this each asked the sky again for about a year of stations.
// Like the almanacs, they are used from the program's one thread.
#include "almanac/searches.h"
#include "sky/eclipses.h"
#include "sky/year.h"

#include <algorithm>
#include <map>

namespace lunara::almanac::detail {

namespace {

// The first instant of a year (UTC), and the year an instant falls in.
std::int64_t yearStart(std::int64_t year) { return UtcStartOf(static_cast<int>(year * 10000 + 101)); }
std::int64_t yearOf(std::int64_t unixSeconds) { return UtcDateNumber(unixSeconds) / 10000; }

std::int64_t instantOf(const sky::SunTurning& t) { return t.unixSeconds; }
std::int64_t instantOf(const sky::Station& s) { return s.unixSeconds; }
std::int64_t instantOf(const sky::LunarApsis& a) { return a.unixSeconds; }
std::int64_t instantOf(const sky::LunarEclipse& e) { return e.greatest; }
std::int64_t instantOf(const sky::SolarEclipse& e) { return e.greatest; }

// One search's years: each found whole the first time any of it is asked for, within what the
// sky answers for, [first, last).
template <typename T> class Years {
public:
    using Search = std::vector<T> (*)(std::int64_t, std::int64_t);
    Years(Search search, std::int64_t first, std::int64_t last) : search_(search), first_(first), last_(last) {}

    std::vector<T> between(std::int64_t from, std::int64_t to) {
        std::vector<T> out;
        from = std::max(from, first_);
        to = std::min(to, last_);
        if (from >= to) {
            return out;
        }
        for (std::int64_t y = yearOf(from); y <= yearOf(to - 1); ++y) {
            const std::vector<T>& found = year(y);
            for (const T& x : found) {
                if (instantOf(x) >= from && instantOf(x) < to) {
                    out.push_back(x);
                }
            }
        }
        return out;
    }

private:
    const std::vector<T>& year(std::int64_t y) {
        auto it = years_.find(y);
        if (it == years_.end()) {
            const std::int64_t a = std::max(yearStart(y), first_);
            const std::int64_t b = std::min(yearStart(y + 1), last_);
            std::vector<T> found = a < b ? search_(a, b) : std::vector<T>{};
            // Each instant in its own year only, so that no two years give it twice.
            std::erase_if(found, [&](const T& x) { return instantOf(x) < a || instantOf(x) >= b; });
            it = years_.emplace(y, std::move(found)).first;
        }
        return it->second;
    }

    Search search_;
    std::int64_t first_;
    std::int64_t last_;
    std::map<std::int64_t, std::vector<T>> years_;
};

} // namespace

std::vector<sky::SunTurning> KeptTurningsBetween(std::int64_t from, std::int64_t to) {
    static Years<sky::SunTurning> years(&sky::SunTurningsBetween, sky::kFirstYearsUnix, sky::kLastYearsUnix);
    return years.between(from, to);
}

std::vector<sky::Station> KeptStationsBetween(std::int64_t from, std::int64_t to) {
    static Years<sky::Station> years(&sky::StationsBetween, sky::kFirstStationsUnix, sky::kLastStationsUnix);
    return years.between(from, to);
}

std::vector<sky::LunarApsis> KeptApsidesBetween(std::int64_t from, std::int64_t to) {
    static Years<sky::LunarApsis> years(&sky::LunarApsidesBetween, sky::kFirstYearsUnix, sky::kLastYearsUnix);
    return years.between(from, to);
}

std::vector<sky::LunarEclipse> KeptLunarEclipsesBetween(std::int64_t from, std::int64_t to) {
    static Years<sky::LunarEclipse> years(&sky::LunarEclipsesBetween, sky::kFirstYearsUnix, sky::kLastYearsUnix);
    return years.between(from, to);
}

std::vector<sky::SolarEclipse> KeptSolarEclipsesBetween(std::int64_t from, std::int64_t to) {
    static Years<sky::SolarEclipse> years(&sky::SolarEclipsesBetween, sky::kFirstYearsUnix, sky::kLastYearsUnix);
    return years.between(from, to);
}

} // namespace lunara::almanac::detail
