// The events a year is planned by, as the almanac gives them: the Wheel of the Year, eclipses and how
// they are seen from the place, retrograde periods, the full moons' names, blue and black moons,
// supermoons and micromoons.
#include "almanac/searches.h"
#include "sky/year.h"
#include "translations/translatable.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace lunara::almanac::detail {

namespace {

// A retrograde lasts at most about 160 days (Pluto's); stations this far outside a range are
// enough to pair every period that overlaps it.
constexpr std::int64_t kLongestRetrograde = 175 * kDay;

// The part of [from, to) the sky's year searches answer for; false when none.
bool clampToYears(std::int64_t& from, std::int64_t& to) {
    from = std::max(from, sky::kFirstYearsUnix);
    to = std::min(to, sky::kLastYearsUnix);
    return from < to;
}

int dateOf(const Dates& dates, std::int64_t t) { return dates.dateOf ? dates.dateOf(t) : UtcDateNumber(t); }
std::int64_t startOf(const Dates& dates, int date) { return dates.startOf ? dates.startOf(date) : UtcStartOf(date); }
// A sabbat: its name, what the sun does then (a solstice or an equinox), or for a cross-quarter day
// its traditional date (month, day).
// A sabbat: its name (for its identity), its words (with what the sun does then, for a solstice
// or an equinox), and for a cross-quarter day its traditional date (month, day).
struct Sabbat {
    std::string_view name;
    std::string_view words;
    int month, day;
};
constexpr Sabbat kOstara{"Ostara", LUNARA_TEXT("Almanac", "Ostara, the spring equinox"), 0, 0};
constexpr Sabbat kMabon{"Mabon", LUNARA_TEXT("Almanac", "Mabon, the autumn equinox"), 0, 0};
constexpr Sabbat kLitha{"Litha", LUNARA_TEXT("Almanac", "Litha, the summer solstice"), 0, 0};
constexpr Sabbat kYule{"Yule", LUNARA_TEXT("Almanac", "Yule, the winter solstice"), 0, 0};
constexpr std::string_view kBeltane = LUNARA_TEXT("Almanac", "Beltane");
constexpr std::string_view kSamhain = LUNARA_TEXT("Almanac", "Samhain");
constexpr std::string_view kLughnasadh = LUNARA_TEXT("Almanac", "Lughnasadh");
constexpr std::string_view kImbolc = LUNARA_TEXT("Almanac", "Imbolc");
// At each multiple of 45 degrees of the sun's longitude, from 0 (the March equinox): the north's
// sabbat and the south's.
constexpr std::array<std::array<Sabbat, 2>, 8> kWheel{{
    {{kOstara, kMabon}},
    {{{kBeltane, kBeltane, 5, 1}, {kSamhain, kSamhain, 4, 30}}},
    {{kLitha, kYule}},
    {{{kLughnasadh, kLughnasadh, 8, 1}, {kImbolc, kImbolc, 8, 1}}},
    {{kMabon, kOstara}},
    {{{kSamhain, kSamhain, 10, 31}, {kBeltane, kBeltane, 10, 31}}},
    {{kYule, kLitha}},
    {{{kImbolc, kImbolc, 2, 1}, {kLughnasadh, kLughnasadh, 2, 1}}},
}};

// "Total solar eclipse": each kind an eclipse of the sun or the moon can be.
std::string_view eclipseWords(bool solar, sky::EclipseKind kind) {
    constexpr std::array<std::string_view, 5> kSolar{
        "Penumbral solar eclipse", LUNARA_TEXT("Almanac", "Partial solar eclipse"),
        LUNARA_TEXT("Almanac", "Annular solar eclipse"), LUNARA_TEXT("Almanac", "Total solar eclipse"),
        LUNARA_TEXT("Almanac", "Hybrid solar eclipse")};
    constexpr std::array<std::string_view, 5> kLunar{
        LUNARA_TEXT("Almanac", "Penumbral lunar eclipse"), LUNARA_TEXT("Almanac", "Partial lunar eclipse"),
        "Annular lunar eclipse", LUNARA_TEXT("Almanac", "Total lunar eclipse"), "Hybrid lunar eclipse"};
    return (solar ? kSolar : kLunar)[static_cast<std::size_t>(kind)];
}

std::string_view signOf(double longitude) {
    return sky::kSigns[static_cast<std::size_t>(std::floor(longitude / 30.0)) % 12];
}

// True when the body is up (by the almanacs' horizon, refraction included) at some moment of [from, to].
// An eclipse lasts hours, too short for the body to culminate and pass its lowest point both: it is
// highest at an end or where it culminates, found to the second by golden section (a graze of
// seconds at a polar place counts).
bool upDuring(sky::Body body, const Place& place, std::int64_t from, std::int64_t to) {
    const auto altitude = [&](std::int64_t t) {
        return sky::UpperLimbAltitude(body, place.latitude, place.longitude, t);
    };
    const auto up = [](double a) { return a > sky::kHorizonAltitude; };
    if (up(altitude(from)) || up(altitude(to))) {
        return true;
    }
    constexpr double kGolden = 0.6180339887498949;
    std::int64_t a = from;
    std::int64_t b = to;
    while (b - a > 2) {
        const auto c = b - static_cast<std::int64_t>(std::llround(kGolden * static_cast<double>(b - a)));
        const auto d = a + static_cast<std::int64_t>(std::llround(kGolden * static_cast<double>(b - a)));
        if (altitude(c) > altitude(d)) {
            b = d;
        } else {
            a = c;
        }
    }
    for (std::int64_t t = a; t <= b; ++t) {
        if (up(altitude(t))) {
            return true;
        }
    }
    return false;
}

// Adds a moment of the eclipse with the body's altitude there; a phase that does not happen (0) is left out.
void addContact(EclipseFacts& facts, sky::Body body, const Place& place, std::string_view what, std::int64_t at) {
    if (at != 0) {
        facts.contacts.push_back({what, at, sky::UpperLimbAltitude(body, place.latitude, place.longitude, at)});
    }
}

Event eclipseEvent(bool solar, sky::EclipseKind kind, std::int64_t greatest, EclipseFacts facts) {
    Event e;
    e.kind = Kind::Eclipse;
    e.start = e.end = greatest;
    e.body = solar ? sky::Body::Sun : sky::Body::Moon;
    e.words = std::string(eclipseWords(solar, kind));
    e.id = std::string(solar ? "eclipse-solar-" : "eclipse-lunar-") + UtcDate(greatest);
    e.eclipse = std::move(facts);
    return e;
}

} // namespace

