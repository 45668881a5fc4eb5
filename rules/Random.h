#pragma once
// The game's one random source: a fixed linear congruential generator, so that a seed gives
// the same game on every machine.

#include <cstdint>

namespace rules {

// A value from 0 to n - 1 (0 when n < 1). Seeds itself from the clock at its first call
// unless seeded before; later games of the same run continue the same sequence.
std::int32_t roll(std::int32_t n);

void seedRandom(std::uint32_t seed);

// How many values have been drawn since the last seeding.
std::uint64_t randomDrawCount();

} // namespace rules
