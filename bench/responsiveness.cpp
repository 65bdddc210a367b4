// In-process latency, offscreen: from a click on a button to the end of the paint that shows its
// result, for every reading and for opening each feature. Prints the median and the worst of many
// clicks; a frame at 60 Hz is 16.7 ms.
#include "kit/services.h"
#include "shell/launcher.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace lunara;

namespace {

struct Result {
    double median;
    double worst;
};

// Times `clicks` runs of: prepare (not timed), click, paint the whole launcher.
Result measure(frmMDI& launcher, int clicks, const std::function<void()>& prepare, const std::function<void()>& click) {
    std::vector<double> ms;
    for (int i = 0; i < clicks; ++i) {
        prepare();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        click();
        launcher.repaint();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        // Closed windows are deleted between clicks, as the event loop would.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void print(const char* what, Result r) { std::printf("%-44s %8.2f ms %8.2f ms\n", what, r.median, r.worst); }

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Services services(std::make_unique<QSettings>(dir.filePath(QStringLiteral("bench.ini")), QSettings::IniFormat));
    frmMDI launcher(services);
    launcher.resize(1280, 1000);
    launcher.show();
    QApplication::processEvents();
    constexpr int kClicks = 101;

    std::printf("%-44s %11s %11s\n", "click", "median", "worst");
    print("Candle Magick button -> window painted",
          measure(
              launcher, kClicks, [] {}, [&] { launcher.cmdSelectOption[0]->click(); }));
    print("Get Candle Magick Reading -> result page", measure(
                                                          launcher, kClicks,
                                                          [&] {
                                                              launcher.candleWindow()->cmdBack->click();
                                                              launcher.candleWindow()->cboOptions->setCurrentIndex(7);
                                                          },
                                                          [&] { launcher.candleWindow()->cmdReading->click(); }));
    print("Moon Magick button -> window painted",
          measure(
              launcher, kClicks, [] {}, [&] { launcher.cmdSelectOption[1]->click(); }));
    struct Reading {
        const char* name;
        QRadioButton* frmMoonMagickMain::*option;
    };
    for (const Reading r : {Reading{"Moon reading, phase -> result window", &frmMoonMagickMain::optMoonPhase},
                            Reading{"Moon reading, sign -> result window", &frmMoonMagickMain::optZodiacalMoon},
                            Reading{"Moon reading, element -> result window", &frmMoonMagickMain::optElementalMoon}}) {
        print(r.name, measure(
                          launcher, kClicks,
                          [&] {
                              if (launcher.moonDisplay().isShownToUser()) {
                                  launcher.moonDisplay().cmdBack->click();
                              }
                              frmMoonMagickMain* main = launcher.moonMain();
                              (main->*r.option)->setChecked(true);
                              main->cboYear->setCurrentIndex(106);
                          },
                          [&] { launcher.moonMain()->cmdCalculateMoonPhase->click(); }));
    }
    print("Back -> Moon Magick main window",
          measure(
              launcher, kClicks, [&] { launcher.moonMain()->cmdCalculateMoonPhase->click(); },
              [&] { launcher.moonDisplay().cmdBack->click(); }));
    return 0;
}
