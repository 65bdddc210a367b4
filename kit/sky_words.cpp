#include "kit/sky_words.h"

#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/services.h"
#include "kit/text.h"
#include "sky/sky.h"

#include <QCoreApplication>

// The sky's shared sentences (a context of their own for the translations).
class SkyWords {
    Q_DECLARE_TR_FUNCTIONS(SkyWords)
};

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
                        : SkyWords::tr("%1 %2", "a weekday and a time")
                              .arg(dateText(d, DateForm::Weekday), localTimeText(t, zone));
    };
    return SkyWords::tr("Void of course from %1 until the moon enters %2 at %3")
        .arg(when(start), signEntered, when(end));
}

QString phaseNameAt(const almanac::Almanac& almanac, std::int64_t at, const QTimeZone& zone) {
    const QDate date = localDate(QDateTime::fromSecsSinceEpoch(at, QTimeZone::utc()), zone);
    std::optional<sky::Quarter> quarter;
    for (const almanac::Event& e : almanac.events(startOfLocalDay(date, zone), startOfLocalDay(date.addDays(1), zone),
                                                  {almanac::Kind::Quarter})) {
        quarter = e.quarter;
    }
    return translated("Moon", sky::EightPhaseName(at, quarter));
}

} // namespace lunara
