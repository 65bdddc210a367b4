// Takes the single-instance lock the way Lunara does, says whether it got it, and holds it until
// it is killed. With --barrier it first waits
// for one byte on its standard input, so that a test can release many probes at one instant.
#include "kit/services.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool barrier = argc > 1 && std::strcmp(argv[1], "--barrier") == 0;
    lunara::Services services(
        std::make_unique<QSettings>(QDir::temp().filePath(QStringLiteral("lunara-probe.ini")), QSettings::IniFormat));
    // One byte at a time: two probes read the same pipe, each must get its own byte.
    std::setvbuf(stdin, nullptr, _IONBF, 0);
    if (barrier && std::getchar() == EOF) {
        return 4;
    }
    if (services.anotherCopyRunning()) {
        std::puts("refused");
        std::fflush(stdout);
        return 3;
    }
    std::puts("running");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
