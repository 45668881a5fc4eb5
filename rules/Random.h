#pragma once
// The dice of the game. The rules draw through a RandomSource they are given: the game's own
// generator in play, a script of draws in tests.

#include <cstdint>

namespace rules {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A value from 0 to n - 1.
    virtual std::int32_t roll(std::int32_t n) = 0;
};

// A fixed linear congruential generator, so that a seed gives the same game on every machine:
// state := state * 214013 + 2531011, and a draw is bits 16 to 30 of the new state. roll(n) is
// that draw modulo n, with the slight bias towards small values that the odds count on.
class GameRandom : public RandomSource {
public:
    // Seeds itself from the clock at its first draw.
    GameRandom() = default;
    explicit GameRandom(std::uint32_t seed);

    std::int32_t roll(std::int32_t n) override;
    // Where the sequence stands: GameRandom(state()) draws on exactly as this one would.
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 0;
    bool seeded_ = false;
};

} // namespace rules
