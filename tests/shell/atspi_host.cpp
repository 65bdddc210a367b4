// Shows one of Lunara's windows on a real display for a screen-reader client that reads it from
// outside, over AT-SPI (tests/shell/check_atspi.py): the launcher with Moon Magick, the Moon
// Calendar (with "month", the keyboard in its Month list), Candle Magick, or the calendar's Location
// or Export dialog over it.
#include "calendar/calendar_window.h"
#include "candle/candle_window.h"
#include "kit/services.h"
#include "shell/launcher.h"

#include <QApplication>
#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace lunara;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: atspi_host moon|calendar|month|candle|location|export\n", stderr);
        return 2;
    }
    QTemporaryDir dir;
    Services services(std::make_unique<QSettings>(dir.filePath(QStringLiteral("lunara.ini")), QSettings::IniFormat));
    frmMDI launcher(services);
    launcher.resize(1200, 900);
    launcher.show();
    const QString what = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(0, &launcher, [&] {
        if (what == QLatin1String("moon")) {
            launcher.cmdSelectOption_Click(1);
        } else if (what == QLatin1String("candle")) {
            launcher.cmdSelectOption_Click(0);
            // A list of options to choose from: the planets.
            if (frmCandleMagickMain* candle = launcher.candleWindow()) {
                candle->cboCandle->setCurrentIndex(2);
            }
        } else {
            launcher.showMoonCalendar();
            QTimer::singleShot(0, &launcher, [&] {
                if (frmMoonCalendar* calendar = launcher.moonCalendar()) {
                    if (what == QLatin1String("month")) {
                        calendar->cboCalMonth->setFocus();
                    } else if (what == QLatin1String("location")) {
                        calendar->chooseLocation();
                    } else if (what == QLatin1String("export")) {
                        calendar->exportCalendar();
                    }
                }
            });
        }
        std::puts("shown");
        std::fflush(stdout);
    });
    return app.exec();
}