std::vector<Event> SabbatEvents(std::int64_t from, std::int64_t to, bool southern, const Dates& dates) {
    std::vector<Event> out;
    // A cross-quarter day may lie a week from its point; look that much wider.
    std::int64_t a = from - 10 * kDay;
    std::int64_t b = to + 10 * kDay;
    if (!clampToYears(a, b)) {
        return out;
    }
    for (const sky::SunTurning& turning : KeptTurningsBetween(a, b)) {
        const Sabbat& sabbat = kWheel[static_cast<std::size_t>(turning.longitude / 45)][southern ? 1 : 0];
        Event e;
        e.kind = Kind::Sabbat;
        e.body = sky::Body::Sun;
        e.exact = turning.unixSeconds;
        e.sign = sky::kSigns[static_cast<std::size_t>(turning.longitude / 30)];
        e.words = std::string(sabbat.words);
        if (sabbat.month == 0) {
            e.start = e.end = turning.unixSeconds;
            e.id = "sabbat-" + lower(sabbat.name) + "-" + UtcDate(turning.unixSeconds);
        } else {
            // The day of the tradition, in the year its point falls in.
            e.date = dateOf(dates, turning.unixSeconds) / 10000 * 10000 + sabbat.month * 100 + sabbat.day;
            e.start = startOf(dates, e.date);
            e.end = startOf(dates, NextDate(e.date));
            e.id = "sabbat-" + lower(sabbat.name) + "-" + std::to_string(e.date);
        }
        if (within(e, from, to)) {
            out.push_back(std::move(e));
        }
    }
    return out;
}

