#pragma once

// The reminders while Lunara runs: once a minute (and at once after a sleep or a clock change)
// the clock is read, the events of the next days are found for the user's place, and each
// reminder that fell due since the last one shown is handed on once. What was shown last is kept
// in the per-user settings, so a restart shows nothing twice and still shows what fell due while
// Lunara was not running; what was shown in this run is kept in memory too, so a store that
// cannot be written never makes a reminder come again.

#include "almanac/almanac.h"
#include "place/location.h"
#include "reminders/reminder_rules.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QTimeZone>
#include <QTimer>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lunara {

class Services;

// A reminder as the desktop shows it.
struct Reminder {
    QString id;      // the event's id (and the lead), for the desktop to tell reminders apart
    QString summary; // "Full moon in Cancer"
    QString body;    // "In 1 hour: Thursday 24 December at 02:28 (Berlin)"
    QDate day;       // the event's local date: "Show in calendar" opens it (none for a notice)
    bool late = false;
};

// The store's keys: one per topic (its lead in minutes; absent or damaged: off), the planet of
// the hours, and the due instant of the last reminder shown.
QString reminderKey(reminders::Topic topic);
inline constexpr const char* kHourPlanetKey = "Reminders/HourPlanet";
inline constexpr const char* kShownUntilKey = "Reminders/ShownUntil";

// The choice kept in the settings; a value that is not one of the offered leads counts as off.
reminders::Choice storedReminderChoice(Services& services);
// Keeps the choice; reminders that would have fallen due before this moment are not shown.
bool storeReminderChoice(Services& services, const reminders::Choice& choice);

// The moon now in the tray's words, and the instant those words next change.
struct MoonNow {
    QString text; // "Waxing Gibbous in Leo, void of course until 19:40"
    std::int64_t changes = 0;
};

class Reminders : public QObject {
    Q_OBJECT
public:
    explicit Reminders(Services& services, QObject* parent = nullptr);

    // Reads the stored choice and mark again; watches the clock while any reminder is on.
    void restart();
    bool active() const { return choice_.any(); }
    // The minute's work: hands on every reminder that fell due.
    void check();
    // The moon now, for the tray.
    MoonNow moonNow();
    // While on, moonChanged follows the moon's words with one wake-up at each change (whether
    // or not a reminder is on).
    void watchMoon(bool on);
    // The wake-up's work: says the moon's words again and waits for their next change.
    void moonTick();
    // The one wake-up: when it comes, in milliseconds from now (-1 while nothing is watched).
    int msToMoonTick() const;

signals:
    void remind(const lunara::Reminder& reminder);
    // The mark of what was shown could not be kept: said once a run, with the store's reason.
    void cannotRemember(const QString& why);
    // Each minute's check, before anything is shown.
    void minute();
    // The moon's words for the tray, at each change while watched.
    void moonChanged(const QString& text);

private:
    // The stored place, hemisphere and planets, read once after each change of them: finding the
    // place reads the zone table, which a start with every reminder off need not pay for.
    void followPlace();
    // Gives the almanac the zone's dates when the computer's zone changed; true when it did.
    bool followZone();
    // A stored value changed (in any window): the place, hemisphere and planets are read again.
    void settingStored(const QString& key);
    void forgetFound();
    const std::vector<reminders::Occurrence>& occurrencesAround(std::int64_t now);
    Reminder reminderOf(const reminders::Due& due, std::int64_t now) const;
    // The mark read from the store at the first check of a run (a later one taken as now).
    std::int64_t storedMark(std::int64_t now);
    void keepMark(std::int64_t mark);

    Services& services_;
    QTimer clock_;
    QTimer moonClock_;
    reminders::Choice choice_;
    almanac::Almanac almanac_;
    Location location_;
    bool placeRead_ = false;
    QTimeZone zone_;
    // The occurrences found for [from_, to_): looked for again only when the clock leaves them.
    std::vector<reminders::Occurrence> found_;
    std::int64_t from_ = 0;
    std::int64_t to_ = 0;
    // Up to when this run has looked; what it showed (each reminder's key and when its event is
    // of no more use), whatever the store kept.
    std::optional<std::int64_t> after_;
    std::map<std::string, std::int64_t> shown_;
    bool toldCannotRemember_ = false;
};

} // namespace lunara
