#include "reminders/reminder_rules.h"

#include "translations/translatable.h"

#include <algorithm>

namespace lunara::reminders {

namespace {

struct TopicWords {
    std::string_view name;
    std::string_view key;
};

constexpr std::array<TopicWords, kTopicCount> kTopicWords{{
    {LUNARA_TEXT("Reminders", "New moon"), "NewMoon"},
    {LUNARA_TEXT("Reminders", "Full moon"), "FullMoon"},
    {LUNARA_TEXT("Reminders", "First and last quarters"), "Quarters"},
    {LUNARA_TEXT("Reminders", "The moon entering a sign"), "Ingress"},
    {LUNARA_TEXT("Reminders", "The void-of-course moon starting"), "VoidOfCourse"},
    {LUNARA_TEXT("Reminders", "Sabbats"), "Sabbats"},
    {LUNARA_TEXT("Reminders", "Eclipses seen from here"), "Eclipses"},
    {LUNARA_TEXT("Reminders", "A planet turning retrograde or direct"), "Stations"},
    {LUNARA_TEXT("Reminders", "A planetary hour starting"), "PlanetaryHour"},
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
    {0, LUNARA_TEXT("Reminders", "At the moment"), LUNARA_TEXT("Reminders", "Now")},
    {15, LUNARA_TEXT("Reminders", "15 minutes before"), LUNARA_TEXT("Reminders", "In 15 minutes")},
    {60, LUNARA_TEXT("Reminders", "1 hour before"), LUNARA_TEXT("Reminders", "In 1 hour")},
    {180, LUNARA_TEXT("Reminders", "3 hours before"), LUNARA_TEXT("Reminders", "In 3 hours")},
    {1440, LUNARA_TEXT("Reminders", "1 day before"), LUNARA_TEXT("Reminders", "Tomorrow")},
    {4320, LUNARA_TEXT("Reminders", "3 days before"), LUNARA_TEXT("Reminders", "In 3 days")},
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
            out.emplace_back(e.quarter == sky::Quarter::New    ? Topic::NewMoon
                             : e.quarter == sky::Quarter::Full ? Topic::FullMoon
                                                               : Topic::Quarter,
                             e.start, e.id, e.words);
            out.back().event = e;
            break;
        case Kind::Ingress:
            out.emplace_back(Topic::Ingress, e.start, e.id, e.words);
            out.back().event = e;
            break;
        case Kind::VoidOfCourse:
            out.emplace_back(Topic::VoidOfCourse, e.start, e.id, "The moon is void of course");
            out.back().event = e;
            break;
        case Kind::Sabbat: {
            // A cross-quarter day is the whole of its local date; a solstice or equinox an instant.
            Occurrence o{Topic::Sabbat, e.start, e.id, e.words};
            if (e.date != 0) {
                o.until = e.end;
                o.wholeDay = true;
            }
            o.event = e;
            out.push_back(std::move(o));
            break;
        }
        case Kind::Eclipse:
            // Counted from when it can be seen here, not from its greatest somewhere else on earth.
            if (e.eclipse && e.eclipse->seen) {
                Occurrence o{Topic::Eclipse, e.eclipse->seenFrom, e.id, e.words};
                o.until = e.eclipse->seenUntil;
                o.event = e;
                out.push_back(std::move(o));
            }
            break;
        case Kind::Retrograde: {
            const std::string planet(sky::PlanetName(e.planet));
            out.emplace_back(Topic::Station, e.start, e.id, planet + " turns retrograde in " + std::string(e.sign));
            out.back().event = e;
            out.emplace_back(Topic::Station, e.end, e.id + "-direct",
                             planet + " turns direct in " + std::string(e.endSign));
            out.back().event = e;
            out.back().direct = true;
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