std::vector<Event> EclipseEvents(std::int64_t from, std::int64_t to, const std::optional<Place>& place) {
    std::vector<Event> out;
    if (!clampToYears(from, to)) {
        return out;
    }
    for (const sky::LunarEclipse& l : KeptLunarEclipsesBetween(from, to)) {
        EclipseFacts facts;
        facts.kind = l.kind;
        facts.magnitude = l.kind == sky::EclipseKind::Penumbral ? l.penumbralMagnitude : l.umbralMagnitude;
        if (place) {
            const auto add = [&](std::string_view what, std::int64_t at) {
                addContact(facts, sky::Body::Moon, *place, what, at);
            };
            add(LUNARA_TEXT("Almanac", "Penumbral eclipse begins"), l.penumbralStart);
            add(LUNARA_TEXT("Almanac", "Partial eclipse begins"), l.partialStart);
            add(LUNARA_TEXT("Almanac", "Totality begins"), l.totalStart);
            add(LUNARA_TEXT("Almanac", "Greatest eclipse"), l.greatest);
            add(LUNARA_TEXT("Almanac", "Totality ends"), l.totalEnd);
            add(LUNARA_TEXT("Almanac", "Partial eclipse ends"), l.partialEnd);
            add(LUNARA_TEXT("Almanac", "Penumbral eclipse ends"), l.penumbralEnd);
            // What can be seen of a partial or total eclipse is the shadow's bite; of a penumbral one, its
            // dimming. It is seen from the first of its phases the moon is up for.
            const bool umbral = l.partialStart != 0;
            const std::int64_t end = umbral ? l.partialEnd : l.penumbralEnd;
            const std::array<std::int64_t, 4> phases =
                umbral ? std::array{l.partialStart, l.totalStart != 0 ? l.totalStart : end,
                                    l.totalEnd != 0 ? l.totalEnd : end, end}
                       : std::array{l.penumbralStart, end, end, end};
            for (std::size_t i = 0; i + 1 < phases.size() && facts.seenFrom == 0; ++i) {
                if (phases[i] < phases[i + 1] && upDuring(sky::Body::Moon, *place, phases[i], phases[i + 1])) {
                    facts.seenFrom = phases[i];
                    facts.seenUntil = end;
                }
            }
            facts.seen = facts.seenFrom != 0;
        }
        out.push_back(eclipseEvent(false, l.kind, l.greatest, std::move(facts)));
    }
    for (const sky::SolarEclipse& s : KeptSolarEclipsesBetween(from, to)) {
        EclipseFacts facts;
        facts.solar = true;
        facts.kind = s.kind;
        facts.magnitude = s.magnitude;
        if (place) {
            // Taken through the earth, the moon covers the sun for places on the night side too: only
            // a place the penumbra reaches while it faces the sun has local circumstances.
            const auto here = sky::SolarEclipseSeenFrom(s, place->latitude, place->longitude);
            if (here && upDuring(sky::Body::Sun, *place, here->partialStart, here->partialEnd)) {
                const bool total = here->kind == sky::EclipseKind::Total;
                const auto add = [&](std::string_view what, std::int64_t at) {
                    addContact(facts, sky::Body::Sun, *place, what, at);
                };
                add(LUNARA_TEXT("Almanac", "Eclipse begins"), here->partialStart);
                add(total ? LUNARA_TEXT("Almanac", "Totality begins") : LUNARA_TEXT("Almanac", "Annularity begins"),
                    here->centralStart);
                add(LUNARA_TEXT("Almanac", "Greatest eclipse"), here->peak);
                add(total ? LUNARA_TEXT("Almanac", "Totality ends") : LUNARA_TEXT("Almanac", "Annularity ends"),
                    here->centralEnd);
                add(LUNARA_TEXT("Almanac", "Eclipse ends"), here->partialEnd);
                facts.localKind = here->kind;
                facts.localMagnitude = here->magnitude;
                facts.seen = true;
                facts.seenFrom = here->partialStart;
                facts.seenUntil = here->partialEnd;
            }
        }
        out.push_back(eclipseEvent(true, s.kind, s.greatest, std::move(facts)));
    }
    return out;
}

