#include "cli/event_list.h"

#include "cli/texts.h"
#include "kit/event_words.h"
#include "kit/formats.h"
#include "kit/local_time.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace lunara::cli {

namespace {

// The kind of an event in the JSON and CSV, stable whatever the language.
QString kindKey(almanac::Kind kind) {
    using almanac::Kind;
    switch (kind) {
    case Kind::Quarter:
        return QStringLiteral("quarter");
    case Kind::Ingress:
        return QStringLiteral("ingress");
    case Kind::VoidOfCourse:
        return QStringLiteral("void");
    case Kind::Rising:
        return QStringLiteral("rising");
    case Kind::Setting:
        return QStringLiteral("setting");
    case Kind::Sabbat:
        return QStringLiteral("sabbat");
    case Kind::Eclipse:
        return QStringLiteral("eclipse");
    case Kind::Retrograde:
        return QStringLiteral("retrograde");
    case Kind::MoonName:
        return QStringLiteral("moon-name");
    case Kind::Supermoon:
        return QStringLiteral("supermoon");
    case Kind::Other:
        break;
    }
    return QStringLiteral("other");
}

QString dateAndTime(const QDateTime& local) {
    return CommandLine::tr("%1 %2", "a date and a time")
        .arg(dateText(local.date(), DateForm::ShortDayMonthYear), timeText(local.time()));
}

// When an event is, in the zone's dates and rounded times.
QString when(const CalendarEvent& e, const QTimeZone& zone) {
    const auto span = [](const QString& first, const QString& last) {
        return CommandLine::tr("%1 to %2", "the start and end of an event").arg(first, last);
    };
    if (e.firstDate != 0) {
        const QDate first = dateOfNumber(e.firstDate);
        const QDate last = dateOfNumber(e.endDate).addDays(-1);
        const QString text = dateText(first, DateForm::ShortDayMonthYear);
        return last == first ? text : span(text, dateText(last, DateForm::ShortDayMonthYear));
    }
    const QDateTime start = roundedLocal(e.start, zone);
    if (!e.end) {
        return dateAndTime(start);
    }
    const QDateTime end = roundedLocal(*e.end, zone);
    return span(dateAndTime(start), end.date() == start.date() ? timeText(end.time()) : dateAndTime(end));
}

QString isoDate(int date) { return dateOfNumber(date).toString(Qt::ISODate); }

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) {
        return text;
    }
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

} // namespace

std::vector<CalendarEvent> eventsOf(const Request& request, const Where& where) {
    ExportChoice choice = request.kinds;
    choice.modern = where.modern;
    const ExportPlace place{almanac::Place{where.place.latitude, where.place.longitude}, placeName(where.place),
                            where.southern, where.zone};
    return MoonEvents(startOfLocalDay(*request.from, where.zone), startOfLocalDay(request.to->addDays(1), where.zone),
                      choice, place);
}

QByteArray eventsText(const std::vector<CalendarEvent>& events, const Where& where) {
    QString out;
    for (const CalendarEvent& e : events) {
        out += when(e, where.zone) + QStringLiteral("  ") + QString::fromStdString(e.summary) + u'\n';
        // The year's events say more: where they are seen from, an eclipse's moments.
        if (almanac::kYearKinds.has(e.kind)) {
            for (const QString& line : QString::fromStdString(e.description).split(u'\n', Qt::SkipEmptyParts)) {
                out += QStringLiteral("    ") + line + u'\n';
            }
        }
    }
    return out.toUtf8();
}

QByteArray eventsJson(const std::vector<CalendarEvent>& events, const Request& request, const Where& where) {
    QJsonArray list;
    for (const CalendarEvent& e : events) {
        const bool allDay = e.firstDate != 0;
        list.append(QJsonObject{
            {QStringLiteral("kind"), kindKey(e.kind)},
            {QStringLiteral("uid"), QString::fromStdString(e.uid)},
            {QStringLiteral("summary"), QString::fromStdString(e.summary)},
            {QStringLiteral("description"),
             e.description.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(e.description))},
            {QStringLiteral("start"), isoTime(e.start, where.zone)},
            {QStringLiteral("end"), e.end ? QJsonValue(isoTime(*e.end, where.zone)) : QJsonValue()},
            {QStringLiteral("allDay"), allDay},
            {QStringLiteral("firstDate"), allDay ? QJsonValue(isoDate(e.firstDate)) : QJsonValue()},
            {QStringLiteral("lastDate"),
             allDay ? QJsonValue(dateOfNumber(e.endDate).addDays(-1).toString(Qt::ISODate)) : QJsonValue()},
        });
    }
    QJsonObject document{{QStringLiteral("command"), QStringLiteral("events")},
                         {QStringLiteral("from"), request.from->toString(Qt::ISODate)},
                         {QStringLiteral("to"), request.to->toString(Qt::ISODate)},
                         {QStringLiteral("kinds"), QJsonArray::fromStringList(kindNames(request.kinds))},
                         {QStringLiteral("events"), list}};
    addWhere(document, where);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QByteArray eventsCsv(const std::vector<CalendarEvent>& events, const Where& where) {
    QString out = QStringLiteral("kind,start,end,first_date,last_date,summary,description,uid\n");
    for (const CalendarEvent& e : events) {
        const bool allDay = e.firstDate != 0;
        const QStringList fields{kindKey(e.kind),
                                 isoTime(e.start, where.zone),
                                 e.end ? isoTime(*e.end, where.zone) : QString(),
                                 allDay ? isoDate(e.firstDate) : QString(),
                                 allDay ? dateOfNumber(e.endDate).addDays(-1).toString(Qt::ISODate) : QString(),
                                 QString::fromStdString(e.summary),
                                 QString::fromStdString(e.description),
                                 QString::fromStdString(e.uid)};
        QStringList quoted;
        for (const QString& field : fields) {
            quoted << csvField(field);
        }
        out += quoted.join(u',') + u'\n';
    }
    return out.toUtf8();
}

} // namespace lunara::cli
