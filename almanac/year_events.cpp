// The events a year is planned by, as the almanac gives them: the Wheel of the Year, eclipses and how
// they are seen from the place, retrograde periods, the full moons' names, blue and black moons,
// supermoons and micromoons.
#include "almanac/almanac.h"
#include "sky/year.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace lunara::almanac {

namespace {

constexpr std::int64_t kDay = 86400;
// A retrograde lasts at most about 160 days (Pluto's); stations this far outside a range are
// enough to pair every period that overlaps it.
constexpr std::int64_t kLongestRetrograde = 175 * kDay;
// Moments of an eclipse are looked at this often to tell whether any of it is above the horizon.
constexpr std::int64_t kLookEvery = 120;

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

bool within(const Event& e, std::int64_t from, std::int64_t to) {
    return e.isPeriod() ? e.start < to && e.end > from : e.start >= from && e.start < to;
}

// The part of [from, to) the sky's year searches answer for; false when none.
bool clampToYears(std::int64_t& from, std::int64_t& to) {
    from = std::max(from, sky::kFirstYearsUnix);
    to = std::min(to, sky::kLastYearsUnix);
    return from < to;
}

int dateOf(const Dates& dates, std::int64_t t) { return dates.dateOf ? dates.dateOf(t) : UtcDateNumber(t); }
std::int64_t startOf(const Dates& dates, int date) { return dates.startOf ? dates.startOf(date) : UtcStartOf(date); }
int nextDate(int date) { return UtcDateNumber(UtcStartOf(date) + kDay + kDay / 2); }

// The sabbat at each multiple of 45 degrees of the sun's longitude, from 0 (the March equinox), and
// for a cross-quarter day its traditional date (month, day) in the north and in the south.
struct Spoke {
    std::string_view north;
    std::string_view south;
    int northMonth, northDay;
    int southMonth, southDay;
};
constexpr std::array<Spoke, 8> kWheel{{
    {"Ostara", "Mabon", 0, 0, 0, 0},
    {"Beltane", "Samhain", 5, 1, 4, 30},
    {"Litha", "Yule", 0, 0, 0, 0},
    {"Lughnasadh", "Imbolc", 8, 1, 8, 1},
    {"Mabon", "Ostara", 0, 0, 0, 0},
    {"Samhain", "Beltane", 10, 31, 10, 31},
    {"Yule", "Litha", 0, 0, 0, 0},
    {"Imbolc", "Lughnasadh", 2, 1, 2, 1},
}};

std::string_view seasonWords(std::string_view sabbat) {
    if (sabbat == "Yule") {
        return ", the winter solstice";
    }
    if (sabbat == "Litha") {
        return ", the summer solstice";
    }
    if (sabbat == "Ostara") {
        return ", the spring equinox";
    }
    if (sabbat == "Mabon") {
        return ", the autumn equinox";
    }
    return {};
}

std::string_view signOf(double longitude) {
    return sky::kSigns[static_cast<std::size_t>(std::floor(longitude / 30.0)) % 12];
}

// True when the body's upper limb is above the horizon at some moment of [from, to].
bool upDuring(sky::Body body, const Place& place, std::int64_t from, std::int64_t to) {
    for (std::int64_t t = from;; t = std::min(t + kLookEvery, to)) {
        if (sky::UpperLimbAltitude(body, place.latitude, place.longitude, t) > 0) {
            return true;
        }
        if (t >= to) {
            return false;
        }
    }
}

std::string_view kindWords(sky::EclipseKind kind) {
    switch (kind) {
    case sky::EclipseKind::Penumbral:
        return "Penumbral";
    case sky::EclipseKind::Partial:
        return "Partial";
    case sky::EclipseKind::Annular:
        return "Annular";
    case sky::EclipseKind::Total:
        return "Total";
    case sky::EclipseKind::Hybrid:
        return "Hybrid";
    }
    return {};
}

Event eclipseEvent(bool solar, sky::EclipseKind kind, std::int64_t greatest, EclipseFacts facts) {
    Event e;
    e.kind = Kind::Eclipse;
    e.start = e.end = greatest;
    e.body = solar ? sky::Body::Sun : sky::Body::Moon;
    e.words = std::string(kindWords(kind)) + (solar ? " solar eclipse" : " lunar eclipse");
    e.id = std::string(solar ? "eclipse-solar-" : "eclipse-lunar-") + UtcDate(greatest);
    e.eclipse = std::move(facts);
    return e;
}

} // namespace

int UtcDateNumber(std::int64_t unixSeconds) { return std::stoi(UtcDate(unixSeconds)); }

std::int64_t UtcStartOf(int date) {
    // Days from 1970-01-01 to a civil date (the proleptic Gregorian calendar).
    const int y0 = date / 10000;
    const int m = date / 100 % 100;
    const int d = date % 100;
    const int y = m <= 2 ? y0 - 1 : y0;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * static_cast<unsigned>(m > 2 ? m - 3 : m + 9) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return (static_cast<std::int64_t>(era) * 146097 + static_cast<std::int64_t>(doe) - 719468) * kDay;
}