std::vector<Event> RetrogradeEvents(std::int64_t from, std::int64_t to) {
    std::vector<Event> out;
    // The periods that reach into the years shown, each with both its stations: the one outside
    // them is searched where the theories still answer.
    if (!clampToYears(from, to)) {
        return out;
    }
    const std::int64_t a = std::max(from - kLongestRetrograde, sky::kFirstStationsUnix);
    const std::int64_t b = std::min(to + kLongestRetrograde, sky::kLastStationsUnix);
    const std::vector<sky::Station> stations = KeptStationsBetween(a, b);
    for (auto s = stations.begin(); s != stations.end(); ++s) {
        if (!s->retrograde) {
            continue;
        }
        const auto direct = std::find_if(s + 1, stations.end(),
                                         [&](const sky::Station& d) { return d.planet == s->planet && !d.retrograde; });
        if (direct == stations.end()) {
            continue; // it turns direct past what the sky answers for
        }
        Event e;
        e.kind = Kind::Retrograde;
        e.start = s->unixSeconds;
        e.end = direct->unixSeconds;
        e.planet = s->planet;
        e.sign = signOf(sky::ApparentLongitude(s->planet, e.start));
        e.endSign = signOf(sky::ApparentLongitude(s->planet, e.end));
        e.words = std::string(sky::PlanetName(s->planet)) + " retrograde";
        e.id = "retrograde-" + lower(sky::PlanetName(s->planet)) + "-" + UtcDate(e.start);
        if (within(e, from, to)) {
            out.push_back(std::move(e));
        }
    }
    return out;
}

std::vector<Event> MoonNameEvents(std::int64_t from, std::int64_t to, bool southern, const Dates& dates) {
    // By the month of the full moon, from January; the south takes the name of the month six away.
    constexpr std::array<std::string_view, 12> kNames{
        LUNARA_TEXT("Almanac", "Wolf Moon"),   LUNARA_TEXT("Almanac", "Snow Moon"),
        LUNARA_TEXT("Almanac", "Worm Moon"),   LUNARA_TEXT("Almanac", "Pink Moon"),
        LUNARA_TEXT("Almanac", "Flower Moon"), LUNARA_TEXT("Almanac", "Strawberry Moon"),
        LUNARA_TEXT("Almanac", "Buck Moon"),   LUNARA_TEXT("Almanac", "Sturgeon Moon"),
        LUNARA_TEXT("Almanac", "Corn Moon"),   LUNARA_TEXT("Almanac", "Hunter's Moon"),
        LUNARA_TEXT("Almanac", "Beaver Moon"), LUNARA_TEXT("Almanac", "Cold Moon")};
    std::vector<Event> out;
    if (to <= from || to < sky::kFirstUnix + 70 * kDay || from > sky::kLastUnix - 70 * kDay) {
        return out;
    }
    // Two months either side: the month before tells whether the first full or new moon of the range
    // is a month's second, and the autumn equinoxes near the range name their Harvest Moons.
    const std::vector<sky::PhaseEvent> phases =
        sky::PhaseEventsBetween(std::max(from - 60 * kDay, sky::kFirstUnix), std::min(to + 60 * kDay, sky::kLastUnix));
    std::vector<std::int64_t> fulls;
    for (const sky::PhaseEvent& p : phases) {
        if (p.quarter == sky::Quarter::Full) {
            fulls.push_back(p.unixSeconds);
        }
    }
    // The Harvest Moon is the full moon nearest the autumn equinox, the Hunter's Moon the next.
    std::set<std::int64_t> harvest;
    std::set<std::int64_t> hunter;
    std::int64_t a = from - 45 * kDay;
    std::int64_t b = to + 20 * kDay;
    if (clampToYears(a, b)) {
        for (const sky::SunTurning& turning : KeptTurningsBetween(a, b)) {
            if (turning.longitude != (southern ? 0 : 180)) {
                continue;
            }
            const auto nearest = std::min_element(fulls.begin(), fulls.end(), [&](std::int64_t x, std::int64_t y) {
                return std::llabs(x - turning.unixSeconds) < std::llabs(y - turning.unixSeconds);
            });
            if (nearest != fulls.end()) {
                harvest.insert(*nearest);
                if (nearest + 1 != fulls.end()) {
                    hunter.insert(*(nearest + 1));
                }
            }
        }
    }
    std::array<std::int64_t, 2> last{}; // the full moon before, the new moon before
    for (const sky::PhaseEvent& p : phases) {
        const bool full = p.quarter == sky::Quarter::Full;
        if (!full && p.quarter != sky::Quarter::New) {
            continue;
        }
        std::int64_t& before = last[full ? 0 : 1];
        const int month = dateOf(dates, p.unixSeconds) / 100;
        const bool second = before != 0 && dateOf(dates, before) / 100 == month;
        before = p.unixSeconds;
        if (p.unixSeconds < from || p.unixSeconds >= to) {
            continue;
        }
        const auto add = [&](std::string_view words, std::string_view id) {
            Event e;
            e.kind = Kind::MoonName;
            e.start = e.end = p.unixSeconds;
            e.quarter = p.quarter;
            e.sign = sky::MoonSignAt(p.unixSeconds);
            e.words = words;
            e.id = std::string(id) + "-" + UtcDate(p.unixSeconds);
            out.push_back(std::move(e));
        };
        if (full) {
            add(harvest.contains(p.unixSeconds) ? LUNARA_TEXT("Almanac", "Harvest Moon")
                : hunter.contains(p.unixSeconds)
                    ? LUNARA_TEXT("Almanac", "Hunter's Moon")
                    : kNames[static_cast<std::size_t>((month % 100 - 1 + (southern ? 6 : 0)) % 12)],
                "moonname");
        }
        if (second) {
            add(full ? LUNARA_TEXT("Almanac", "Blue moon") : LUNARA_TEXT("Almanac", "Black moon"),
                full ? "bluemoon" : "blackmoon");
        }
    }
    return out;
}

