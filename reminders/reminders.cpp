#include "reminders/reminders.h"

#include "hours/planetary_day.h"
#include "kit/event_words.h"
#include "kit/local_time.h"
#include "kit/services.h"
#include "kit/sky_words.h"
#include "kit/text.h"
#include "place/location_dialog.h"
#include "sky/sky.h"

#include <algorithm>

namespace lunara {

using reminders::Topic;

namespace {

constexpr std::int64_t kDay = 86400;
constexpr int kMinuteMs = 60 * 1000;

constexpr almanac::Kinds kReminderKinds{almanac::Kind::Quarter, almanac::Kind::Ingress, almanac::Kind::VoidOfCourse,
                                        almanac::Kind::Sabbat,  almanac::Kind::Eclipse, almanac::Kind::Retrograde};

QString leadText(int minutes) {
    switch (minutes) {
    case 0:
        return QStringLiteral("Now");
    case 15:
        return QStringLiteral("In 15 minutes");
    case 60:
        return QStringLiteral("In 1 hour");
    case 180:
        return QStringLiteral("In 3 hours");
    case 1440:
        return QStringLiteral("Tomorrow");
    default:
        return QStringLiteral("In %1 days").arg(minutes / 1440);
    }
}

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
}

void Reminders::restart() {
    choice_ = storedReminderChoice(services_);
    placeRead_ = false;
    found_.clear();
    from_ = to_ = 0;
    if (!active()) {
        clock_.stop();
        return;
    }
    clock_.start();
    check();
}

void Reminders::followPlace() {
    if (placeRead_) {
        return;
    }
    placeRead_ = true;
    const Location location = currentLocation(services_);
    almanac_.setPlace(almanac::Place{location.place.latitude, location.place.longitude});
    almanac_.setSouthern(southernChosen(services_));
    almanac_.setModernPlanets(modernPlanetsChosen(services_));
    placeName_ = placeName(location.place);
}

bool Reminders::followZone() {
    const QTimeZone zone = services_.timeZone();
    if (zone == zone_) {
        return false;
    }
    zone_ = zone;
    almanac_.setDates(zoneDates(zone));
    return true;
}

const std::vector<reminders::Occurrence>& Reminders::occurrencesAround(std::int64_t now) {
    // A new zone, or a clock that left the range found: look again, a day back to five ahead.
    followPlace();
    if (followZone() || now < from_ || now + reminders::kLongestLeadSeconds + kDay / 2 > to_) {
        from_ = now - kDay;
        to_ = now + 5 * kDay;
        found_ = reminders::OccurrencesOf(almanac_.events(from_, to_, kReminderKinds));
        if (choice_.of(Topic::PlanetaryHour)) {
            const Location location = currentLocation(services_);
            const QTimeZone there = placeZone(location.place);
            QDate date = planetaryDayAt(location.place, from_, zone_).date;
            for (; startOfLocalDay(date, there) < to_; date = date.addDays(1)) {
                for (const sky::PlanetaryHour& h : planetaryDay(location.place, date, zone_).hours) {
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

void Reminders::check() {
    emit minute();
    if (!active()) {
        return;
    }
    const std::int64_t now = services_.now().toSecsSinceEpoch();
    const QString key = QString::fromLatin1(kShownUntilKey);
    bool known = false;
    std::int64_t after = services_.settings().value(key).toLongLong(&known);
    if (!known) {
        // Switched on by hand in the store: from now.
        services_.storeSetting(key, static_cast<qint64>(now));
        after = now;
    }
    const std::vector<reminders::Due> due = reminders::DueBetween(occurrencesAround(now), choice_, after, now);
    if (due.empty()) {
        return;
    }
    // Kept before they are shown: a crash while showing loses one reminder rather than repeating all.
    services_.storeSetting(key, static_cast<qint64>(due.back().dueAt));
    for (const reminders::Due& d : due) {
        emit remind(reminderOf(d, now));
    }
}

Reminder Reminders::reminderOf(const reminders::Due& due, std::int64_t now) const {
    const QDateTime at = roundedLocal(due.what.at, zone_);
    const QDateTime today = QDateTime::fromSecsSinceEpoch(now, zone_);
    const QString when = due.late ? QStringLiteral("Late reminder") : leadText(due.leadMinutes);
    const QString date = at.date() == today.date() ? QStringLiteral("today")
                                                   : english().toString(at.date(), QStringLiteral("dddd d MMMM"));
    Reminder r;
    r.id = qs(due.what.id) + u'-' + QString::number(due.leadMinutes);
    r.summary = qs(due.what.words);
    r.body = QStringLiteral("%1: %2 at %3 (%4)").arg(when, date, localTimeText(due.what.at, zone_), placeName_);
    r.day = at.date();
    r.late = due.late;
    return r;
}

QString Reminders::moonNow() {
    const std::int64_t now = services_.now().toSecsSinceEpoch();
    followPlace();
    followZone();
    const QTimeZone& zone = zone_;
    std::optional<almanac::Event> voidNow;
    for (const almanac::Event& e : almanac_.events(now, now + 1, {almanac::Kind::VoidOfCourse})) {
        voidNow = e;
    }
    QString text = QStringLiteral("%1 in %2").arg(phaseNameAt(almanac_, now, zone), qs(sky::MoonSignAt(now)));
    if (voidNow) {
        text += QStringLiteral(", void of course until %1").arg(localTimeText(voidNow->end, zone));
    }
    return text;
}

} // namespace lunara
