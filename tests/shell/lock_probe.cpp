// Takes the single-instance lock the way Lunara does, says whether it got it, and holds it until
// it is killed.
#include "kit/services.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    lunara::Services services(
        std::make_unique<QSettings>(QDir::temp().filePath(QStringLiteral("lunara-probe.ini")), QSettings::IniFormat));
    if (services.anotherCopyRunning()) {
        std::puts("refused");
        return 3;
    }
    std::puts("running");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
