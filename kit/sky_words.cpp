#include "kit/sky_words.h"

#include "kit/local_time.h"
#include "kit/services.h"
#include "kit/text.h"
#include "sky/sky.h"

namespace lunara {

bool modernPlanetsChosen(Services& services) {
    return services.settings().value(QString::fromLatin1(kVoidPlanetsKey)).toString() == QLatin1String("Modern");
}

bool southernChosen(Services& services) {
    return services.settings().value(QString::fromLatin1(kHemisphereKey)).toString() == QLatin1String("Southern");
}

QString voidOfCourseText(std::int64_t start, std::int64_t end, const QString& signEntered, const QDate& day,
                         const QTimeZone& zone) {
    const auto when = [&](std::int64_t t) {
        const QDate d = localDate(QDateTime::fromSecsSinceEpoch(t, Qt::UTC), zone);
        return d == day ? localTimeText(t, zone)
                        : english().toString(d, QStringLiteral("dddd ")) + localTimeText(t, zone);
    };
    return QStringLiteral("Void of course from %1 until the moon enters %2 at %3")
        .arg(when(start), signEntered, when(end));
}

QString phaseNameAt(const almanac::Almanac& almanac, std::int64_t at, const QTimeZone& zone) {
    const QDate date = localDate(QDateTime::fromSecsSinceEpoch(at, QTimeZone::utc()), zone);
    std::optional<sky::Quarter> quarter;
    for (const almanac::Event& e : almanac.events(startOfLocalDay(date, zone), startOfLocalDay(date.addDays(1), zone),
                                                  {almanac::Kind::Quarter})) {
        quarter = e.quarter;
    }
    return qs(sky::EightPhaseName(at, quarter));
}

} // namespace lunara