std::vector<Event> SabbatEvents(std::int64_t from, std::int64_t to, bool southern, const Dates& dates) {
    std::vector<Event> out;
    // A cross-quarter day may lie a week from its point; look that much wider.
    std::int64_t a = from - 10 * kDay;
    std::int64_t b = to + 10 * kDay;
    if (!clampToYears(a, b)) {
        return out;
    }
    for (const sky::SunTurning& turning : sky::SunTurningsBetween(a, b)) {
        const Spoke& spoke = kWheel[static_cast<std::size_t>(turning.longitude / 45)];
        const std::string_view name = southern ? spoke.south : spoke.north;
        Event e;
        e.kind = Kind::Sabbat;
        e.body = sky::Body::Sun;
        e.exact = turning.unixSeconds;
        e.words = std::string(name) + std::string(seasonWords(name));
        const int month = southern ? spoke.southMonth : spoke.northMonth;
        if (month == 0) {
            e.start = e.end = turning.unixSeconds;
            e.id = "sabbat-" + lower(name) + "-" + UtcDate(turning.unixSeconds);
        } else {
            // The day of the tradition, in the year its point falls in.
            const int day = southern ? spoke.southDay : spoke.northDay;
            e.date = dateOf(dates, turning.unixSeconds) / 10000 * 10000 + month * 100 + day;
            e.start = startOf(dates, e.date);
            e.end = startOf(dates, nextDate(e.date));
            e.id = "sabbat-" + lower(name) + "-" + std::to_string(e.date);
        }
        if (within(e, from, to)) {
            out.push_back(std::move(e));
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const Event& x, const Event& y) { return x.start < y.start; });
    return out;
}

std::vector<Event> EclipseEvents(std::int64_t from, std::int64_t to, const std::optional<Place>& place) {
    std::vector<Event> out;
    if (!clampToYears(from, to)) {
        return out;
    }
    for (const sky::LunarEclipse& l : sky::LunarEclipsesBetween(from, to)) {
        EclipseFacts facts;
        facts.kind = l.kind;
        facts.magnitude = l.kind == sky::EclipseKind::Penumbral ? l.penumbralMagnitude : l.umbralMagnitude;
        if (place) {
            const auto add = [&](std::string_view what, std::int64_t at) {
                if (at != 0) {
                    facts.contacts.push_back(
                        {what, at, sky::UpperLimbAltitude(sky::Body::Moon, place->latitude, place->longitude, at)});
                }
            };
            add("Penumbral eclipse begins", l.penumbralStart);
            add("Partial eclipse begins", l.partialStart);
            add("Totality begins", l.totalStart);
            add("Greatest eclipse", l.greatest);
            add("Totality ends", l.totalEnd);
            add("Partial eclipse ends", l.partialEnd);
            add("Penumbral eclipse ends", l.penumbralEnd);
            // What can be seen of a partial or total eclipse is the shadow's bite; of a penumbral one, its dimming.
            const bool umbral = l.partialStart != 0;
            facts.seen = upDuring(sky::Body::Moon, *place, umbral ? l.partialStart : l.penumbralStart,
                                  umbral ? l.partialEnd : l.penumbralEnd);
        }
        out.push_back(eclipseEvent(false, l.kind, l.greatest, std::move(facts)));
    }
    for (const sky::SolarEclipse& s : sky::SolarEclipsesBetween(from, to)) {
        EclipseFacts facts;
        facts.solar = true;
        facts.kind = s.kind;
        facts.magnitude = s.magnitude;
        if (place) {
            if (const auto here = sky::SolarEclipseSeenFrom(s, place->latitude, place->longitude)) {
                const bool total = here->kind == sky::EclipseKind::Total;
                const auto add = [&](std::string_view what, std::int64_t at) {
                    if (at != 0) {
                        facts.contacts.push_back(
                            {what, at, sky::UpperLimbAltitude(sky::Body::Sun, place->latitude, place->longitude, at)});
                    }
                };
                add("Eclipse begins", here->partialStart);
                add(total ? "Totality begins" : "Annularity begins", here->centralStart);
                add("Greatest eclipse", here->peak);
                add(total ? "Totality ends" : "Annularity ends", here->centralEnd);
                add("Eclipse ends", here->partialEnd);
                facts.localKind = here->kind;
                facts.localMagnitude = here->magnitude;
                facts.seen = upDuring(sky::Body::Sun, *place, here->partialStart, here->partialEnd);
            }
        }
        out.push_back(eclipseEvent(true, s.kind, s.greatest, std::move(facts)));
    }
    std::stable_sort(out.begin(), out.end(), [](const Event& x, const Event& y) { return x.start < y.start; });
    return out;
}

