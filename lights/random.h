// The program's one pseudo-random generator and its tick clock, reached
// through replaceable functions so that tests can fix both.
#pragma once

#include <cstdint>

namespace festoon {

// R(n): a random integer in [0, n); 0 when n < 1.
int R(int n);
void SeedRandom(std::uint32_t seed);

using RandomFn = int (*)(int n);
void SetRandomSource(RandomFn fn); // null restores the built-in generator

// Milliseconds, wrapping at 2^32 like GetTickCount.
std::uint32_t Now();
using TickFn = std::uint32_t (*)();
void SetTickSource(TickFn fn);

// True once more than interval ms have passed since start. Measured as the
// unsigned difference now - start, so it keeps working when the tick count
// wraps to 0 after 49.7 days (a plain "start + interval < now" would stall
// every timer for another 49.7 days once start + interval had wrapped).
inline bool TickPassed(std::uint32_t start, std::uint32_t interval, std::uint32_t now) {
    return static_cast<std::uint32_t>(now - start) > interval;
}

// True once now lies after deadline, for deadlines less than 24 days away.
inline bool TickAfter(std::uint32_t now, std::uint32_t deadline) {
    return static_cast<std::int32_t>(now - deadline) > 0;
}

} // namespace festoon