std::vector<Event> SupermoonEvents(std::int64_t from, std::int64_t to) {
    std::vector<Event> out;
    // The perigee and apogee around each full or new moon lie within 16 days of it.
    std::int64_t a = from - 16 * kDay;
    std::int64_t b = to + 16 * kDay;
    if (!clampToYears(a, b)) {
        return out;
    }
    const std::vector<sky::LunarApsis> apsides = KeptApsidesBetween(a, b);
    for (const sky::PhaseEvent& p : sky::PhaseEventsBetween(std::max(from, a), std::min(to, b))) {
        if (p.quarter != sky::Quarter::Full && p.quarter != sky::Quarter::New) {
            continue;
        }
        const auto after = std::find_if(apsides.begin(), apsides.end(),
                                        [&](const sky::LunarApsis& x) { return x.unixSeconds > p.unixSeconds; });
        if (after == apsides.begin() || after == apsides.end() || after->perigee == (after - 1)->perigee) {
            continue;
        }
        const sky::LunarApsis& perigee = after->perigee ? *after : *(after - 1);
        const sky::LunarApsis& apogee = after->perigee ? *(after - 1) : *after;
        const double distance = sky::MoonPosition(sky::UnixToJde(p.unixSeconds)).distanceKm;
        const double share = (apogee.distanceKm - distance) / (apogee.distanceKm - perigee.distanceKm);
        const bool super = share >= 0.9;
        if (!super && share > 0.1) {
            continue;
        }
        const bool full = p.quarter == sky::Quarter::Full;
        Event e;
        e.kind = Kind::Supermoon;
        e.start = e.end = p.unixSeconds;
        e.quarter = p.quarter;
        e.sign = sky::MoonSignAt(p.unixSeconds);
        e.distanceKm = distance;
        e.words = full ? (super ? LUNARA_TEXT("Almanac", "Supermoon") : LUNARA_TEXT("Almanac", "Micromoon"))
                       : (super ? LUNARA_TEXT("Almanac", "Super new moon") : LUNARA_TEXT("Almanac", "Micro new moon"));
        e.id = std::string(super ? "supermoon-" : "micromoon-") + UtcDate(p.unixSeconds);
        out.push_back(std::move(e));
    }
    return out;
}

} // namespace lunara::almanac::detail
