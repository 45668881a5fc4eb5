#pragma once
// One result of the top-ten list.

#include <cstddef>
#include <cstdint>
#include <string>

namespace score {

// The record's name field holds 19 bytes of GBK and a terminating zero.
constexpr std::size_t kScoreNameBytes = 19;

struct ScoreEntry {
    std::string name;        // GBK, at most kScoreNameBytes bytes, no CR, LF or NUL
    std::int32_t money = 0;  // final wealth, yuan
    std::int32_t health = 0; // as the game ended, may be negative
};

inline bool operator==(const ScoreEntry& a, const ScoreEntry& b)
{
    return a.name == b.name && a.money == b.money && a.health == b.health;
}

} // namespace score
