#pragma once
// The game's one random source: a fixed linear congruential generator, so that a seed always
// gives the same game whatever the platform's own rand() would do.

#include <cstdint>

namespace rules {

// A value from 0 to n - 1 (n >= 1): the generator's next value modulo n. The first call of a run
// seeds the generator from the clock unless a seed was set; later games continue the sequence.
std::int32_t roll(std::int32_t n);

// The next raw value, 0 to 32767: bits 16 to 30 of state := state * 214013 + 2531011.
std::int32_t nextRandom();

void seedRandom(std::uint32_t seed);

// How many values have been drawn since the last seed.
std::uint64_t randomDraws();

} // namespace rules
