#include "kit/event_words.h"

#include "kit/local_time.h"
#include "kit/text.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace lunara {

namespace {

int dateNumber(const QDate& d) { return d.year() * 10000 + d.month() * 100 + d.day(); }

QDate shownDate(std::int64_t t, const QTimeZone& zone) { return roundedLocal(t, zone).date(); }

// "15° Aquarius": the sun at a cross-quarter point, half-way through its sign.
QString sunPlace(const almanac::Event& sabbat) { return QStringLiteral("15° ") + qs(sabbat.sign); }

QString magnitude(double m) { return english().toString(m, 'f', 3); }

QString eclipseLine(const almanac::Event& e, const QTimeZone& zone, const QString& placeName) {
    const almanac::EclipseFacts& f = *e.eclipse;
    QString line = qs(e.words) + QStringLiteral(" at ") + localTimeText(e.start, zone) +
                   QStringLiteral(", magnitude ") + magnitude(f.magnitude) + QStringLiteral(": ") +
                   eclipseSeenText(f, placeName);
    if (f.seen && f.solar && f.localKind) {
        line += QStringLiteral(", %1 there, magnitude %2")
                    .arg(qs(almanac::EclipseKindName(*f.localKind)).toLower(), magnitude(f.localMagnitude));
    }
    return line;
}

QString stationName(const almanac::Event& e, bool start) {
    return QStringLiteral("%1 turns %2")
        .arg(qs(sky::PlanetName(e.planet)), start ? QStringLiteral("retrograde") : QStringLiteral("direct"));
}

QString retrogradeStation(const almanac::Event& e, bool start, const QTimeZone& zone) {
    return QStringLiteral("%1 in %2 at %3")
        .arg(stationName(e, start), qs(start ? e.sign : e.endSign), localTimeText(start ? e.start : e.end, zone));
}

QString distance(double km) { return english().toString(qRound64(km)) + QStringLiteral(" km"); }

} // namespace

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
    const bool words = form == DayForm::Words;
    return english().toString(local.date(), words ? QStringLiteral("dddd d MMMM") : QStringLiteral("ddd d MMM")) +
           (words ? QStringLiteral(" at ") : QStringLiteral(" ")) + local.toString(QStringLiteral("HH:mm"));
}

QString eclipseSeenText(const almanac::EclipseFacts& facts, const QString& placeName) {
    return (facts.seen ? QStringLiteral("seen from ") : QStringLiteral("not seen from ")) + placeName;
}

QStringList eclipseMoments(const almanac::EclipseFacts& facts, const QTimeZone& zone) {
    QStringList out;
    const QString body = facts.solar ? QStringLiteral("the sun") : QStringLiteral("the moon");
    for (const almanac::Contact& c : facts.contacts) {
        const int height = static_cast<int>(std::lround(c.altitude));
        const QString where = c.altitude > sky::kHorizonAltitude
                                  ? QStringLiteral("%1 %2° up").arg(body).arg(std::max(height, 0))
                                  : QStringLiteral("%1 below the horizon").arg(body);
        out << QStringLiteral("%1 %2, %3").arg(qs(c.what), dayAndTime(c.at, zone), where);
    }
    return out;
}

QString eventLine(const almanac::Event& e, const QTimeZone& zone, const QString& placeName) {
    using almanac::Kind;
    switch (e.kind) {
    case Kind::Sabbat:
        if (e.date != 0) {
            return qs(e.words) + QStringLiteral(" (its point: ") + dayAndTime(e.exact, zone) +
                   QStringLiteral(", the sun at ") + sunPlace(e) + u')';
        }
        return qs(e.words) + QStringLiteral(" at ") + localTimeText(e.start, zone);
    case Kind::Eclipse:
        return eclipseLine(e, zone, placeName);
    case Kind::Retrograde:
        return QStringLiteral("%1 from %2 in %3 until %4 in %5")
            .arg(qs(e.words), localTimeText(e.start, zone), qs(e.sign), dayAndTime(e.end, zone), qs(e.endSign));
    case Kind::MoonName:
        if (e.id.starts_with("moonname-")) {
            return QStringLiteral("%1 at %2, in %3").arg(qs(e.words), localTimeText(e.start, zone), qs(e.sign));
        }
        return QStringLiteral("%1: the month's second %2 moon, at %3")
            .arg(qs(e.words), e.quarter == sky::Quarter::Full ? QStringLiteral("full") : QStringLiteral("new"),
                 localTimeText(e.start, zone));
    case Kind::Supermoon:
        return QStringLiteral("%1 at %2, %3 away")
            .arg(qs(e.words), localTimeText(e.start, zone), distance(e.distanceKm));
    default:
        return qs(e.words) + QStringLiteral(" at ") + localTimeText(e.start, zone);
    }
}

QStringList DayEvents::withMercury() const { return addMercury(texts); }

QStringList DayEvents::namesWithMercury() const { return addMercury(names); }

QStringList DayEvents::addMercury(QStringList list) const {
    if (mercuryRetrograde && !mercuryStation) {
        list << QStringLiteral("Mercury is retrograde");
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
                                 QStringLiteral("The sun at %1 at %2: astronomical %3")
                                     .arg(sunPlace(e), localTimeText(e.exact, zone), qs(e.words)),
                                 QStringLiteral("Astronomical %1").arg(qs(e.words))});
                out.sabbat = true;
            }
            continue;
        }
        if (e.date == 0 && !on(e.start)) {
            continue;
        }
        // A full moon's name beside the quarter the day already shows with its time.
        shown.push_back({e.start, e.kind == Kind::MoonName ? qs(e.words) : eventLine(e, zone, placeName),
                         e.kind == Kind::Eclipse && e.eclipse
                             ? QStringLiteral("%1, %2").arg(qs(e.words), eclipseSeenText(*e.eclipse, placeName))
                             : qs(e.words)});
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
                           const QTimeZone& timesIn, const QString& placeName) {
    // A cross-quarter day's point comes two to eight days after its date; an instant within half a
    // minute of the day's end is shown on the next.
    constexpr std::int64_t kPointAfterItsDate = 10LL * 86400;
    constexpr std::int64_t kRounding = 30;
    const std::int64_t from = startOfLocalDay(date, datesZone);
    const std::int64_t to = startOfLocalDay(date.addDays(1), datesZone);
    return eventsOfDay(almanac.events(from - kPointAfterItsDate, to + kRounding, almanac::kYearKinds), from, to,
                       datesZone, placeName, &timesIn);
}

} // namespace lunara
