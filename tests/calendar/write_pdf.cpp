// Saves December 2026 at Berlin as a PDF page, for tests/moon/check_pdf.sh to read back as text
// and as a picture.
#include "calendar/calendar_model.h"
#include "calendar/calendar_print.h"
#include "place/location.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    lunara::MoonMonthModel model;
    model.setTimeZone(QTimeZone("Europe/Berlin"));
    const lunara::Place berlin = *lunara::zoneCity(QStringLiteral("Europe/Berlin"));
    model.setPlace(berlin.latitude, berlin.longitude);
    model.setSelectedDate(QDate(2026, 12, 7));
    const QString paper = QString::fromLocal8Bit(argv[2]);
    QString error;
    const bool saved =
        lunara::SaveMonthAsPdf(QString::fromLocal8Bit(argv[1]), {&model, lunara::placeText(berlin)},
                               paper == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4, &error);
    if (!saved) {
        qWarning("%s", qPrintable(error));
    }
    return saved ? 0 : 1;
}
