#include "rules/Random.h"

#include <ctime>

namespace rules {

namespace {

struct Generator {
    std::uint32_t state = 0;
    bool seeded = false;
    std::uint64_t draws = 0;
};

Generator& generator()
{
    static Generator instance;
    return instance;
}

} // namespace

std::int32_t nextRandom()
{
    Generator& g = generator();
    if (!g.seeded)
        seedRandom(std::uint32_t(std::time(nullptr)));
    g.state = g.state * 214013u + 2531011u;
    ++g.draws;
    return std::int32_t((g.state >> 16) & 0x7fffu);
}

void seedRandom(std::uint32_t seed)
{
    Generator& g = generator();
    g.state = seed;
    g.seeded = true;
    g.draws = 0;
}

std::int32_t roll(std::int32_t n)
{
    const std::int32_t value = nextRandom();
    return n < 1 ? 0 : value % n;
}

std::uint64_t randomDraws()
{
    return generator().draws;
}

} // namespace rules
