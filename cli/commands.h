#pragma once

// lunara-cli's commands: `now` (also `today`) and `events`, run without a display and without any
// GUI library. `lunara COMMAND` hands over to this program (shell/main.cpp).

#include "cli/sky_now.h"

#include <QSettings>
#include <QStringList>
#include <cstdint>
#include <cstdio>

namespace lunara::cli {

// The clock the commands read and --watch sleeps on: the system's (tests give their own).
class Clock {
public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    virtual ~Clock() = default;
    // Unix milliseconds.
    virtual std::int64_t nowMs() const;
    std::int64_t now() const { return nowMs() / 1000; }
    // Sleeps until the clock says `untilMs` or a little earlier (a clock set by hand); false ends
    // the watch.
    virtual bool sleepUntil(std::int64_t untilMs) const;
};

// When --watch wakes next after `nowMs` (Unix milliseconds) for the sky then.
std::int64_t watchWake(const SkyNow& sky, std::int64_t nowMs);

// Runs the command line (the arguments after the program's name) and returns the exit status:
// 0 done, 1 not done (a file that exists without --force, a write that failed), 2 a wrong command
// line. The stored place, hemisphere and planets come from `settings`, Lunara's own.
int run(const QStringList& arguments, const QSettings& settings, const Clock& clock, std::FILE* out, std::FILE* err);

} // namespace lunara::cli
