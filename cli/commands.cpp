#include "cli/commands.h"

#include "calendar/calendar_export.h"
#include "cli/event_list.h"
#include "cli/request.h"
#include "cli/sky_now.h"
#include "cli/texts.h"
#include "cli/where.h"
#include "kit/save_file.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <chrono>
#include <thread>

namespace lunara::cli {

namespace {

bool put(std::FILE* to, const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(to) == 0;
}

int refuse(std::FILE* err, const QString& why, int status) {
    put(err, QByteArrayLiteral("lunara: ") + why.toUtf8() + '\n');
    return status;
}

QString usage() {
    return CommandLine::tr(
        "Usage: lunara now [OPTION...]            the moon now (also: lunara today)\n"
        "       lunara events [OPTION...]         the almanac's events of a range of dates\n"
        "Answers on standard output, without a display. See lunara(1).\n"
        "\n"
        "Where, for every command (else the place, hemisphere and planets Lunara keeps):\n"
        "  --place CITY          a city of the time-zone table: Lisbon, \"New York\", Europe/Lisbon\n"
        "  --lat DEG --lon DEG   coordinates, north and east positive: 38.72 -9.13, 38°43'N 9°08'W\n"
        "  --zone ZONE           the time zone of the dates and times (the city's with --place, else\n"
        "                        the system's)\n"
        "  --hemisphere northern|southern    --planets classic|modern\n"
        "now, today:\n"
        "  --format text|json|waybar\n"
        "  --at YYYY-MM-DDTHH:MM[+HH:MM]      another instant than now\n"
        "  --watch               a new line each time what is shown changes\n"
        "events:\n"
        "  --from YYYY-MM-DD --to YYYY-MM-DD  dates from 1901 to 2050, both included (today and 30 days)\n"
        "  --kinds KIND,...      quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,\n"
        "                        risings (quarters,ingresses by default; risings for 10 years at most)\n"
        "  --format text|ics|json|csv\n"
        "  --output FILE         write FILE whole instead; a file there is replaced only with --force\n"
        "Exit status: 0 done, 1 not done (a file there, a write that failed), 2 a wrong command line.\n");
}

// The instant a command looks at, within the sky's years; nothing (with the reason said) outside.
bool withinYears(std::int64_t at, const Where& where, std::FILE* err) {
    const int year = QDateTime::fromSecsSinceEpoch(at, where.zone).date().year();
    if (year >= kFirstYear && year <= kLastYear) {
        return true;
    }
    refuse(err,
           CommandLine::tr("the clock says %1, outside the years %2 to %3")
               .arg(isoTime(at, where.zone), QString::number(kFirstYear), QString::number(kLastYear)),
           kFailed);
    return false;
}

} // namespace

std::int64_t watchWake(const SkyNow& sky, std::int64_t nowMs) {
    // A second past the next change, when the words after it are shown (the instants are whole
    // seconds); and once a minute, so that a clock set by hand or a computer that slept is followed
    // within it.
    constexpr std::int64_t kMinuteMs = 60000;
    return std::min(sky.changes * 1000 + 1000, nowMs + kMinuteMs);
}

namespace {

QByteArray nowOutput(const SkyNow& sky, const Where& where, Format format, bool watch) {
    switch (format) {
    case Format::Json:
        return nowJson(sky, where, watch) + (watch ? "\n" : "");
    case Format::Waybar:
        return waybarJson(sky, where);
    default:
        return (watch ? nowLine(sky, where) + u'\n' : nowText(sky, where)).toUtf8();
    }
}

int now(const Request& request, const Where& where, const Clock& clock, std::FILE* out, std::FILE* err) {
    almanac::Almanac almanac = almanacFor(where);
    if (!request.watch) {
        // Asked once: no searching of the days around, which --watch keeps for its next lines.
        almanac.setLookAround(0);
        const std::int64_t at = request.at.value_or(clock.now());
        if (!withinYears(at, where, err)) {
            return kFailed;
        }
        return put(out, nowOutput(skyNow(almanac, where, at), where, request.format, false)) ? kDone : kFailed;
    }
    // --at starts the watch at another instant; the clock runs on from there.
    const std::int64_t shiftMs = request.at ? *request.at * 1000 - clock.nowMs() : 0;
    QByteArray shown;
    for (;;) {
        const std::int64_t nowMs = clock.nowMs() + shiftMs;
        const std::int64_t at = nowMs / 1000 - (nowMs % 1000 < 0 ? 1 : 0); // down, before 1970 too
        if (!withinYears(at, where, err)) {
            return kFailed;
        }
        const SkyNow sky = skyNow(almanac, where, at);
        // What the line shows: a status bar's percentage moves by a point an hour or two.
        QByteArray key = shownKey(sky).toUtf8();
        if (request.format != Format::Text) {
            key += ' ' + QByteArray::number(qRound(sky.lit * 100));
        }
        if (key != shown) {
            if (!put(out, nowOutput(sky, where, request.format, true))) {
                return kFailed; // the bar has gone
            }
            shown = key;
        }
        if (!clock.sleepUntil(watchWake(sky, nowMs) - shiftMs)) {
            return kDone;
        }
    }
}

int events(const Request& request, const Where& where, const Clock& clock, std::FILE* out, std::FILE* err) {
    // A file there is replaced only when asked: checked before anything is computed.
    if (!request.output.isEmpty() && !request.force) {
        const QFileInfo there(request.output);
        if (there.exists() || there.isSymLink()) {
            return refuse(err, CommandLine::tr("%1 exists; add --force to replace it").arg(request.output), kFailed);
        }
    }
    const std::vector<CalendarEvent> list = eventsOf(request, where);
    QByteArray bytes;
    switch (request.format) {
    case Format::Ics:
        bytes = QByteArray::fromStdString(ICalendarText(list, clock.now()));
        break;
    case Format::Json:
        bytes = eventsJson(list, request, where);
        break;
    case Format::Csv:
        bytes = eventsCsv(list, where);
        break;
    default:
        bytes = eventsText(list, where);
        break;
    }
    if (request.output.isEmpty()) {
        return put(out, bytes) ? kDone : kFailed;
    }
    QString error;
    const bool saved = request.format == Format::Ics
                           ? WriteCalendarFile(request.output, bytes.toStdString(), &error)
                           : SaveWhole(
                                 request.output, SavedFile::EventList,
                                 [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); }, &error);
    return saved ? kDone : refuse(err, error, kFailed);
}

} // namespace

std::int64_t Clock::nowMs() const { return QDateTime::currentMSecsSinceEpoch(); }

bool Clock::sleepUntil(std::int64_t untilMs) const {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max<std::int64_t>(untilMs - nowMs(), 1)));
    return true;
}

int run(const QStringList& arguments, const QSettings& settings, const Clock& clock, std::FILE* out, std::FILE* err) {
    const Parsed parsed = parseRequest(arguments, clock.now());
    if (!parsed.ok()) {
        return refuse(err, parsed.error, kBadInput);
    }
    const Request& request = parsed.request;
    switch (request.command) {
    case Command::Help:
        return put(out, usage().toUtf8()) ? kDone : kFailed;
    case Command::Version:
        return put(out, QByteArrayLiteral("lunara " LUNARA_VERSION "\n")) ? kDone : kFailed;
    case Command::Now:
    case Command::Events:
        break;
    }
    const Where where = resolveWhere(request, settings);
    return request.command == Command::Now ? now(request, where, clock, out, err)
                                           : events(request, where, clock, out, err);
}

} // namespace lunara::cli
