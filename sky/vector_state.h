#pragma once

// The processor's vector state before the sky's arithmetic.
//
// On x86 processors with AVX, code that runs 256-bit vector instructions and returns without
// `vzeroupper` leaves the upper halves of the vector registers marked in use. Qt 6.4's seeded
// hashing does so (every QHash of strings, every QTimeZone look-up). Until they are cleared, each
// SSE instruction of the plain x86-64 code the sky is compiled to waits on those upper halves,
// and the sky's searches run many times slower (a year of planetary stations: 33 ms after a clean
// start, 510 ms after a time-zone look-up). Each evaluation of a theory (the moon's series, each
// planet's) begins by clearing the state: the searches spend nearly all their time there, so no
// caller needs to know, and Qt code that runs in between (the almanac asking the caller's zone
// for a date in the middle of a search) costs nothing either. Portable: on other processors, and
// with compilers that cannot tell, it does nothing.

namespace lunara::sky {

// Marks the upper halves of the vector registers clean (`vzeroupper` where the processor has
// AVX); a few cycles, safe to call anywhere.
void ClearVectorState() noexcept;

} // namespace lunara::sky