std::vector<Event> RetrogradeEvents(std::int64_t from, std::int64_t to) {
    std::vector<Event> out;
    std::int64_t a = from - kLongestRetrograde;
    std::int64_t b = to + kLongestRetrograde;
    if (!clampToYears(a, b)) {
        return out;
    }
    const std::vector<sky::Station> stations = sky::StationsBetween(a, b);
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
    constexpr std::array<std::string_view, 12> kNames{"Wolf Moon",   "Snow Moon",       "Worm Moon",   "Pink Moon",
                                                      "Flower Moon", "Strawberry Moon", "Buck Moon",   "Sturgeon Moon",
                                                      "Corn Moon",   "Hunter's Moon",   "Beaver Moon", "Cold Moon"};
    std::vector<Event> out;
    if (to <= from || to < sky::kFirstUnix + 40 * kDay || from > sky::kLastUnix - 40 * kDay) {
        return out;
    }
    // The month before too: whether the first full or new moon of the range is a month's second.
    const std::vector<sky::PhaseEvent> phases =
        sky::PhaseEventsBetween(std::max(from - 35 * kDay, sky::kFirstUnix), std::min(to, sky::kLastUnix));
    std::int64_t lastFull = 0;
    std::int64_t lastNew = 0;
    bool haveFull = false;
    bool haveNew = false;
    // The Harvest Moon is the full moon nearest the autumn equinox; the Hunter's Moon the next.
    std::int64_t harvest = 0;
    std::int64_t hunter = 0;
    const auto harvestAround = [&](std::int64_t t) {
        std::int64_t a = t - 80 * kDay;
        std::int64_t b = t + 50 * kDay;
        harvest = hunter = 0;
        if (!clampToYears(a, b)) {
            return;
        }
        const int autumn = southern ? 0 : 180;
        for (const sky::SunTurning& turning : sky::SunTurningsBetween(a, b)) {
            if (turning.longitude != autumn) {
                continue;
            }
            std::vector<std::int64_t> fulls;
            for (const sky::PhaseEvent& p :
                 sky::PhaseEventsBetween(turning.unixSeconds - 17 * kDay, turning.unixSeconds + 47 * kDay)) {
                if (p.quarter == sky::Quarter::Full) {
                    fulls.push_back(p.unixSeconds);
                }
            }
            const auto nearest = std::min_element(fulls.begin(), fulls.end(), [&](std::int64_t x, std::int64_t y) {
                return std::llabs(x - turning.unixSeconds) < std::llabs(y - turning.unixSeconds);
            });
            if (nearest != fulls.end()) {
                harvest = *nearest;
                hunter = nearest + 1 != fulls.end() ? *(nearest + 1) : 0;
            }
        }
    };
    std::int64_t lookedAround = 0;
    bool looked = false;
    for (const sky::PhaseEvent& p : phases) {
        const bool full = p.quarter == sky::Quarter::Full;
        if (!full && p.quarter != sky::Quarter::New) {
            continue;
        }
        const int month = dateOf(dates, p.unixSeconds) / 100;
        std::int64_t& last = full ? lastFull : lastNew;
        bool& have = full ? haveFull : haveNew;
        const bool second = have && dateOf(dates, last) / 100 == month;
        last = p.unixSeconds;
        have = true;
        if (p.unixSeconds < from) {
            continue;
        }
        const std::string date = UtcDate(p.unixSeconds);
        const auto add = [&](std::string words, std::string id) {
            Event e;
            e.kind = Kind::MoonName;
            e.start = e.end = p.unixSeconds;
            e.quarter = p.quarter;
            e.sign = sky::MoonSignAt(p.unixSeconds);
            e.words = std::move(words);
            e.id = std::move(id) + "-" + date;
            out.push_back(std::move(e));
        };
        if (full) {
            if (!looked || std::llabs(p.unixSeconds - lookedAround) > 20 * kDay) {
                harvestAround(p.unixSeconds);
                lookedAround = p.unixSeconds;
                looked = true;
            }
            std::string_view name = kNames[static_cast<std::size_t>((month % 100 - 1 + (southern ? 6 : 0)) % 12)];
            if (p.unixSeconds == harvest) {
                name = "Harvest Moon";
            } else if (p.unixSeconds == hunter) {
                name = "Hunter's Moon";
            }
            add(std::string(name), "moonname");
        }
        if (second) {
            add(full ? "Blue moon" : "Black moon", full ? "bluemoon" : "blackmoon");
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
    const std::vector<sky::LunarApsis> apsides = sky::LunarApsidesBetween(a, b);
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
        e.words = full ? (super ? "Supermoon" : "Micromoon") : (super ? "Super new moon" : "Micro new moon");
        e.id = std::string(super ? "supermoon-" : "micromoon-") + UtcDate(p.unixSeconds);
        out.push_back(std::move(e));
    }
    return out;
}

} // namespace lunara::almanac
