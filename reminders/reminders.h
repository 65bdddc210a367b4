#pragma once

// The reminders while Lunara runs: once a minute (and at once after a sleep or a clock change)
// the clock is read, the events of the next days are found for the user's place, and each
// reminder that fell due since the last one shown is handed on once. What was shown last is kept
// in the per-user settings, so a restart shows nothing twice and still shows what fell due while
// Lunara was not running.

#include "almanac/almanac.h"
#include "reminders/reminder_rules.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QTimeZone>
#include <QTimer>
#include <vector>

namespace lunara {

class Services;

// A reminder as the desktop shows it.
struct Reminder {
    QString id;      // the event's id (and the lead), for the desktop to tell reminders apart
    QString summary; // "Full moon in Cancer"
    QString body;    // "In 1 hour: Thursday 24 December at 02:28 (Berlin)"
    QDate day;       // the event's local date: "Show in calendar" opens it
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

class Reminders : public QObject {
    Q_OBJECT
public:
    explicit Reminders(Services& services, QObject* parent = nullptr);

    // Reads the stored choice and place again; watches the clock while any reminder is on.
    void restart();
    bool active() const { return choice_.any(); }
    // The minute's work: hands on every reminder that fell due.
    void check();
    // The moon now, for the tray: "Waxing Gibbous in Leo, void of course until 19:40".
    QString moonNow();

signals:
    void remind(const lunara::Reminder& reminder);
    // Each minute's check, before anything is shown (the tray's tooltip follows it).
    void minute();

private:
    // Gives the almanac the stored place, once after each restart: finding it reads the zone table,
    // which a start with every reminder off need not pay for.
    void followPlace();
    // Gives the almanac the zone's dates when the computer's zone changed; true when it did.
    bool followZone();
    const std::vector<reminders::Occurrence>& occurrencesAround(std::int64_t now);
    Reminder reminderOf(const reminders::Due& due, std::int64_t now) const;

    Services& services_;
    QTimer clock_;
    reminders::Choice choice_;
    almanac::Almanac almanac_;
    QString placeName_;
    bool placeRead_ = false;
    QTimeZone zone_;
    // The occurrences found for [from_, to_): looked for again only when the clock leaves them.
    std::vector<reminders::Occurrence> found_;
    std::int64_t from_ = 0;
    std::int64_t to_ = 0;
};

} // namespace lunara
