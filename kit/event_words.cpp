#include "kit/event_words.h"

#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/words.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>
#include <cmath>

// The words of the year's events (a context of their own for the translations).
class EventWords {
    Q_DECLARE_TR_FUNCTIONS(EventWords)
};

namespace lunara {

namespace {

int dateNumber(const QDate& d) { return d.year() * 10000 + d.month() * 100 + d.day(); }

QDate shownDate(std::int64_t t, const QTimeZone& zone) { return roundedLocal(t, zone).date(); }

QString sign(std::string_view name) { return translated("Signs", name); }
QString planet(sky::Planet p) { return translated("Planets", sky::PlanetName(p)); }

QString magnitude(double m) { return decimalText(m, 3); }

// "partial": how a solar eclipse is seen from the place, in a sentence.
QString localKindWord(sky::EclipseKind kind) {
    switch (kind) {
    case sky::EclipseKind::Total:
        return EventWords::tr("total", "a solar eclipse as seen from the place");
    case sky::EclipseKind::Annular:
        return EventWords::tr("annular", "a solar eclipse as seen from the place");
    case sky::EclipseKind::Hybrid:
        return EventWords::tr("hybrid", "a solar eclipse as seen from the place");
    default:
        return EventWords::tr("partial", "a solar eclipse as seen from the place");
    }
}

QString eclipseLine(const almanac::Event& e, const QTimeZone& zone, const QString& placeName) {
    const almanac::EclipseFacts& f = *e.eclipse;
    const QString words = eventWords(e);
    const QString time = localTimeText(e.start, zone);
    if (!f.seen) {
        return EventWords::tr("%1 at %2, magnitude %3: not seen from %4")
            .arg(words, time, magnitude(f.magnitude), placeName);
    }
    if (f.solar && f.localKind) {
        return EventWords::tr("%1 at %2, magnitude %3: seen from %4, %5 there, magnitude %6")
            .arg(words, time, magnitude(f.magnitude), placeName, localKindWord(*f.localKind),
                 magnitude(f.localMagnitude));
    }
    return EventWords::tr("%1 at %2, magnitude %3: seen from %4").arg(words, time, magnitude(f.magnitude), placeName);
}

QString stationName(const almanac::Event& e, bool start) {
    return (start ? EventWords::tr("%1 turns retrograde") : EventWords::tr("%1 turns direct")).arg(planet(e.planet));
}

QString retrogradeStation(const almanac::Event& e, bool start, const QTimeZone& zone) {
    return (start ? EventWords::tr("%1 turns retrograde in %2 at %3") : EventWords::tr("%1 turns direct in %2 at %3"))
        .arg(planet(e.planet), sign(start ? e.sign : e.endSign), localTimeText(start ? e.start : e.end, zone));
}

QString distance(double km) { return EventWords::tr("%1 km").arg(wholeText(qRound64(km))); }

} // namespace

QString eventWords(const almanac::Event& e) {
    using almanac::Kind;
    switch (e.kind) {
    case Kind::Quarter:
        switch (e.quarter) {
        case sky::Quarter::New:
            return EventWords::tr("New moon in %1").arg(sign(e.sign));
        case sky::Quarter::FirstQuarter:
            return EventWords::tr("First quarter moon in %1").arg(sign(e.sign));
        case sky::Quarter::Full:
            return EventWords::tr("Full moon in %1").arg(sign(e.sign));
        case sky::Quarter::LastQuarter:
            return EventWords::tr("Last quarter moon in %1").arg(sign(e.sign));
        }
        break;
    case Kind::Ingress:
        return EventWords::tr("Moon enters %1").arg(sign(e.sign));
    case Kind::VoidOfCourse:
        return EventWords::tr("Moon void of course");
    case Kind::Rising:
        return e.body == sky::Body::Sun ? EventWords::tr("Sunrise") : EventWords::tr("Moonrise");
    case Kind::Setting:
        return e.body == sky::Body::Sun ? EventWords::tr("Sunset") : EventWords::tr("Moonset");
    case Kind::Retrograde:
        return EventWords::tr("%1 retrograde").arg(planet(e.planet));
    case Kind::Sabbat:
    case Kind::Eclipse:
    case Kind::MoonName:
    case Kind::Supermoon:
        // Whole names the almanac marks for translation.
        return translated("Almanac", e.words);
    case Kind::Other:
        break;
    }
    return qs(e.words);
}

almanac::Dates zoneDates(const QTimeZone& zone) {
    return {[zone](std::int64_t t) { return dateNumber(QDateTime::fromSecsSinceEpoch(t, zone).date()); },
            [zone](int date) { return startOfLocalDay(dateOfNumber(date), zone); }, zone.id().toStdString()};
}

QDate dateOfNumber(int date) { return {date / 10000, date / 100 % 100, date % 100}; }

int shownDateNumber(std::int64_t unixSeconds, const QTimeZone& zone) {
    return dateNumber(shownDate(unixSeconds, zone));
}

QString dayAndTime(std::int64_t unixSeconds, const QTimeZone& zone, DayForm form) {
    const QDateTime local = roundedLocal(unixSeconds, zone);
    const QString time = timeText(local.time());
    return form == DayForm::Words ? EventWords::tr("%1 at %2", "a day and a time")
                                        .arg(dateText(local.date(), DateForm::WeekdayDayMonth), time)
                                  : EventWords::tr("%1 %2", "a short day and a time")
                                        .arg(dateText(local.date(), DateForm::ShortWeekdayDayMonth), time);
}

QString eclipseSeenText(const almanac::EclipseFacts& facts, const QString& placeName) {
    return (facts.seen ? EventWords::tr("seen from %1") : EventWords::tr("not seen from %1")).arg(placeName);
}

QStringList eclipseMoments(const almanac::EclipseFacts& facts, const QTimeZone& zone) {
    QStringList out;
    for (const almanac::Contact& c : facts.contacts) {
        const bool up = c.altitude > sky::kHorizonAltitude;
        const QString height = QString::number(std::max(static_cast<int>(std::lround(c.altitude)), 0));
        const QString what = translated("Almanac", c.what);
        const QString when = dayAndTime(c.at, zone);
        if (facts.solar) {
            out << (up ? EventWords::tr("%1 %2, the sun %3° up").arg(what, when, height)
                       : EventWords::tr("%1 %2, the sun below the horizon").arg(what, when));
        } else {
            out << (up ? EventWords::tr("%1 %2, the moon %3° up").arg(what, when, height)
                       : EventWords::tr("%1 %2, the moon below the horizon").arg(what, when));
        }
    }
    return out;
}

QString eventLine(const almanac::Event& e, const QTimeZone& zone, const QString& placeName) {
    using almanac::Kind;
    const QString words = eventWords(e);
    switch (e.kind) {
    case Kind::Sabbat:
        if (e.date != 0) {
            return EventWords::tr("%1 (its point: %2, the sun at 15° %3)")
                .arg(words, dayAndTime(e.exact, zone), sign(e.sign));
        }
        return EventWords::tr("%1 at %2", "an event and its time").arg(words, localTimeText(e.start, zone));
    case Kind::Eclipse:
        return eclipseLine(e, zone, placeName);
    case Kind::Retrograde:
        return EventWords::tr("%1 from %2 in %3 until %4 in %5")
            .arg(words, localTimeText(e.start, zone), sign(e.sign), dayAndTime(e.end, zone), sign(e.endSign));
    case Kind::MoonName:
        if (e.id.starts_with("moonname-")) {
            return EventWords::tr("%1 at %2, in %3").arg(words, localTimeText(e.start, zone), sign(e.sign));
        }
        return (e.quarter == sky::Quarter::Full ? EventWords::tr("%1: the month's second full moon, at %2")
                                                : EventWords::tr("%1: the month's second new moon, at %2"))
            .arg(words, localTimeText(e.start, zone));
    case Kind::Supermoon:
        return EventWords::tr("%1 at %2, %3 away").arg(words, localTimeText(e.start, zone), distance(e.distanceKm));
    default:
        return EventWords::tr("%1 at %2", "an event and its time").arg(words, localTimeText(e.start, zone));
    }
}

QStringList DayEvents::withMercury() const { return addMercury(texts); }

QStringList DayEvents::namesWithMercury() const { return addMercury(names); }

QStringList DayEvents::addMercury(QStringList list) const {
    if (mercuryRetrograde && !mercuryStation) {
        list << EventWords::tr("Mercury is retrograde");
    }
    return list;
}

DayEvents eventsOfDay(const std::vector<almanac::Event>& events, std::int64_t dayStart, std::int64_t dayEnd,
                      const QTimeZone& datesZone, const QString& placeName, const QTimeZone* timesIn) {
    const QDate day = QDateTime::fromSecsSinceEpoch(dayStart + (dayEnd - dayStart) / 2, datesZone).date();
    const auto on = [&](std::int64_t t) { return shownDate(t, datesZone) == day; };
    const QTimeZone& zone = timesIn ? *timesIn : datesZone;
    DayEvents out;
    // Each text and name with the instant it is shown by, for the day's order.
    struct Shown {
        std::int64_t at;
        QString text;
        QString name;
    };
    std::vector<Shown> shown;
    for (const almanac::Event& e : events) {
        using almanac::Kind;
        const bool mercury = e.kind == Kind::Retrograde && e.planet == sky::Planet::Mercury;
        out.mercuryRetrograde |= mercury && e.start < dayEnd && e.end > dayStart;
        if (e.kind == Kind::Retrograde) {
            for (const bool retrograde : {true, false}) {
                const std::int64_t at = retrograde ? e.start : e.end;
                if (on(at)) {
                    shown.push_back({at, retrogradeStation(e, retrograde, zone), stationName(e, retrograde)});
                    out.station = true;
                    out.mercuryStation |= mercury;
                }
            }
            continue;
        }
        if (e.kind == Kind::Sabbat && e.date != 0 && e.date != dateNumber(day)) {
            // Away from its traditional day, a cross-quarter day shows on the day of its point.
            if (on(e.exact)) {
                shown.push_back({e.exact,
                                 EventWords::tr("The sun at 15° %1 at %2: astronomical %3")
                                     .arg(sign(e.sign), localTimeText(e.exact, zone), eventWords(e)),
                                 EventWords::tr("Astronomical %1").arg(eventWords(e))});
                out.sabbat = true;
            }
            continue;
        }
        if (e.date == 0 && !on(e.start)) {
            continue;
        }
        // A full moon's name beside the quarter the day already shows with its time.
        const QString words = eventWords(e);
        shown.push_back(
            {e.start, e.kind == Kind::MoonName ? words : eventLine(e, zone, placeName),
             e.kind == Kind::Eclipse && e.eclipse
                 ? (e.eclipse->seen ? EventWords::tr("%1, seen from %2") : EventWords::tr("%1, not seen from %2"))
                       .arg(words, placeName)
                 : words});
        out.sabbat |= e.kind == Kind::Sabbat;
        out.eclipse |= e.kind == Kind::Eclipse;
        out.supermoon |= e.kind == Kind::Supermoon;
    }
    std::stable_sort(shown.begin(), shown.end(), [](const Shown& a, const Shown& b) { return a.at < b.at; });
    for (Shown& s : shown) {
        out.texts << std::move(s.text);
        out.names << std::move(s.name);
    }
    return out;
}

DayEvents yearEventsOfDate(const almanac::Almanac& almanac, const QDate& date, const QTimeZone& datesZone,
                           const QTimeZone& timesIn, const QString& placeName, almanac::Kinds kinds) {
    // A cross-quarter day's point comes two to eight days after its date; an instant within half a
    // minute of the day's end is shown on the next.
    constexpr std::int64_t kPointAfterItsDate = 10LL * 86400;
    constexpr std::int64_t kRounding = 30;
    const std::int64_t from = startOfLocalDay(date, datesZone);
    const std::int64_t to = startOfLocalDay(date.addDays(1), datesZone);
    return eventsOfDay(almanac.events(from - kPointAfterItsDate, to + kRounding, kinds), from, to, datesZone, placeName,
                       &timesIn);
}

} // namespace lunara
