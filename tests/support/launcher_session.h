#pragma once

#include "shell/launcher.h"
#include "tests/support/patience.h"
#include "tests/support/test_services.h"
#include "tests/support/windows.h"

namespace lunara::test {

// The launcher on test services, shown as a user sees it; the end closes it and runs the
// deletions its windows scheduled.
struct LauncherSession {
    explicit LauncherSession(const QDateTime& now = QDateTime(QDate(2007, 12, 23), QTime(12, 6, 31))) {
        fixture.services.clock = now;
        launcher = std::make_unique<frmMDI>(fixture.services);
        launcher->resize(1000, 760);
        launcher->show();
    }
    ~LauncherSession() {
        launcher.reset();
        flushDeletes();
    }
    LauncherSession(const LauncherSession&) = delete;
    LauncherSession& operator=(const LauncherSession&) = delete;

    Fixture fixture;
    std::unique_ptr<frmMDI> launcher;
};

} // namespace lunara::test
