#pragma once

// The sky's events as every view shows them. For a place and a choice of planets: every event of a
// range in time order, each with its kind, start and (for a period) end, what it concerns, its words
// and an identity that depends only on what the event is. The calendar, its file and its printed
// month, and Magick Hours read their events here and never search the sky themselves, so a new
// kind of event is added once, here, and each view only decides how to show it. Searches are
// kept for the range last asked (bounded), so asking again within it computes nothing.

#include "sky/horizon.h"
#include "sky/sky.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lunara::almanac {

enum class Kind {
    Quarter,      // new moon, first quarter, full moon, last quarter
    Ingress,      // the moon enters a sign
    VoidOfCourse, // a period: from the moon's last major aspect in a sign to its next ingress
    Rising,       // the sun or the moon rises at the place
    Setting,      // the sun or the moon sets at the place
    Other,        // events of an added source
};

// A set of kinds.
class Kinds {
public:
    constexpr Kinds(std::initializer_list<Kind> kinds) {
        for (const Kind k : kinds) {
            bits_ |= bit(k);
        }
    }
    constexpr bool has(Kind kind) const { return (bits_ & bit(kind)) != 0; }
    static constexpr Kinds all() {
        return {Kind::Quarter, Kind::Ingress, Kind::VoidOfCourse, Kind::Rising, Kind::Setting, Kind::Other};
    }

private:
    static constexpr unsigned bit(Kind kind) { return 1U << static_cast<unsigned>(kind); }
    unsigned bits_ = 0;
};

struct Event {
    Kind kind = Kind::Other;
    std::int64_t start = 0;                   // Unix seconds
    std::int64_t end = 0;                     // the end of a period; the start again for an instant
    sky::Body body = sky::Body::Moon;         // what rises or sets
    sky::Quarter quarter = sky::Quarter::New; // which quarter
    std::string_view sign;                    // the quarter's sign; the sign entered (an ingress, the end of a void)
    std::string words;                        // "Full moon in Cancer", "Moon enters Leo", "Moon void of course"
    std::string id;                           // "quarter-2-20261224": the same event, the same id, in any range
    bool isPeriod() const { return end > start; }
    bool operator==(const Event&) const = default;
};

// The sky of one local day of a calendar: the moon at the day's noon, and the quarter and sign
// ingresses that fall within the day.
struct DaySky {
    double age = 0;                          // days since the new moon, at noon
    double fraction = 0;                     // lit share of the disc, at noon
    std::string_view sign;                   // the sign the moon stands in at noon
    std::optional<sky::PhaseEvent> quarter;  // a quarter that falls within the day
    std::vector<sky::SignIngress> ingresses; // the moon entering a sign within the day
};

// Where risings and settings are seen from: degrees, north and east positive.
struct Place {
    double latitude = 0;
    double longitude = 0;
    bool operator==(const Place&) const = default;
};

// Events from elsewhere, of kind Other: every one of [from, to) (a period: overlapping it).
using Source = std::function<std::vector<Event>(std::int64_t from, std::int64_t to)>;

class Almanac {
public:
    explicit Almanac(std::optional<Place> place = std::nullopt, bool modernPlanets = false);

    // Without a place there are no risings and settings.
    void setPlace(std::optional<Place> place);
    // Aspects to Uranus, Neptune and Pluto count for the void of course.
    void setModernPlanets(bool modern);
    bool modernPlanets() const { return modern_; }
    std::optional<Place> place() const { return place_; }
    void addSource(Source source);

    // Every event of these kinds in [from, to) (a period when it overlaps the range), in time order;
    // events at the same instant in the order of their kinds.
    std::vector<Event> events(std::int64_t fromUnix, std::int64_t toUnix, Kinds kinds) const;

    // The sky of consecutive local days for a calendar: day i runs from boundaries[i] to
    // boundaries[i + 1] (local midnights, so a day may be 23 or 25 hours long) and is seen at
    // noons[i]; its quarter and ingresses are the events here. Throws std::invalid_argument when
    // the boundaries do not increase, a noon lies outside its day, or there is not exactly one
    // boundary more than noons.
    std::vector<DaySky> days(const std::vector<std::int64_t>& boundaries, const std::vector<std::int64_t>& noons) const;

    // How many searches of the sky the almanac has made (for the checks of what it keeps).
    int searches() const { return searches_; }

private:
    // One kind of search and the range it covers.
    struct Kept {
        bool valid = false;
        std::int64_t from = 0;
        std::int64_t to = 0;
        std::vector<Event> events;
    };
    enum Search { Quarters, Ingresses, Voids, SunHorizon, MoonHorizon, kSearches };
    const std::vector<Event>& covered(Search search, std::int64_t from, std::int64_t to) const;
    std::vector<Event> search(Search search, std::int64_t from, std::int64_t to) const;

    std::optional<Place> place_;
    bool modern_ = false;
    std::vector<Source> sources_;
    mutable std::array<Kept, kSearches> kept_;
    mutable int searches_ = 0;
};

// "20261224": an instant's date in UTC, as identities name it (any year, 1970 or not).
std::string UtcDate(std::int64_t unixSeconds);
// "20261224T012846Z": its date and time in UTC, as calendar files write it.
std::string UtcStamp(std::int64_t unixSeconds);
// "New moon", "First quarter moon", "Full moon", "Last quarter moon".
std::string_view QuarterWords(sky::Quarter quarter);

} // namespace lunara::almanac
