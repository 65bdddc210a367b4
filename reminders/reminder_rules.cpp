#include "reminders/reminder_rules.h"

#include <algorithm>

namespace lunara::reminders {

namespace {

struct TopicWords {
    std::string_view name;
    std::string_view key;
};

constexpr std::array<TopicWords, kTopicCount> kTopicWords{{
    {"New moon", "NewMoon"},
    {"Full moon", "FullMoon"},
    {"First and last quarters", "Quarters"},
    {"The moon entering a sign", "Ingress"},
    {"The void-of-course moon starting", "VoidOfCourse"},
    {"Sabbats", "Sabbats"},
    {"Eclipses seen from here", "Eclipses"},
    {"A planet turning retrograde or direct", "Stations"},
    {"A planetary hour starting", "PlanetaryHour"},
}};

} // namespace

std::string_view TopicName(Topic topic) { return kTopicWords[static_cast<std::size_t>(topic)].name; }
std::string_view TopicKey(Topic topic) { return kTopicWords[static_cast<std::size_t>(topic)].key; }

namespace {

// Each lead as the choice names it and as a reminder says it.
struct LeadWords {
    int minutes;
    std::string_view name;
    std::string_view ahead;
};
constexpr std::array<LeadWords, kLeadMinutes.size()> kLeadWords{{
    {0, "At the moment", "Now"},
    {15, "15 minutes before", "In 15 minutes"},
    {60, "1 hour before", "In 1 hour"},
    {180, "3 hours before", "In 3 hours"},
    {1440, "1 day before", "Tomorrow"},
    {4320, "3 days before", "In 3 days"},
}};

const LeadWords* leadWords(int minutes) {
    const auto* found = std::find_if(kLeadWords.begin(), kLeadWords.end(),
                                     [minutes](const LeadWords& w) { return w.minutes == minutes; });
    return found == kLeadWords.end() ? nullptr : found;
}

} // namespace

std::string_view LeadName(int minutes) {
    const LeadWords* w = leadWords(minutes);
    return w ? w->name : std::string_view{};
}

std::string_view LeadAhead(int minutes) {
    const LeadWords* w = leadWords(minutes);
    return w ? w->ahead : std::string_view{};
}

bool Choice::any() const {
    return std::any_of(lead.begin(), lead.end(), [](const std::optional<int>& l) { return l.has_value(); });
}

std::vector<Occurrence> OccurrencesOf(const std::vector<almanac::Event>& events) {
    using almanac::Kind;
    std::vector<Occurrence> out;
    for (const almanac::Event& e : events) {
        switch (e.kind) {
        case Kind::Quarter:
            out.push_back({e.quarter == sky::Quarter::New    ? Topic::NewMoon
                           : e.quarter == sky::Quarter::Full ? Topic::FullMoon
                                                             : Topic::Quarter,
                           e.start, e.id, e.words});
            break;
        case Kind::Ingress:
            out.push_back({Topic::Ingress, e.start, e.id, e.words});
            break;
        case Kind::VoidOfCourse:
            out.push_back({Topic::VoidOfCourse, e.start, e.id, "The moon is void of course"});
            break;
        case Kind::Sabbat: {
            // A cross-quarter day is the whole of its local date; a solstice or equinox an instant.
            Occurrence o{Topic::Sabbat, e.start, e.id, e.words};
            if (e.date != 0) {
                o.until = e.end;
                o.wholeDay = true;
            }
            out.push_back(std::move(o));
            break;
        }
        case Kind::Eclipse:
            if (e.eclipse && e.eclipse->seen) {
                Occurrence o{Topic::Eclipse, e.start, e.id, e.words};
                o.eclipse = e.eclipse;
                out.push_back(std::move(o));
            }
            break;
        case Kind::Retrograde: {
            const std::string planet(sky::PlanetName(e.planet));
            out.push_back({Topic::Station, e.start, e.id, planet + " turns retrograde in " + std::string(e.sign)});
            out.push_back(
                {Topic::Station, e.end, e.id + "-direct", planet + " turns direct in " + std::string(e.endSign)});
            break;
        }
        default:
            break;
        }
    }
    return out;
}

std::vector<Due> DueBetween(const std::vector<Occurrence>& occurrences, const Choice& choice, std::int64_t after,
                            std::int64_t now) {
    std::vector<Due> out;
    for (const Occurrence& o : occurrences) {
        const std::optional<int>& lead = choice.of(o.topic);
        if (!lead) {
            continue;
        }
        // Counted from the minute the event is shown at, so "1 hour before 02:28" comes at 01:28.
        const std::int64_t shownAt = (o.at + 30 - ((o.at + 30) % 60 + 60) % 60);
        const std::int64_t dueAt = shownAt - std::int64_t{*lead} * 60;
        // Once its event has passed a reminder is no use; a reminder "at the moment" is shown
        // within the minute the event falls in; an event that lasts is of use until it ends.
        const bool passed = o.until > o.at ? o.until <= now : *lead == 0 ? o.at + kLateSeconds < now : o.at < now;
        if (dueAt > after && dueAt <= now && !passed) {
            out.push_back({o, dueAt, *lead, now - dueAt > kLateSeconds});
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const Due& a, const Due& b) { return a.dueAt < b.dueAt; });
    return out;
}

} // namespace lunara::reminders
