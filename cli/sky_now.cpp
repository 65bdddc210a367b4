#include "cli/sky_now.h"

#include "cli/texts.h"
#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/sky_words.h"
#include "kit/words.h"
#include "sky/planets.h"
#include "sky/sky.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace lunara::cli {

namespace {

constexpr std::int64_t kDay = 86400;
// Days start half a minute early: an event belongs to the day its rounded minute is shown on.
constexpr std::int64_t kRounding = 30;

// A stable key of an English name: "Waxing Gibbous" -> "waxing-gibbous", "Light Pink" -> "light-pink".
QString key(std::string_view english) {
    QString out;
    for (const QChar c : qs(english)) {
        if (c.isLetterOrNumber()) {
            out += c.toLower();
        } else if (c == u' ' && !out.endsWith(u'-')) {
            out += u'-';
        }
    }
    return out;
}

QString sign(std::string_view name) { return translated("Signs", name); }

// The instant's local time, rounded to the minute.
QString time(std::int64_t t, const Where& where) { return localTimeText(t, where.zone); }

QJsonValue iso(const std::optional<almanac::Event>& e, const Where& where) {
    return e ? QJsonValue(isoTime(e->start, where.zone)) : QJsonValue();
}

QString voidLine(const SkyNow& sky, const Where& where) {
    const std::optional<almanac::Event>& v = sky.voidNow ? sky.voidNow : sky.voidNext;
    if (!v) {
        return {};
    }
    const QString sentence = voidOfCourseText(v->start, v->end, sign(v->sign), sky.today, where.zone);
    return (sky.voidNow ? CommandLine::tr("Now: %1") : CommandLine::tr("Next: %1")).arg(sentence);
}

QString hourLine(const SkyNow& sky, const Where& where) {
    if (!sky.hour) {
        return noHoursLine(sky.day, where.zone);
    }
    const sky::PlanetaryHour& h = sky.day.hours[*sky.hour];
    const CandleColor* candle = planetCandle(h.planet);
    // Magick Hours' own sentence for the hour the clock is in.
    const QString sentence =
        h.night ? QCoreApplication::translate("lunara::frmMagickHours", "Night hour %1, %2 to %3, %4, %5 candle, now")
                : QCoreApplication::translate("lunara::frmMagickHours", "Day hour %1, %2 to %3, %4, %5 candle, now");
    return sentence.arg(QString::number(*sky.hour % 12 + 1), time(h.start, where), time(h.end, where),
                        translated("Planets", sky::PlanetName(h.planet)),
                        candle ? translated("Candle", candle->name) : QString());
}

QJsonObject horizonJson(const SkyNow::Horizon& h, sky::Body body, const Where& where) {
    QJsonArray crossings;
    for (const sky::HorizonCrossing& c : h.crossings) {
        crossings.append(
            QJsonObject{{QStringLiteral("event"), c.rising ? QStringLiteral("rise") : QStringLiteral("set")},
                        {QStringLiteral("at"), isoTime(c.unixSeconds, where.zone)}});
    }
    return {{QStringLiteral("events"), crossings},
            {QStringLiteral("staysUp"), h.crossings.empty() ? QJsonValue(h.upAtStart) : QJsonValue()},
            {QStringLiteral("text"), horizonText(h.crossings, h.upAtStart, body, where.zone)}};
}

// The phase's picture as the emoji the fonts have, turned for the southern hemisphere as the
// calendar's pictures are.
QString phaseSymbol(std::string_view phase, bool southern) {
    constexpr std::array<std::pair<std::string_view, char32_t>, 8> kNorthern{{
        {"New Moon", U'\U0001F311'},
        {"Waxing Crescent", U'\U0001F312'},
        {"First Quarter", U'\U0001F313'},
        {"Waxing Gibbous", U'\U0001F314'},
        {"Full Moon", U'\U0001F315'},
        {"Waning Gibbous", U'\U0001F316'},
        {"Last Quarter", U'\U0001F317'},
        {"Waning Crescent", U'\U0001F318'},
    }};
    for (const auto& [name, symbol] : kNorthern) {
        if (name == phase) {
            // Mirrored, the lit side on the left: waxing and waning trade their pictures.
            const char32_t index = symbol - kNorthern[0].second;
            const char32_t shown = southern ? kNorthern[(8 - index) % 8].second : symbol;
            return QString::fromUcs4(&shown, 1);
        }
    }
    return {};
}

// A status bar's text is Pango markup.
QString markupEscaped(const QString& text) { return text.toHtmlEscaped(); }

} // namespace

