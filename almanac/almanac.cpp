#include "almanac/almanac.h"

#include "almanac/searches.h"
#include "sky/planets.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <deque>
#include <map>
#include <stdexcept>
#include <utility>

namespace lunara::almanac {

namespace {

using detail::kDay;
using detail::lower;
using detail::within;

// The most a kept search covers; past it the almanac starts afresh.
constexpr std::int64_t kMostKept = 400 * kDay;
// The sky's own searches look a few days past their ends.
constexpr std::int64_t kSkyMargin = 4 * kDay;

std::string twoDigits(int n) { return {char('0' + n / 10), char('0' + n % 10)}; }

Event instantOrPeriod(Kind kind, std::int64_t start, std::int64_t end, sky::Body body, sky::Quarter quarter,
                      std::string_view sign, std::string words, std::string id) {
    Event e;
    e.kind = kind;
    e.start = start;
    e.end = end;
    e.body = body;
    e.quarter = quarter;
    e.sign = sign;
    e.words = std::move(words);
    e.id = std::move(id);
    return e;
}

bool earlier(const Event& a, const Event& b) { return a.start != b.start ? a.start < b.start : a.kind < b.kind; }

struct Civil {
    std::int64_t year;
    int month;
    int day;
};

Civil civilOf(std::int64_t unixSeconds) {
    // Days since 1970-01-01, rounded down, to a civil date (the proleptic Gregorian calendar).
    std::int64_t z = (unixSeconds >= 0 ? unixSeconds : unixSeconds - (kDay - 1)) / kDay + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const auto d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const auto m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const auto y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
    return {y, m, d};
}

} // namespace

std::string detail::lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

bool detail::within(const Event& e, std::int64_t from, std::int64_t to) {
    return e.isPeriod() ? e.start < to && e.end > from : e.start >= from && e.start < to;
}

std::string UtcDate(std::int64_t unixSeconds) {
    const Civil c = civilOf(unixSeconds);
    return std::to_string(c.year) + twoDigits(c.month) + twoDigits(c.day);
}

int UtcDateNumber(std::int64_t unixSeconds) {
    const Civil c = civilOf(unixSeconds);
    return static_cast<int>(c.year) * 10000 + c.month * 100 + c.day;
}

std::int64_t UtcStartOf(int date) {
    // A civil date to days since 1970-01-01, the inverse of civilOf.
    const int m = date / 100 % 100;
    const int y = date / 10000 - (m <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy =
        (153 * static_cast<unsigned>(m > 2 ? m - 3 : m + 9) + 2) / 5 + static_cast<unsigned>(date % 100) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return (static_cast<std::int64_t>(era) * 146097 + static_cast<std::int64_t>(doe) - 719468) * kDay;
}

int NextDate(int date) { return UtcDateNumber(UtcStartOf(date) + kDay); }

std::string UtcStamp(std::int64_t unixSeconds) {
    const std::int64_t second = ((unixSeconds % kDay) + kDay) % kDay;
    return UtcDate(unixSeconds) + 'T' + twoDigits(int(second / 3600)) + twoDigits(int(second / 60 % 60)) +
           twoDigits(int(second % 60)) + 'Z';
}

std::string_view EclipseKindName(sky::EclipseKind kind) {
    constexpr std::array<std::string_view, 5> kNames{"Penumbral", "Partial", "Annular", "Total", "Hybrid"};
    return kNames[static_cast<std::size_t>(kind)];
}

std::string_view QuarterWords(sky::Quarter quarter) {
    constexpr std::array<std::string_view, 4> kWords{"New moon", "First quarter moon", "Full moon",
                                                     "Last quarter moon"};
    return kWords[static_cast<std::size_t>(quarter)];
}

Almanac::Almanac(std::optional<Place> place, bool modernPlanets) : place_(place), modern_(modernPlanets) {
    shareKept(
        {Quarters, Ingresses, Voids, SunHorizon, MoonHorizon, Sabbats, Eclipses, Retrogrades, MoonNames, Supermoons});
}

void Almanac::setPlace(std::optional<Place> place) {
    if (place != place_) {
        place_ = place;
        shareKept({SunHorizon, MoonHorizon, Eclipses});
    }
}

void Almanac::setModernPlanets(bool modern) {
    if (modern != modern_) {
        modern_ = modern;
        shareKept({Voids});
    }
}

void Almanac::setSouthern(bool southern) {
    if (southern != southern_) {
        southern_ = southern;
        shareKept({Sabbats, MoonNames});
    }
}

void Almanac::setDates(Dates dates) {
    if (!dates.name.empty() && dates.name == dates_.name) {
        return;
    }
    dates_ = std::move(dates);
    shareKept({Sabbats, MoonNames});
}

namespace {
int generation = 0;
} // namespace

void Almanac::ShareNothingWithEarlierOnes() { ++generation; }

void Almanac::shareKept(std::initializer_list<Search> searches) {
    // Kept events by search and by what that search depends on; an entry lives while an almanac
    // uses it, and the few used last a while longer, for a window that is opened again. Almanacs
    // live in the program's one thread (the windows' and the reminders'), so nothing is locked.
    static std::map<std::string, std::weak_ptr<Kept>> shared;
    static std::deque<std::shared_ptr<Kept>> recent;
    static std::uint64_t ownDates = 0;
    constexpr std::size_t kRecent = 24;
    std::erase_if(shared, [](const auto& entry) { return entry.second.expired(); });
    for (const Search s : searches) {
        std::string key = std::to_string(generation) + '|' + std::to_string(int(s)) + '|';
        switch (s) {
        case Voids:
            key += modern_ ? "modern" : "classic";
            break;
        case SunHorizon:
        case MoonHorizon:
        case Eclipses:
            // The exact place, by its numbers' bits (formatting a double would also round it).
            key += place_ ? std::to_string(std::bit_cast<std::uint64_t>(place_->latitude)) + ',' +
                                std::to_string(std::bit_cast<std::uint64_t>(place_->longitude))
                          : "nowhere";
            break;
        case Sabbats:
        case MoonNames:
            // Dates given without a name are this almanac's own; none given are everyone's.
            key += southern_ ? "south|" : "north|";
            if (!dates_.name.empty()) {
                key += dates_.name;
            } else if (dates_.dateOf || dates_.startOf) {
                key += "own-" + std::to_string(++ownDates);
            }
            break;
        default:
            break; // the same for every place, zone and hemisphere
        }
        std::shared_ptr<Kept> kept = shared[key].lock();
        if (!kept) {
            kept = std::make_shared<Kept>();
            shared[key] = kept;
        }
        kept_[static_cast<std::size_t>(s)] = kept;
        recent.push_back(kept);
        if (recent.size() > kRecent) {
            recent.pop_front();
        }
    }
}

void Almanac::addSource(Source source) { sources_.push_back(std::move(source)); }

std::vector<Event> Almanac::search(Search what, std::int64_t from, std::int64_t to) const {
    ++searches_;
    std::vector<Event> out;
    switch (what) {
    case Quarters:
        for (const sky::PhaseEvent& e : sky::PhaseEventsBetween(from, to)) {
            const std::string_view sign = sky::MoonSignAt(e.unixSeconds);
            out.push_back(instantOrPeriod(Kind::Quarter, e.unixSeconds, e.unixSeconds, sky::Body::Moon, e.quarter, sign,
                                          std::string(QuarterWords(e.quarter)) + " in " + std::string(sign),
                                          "quarter-" + std::to_string(static_cast<int>(e.quarter)) + "-" +
                                              UtcDate(e.unixSeconds)));
        }
        break;
    case Ingresses:
        for (const sky::SignIngress& in : sky::SignIngressesBetween(from, to)) {
            out.push_back(instantOrPeriod(Kind::Ingress, in.unixSeconds, in.unixSeconds, sky::Body::Moon,
                                          sky::Quarter::New, in.sign, "Moon enters " + std::string(in.sign),
                                          "ingress-" + lower(in.sign) + "-" + UtcDate(in.unixSeconds)));
        }
        break;
    case Voids:
        for (const sky::VoidOfCourse& v : sky::VoidOfCourseBetween(from, to, modern_)) {
            const std::string_view sign = sky::MoonSignAt(v.end);
            // Named by the ingress that ends it, which stays when the range around it changes.
            out.push_back(instantOrPeriod(
                Kind::VoidOfCourse, v.start, v.end, sky::Body::Moon, sky::Quarter::New, sign, "Moon void of course",
                std::string("void-") + (modern_ ? "modern" : "classic") + "-" + lower(sign) + "-" + UtcDate(v.end)));
        }
        break;
    case SunHorizon:
    case MoonHorizon: {
        if (!place_) {
            break;
        }
        const sky::Body body = what == SunHorizon ? sky::Body::Sun : sky::Body::Moon;
        const std::string name = body == sky::Body::Sun ? "Sun" : "Moon";
        for (const sky::HorizonCrossing& c :
             sky::RisingsAndSettingsBetween(body, place_->latitude, place_->longitude, from, to)) {
            std::string words = name + (c.rising ? "rise" : "set");
            // Named by the minute: the moon can rise twice on a date.
            std::string id = lower(words) + "-" + UtcStamp(c.unixSeconds).substr(0, 13);
            out.push_back(instantOrPeriod(c.rising ? Kind::Rising : Kind::Setting, c.unixSeconds, c.unixSeconds, body,
                                          sky::Quarter::New, {}, std::move(words), std::move(id)));
        }
        break;
    }
    case Sabbats:
        return detail::SabbatEvents(from, to, southern_, dates_);
    case Eclipses:
        return detail::EclipseEvents(from, to, place_);
    case Retrogrades:
        return detail::RetrogradeEvents(from, to);
    case MoonNames:
        return detail::MoonNameEvents(from, to, southern_, dates_);
    case Supermoons:
        return detail::SupermoonEvents(from, to);
    case kSearches:
        break;
    }
    return out;
}

const std::vector<Event>& Almanac::covered(Search what, std::int64_t from, std::int64_t to) const {
    Kept& kept = *kept_[static_cast<std::size_t>(what)];
    if (kept.valid && from >= kept.from && to <= kept.to) {
        return kept.events;
    }
    // A little more than asked, but never past what the sky's own searches can reach.
    std::int64_t a = from - lookAround_;
    std::int64_t b = to + lookAround_;
    if (a < sky::kFirstUnix + kSkyMargin) {
        a = std::min(from, sky::kFirstUnix + kSkyMargin);
    }
    if (b > sky::kLastUnix - kSkyMargin) {
        b = std::max(to, sky::kLastUnix - kSkyMargin);
    }
    const bool joins =
        kept.valid && a <= kept.to && b >= kept.from && std::max(b, kept.to) - std::min(a, kept.from) <= kMostKept;
    if (!joins) {
        kept.events = search(what, a, b);
        kept.from = a;
        kept.to = b;
        kept.valid = true;
        return kept.events;
    }
    // Only the parts not searched yet; instants split at any second are neither lost nor doubled,
    // and a period across a seam is found on both sides once each.
    std::vector<Event> joined = a < kept.from ? search(what, a, kept.from) : std::vector<Event>{};
    joined.insert(joined.end(), kept.events.begin(), kept.events.end());
    if (b > kept.to) {
        const std::vector<Event> after = search(what, kept.to, b);
        joined.insert(joined.end(), after.begin(), after.end());
    }
    std::stable_sort(joined.begin(), joined.end(), earlier);
    joined.erase(std::unique(joined.begin(), joined.end()), joined.end());
    kept.events = std::move(joined);
    kept.from = std::min(a, kept.from);
    kept.to = std::max(b, kept.to);
    return kept.events;
}

std::vector<Event> Almanac::events(std::int64_t fromUnix, std::int64_t toUnix, Kinds kinds) const {
    std::vector<Event> out;
    if (toUnix <= fromUnix) {
        return out;
    }
    const auto take = [&](const std::vector<Event>& events) {
        for (const Event& e : events) {
            if (kinds.has(e.kind) && within(e, fromUnix, toUnix)) {
                out.push_back(e);
            }
        }
    };
    if (kinds.has(Kind::Quarter)) {
        take(covered(Quarters, fromUnix, toUnix));
    }
    if (kinds.has(Kind::Ingress)) {
        take(covered(Ingresses, fromUnix, toUnix));
    }
    if (kinds.has(Kind::VoidOfCourse)) {
        take(covered(Voids, fromUnix, toUnix));
    }
    if (place_ && (kinds.has(Kind::Rising) || kinds.has(Kind::Setting))) {
        take(covered(SunHorizon, fromUnix, toUnix));
        take(covered(MoonHorizon, fromUnix, toUnix));
    }
    for (const auto& [kind, what] : {std::pair{Kind::Sabbat, Sabbats}, std::pair{Kind::Eclipse, Eclipses},
                                     std::pair{Kind::Retrograde, Retrogrades}, std::pair{Kind::MoonName, MoonNames},
                                     std::pair{Kind::Supermoon, Supermoons}}) {
        if (kinds.has(kind)) {
            take(covered(what, fromUnix, toUnix));
        }
    }
    if (kinds.has(Kind::Other)) {
        for (const Source& source : sources_) {
            for (Event& e : source(fromUnix, toUnix)) {
                e.kind = Kind::Other;
                if (within(e, fromUnix, toUnix)) {
                    out.push_back(std::move(e));
                }
            }
        }
    }
    std::stable_sort(out.begin(), out.end(), earlier);
    return out;
}

std::vector<DaySky> Almanac::days(const std::vector<std::int64_t>& boundaries,
                                  const std::vector<std::int64_t>& noons) const {
    if (boundaries.size() != noons.size() + 1) {
        throw std::invalid_argument("days: one boundary more than noons is needed");
    }
    for (std::size_t i = 0; i < noons.size(); ++i) {
        if (boundaries[i + 1] <= boundaries[i]) {
            throw std::invalid_argument("days: day boundaries must increase");
        }
        if (noons[i] < boundaries[i] || noons[i] >= boundaries[i + 1]) {
            throw std::invalid_argument("days: a noon lies outside its day");
        }
    }
    std::vector<DaySky> days(noons.size());
    if (noons.empty()) {
        return days;
    }
    // The quarters of the span, and the new moon before it for the age of its first days.
    const std::vector<Event> quarters = events(boundaries.front() - 32 * kDay, boundaries.back(), {Kind::Quarter});
    const std::vector<Event> ingresses = events(boundaries.front(), boundaries.back(), {Kind::Ingress});
    std::int64_t lastNew = 0;
    auto nextQuarter = quarters.begin();
    auto nextIngress = ingresses.begin();
    for (std::size_t i = 0; i < noons.size(); ++i) {
        DaySky& day = days[i];
        for (auto q = quarters.begin(); q != quarters.end() && q->start <= noons[i]; ++q) {
            lastNew = q->quarter == sky::Quarter::New ? q->start : lastNew;
        }
        day.age = static_cast<double>(noons[i] - lastNew) / static_cast<double>(kDay);
        day.fraction = sky::IlluminatedFraction(noons[i]);
        day.sign = sky::MoonSignAt(noons[i]);
        for (; nextQuarter != quarters.end() && nextQuarter->start < boundaries[i + 1]; ++nextQuarter) {
            if (nextQuarter->start >= boundaries[i]) {
                day.quarter = sky::PhaseEvent{nextQuarter->quarter, nextQuarter->start};
            }
        }
        for (; nextIngress != ingresses.end() && nextIngress->start < boundaries[i + 1]; ++nextIngress) {
            day.ingresses.push_back({nextIngress->start, nextIngress->sign});
        }
    }
    return days;
}

} // namespace lunara::almanac
