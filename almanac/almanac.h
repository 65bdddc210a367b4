#pragma once

// The sky's events as every view shows them. For a place and a choice of planets: every event of a
// range in time order, each with its kind, start and (for a period) end, what it concerns, its words
// and an identity that depends only on what the event is. The calendar, its file and its printed
// month, and Magick Hours read their events here and never search the sky themselves, so a new
// kind of event is added once, here, and each view only decides how to show it. Searches are
// kept for the range last asked (bounded), so asking again within it computes nothing.

#include "sky/eclipses.h"
#include "sky/horizon.h"
#include "sky/planets.h"
#include "sky/sky.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
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
    Sabbat,       // the Wheel of the Year: a solstice or equinox, or a cross-quarter day (a whole local date)
    Eclipse,      // a lunar or solar eclipse, at its greatest, with how it is seen from the place
    Retrograde,   // a period: a planet's station retrograde to its station direct
    MoonName,     // a full moon's name; a blue moon (second full in a month), a black moon (second new)
    Supermoon,    // a full or new moon in the nearest (super) or farthest (micro) tenth of its month's range
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
        return {Kind::Quarter, Kind::Ingress,    Kind::VoidOfCourse, Kind::Rising,    Kind::Setting, Kind::Sabbat,
                Kind::Eclipse, Kind::Retrograde, Kind::MoonName,     Kind::Supermoon, Kind::Other};
    }

private:
    static constexpr unsigned bit(Kind kind) { return 1U << static_cast<unsigned>(kind); }
    unsigned bits_ = 0;
};

// The kinds a year is planned by, beside the moon's own quarters, ingresses and void of course.
inline constexpr Kinds kYearKinds{Kind::Sabbat, Kind::Eclipse, Kind::Retrograde, Kind::MoonName, Kind::Supermoon};

// A moment of an eclipse as seen from the place: what happens, when, and the altitude of the eclipsed
// body's upper limb (degrees, without refraction: above sky::kHorizonAltitude it is up).
struct Contact {
    std::string_view what; // "Partial eclipse begins", "Greatest eclipse", "Totality ends", ...
    std::int64_t at = 0;
    double altitude = 0;
    bool operator==(const Contact&) const = default;
};

struct EclipseFacts {
    bool solar = false;
    sky::EclipseKind kind = sky::EclipseKind::Partial; // as the canons class it
    double magnitude = 0; // lunar: umbral (penumbral for a penumbral eclipse); solar: at greatest
    // At the place (nothing without one): whether the body is up during it, its moments, and
    // for a solar eclipse its kind and magnitude there. A solar eclipse has none of these where the
    // moon's penumbra does not reach the place while the sun is up there (the night side included).
    bool seen = false;
    std::vector<Contact> contacts;
    std::optional<sky::EclipseKind> localKind;
    double localMagnitude = 0;
    // While it is seen there (0 when it is not): a solar eclipse from its first contact at the place,
    // a lunar one from the start of the first phase the moon is up for (the penumbral dimming only
    // for a penumbral eclipse), each to its end.
    std::int64_t seenFrom = 0;
    std::int64_t seenUntil = 0;
    bool operator==(const EclipseFacts&) const = default;
};

struct Event {
    Kind kind = Kind::Other;
    std::int64_t start = 0;                   // Unix seconds
    std::int64_t end = 0;                     // the end of a period; the start again for an instant
    sky::Body body = sky::Body::Moon;         // what rises or sets
    sky::Quarter quarter = sky::Quarter::New; // which quarter
    std::string_view sign; // the quarter's sign; the sign entered (an ingress, the end of a void); the sun's at a
                           // sabbat; a retrograde's at its station retrograde
    std::string words;     // "Full moon in Cancer", "Moon enters Leo", "Moon void of course"
    std::string id;        // "quarter-2-20261224": the same event, the same id, in any range
    sky::Planet planet = sky::Planet::Moon; // a retrograde's planet
    std::string_view endSign;               // a retrograde's sign at its station direct
    int date = 0;           // a cross-quarter sabbat's local date (yyyymmdd): start and end are its bounds
    std::int64_t exact = 0; // a sabbat's instant: the sun at a multiple of 45 degrees
    double distanceKm = 0;  // a supermoon's or micromoon's distance from the earth's centre
    std::optional<EclipseFacts> eclipse;
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

// Local dates: the date an instant falls on, as yyyymmdd, and the first instant of such a date.
// Without them the almanac's dates are UTC's.
struct Dates {
    std::function<int(std::int64_t)> dateOf;
    std::function<std::int64_t(int)> startOf;
    // Which dates these are (a zone's name): setting dates of the same name again keeps what the
    // almanac found; empty names none.
    std::string name;
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
    // The southern hemisphere turns the Wheel of the Year the other way and names its full moons
    // by the months six away.
    void setSouthern(bool southern);
    bool southern() const { return southern_; }
    // The dates of the user's zone: cross-quarter days, and which full moons share a month.
    void setDates(Dates dates);
    bool modernPlanets() const { return modern_; }
    std::optional<Place> place() const { return place_; }
    void addSource(Source source);
    // How far past the range asked a search looks, and keeps for the ranges asked next (a view
    // moving on by a day or a week): eight days unless set. A program that asks once looks no
    // further than it asks (0). The events of a range are the same whatever it is.
    void setLookAround(std::int64_t seconds) { lookAround_ = seconds; }

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
    // Almanacs made after this call share nothing with those made before (for the checks that
    // compare what was kept with what a fresh almanac finds).
    static void ShareNothingWithEarlierOnes();

private:
    // One kind of search and the range it covers.
    struct Kept {
        bool valid = false;
        std::int64_t from = 0;
        std::int64_t to = 0;
        std::vector<Event> events;
    };
    enum Search {
        Quarters,
        Ingresses,
        Voids,
        SunHorizon,
        MoonHorizon,
        Sabbats,
        Eclipses,
        Retrogrades,
        MoonNames,
        Supermoons,
        kSearches
    };
    const std::vector<Event>& covered(Search search, std::int64_t from, std::int64_t to) const;
    std::vector<Event> search(Search search, std::int64_t from, std::int64_t to) const;
    // Points a search's kept events at those every almanac with the same settings for it shares.
    void shareKept(std::initializer_list<Search> searches);

    std::optional<Place> place_;
    bool modern_ = false;
    bool southern_ = false;
    Dates dates_;
    std::vector<Source> sources_;
    std::int64_t lookAround_ = 8LL * 86400;
    // What each search found, shared with every almanac of the same place, zone, hemisphere and
    // planets (as far as the search depends on them): windows and the reminders search once.
    std::array<std::shared_ptr<Kept>, kSearches> kept_;
    mutable int searches_ = 0;
};

// "20261224": an instant's date in UTC, as identities name it (any year, 1970 or not).
std::string UtcDate(std::int64_t unixSeconds);
// "20261224T012846Z": its date and time in UTC, as calendar files write it.
std::string UtcStamp(std::int64_t unixSeconds);
// "New moon", "First quarter moon", "Full moon", "Last quarter moon".
std::string_view QuarterWords(sky::Quarter quarter);
// "Penumbral", "Partial", "Annular", "Total", "Hybrid".
std::string_view EclipseKindName(sky::EclipseKind kind);
// 20261224: an instant's UTC date as a number, as Event::date and Dates write dates.
int UtcDateNumber(std::int64_t unixSeconds);
// The first instant of a date (yyyymmdd) in UTC.
std::int64_t UtcStartOf(int date);
// The date after a date (yyyymmdd): 20261231 -> 20270101.
int NextDate(int date);

} // namespace lunara::almanac
