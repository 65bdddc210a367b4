// Saves December 2026 at Berlin as a PDF page, or with "year" the year 2026 there, for
// tests/calendar/check_pdf.sh to read back as text and as a picture; in the language and formats
// of PDF_LANGUAGE ("ru") when it is set.
#include "calendar/calendar_model.h"
#include "calendar/calendar_print.h"
#include "calendar/year_window.h"
#include "kit/event_words.h"
#include "place/location.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        return 2;
    }
    QTranslator catalogue;
    const QString language = qEnvironmentVariable("PDF_LANGUAGE");
    if (!language.isEmpty()) {
        if (!catalogue.load(QStringLiteral(":/i18n/lunara_") + language)) {
            return 2;
        }
        QCoreApplication::installTranslator(&catalogue);
        QLocale::setDefault(QLocale(language));
    }
    lunara::MoonMonthModel model;
    model.setTimeZone(QTimeZone("Europe/Berlin"));
    const lunara::Place berlin = *lunara::zoneCity(QStringLiteral("Europe/Berlin"));
    model.setPlace(berlin.latitude, berlin.longitude, berlin.city);
    model.setSelectedDate(QDate(2026, 12, 7));
    const QString paper = QString::fromLocal8Bit(argv[2]);
    const QPageSize::PageSizeId size = paper == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4;
    QString error;
    bool saved = false;
    if (argc == 4) {
        lunara::almanac::Almanac almanac(lunara::almanac::Place{berlin.latitude, berlin.longitude});
        almanac.setDates(lunara::zoneDates(QTimeZone("Europe/Berlin")));
        const lunara::PrintedYear year{2026, QStringLiteral("For ") + lunara::placeText(berlin),
                                       lunara::YearSections(almanac, 2026, QTimeZone("Europe/Berlin"), berlin.city)};
        saved = lunara::SaveYearAsPdf(QString::fromLocal8Bit(argv[1]), year, size, &error);
    } else {
        saved =
            lunara::SaveMonthAsPdf(QString::fromLocal8Bit(argv[1]), {&model, lunara::placeText(berlin)}, size, &error);
    }
    if (!saved) {
        qWarning("%s", qPrintable(error));
    }
    return saved ? 0 : 1;
}
