#include "kit/local_time.h"

#include "kit/formats.h"

#include <algorithm>

namespace lunara {

std::int64_t startOfLocalDay(const QDate& date, const QTimeZone& zone) {
    // Local midnight lies within 14 hours either side of midnight UTC. Walk the stretches of
    // constant offset in time order: the first instant whose local date is `date` or later lies
    // in the first stretch that reaches it.
    const std::int64_t midnightUtc = QDateTime(date, QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch();
    const std::int64_t from = midnightUtc - 15LL * 3600;
    const std::int64_t to = midnightUtc + 15LL * 3600;
    std::int64_t segmentStart = from;
    int offset = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(from, QTimeZone::utc()));
    const auto firstIn = [&](std::int64_t start, std::int64_t end) -> std::int64_t {
        // In this stretch local time is t + offset; local midnight of `date` is midnightUtc - offset.
        const std::int64_t t = std::max(start, midnightUtc - offset);
        return t < end ? t : -1;
    };
    if (zone.hasTransitions()) {
        const QDateTime fromTime = QDateTime::fromSecsSinceEpoch(from + 1, QTimeZone::utc());
        const QDateTime toTime = QDateTime::fromSecsSinceEpoch(to, QTimeZone::utc());
        for (const QTimeZone::OffsetData& change : zone.transitions(fromTime, toTime)) {
            const std::int64_t at = change.atUtc.toSecsSinceEpoch();
            if (const std::int64_t t = firstIn(segmentStart, at); t >= 0) {
                return t;
            }
            segmentStart = at;
            offset = change.offsetFromUtc;
        }
    }
    const std::int64_t t = firstIn(segmentStart, to);
    return t >= 0 ? t : midnightUtc - offset;
}

bool localDayExists(const QDate& date, const QTimeZone& zone) {
    return localDate(QDateTime::fromSecsSinceEpoch(startOfLocalDay(date, zone), QTimeZone::utc()), zone) == date;
}

QDateTime roundedLocal(std::int64_t unixSeconds, const QTimeZone& zone) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(unixSeconds, zone);
    // Rounded in local seconds: a zone's offset may have seconds of its own (local mean time).
    const int second = local.time().second();
    return local.addSecs(second >= 30 ? 60 - second : -second);
}

QString localTimeText(std::int64_t unixSeconds, const QTimeZone& zone) {
    return timeText(roundedLocal(unixSeconds, zone).time());
}

QDate localDate(const QDateTime& instant, const QTimeZone& zone) { return instant.toTimeZone(zone).date(); }

} // namespace lunara