almanac::Almanac almanacFor(const Where& where) {
    almanac::Almanac almanac(almanac::Place{where.place.latitude, where.place.longitude}, where.modern);
    almanac.setSouthern(where.southern);
    almanac.setDates(zoneDates(where.zone));
    return almanac;
}

SkyNow skyNow(almanac::Almanac& almanac, const Where& where, std::int64_t at) {
    using almanac::Kind;
    const QTimeZone& zone = where.zone;
    SkyNow s;
    s.at = at;
    s.today = localDate(QDateTime::fromSecsSinceEpoch(at, QTimeZone::utc()), zone);
    s.dayStart = startOfLocalDay(s.today, zone);
    s.dayEnd = startOfLocalDay(s.today.addDays(1), zone);
    s.phase = phaseAt(almanac, at, zone);
    s.lit = sky::IlluminatedFraction(at);
    s.age = sky::MoonAgeDays(at);
    s.sign = sky::MoonSignAt(at);
    const auto ahead = [at](std::int64_t days) { return std::min(at + days * kDay, sky::kLastUnix); };
    // The moon stays in a sign for two and a half days at most, and a void ends with it.
    for (const almanac::Event& e : almanac.events(at, ahead(3), {Kind::Ingress})) {
        if (e.start > at) {
            s.ingress = e;
            break;
        }
    }
    // A moon that is not void now turns void later in this sign: the void of course now or next
    // ends by the next ingress.
    const std::int64_t voidsEnd = s.ingress ? s.ingress->start + 1 : ahead(3);
    for (const almanac::Event& e : almanac.events(at, voidsEnd, {Kind::VoidOfCourse})) {
        if (e.start <= at && at < e.end) {
            s.voidNow = e;
            break;
        }
        if (e.start > at) {
            s.voidNext = e;
            break;
        }
    }
    for (const almanac::Event& e : almanac.events(at, ahead(40), {Kind::Quarter})) {
        if (e.start > at) {
            s.quarter = e;
            break;
        }
    }
    const Place& p = where.place;
    for (const almanac::Event& e :
         almanac.events(s.dayStart - kRounding, s.dayEnd - kRounding, {Kind::Rising, Kind::Setting})) {
        (e.body == sky::Body::Sun ? s.sun : s.moon).crossings.push_back({e.kind == Kind::Rising, e.start});
    }
    for (const auto& [h, body] : {std::pair{&s.sun, sky::Body::Sun}, std::pair{&s.moon, sky::Body::Moon}}) {
        if (h->crossings.empty()) {
            h->upAtStart =
                sky::UpperLimbAltitude(body, p.latitude, p.longitude, s.dayStart - kRounding) > sky::kHorizonAltitude;
        }
    }
    // The year's events of the day, as the windows name them.
    s.year = yearEventsOfDate(almanac, s.today, zone, zone, placeName(where.place), almanac::kYearKinds);
    s.day = planetaryDayAt(p, at);
    for (std::size_t h = 0; h < s.day.hours.size(); ++h) {
        if (s.day.hours[h].start <= at && at < s.day.hours[h].end) {
            s.hour = h;
        }
    }

    std::vector<std::int64_t> changes{s.dayEnd, s.hour ? s.day.hours[*s.hour].end : s.day.end()};
    for (const std::optional<almanac::Event>* e : {&s.ingress, &s.voidNext, &s.quarter}) {
        if (*e) {
            changes.push_back((*e)->start);
        }
    }
    if (s.voidNow) {
        changes.push_back(s.voidNow->end);
    }
    s.changes = sky::kLastUnix;
    for (const std::int64_t t : changes) {
        if (t > at) {
            s.changes = std::min(s.changes, t);
        }
    }
    return s;
}

