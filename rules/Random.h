#pragma once
// The game's one random source: a fixed linear congruential generator, so that a seed gives
// the same game on every machine.

#include <cstdint>

namespace rules {

// A value from 0 to n - 1 (0 when n < 1). Seeds itself from the clock at its first call
// unless seeded before; later games of the same run continue the same sequence.
std::int32_t roll(std::int32_t n);

// The next raw value, 0 to 32767: bits 16 to 30 of state := state * 214013 + 2531011.
std::int32_t nextRandom();

void seedRandom(std::uint32_t seed);

// How many values have been drawn since the last seeding.
std::uint64_t randomDraws();

} // namespace rules
