// The sky's slow year searches (the sun's turning points, the planets' stations, the moon's
// apsides, eclipses) made once per month (the stations per quarter) in a process and kept: what they find does not
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

// Searches are kept by spans of whole months (UTC), not years: each is asked with a margin (a
// retrograde period's other station lies up to 175 days away, a supermoon's apsides a month, a
// year's events eight days), and a margin then costs what it reaches into, not the whole years
// around it. Each search of a span starts its own grid, so the stations (eight planets sampled
// every few days) are kept by quarters. The first instant of a span, and the span an instant falls in.
template <int Months> std::int64_t spanStart(std::int64_t span) {
    const std::int64_t month = span * Months; // months since year 0
    return UtcStartOf(static_cast<int>(month / 12 * 10000 + (month % 12 + 1) * 100 + 1));
}
template <int Months> std::int64_t spanOf(std::int64_t unixSeconds) {
    const int date = UtcDateNumber(unixSeconds);
    return (static_cast<std::int64_t>(date / 10000) * 12 + date / 100 % 100 - 1) / Months;
}

std::int64_t instantOf(const sky::SunTurning& t) { return t.unixSeconds; }
std::int64_t instantOf(const sky::Station& s) { return s.unixSeconds; }
std::int64_t instantOf(const sky::LunarApsis& a) { return a.unixSeconds; }
std::int64_t instantOf(const sky::LunarEclipse& e) { return e.greatest; }
std::int64_t instantOf(const sky::SolarEclipse& e) { return e.greatest; }

// One search's spans of `Months` months: each found whole the first time any of it is asked for,
// within what the sky answers for, [first, last).
template <typename T, int Months = 1> class Spans {
public:
    using Search = std::vector<T> (*)(std::int64_t, std::int64_t);
    Spans(Search search, std::int64_t first, std::int64_t last) : search_(search), first_(first), last_(last) {}

    std::vector<T> between(std::int64_t from, std::int64_t to) {
        std::vector<T> out;
        from = std::max(from, first_);
        to = std::min(to, last_);
        if (from >= to) {
            return out;
        }
        for (std::int64_t y = spanOf<Months>(from); y <= spanOf<Months>(to - 1); ++y) {
            const std::vector<T>& found = span(y);
            for (const T& x : found) {
                if (instantOf(x) >= from && instantOf(x) < to) {
                    out.push_back(x);
                }
            }
        }
        return out;
    }

private:
    const std::vector<T>& span(std::int64_t y) {
        auto it = spans_.find(y);
        if (it == spans_.end()) {
            const std::int64_t a = std::max(spanStart<Months>(y), first_);
            const std::int64_t b = std::min(spanStart<Months>(y + 1), last_);
            std::vector<T> found = a < b ? search_(a, b) : std::vector<T>{};
            // Each instant in its own span only, so that no two spans give it twice.
            std::erase_if(found, [&](const T& x) { return instantOf(x) < a || instantOf(x) >= b; });
            it = spans_.emplace(y, std::move(found)).first;
        }
        return it->second;
    }

    Search search_;
    std::int64_t first_;
    std::int64_t last_;
    std::map<std::int64_t, std::vector<T>> spans_;
};

} // namespace

std::vector<sky::SunTurning> KeptTurningsBetween(std::int64_t from, std::int64_t to) {
    static Spans<sky::SunTurning> spans(&sky::SunTurningsBetween, sky::kFirstYearsUnix, sky::kLastYearsUnix);
    return spans.between(from, to);
}

std::vector<sky::Station> KeptStationsBetween(std::int64_t from, std::int64_t to) {
    static Spans<sky::Station, 3> spans(&sky::StationsBetween, sky::kFirstStationsUnix, sky::kLastStationsUnix);
    return spans.between(from, to);
}

std::vector<sky::LunarApsis> KeptApsidesBetween(std::int64_t from, std::int64_t to) {
    static Spans<sky::LunarApsis> spans(&sky::LunarApsidesBetween, sky::kFirstYearsUnix, sky::kLastYearsUnix);
    return spans.between(from, to);
}

std::vector<sky::LunarEclipse> KeptLunarEclipsesBetween(std::int64_t from, std::int64_t to) {
    static Spans<sky::LunarEclipse> spans(&sky::LunarEclipsesBetween, sky::kFirstYearsUnix, sky::kLastYearsUnix);
    return spans.between(from, to);
}

std::vector<sky::SolarEclipse> KeptSolarEclipsesBetween(std::int64_t from, std::int64_t to) {
    static Spans<sky::SolarEclipse> spans(&sky::SolarEclipsesBetween, sky::kFirstYearsUnix, sky::kLastYearsUnix);
    return spans.between(from, to);
}

} // namespace lunara::almanac::detail
