#include "kit/sky_words.h"

#include "kit/formats.h"
#include "kit/local_time.h"
#include "kit/words.h"
#include "sky/sky.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

// The sky's shared sentences (a context of their own for the translations).
class SkyWords {
    Q_DECLARE_TR_FUNCTIONS(SkyWords)
};

namespace lunara {

bool modernPlanetsChosen(const QSettings& settings) {
    return settings.value(QString::fromLatin1(kVoidPlanetsKey)).toString() == QLatin1String("Modern");
}

bool southernChosen(const QSettings& settings) {
    return settings.value(QString::fromLatin1(kHemisphereKey)).toString() == QLatin1String("Southern");
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
    return translated("Moon", phaseAt(almanac, at, zone));
}

std::string_view phaseAt(const almanac::Almanac& almanac, std::int64_t at, const QTimeZone& zone) {
    const QDate date = localDate(QDateTime::fromSecsSinceEpoch(at, QTimeZone::utc()), zone);
    std::optional<sky::Quarter> quarter;
    for (const almanac::Event& e : almanac.events(startOfLocalDay(date, zone), startOfLocalDay(date.addDays(1), zone),
                                                  {almanac::Kind::Quarter})) {
        quarter = e.quarter;
    }
    return sky::EightPhaseName(at, quarter);
}

QString horizonText(const std::vector<sky::HorizonCrossing>& crossings, bool upAtStart, sky::Body body,
                    const QTimeZone& zone) {
    // The Moon Calendar's sentences, in its context: the catalogues have them there.
    const bool sun = body == sky::Body::Sun;
    if (crossings.empty()) {
        return sun ? (upAtStart ? QCoreApplication::translate("lunara::frmMoonCalendar", "The sun does not set")
                                : QCoreApplication::translate("lunara::frmMoonCalendar", "The sun does not rise"))
                   : (upAtStart ? QCoreApplication::translate("lunara::frmMoonCalendar", "The moon does not set")
                                : QCoreApplication::translate("lunara::frmMoonCalendar", "The moon does not rise"));
    }
    // The day's crossings in their order, each a phrase of the list.
    QStringList parts;
    bool rises = false;
    bool sets = false;
    for (const sky::HorizonCrossing& c : crossings) {
        const QString time = localTimeText(c.unixSeconds, zone);
        parts << (sun ? (c.rising ? QCoreApplication::translate("lunara::frmMoonCalendar", "sunrise %1")
                                  : QCoreApplication::translate("lunara::frmMoonCalendar", "sunset %1"))
                      : (c.rising ? QCoreApplication::translate("lunara::frmMoonCalendar", "moonrise %1")
                                  : QCoreApplication::translate("lunara::frmMoonCalendar", "moonset %1")))
                     .arg(time);
        (c.rising ? rises : sets) = true;
    }
    if (!rises) {
        parts << (sun ? QCoreApplication::translate("lunara::frmMoonCalendar", "no sunrise this day")
                      : QCoreApplication::translate("lunara::frmMoonCalendar", "no moonrise this day"));
    }
    if (!sets) {
        parts << (sun ? QCoreApplication::translate("lunara::frmMoonCalendar", "no sunset this day")
                      : QCoreApplication::translate("lunara::frmMoonCalendar", "no moonset this day"));
    }
    QString text =
        parts.join(QCoreApplication::translate("lunara::frmMoonCalendar", ", ", "between the phrases of a list"));
    text[0] = text[0].toUpper();
    return text;
}

} // namespace lunara
