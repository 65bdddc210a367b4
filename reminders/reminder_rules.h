#pragma once

// Which reminders fall due when: the kinds of event a user can be reminded of, how long before,
// and the rule that shows each reminder once. No clock and no store here: the caller says what
// "now" is and up to when reminders have already been shown (standard C++ only).

#include "almanac/almanac.h"
#include "sky/planets.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lunara::reminders {

enum class Topic {
    NewMoon,
    FullMoon,
    Quarter,       // the first and last quarters
    Ingress,       // the moon enters a sign
    VoidOfCourse,  // a void-of-course period begins
    Sabbat,        // the Wheel of the Year
    Eclipse,       // an eclipse seen from the place
    Station,       // a planet turns retrograde or direct
    PlanetaryHour, // the chosen planet's hour begins
};
inline constexpr std::array kTopics{Topic::NewMoon, Topic::FullMoon,     Topic::Quarter,
                                    Topic::Ingress, Topic::VoidOfCourse, Topic::Sabbat,
                                    Topic::Eclipse, Topic::Station,      Topic::PlanetaryHour};
inline constexpr std::size_t kTopicCount = kTopics.size();

// "Full moon", "The moon entering a sign", ...: how the choice names a topic.
std::string_view TopicName(Topic topic);
// "FullMoon": the topic's name in the store.
std::string_view TopicKey(Topic topic);

// How long before an event its reminder comes: at the moment, 15 minutes, 1 hour, 3 hours, 1 day, 3 days.
inline constexpr std::array<int, 6> kLeadMinutes{0, 15, 60, 180, 1440, 4320};
// As the choice names a lead: "At the moment", "15 minutes before", ..., "3 days before"; empty for
// a lead not offered.
std::string_view LeadName(int minutes);
// As a reminder says when its event comes: "Now", "In 15 minutes", ..., "Tomorrow", "In 3 days".
std::string_view LeadAhead(int minutes);

// The seven planets that rule the hours.
inline constexpr std::array kHourPlanets{sky::Planet::Sun,   sky::Planet::Moon, sky::Planet::Mercury,
                                         sky::Planet::Venus, sky::Planet::Mars, sky::Planet::Jupiter,
                                         sky::Planet::Saturn};

// What the user asked to be reminded of: for each topic its lead in minutes, or nothing (off).
struct Choice {
    std::array<std::optional<int>, kTopicCount> lead{};
    sky::Planet hourPlanet = sky::Planet::Sun; // whose planetary hours
    std::optional<int>& of(Topic topic) { return lead[static_cast<std::size_t>(topic)]; }
    const std::optional<int>& of(Topic topic) const { return lead[static_cast<std::size_t>(topic)]; }
    bool any() const;
    bool operator==(const Choice&) const = default;
};

// One event a reminder can be about.
struct Occurrence {
    Occurrence() = default;
    Occurrence(Topic t, std::int64_t instant, std::string identity, std::string text)
        : topic(t), at(instant), id(std::move(identity)), words(std::move(text)) {}
    Topic topic = Topic::NewMoon;
    std::int64_t at = 0; // Unix seconds: what a reminder's lead counts from
    std::string id;      // the same event, the same id, in any range
    std::string words;   // "Full moon in Cancer", "Mercury turns retrograde in Pisces"
    // For an event that lasts (a whole day, an eclipse as seen from the place): its end, until
    // which a reminder is still of use; 0 for an instant.
    std::int64_t until = 0;
    bool wholeDay = false;               // a cross-quarter day: `at` and `until` are its local bounds
    std::optional<almanac::Event> event; // the almanac's event (none for a planetary hour)
    bool direct = false;                 // a station: the one where the planet turns direct
};

// The occurrences among the almanac's events: the quarters, ingresses, the start of each void, the
// sabbats (a cross-quarter day as the whole local day), the eclipses seen from the place (from
// when they can be seen there to their end there), and both stations of each retrograde.
std::vector<Occurrence> OccurrencesOf(const std::vector<almanac::Event>& events);

struct Due {
    Occurrence what;
    std::int64_t dueAt = 0; // the lead before the event's rounded minute
    int leadMinutes = 0;
    bool late = false; // it fell due while nobody could be told (asleep, not running)
};

// A reminder is late when it fell due this long before it could be shown.
inline constexpr std::int64_t kLateSeconds = 120;

// The reminders that fell due in (after, now] for events that have not yet passed, in the order
// they fell due. `after` is where the last showing stopped: nothing is shown twice. An instant
// passes with its minute for a reminder at the moment (two minutes' grace) and at once for one
// with a lead; an event that lasts passes when it ends, so a whole day's reminder stays due (late)
// through its day.
std::vector<Due> DueBetween(const std::vector<Occurrence>& occurrences, const Choice& choice, std::int64_t after,
                            std::int64_t now);

// The range of events a check at `now` must look at: a reminder up to three days ahead.
inline constexpr std::int64_t kLongestLeadSeconds = 3LL * 86400;

} // namespace lunara::reminders
