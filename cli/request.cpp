#include "cli/request.h"

#include "cli/texts.h"
#include "cli/where.h"
#include "place/location.h"

#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <tuple>

namespace lunara::cli {

namespace {

struct Option {
    const char* name;
    bool value;  // takes a value
    bool now;    // allowed for now and today
    bool events; // allowed for events
};

constexpr std::array kOptions{
    Option{"--place", true, true, true},      Option{"--lat", true, true, true},
    Option{"--lon", true, true, true},        Option{"--zone", true, true, true},
    Option{"--hemisphere", true, true, true}, Option{"--planets", true, true, true},
    Option{"--format", true, true, true},     Option{"--at", true, true, false},
    Option{"--watch", false, true, false},    Option{"--from", true, false, true},
    Option{"--to", true, false, true},        Option{"--kinds", true, false, true},
    Option{"--output", true, false, true},    Option{"--force", false, false, true},
    Option{"--help", false, true, true},
};

// The kinds of --kinds and what each adds to the file.
struct KindName {
    const char* name;
    bool ExportChoice::*flag;
};
constexpr std::array kKinds{
    KindName{"quarters", &ExportChoice::quarters}, KindName{"ingresses", &ExportChoice::ingresses},
    KindName{"void", &ExportChoice::voids},        KindName{"sabbats", &ExportChoice::sabbats},
    KindName{"eclipses", &ExportChoice::eclipses}, KindName{"stations", &ExportChoice::retrogrades},
    KindName{"moons", &ExportChoice::moonNames},   KindName{"supermoons", &ExportChoice::supermoons},
    KindName{"risings", &ExportChoice::risings},
};

QString quoted(const QString& text) { return u'\'' + text + u'\''; }

// A date of the sky's years, as YYYY-MM-DD.
std::optional<QDate> parseDate(const QString& option, const QString& text, QString* error) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = form.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
    if (!date.isValid()) {
        *error =
            CommandLine::tr("%1 %2 is not a date; write it as YYYY-MM-DD, as 2027-01-01").arg(option, quoted(text));
        return std::nullopt;
    }
    if (date.year() < kFirstYear || date.year() > kLastYear) {
        *error = CommandLine::tr("%1 %2 is outside the years %3 to %4")
                     .arg(option, text, QString::number(kFirstYear), QString::number(kLastYear));
        return std::nullopt;
    }
    return date;
}

// An instant as YYYY-MM-DDTHH:MM[:SS], in the zone or with its own offset (Z, +01:00).
std::optional<std::int64_t> parseInstant(const QString& text, const QTimeZone& zone, QString* error) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})[T ](\\d{2}:\\d{2}(?::\\d{2})?)(Z|[+-]\\d{2}:\\d{2})?$"));
    const QRegularExpressionMatch m = form.match(text);
    const QDate date = m.hasMatch() ? QDate::fromString(m.captured(1), Qt::ISODate) : QDate();
    const QTime time = m.hasMatch() ? QTime::fromString(m.captured(2), Qt::ISODate) : QTime();
    if (!date.isValid() || !time.isValid()) {
        *error = CommandLine::tr("--at %1 is not a date and time; write it as 2026-12-24T02:28, or with its offset, as "
                                 "2026-12-24T02:28+01:00")
                     .arg(quoted(text));
        return std::nullopt;
    }
    if (date.year() < kFirstYear || date.year() > kLastYear) {
        *error = CommandLine::tr("--at %1 is outside the years %2 to %3")
                     .arg(text, QString::number(kFirstYear), QString::number(kLastYear));
        return std::nullopt;
    }
    const QString offset = m.captured(3);
    if (offset.isEmpty()) {
        return QDateTime(date, time, zone).toSecsSinceEpoch();
    }
    int seconds = 0;
    if (offset != QLatin1String("Z")) {
        seconds = (offset.mid(1, 2).toInt() * 60 + offset.mid(4, 2).toInt()) * 60;
        seconds = offset.startsWith(u'-') ? -seconds : seconds;
    }
    return QDateTime(date, time, QTimeZone::utc()).toSecsSinceEpoch() - seconds;
}

} // namespace

QStringList kindNames() {
    QStringList out;
    for (const KindName& k : kKinds) {
        out << QString::fromLatin1(k.name);
    }
    return out;
}