QString shownKey(const SkyNow& sky) {
    const auto start = [](const std::optional<almanac::Event>& e) { return e ? e->start : 0; };
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
        .arg(sky.today.toString(Qt::ISODate), qs(sky.phase), qs(sky.sign))
        .arg(start(sky.voidNow))
        .arg(start(sky.voidNext))
        .arg(sky.hour ? sky.day.hours[*sky.hour].start : -1)
        .arg(start(sky.quarter));
}

QString nowText(const SkyNow& sky, const Where& where) {
    const QDateTime shown = roundedLocal(sky.at, where.zone);
    QStringList lines{
        CommandLine::tr("%1, %2: %3", "the date, the time and the place")
            .arg(dateText(shown.date(), DateForm::WeekdayDayMonthYear), timeText(shown.time()), placeText(where.place)),
        CommandLine::tr("%1, %2 % lit, %3 days old")
            .arg(translated("Moon", sky.phase), QString::number(qRound(sky.lit * 100)), decimalText(sky.age, 1))};
    lines << (sky.ingress
                  ? CommandLine::tr("Moon in %1 until %2, then in %3")
                        .arg(sign(sky.sign), dayAndTime(sky.ingress->start, where.zone), sign(sky.ingress->sign))
                  : CommandLine::tr("Moon in %1").arg(sign(sky.sign)));
    if (const QString v = voidLine(sky, where); !v.isEmpty()) {
        lines << v;
    }
    if (sky.quarter) {
        lines << CommandLine::tr("Next quarter: %1, %2")
                     .arg(eventWords(*sky.quarter), dayAndTime(sky.quarter->start, where.zone));
    }
    lines << horizonText(sky.sun.crossings, sky.sun.upAtStart, sky::Body::Sun, where.zone)
          << horizonText(sky.moon.crossings, sky.moon.upAtStart, sky::Body::Moon, where.zone);
    if (const QString hour = hourLine(sky, where); !hour.isEmpty()) {
        lines << hour;
    }
    lines << sky.year.withMercury();
    return lines.join(u'\n') + u'\n';
}

QString nowLine(const SkyNow& sky, const Where& where) {
    // The tray icon's words, and the hour.
    const QString phase = translated("Moon", sky.phase);
    QString line = sky.voidNow
                       ? QCoreApplication::translate("lunara::Reminders", "%1 in %2, void of course until %3")
                             .arg(phase, sign(sky.sign), time(sky.voidNow->end, where))
                       : QCoreApplication::translate("lunara::Reminders", "%1 in %2", "the moon's phase and sign")
                             .arg(phase, sign(sky.sign));
    if (sky.hour) {
        line = CommandLine::tr("%1; hour of %2")
                   .arg(line, translated("Planets", sky::PlanetName(sky.day.hours[*sky.hour].planet)));
    }
    return line;
}

