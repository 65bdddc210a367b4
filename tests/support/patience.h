#pragma once

namespace lunara::test {

// How long a test waits for what the event loop or another process delivers (a D-Bus round trip,
// a queued window, a started program's first word) before it fails: only a bound for a fault,
// generous for a machine busy with other work; a wait ends as soon as the thing is there.
inline constexpr int kPatienceMs = 120000;

} // namespace lunara::test
