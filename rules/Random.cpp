#include "rules/Random.h"

#include <ctime>

namespace rules {

GameRandom::GameRandom(std::uint32_t seed)
    : state_(seed)
    , seeded_(true)
{
}

std::int32_t GameRandom::roll(std::int32_t n)
{
    if (!seeded_) {
        state_ = std::uint32_t(std::time(nullptr));
        seeded_ = true;
    }
    state_ = state_ * 214013u + 2531011u;
    const std::int32_t value = std::int32_t((state_ >> 16) & 0x7fffu);
    return n < 1 ? 0 : value % n;
}

} // namespace rules
