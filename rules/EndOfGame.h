#pragma once
// What a finished game leaves: the result and what the start screen does with it.

#include "rules/GameState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rules {

// savings + cash - debt, pinned to the 32-bit range. Goods left in the room count for nothing.
std::int32_t finalWealth(const GameState& state);

// The news for a player who made nothing (a result below 1).
std::string sentHomeNews(const std::string& gbkName);

// What the top-ten list is offered.
struct ScoreOffer {
    std::string name; // GBK
    std::int32_t money;
    std::int32_t health; // as the game ended, may be 0 or below
};

// The entry for the top-ten list, or none when the result is below 1 (then the caller
// shows sentHomeNews instead).
std::optional<ScoreOffer> scoreOffer(const GameState& state, const std::string& gbkName);

} // namespace rules
