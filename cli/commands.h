#pragma once

// lunara-cli's commands: `now` (also `today`) and `events`, run without a display and without any
// GUI library. `lunara COMMAND` hands over to this program (shell/main.cpp).

#include <QSettings>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace lunara::cli {

// The clock the commands read: the system's, or for tests only the instant in LUNARA_TEST_NOW
// (ISO 8601 with an offset, or Unix seconds), from which it runs on at the real pace.
class Clock {
public:
    Clock();
    // Unix milliseconds.
    std::int64_t nowMs() const;
    std::int64_t now() const { return nowMs() / 1000; }
    // Why LUNARA_TEST_NOW cannot be read; empty when it can or is not set.
    QString error() const { return error_; }

private:
    std::optional<std::int64_t> startMs_;
    std::int64_t startedAt_ = 0; // the steady clock's milliseconds at the start
    QString error_;
};

// Runs the command line (the arguments after the program's name) and returns the exit status:
// 0 done, 1 not done (a file that exists without --force, a write that failed), 2 a wrong command
// line. The stored place, hemisphere and planets come from `settings`, Lunara's own.
int run(const QStringList& arguments, const QSettings& settings, const Clock& clock, std::FILE* out, std::FILE* err);

} // namespace lunara::cli
