// Built-in generator: a 64-bit linear congruential generator of which only
// the top 31 bits are used (the low bits of an LCG repeat after a few draws,
// which would make "is the draw odd" nearly periodic).
#include "lights/random.h"

namespace festoon {

namespace {

std::uint64_t gSeed = 1;
RandomFn gRandomFn = nullptr;
TickFn gTickFn = nullptr;

int BuiltInRandom(int n) {
    gSeed = gSeed * 6364136223846793005ull + 1442695040888963407ull;
    std::uint32_t bits = static_cast<std::uint32_t>(gSeed >> 33);
    return static_cast<int>(bits % static_cast<std::uint32_t>(n));
}

} // namespace

int R(int n) {
    if (n < 1) return 0;
    int v = gRandomFn ? gRandomFn(n) : BuiltInRandom(n);
    return (v < 0 || v >= n) ? 0 : v;
}

void SeedRandom(std::uint32_t seed) { gSeed = seed; }
void SetRandomSource(RandomFn fn) { gRandomFn = fn; }

std::uint32_t Now() { return gTickFn ? gTickFn() : 0; }
void SetTickSource(TickFn fn) { gTickFn = fn; }

} // namespace festoon