QStringList kindNames(const ExportChoice& choice) {
    QStringList out;
    for (const KindName& k : kKinds) {
        if (choice.*(k.flag)) {
            out << QString::fromLatin1(k.name);
        }
    }
    return out;
}

Parsed parseRequest(const QStringList& arguments, std::int64_t now) {
    Parsed parsed;
    Request& r = parsed.request;
    const auto refuse = [&parsed](const QString& why) {
        parsed.error = why;
        return parsed;
    };
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")) {
        r.command = Command::Help;
        return parsed;
    }
    if (arguments.first() == QLatin1String("--version")) {
        r.command = Command::Version;
        return parsed;
    }
    r.name = arguments.first();
    if (r.name == QLatin1String("now") || r.name == QLatin1String("today")) {
        r.command = Command::Now;
    } else if (r.name == QLatin1String("events")) {
        r.command = Command::Events;
    } else {
        return refuse(
            CommandLine::tr("unknown command %1; the commands are now, today and events").arg(quoted(r.name)));
    }
    const bool events = r.command == Command::Events;

    // The options as given, each once (the last one counts), read in an order that lets one
    // depend on another (--at on --zone, the span of the risings on the dates).
    QHash<QString, QString> given;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.startsWith(QLatin1String("--")) && equals > 0 ? argument.left(equals) : argument;
        const auto option = std::find_if(kOptions.begin(), kOptions.end(),
                                         [&](const Option& o) { return name == QLatin1String(o.name); });
        if (option == kOptions.end() || !(events ? option->events : option->now)) {
            return refuse(
                CommandLine::tr("unknown option %1 for %2; see 'lunara %2 --help'").arg(quoted(argument), r.name));
        }
        QString value;
        if (option->value) {
            if (name != argument) {
                value = argument.mid(equals + 1);
            } else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--"))) {
                value = arguments[++i];
            } else {
                return refuse(CommandLine::tr("%1 needs a value; see 'lunara %2 --help'").arg(name, r.name));
            }
        } else if (name != argument) {
            return refuse(CommandLine::tr("%1 takes no value").arg(name));
        }
        given.insert(name, value);
    }
    if (given.contains(QStringLiteral("--help"))) {
        r.command = Command::Help;
        return parsed;
    }

    if (given.contains(QStringLiteral("--format"))) {
        const QString format = given.value(QStringLiteral("--format"));
        const QStringList names =
            events ? QStringList{QStringLiteral("text"), QStringLiteral("ics"), QStringLiteral("json"),
                                 QStringLiteral("csv")}
                   : QStringList{QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("waybar")};
        if (!names.contains(format)) {
            return refuse(CommandLine::tr("unknown format %1 for %2; the formats are %3")
                              .arg(quoted(format), r.name, names.join(QStringLiteral(", "))));
        }
        r.format = format == QLatin1String("json")     ? Format::Json
                   : format == QLatin1String("waybar") ? Format::Waybar
                   : format == QLatin1String("ics")    ? Format::Ics
                   : format == QLatin1String("csv")    ? Format::Csv
                                                       : Format::Text;
    }

    if (given.contains(QStringLiteral("--zone"))) {
        const QString id = given.value(QStringLiteral("--zone"));
        r.zone = QTimeZone(id.toUtf8());
        if (id.isEmpty() || !r.zone.isValid()) {
            return refuse(
                CommandLine::tr("unknown time zone %1; give a zone of the time-zone database, as Europe/Lisbon")
                    .arg(quoted(id)));
        }
    }
    const bool lat = given.contains(QStringLiteral("--lat"));
    const bool lon = given.contains(QStringLiteral("--lon"));
    if (lat != lon) {
        return refuse(CommandLine::tr("%1 needs %2 too, as --lat 38.72 --lon -9.13")
                          .arg(lat ? QStringLiteral("--lat") : QStringLiteral("--lon"),
                               lat ? QStringLiteral("--lon") : QStringLiteral("--lat")));
    }
    if (lat && given.contains(QStringLiteral("--place"))) {
        return refuse(CommandLine::tr("give either --place or --lat and --lon, not both"));
    }
    if (lat) {
        for (const auto& [option, axis, out] : {std::tuple{QStringLiteral("--lat"), Axis::Latitude, &r.latitude},
                                                std::tuple{QStringLiteral("--lon"), Axis::Longitude, &r.longitude}}) {
            QString why;
            *out = parseCoordinate(given.value(option), axis, &why);
            if (!*out) {
                return refuse(QStringLiteral("%1 %2: %3").arg(option, quoted(given.value(option)), why));
            }
        }
    }
    if (given.contains(QStringLiteral("--place"))) {
        const QString name = given.value(QStringLiteral("--place")).trimmed();
        if (name.isEmpty()) {
            return refuse(CommandLine::tr("--place needs a city's name, as --place Lisbon"));
        }
        QString why;
        r.city = findCity(name, &why);
        if (!r.city) {
            return refuse(why);
        }
        // Its own clocks, unless told otherwise.
        if (const QTimeZone own(r.city->zoneId.toUtf8()); own.isValid() && !given.contains(QStringLiteral("--zone"))) {
            r.zone = own;
        }
    }
    if (given.contains(QStringLiteral("--hemisphere"))) {
        const QString h = given.value(QStringLiteral("--hemisphere"));
        if (h != QLatin1String("northern") && h != QLatin1String("southern")) {
            return refuse(CommandLine::tr("--hemisphere takes northern or southern, not %1").arg(quoted(h)));
        }
        r.southern = h == QLatin1String("southern");
    }
    if (given.contains(QStringLiteral("--planets"))) {
        const QString p = given.value(QStringLiteral("--planets"));
        if (p != QLatin1String("classic") && p != QLatin1String("modern")) {
            return refuse(CommandLine::tr("--planets takes classic or modern, not %1").arg(quoted(p)));
        }
        r.modern = p == QLatin1String("modern");
    }

    if (!events) {
        r.watch = given.contains(QStringLiteral("--watch"));
        if (given.contains(QStringLiteral("--at"))) {
            QString why;
            r.at = parseInstant(given.value(QStringLiteral("--at")), r.zone, &why);
            if (!r.at) {
                return refuse(why);
            }
        }
        return parsed;
    }

    for (const auto& [option, out] :
         {std::pair{QStringLiteral("--from"), &r.from}, std::pair{QStringLiteral("--to"), &r.to}}) {
        if (given.contains(option)) {
            QString why;
            *out = parseDate(option, given.value(option), &why);
            if (!*out) {
                return refuse(why);
            }
        }
    }
    // Without dates, the month ahead from today.
    if (!r.from) {
        const QDate today = QDateTime::fromSecsSinceEpoch(now, r.zone).date();
        if (today.year() < kFirstYear || today.year() > kLastYear) {
            return refuse(CommandLine::tr("today is outside the years %1 to %2: give --from and --to")
                              .arg(QString::number(kFirstYear), QString::number(kLastYear)));
        }
        r.from = today;
    }
    if (!r.to) {
        r.to = std::min(r.from->addDays(kDefaultDays - 1), QDate(kLastYear, 12, 31));
    }
    if (*r.from > *r.to) {
        return refuse(CommandLine::tr("--from %1 is after --to %2")
                          .arg(r.from->toString(Qt::ISODate), r.to->toString(Qt::ISODate)));
    }
    if (given.contains(QStringLiteral("--kinds"))) {
        r.kinds = ExportChoice{};
        r.kinds.quarters = false;
        r.kinds.ingresses = false;
        for (const QString& kind : given.value(QStringLiteral("--kinds")).split(u',')) {
            const QString k = kind.trimmed();
            const auto found = std::find_if(kKinds.begin(), kKinds.end(),
                                            [&k](const KindName& n) { return k == QLatin1String(n.name); });
            if (found == kKinds.end()) {
                return refuse(CommandLine::tr("unknown kind %1 in --kinds; the kinds are %2")
                                  .arg(quoted(k), kindNames().join(QStringLiteral(","))));
            }
            r.kinds.*(found->flag) = true;
        }
    }
    if (r.kinds.risings && *r.to >= r.from->addYears(kLongestRisings)) {
        return refuse(
            CommandLine::tr("risings are given for at most %1 years at a time; --from %2 --to %3 is longer")
                .arg(QString::number(kLongestRisings), r.from->toString(Qt::ISODate), r.to->toString(Qt::ISODate)));
    }
    r.output = given.value(QStringLiteral("--output"));
    if (given.contains(QStringLiteral("--output")) && r.output.isEmpty()) {
        return refuse(CommandLine::tr("--output needs a file's name, as --output moon.ics"));
    }
    r.force = given.contains(QStringLiteral("--force"));
    return parsed;
}

} // namespace lunara::cli