QByteArray nowJson(const SkyNow& sky, const Where& where, bool oneLine) {
    const QTimeZone& zone = where.zone;
    QJsonObject moon{
        {QStringLiteral("phase"), key(sky.phase)},
        {QStringLiteral("phaseName"), translated("Moon", sky.phase)},
        {QStringLiteral("lit"), std::round(sky.lit * 1000) / 1000},
        {QStringLiteral("age"), std::round(sky.age * 100) / 100},
        {QStringLiteral("sign"), key(sky.sign)},
        {QStringLiteral("signName"), sign(sky.sign)},
        {QStringLiteral("leavesSign"), iso(sky.ingress, where)},
        {QStringLiteral("nextSign"), sky.ingress ? QJsonValue(key(sky.ingress->sign)) : QJsonValue()},
        {QStringLiteral("nextSignName"), sky.ingress ? QJsonValue(sign(sky.ingress->sign)) : QJsonValue()}};
    const std::optional<almanac::Event>& v = sky.voidNow ? sky.voidNow : sky.voidNext;
    moon.insert(QStringLiteral("voidOfCourse"),
                v ? QJsonValue(QJsonObject{{QStringLiteral("now"), sky.voidNow.has_value()},
                                           {QStringLiteral("start"), isoTime(v->start, zone)},
                                           {QStringLiteral("end"), isoTime(v->end, zone)},
                                           {QStringLiteral("signEntered"), key(v->sign)},
                                           {QStringLiteral("text"), voidLine(sky, where)}})
                  : QJsonValue());
    moon.insert(QStringLiteral("nextQuarter"),
                sky.quarter
                    ? QJsonValue(QJsonObject{{QStringLiteral("quarter"),
                                              key(sky::EightPhaseName(sky.quarter->start, sky.quarter->quarter))},
                                             {QStringLiteral("at"), isoTime(sky.quarter->start, zone)},
                                             {QStringLiteral("sign"), key(sky.quarter->sign)},
                                             {QStringLiteral("text"), eventWords(*sky.quarter)}})
                    : QJsonValue());
    QJsonValue hour;
    if (sky.hour) {
        const sky::PlanetaryHour& h = sky.day.hours[*sky.hour];
        const CandleColor* candle = planetCandle(h.planet);
        hour = QJsonObject{
            {QStringLiteral("planet"), key(sky::PlanetName(h.planet))},
            {QStringLiteral("planetName"), translated("Planets", sky::PlanetName(h.planet))},
            {QStringLiteral("night"), h.night},
            {QStringLiteral("number"), static_cast<int>(*sky.hour % 12 + 1)},
            {QStringLiteral("start"), isoTime(h.start, zone)},
            {QStringLiteral("end"), isoTime(h.end, zone)},
            {QStringLiteral("candle"), candle ? QJsonValue(key(candle->name)) : QJsonValue()},
            {QStringLiteral("candleName"), candle ? QJsonValue(translated("Candle", candle->name)) : QJsonValue()},
            {QStringLiteral("text"), hourLine(sky, where)}};
    }
    QJsonObject document{
        {QStringLiteral("command"), QStringLiteral("now")},
        {QStringLiteral("at"), isoTime(sky.at, zone)},
        {QStringLiteral("date"), sky.today.toString(Qt::ISODate)},
        {QStringLiteral("moon"), moon},
        {QStringLiteral("horizon"),
         QJsonObject{{QStringLiteral("sun"), horizonJson(sky.sun, sky::Body::Sun, where)},
                     {QStringLiteral("moon"), horizonJson(sky.moon, sky::Body::Moon, where)}}},
        {QStringLiteral("planetaryHour"), hour},
        {QStringLiteral("noHours"), sky.hour ? QJsonValue() : QJsonValue(noHoursLine(sky.day, zone))},
        {QStringLiteral("today"), QJsonArray::fromStringList(sky.year.withMercury())},
        {QStringLiteral("changes"), isoTime(sky.changes, zone)},
        {QStringLiteral("line"), nowLine(sky, where)},
        {QStringLiteral("text"), nowText(sky, where)},
    };
    addWhere(document, where);
    return QJsonDocument(document).toJson(oneLine ? QJsonDocument::Compact : QJsonDocument::Indented);
}

QByteArray waybarJson(const SkyNow& sky, const Where& where) {
    const QJsonObject line{
        {QStringLiteral("text"), markupEscaped(phaseSymbol(sky.phase, where.southern) + u' ' + sign(sky.sign))},
        {QStringLiteral("tooltip"), markupEscaped(nowText(sky, where).trimmed())},
        {QStringLiteral("class"), key(sky.phase)},
        {QStringLiteral("percentage"), qRound(sky.lit * 100)}};
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace lunara::cli
