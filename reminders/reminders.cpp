#include "reminders/reminders.h"

#include "hours/planetary_day.h"
#include "kit/event_words.h"
#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/services.h"
#include "kit/sky_words.h"
#include "kit/text.h"
#include "place/location_dialog.h"
#include "sky/sky.h"

#include <algorithm>
#include <utility>

namespace lunara {

using reminders::Topic;

namespace {

constexpr std::int64_t kDay = 86400;
constexpr int kMinuteMs = 60 * 1000;

constexpr almanac::Kinds kReminderKinds{almanac::Kind::Quarter, almanac::Kind::Ingress, almanac::Kind::VoidOfCourse,
                                        almanac::Kind::Sabbat,  almanac::Kind::Eclipse, almanac::Kind::Retrograde};

// What this run showed is forgotten a week after its event: a clock set back further than that
// may show it again.
constexpr std::int64_t kRememberShown = 7 * kDay;
// The moon's words are looked at again at least this often, so a sleep or a clock set by hand is
// caught up with within the hour.
constexpr std::int64_t kLongestMoonWait = 3600;

// What a reminder is about, in the user's language.
QString summaryOf(const reminders::Occurrence& o, sky::Planet hourPlanet) {
    if (!o.event) {
        return Reminders::tr("The hour of %1 begins").arg(translated("Planets", sky::PlanetName(hourPlanet)));
    }
    const almanac::Event& e = *o.event;
    const auto sign = [](std::string_view name) { return translated("Signs", name); };
    switch (o.topic) {
    case Topic::VoidOfCourse:
        return Reminders::tr("The moon is void of course");
    case Topic::Station:
        return (o.direct ? Reminders::tr("%1 turns direct in %2") : Reminders::tr("%1 turns retrograde in %2"))
            .arg(translated("Planets", sky::PlanetName(e.planet)), sign(o.direct ? e.endSign : e.sign));
    default:
        return eventWords(e);
    }
}

std::string shownKey(const reminders::Due& due) { return due.what.id + '-' + std::to_string(due.leadMinutes); }

} // namespace

QString reminderKey(Topic topic) { return QStringLiteral("Reminders/") + qs(reminders::TopicKey(topic)); }

reminders::Choice storedReminderChoice(Services& services) {
    reminders::Choice choice;
    QSettings& settings = services.settings();
    for (const Topic topic : reminders::kTopics) {
        bool ok = false;
        const int minutes = settings.value(reminderKey(topic)).toString().toInt(&ok);
        if (ok && std::find(reminders::kLeadMinutes.begin(), reminders::kLeadMinutes.end(), minutes) !=
                      reminders::kLeadMinutes.end()) {
            choice.of(topic) = minutes;
        }
    }
    const QString planet = settings.value(QString::fromLatin1(kHourPlanetKey)).toString();
    for (const sky::Planet p : reminders::kHourPlanets) {
        if (planet == qs(sky::PlanetName(p))) {
            choice.hourPlanet = p;
        }
    }
    return choice;
}

bool storeReminderChoice(Services& services, const reminders::Choice& choice) {
    bool stored = true;
    for (const Topic topic : reminders::kTopics) {
        const std::optional<int>& lead = choice.of(topic);
        stored &= services.storeSetting(reminderKey(topic),
                                        lead ? QVariant(QString::number(*lead)) : QVariant(QStringLiteral("off")));
    }
    stored &= services.storeSetting(QString::fromLatin1(kHourPlanetKey), qs(sky::PlanetName(choice.hourPlanet)));
    // From now on: a reminder the new choice would have given earlier is not caught up on.
    stored &= services.storeSetting(QString::fromLatin1(kShownUntilKey), services.now().toSecsSinceEpoch());
    return stored;
}

Reminders::Reminders(Services& services, QObject* parent) : QObject(parent), services_(services) {
    // One wake-up a minute at most, and not to the millisecond.
    clock_.setTimerType(Qt::VeryCoarseTimer);
    clock_.setInterval(kMinuteMs);
    connect(&clock_, &QTimer::timeout, this, &Reminders::check);
    // The moon's words change at a given second ("void of course until 19:40" must go at 19:40).
    moonClock_.setSingleShot(true);
    moonClock_.setTimerType(Qt::PreciseTimer);
    connect(&moonClock_, &QTimer::timeout, this, &Reminders::moonTick);
    connect(&services_, &Services::settingStored, this, &Reminders::settingStored);
}

void Reminders::restart() {
    choice_ = storedReminderChoice(services_);
    // The stored mark is read again (a new choice starts from now); what this run showed stays.
    after_.reset();
    forgetFound();
    if (!active()) {
        clock_.stop();
        return;
    }
    clock_.start();
    check();
}

void Reminders::settingStored(const QString& key) {
    if (key != QLatin1String(kLocationKey) && key != QLatin1String(kHemisphereKey) &&
        key != QLatin1String(kVoidPlanetsKey)) {
        return;
    }
    placeRead_ = false;
    forgetFound();
    if (moonClock_.isActive()) {
        moonTick();
    }
}

void Reminders::forgetFound() {
    found_.clear();
    from_ = to_ = 0;
}

void Reminders::followPlace() {
    if (placeRead_) {
        return;
    }
    placeRead_ = true;
    // The one reading of the place for everything the reminders say and find.
    location_ = currentLocation(services_);
    almanac_.setPlace(almanac::Place{location_.place.latitude, location_.place.longitude});
    almanac_.setSouthern(southernChosen(services_.settings()));
    almanac_.setModernPlanets(modernPlanetsChosen(services_.settings()));
}

bool Reminders::followZone() {
    const QTimeZone zone = services_.timeZone();
    if (zone == zone_) {
        return false;
    }
    zone_ = zone;
    almanac_.setDates(zoneDates(zone));
    // The default place is the new zone's city.
    if (!location_.chosen) {
        placeRead_ = false;
    }
    return true;
}

const std::vector<reminders::Occurrence>& Reminders::occurrencesAround(std::int64_t now) {
    // A new zone, or a clock that left the range found: look again, a day back to five ahead.
    const bool newZone = followZone();
    followPlace();
    if (newZone || found_.empty() || now < from_ || now + reminders::kLongestLeadSeconds + kDay / 2 > to_) {
        from_ = now - kDay;
        to_ = now + 5 * kDay;
        found_ = reminders::OccurrencesOf(almanac_.events(from_, to_, kReminderKinds));
        if (choice_.of(Topic::PlanetaryHour)) {
            const Place& place = location_.place;
            const QTimeZone there = placeZone(place);
            QDate date = planetaryDayAt(place, from_).date;
            for (; startOfLocalDay(date, there) < to_; date = date.addDays(1)) {
                for (const sky::PlanetaryHour& h : planetaryDay(place, date).hours) {
                    if (h.planet == choice_.hourPlanet) {
                        const QString name = qs(sky::PlanetName(h.planet));
                        found_.push_back({Topic::PlanetaryHour, h.start,
                                          QStringLiteral("hour-%1-%2").arg(name.toLower()).arg(h.start).toStdString(),
                                          "The hour of " + name.toStdString() + " begins"});
                    }
                }
            }
        }
    }
    return found_;
}

std::int64_t Reminders::storedMark(std::int64_t now) {
    bool known = false;
    const std::int64_t stored = services_.settings().value(QString::fromLatin1(kShownUntilKey)).toLongLong(&known);
    // None (switched on by hand in the store): from now. One ahead of the clock (a clock that was
    // wrong and has been put right) would silence everything until then: taken as now.
    if (!known || stored > now) {
        keepMark(now);
        return now;
    }
    return stored;
}

void Reminders::keepMark(std::int64_t mark) {
    if (!services_.storeSetting(QString::fromLatin1(kShownUntilKey), static_cast<qint64>(mark)) &&
        !std::exchange(toldCannotRemember_, true)) {
        emit cannotRemember(services_.storeProblem());
    }
}

void Reminders::check() {
    emit minute();
    if (!active()) {
        return;
    }
    const std::int64_t now = services_.now().toSecsSinceEpoch();
    const std::int64_t after = std::min(after_ ? *after_ : storedMark(now), now);
    after_ = now;
    std::vector<reminders::Due> due = reminders::DueBetween(occurrencesAround(now), choice_, after, now);
    // Shown in this run already (the clock was set back, or the store lost the mark): not again.
    std::erase_if(due, [this](const reminders::Due& d) { return shown_.contains(shownKey(d)); });
    std::erase_if(shown_, [now](const auto& kept) { return kept.second < now - kRememberShown; });
    if (due.empty()) {
        return;
    }
    for (const reminders::Due& d : due) {
        shown_[shownKey(d)] = std::max(d.what.at, d.what.until);
    }
    // Kept before they are shown: a crash while showing loses one reminder rather than repeating all.
    keepMark(due.back().dueAt);
    for (const reminders::Due& d : due) {
        emit remind(reminderOf(d, now));
    }
}

Reminder Reminders::reminderOf(const reminders::Due& due, std::int64_t now) const {
    const reminders::Occurrence& o = due.what;
    const QDateTime at = roundedLocal(o.at, zone_);
    const QDate today = QDateTime::fromSecsSinceEpoch(now, zone_).date();
    const QDate day = o.wholeDay ? QDateTime::fromSecsSinceEpoch(o.at, zone_).date() : at.date();
    const QString date = day == today ? tr("today") : dateText(day, DateForm::WeekdayDayMonth);
    const QString place = placeName(location_.place);
    Reminder r;
    r.id = qs(o.id) + u'-' + QString::number(due.leadMinutes);
    r.summary = summaryOf(o, choice_.hourPlanet);
    // When it comes ("In 1 hour", "Late reminder"), the day ("today" or its name), the time and the place.
    const QString when =
        due.late ? tr("Late reminder") : translated("Reminders", reminders::LeadAhead(due.leadMinutes));
    if (!o.wholeDay) {
        r.body = tr("%1: %2 at %3 (%4)").arg(when, date, localTimeText(o.at, zone_), place);
    } else if (!due.late && day == today) {
        // A day has no time: on the day itself the reminder says so.
        r.body = tr("Today, all day (%1)").arg(place);
    } else {
        r.body = tr("%1: %2, all day (%3)").arg(when, date, place);
    }
    if (o.event && o.event->eclipse) {
        for (const QString& moment : eclipseMoments(*o.event->eclipse, zone_)) {
            r.body += u'\n' + moment;
        }
    }
    r.day = day;
    r.late = due.late;
    return r;
}

MoonNow Reminders::moonNow() {
    const std::int64_t now = services_.now().toSecsSinceEpoch();
    followZone();
    followPlace();
    const QTimeZone& zone = zone_;
    // The words change at the next local midnight (the day's quarter names the phase), quarter,
    // ingress, or start or end of a void.
    const QDate today = QDateTime::fromSecsSinceEpoch(now, zone).date();
    MoonNow out;
    out.changes = startOfLocalDay(today.addDays(1), zone);
    std::optional<almanac::Event> voidNow;
    for (const almanac::Event& e : almanac_.events(
             now, now + 3 * kDay, {almanac::Kind::Quarter, almanac::Kind::Ingress, almanac::Kind::VoidOfCourse})) {
        if (e.kind == almanac::Kind::VoidOfCourse && e.start <= now) {
            voidNow = e;
        }
        for (const std::int64_t t : {e.start, e.end}) {
            if (t > now) {
                out.changes = std::min(out.changes, t);
            }
        }
    }
    const QString phase = phaseNameAt(almanac_, now, zone);
    const QString sign = translated("Signs", sky::MoonSignAt(now));
    out.text = voidNow ? tr("%1 in %2, void of course until %3").arg(phase, sign, localTimeText(voidNow->end, zone))
                       : tr("%1 in %2", "the moon's phase and sign").arg(phase, sign);
    return out;
}

void Reminders::watchMoon(bool on) {
    if (!on) {
        moonClock_.stop();
        return;
    }
    if (!moonClock_.isActive()) {
        moonTick();
    }
}

void Reminders::moonTick() {
    const MoonNow moon = moonNow();
    const std::int64_t wait =
        std::clamp<std::int64_t>(moon.changes - services_.now().toSecsSinceEpoch(), 1, kLongestMoonWait);
    // A second past the change: the words are those after it.
    moonClock_.start(static_cast<int>(wait * 1000 + 1000));
    emit moonChanged(moon.text);
}

int Reminders::msToMoonTick() const { return moonClock_.isActive() ? moonClock_.remainingTime() : -1; }

} // namespace lunara
