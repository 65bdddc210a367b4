#pragma once

#include "shell/launcher.h"
#include "tests/support/test_services.h"
#include "tests/support/windows.h"

namespace lunara::test {

// How long a test waits for what the event loop delivers (a D-Bus round trip, a queued window)
// before it fails: only a bound for a fault, generous for a machine busy with other work; a
// wait ends as soon as the thing is there.
inline constexpr int kPatienceMs = 120000;

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
