#pragma once
// What a finished game leaves: the result, and whether it is the sent-home news or an entry
// for the top-ten list.

#include "rules/GameState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rules {

// savings + cash - debt, pinned to the 32-bit range. Goods left in the room count for nothing.
std::int32_t finalWealth(const GameState& state);

struct GameResult {
    std::int32_t finalWealth;
    // Set for a result below 1: the news the player reads instead of the list.
    std::optional<std::string> sentHomeNews;
};

// `gbkName` is the name as the start screen holds it when the game has closed.
GameResult endOfGame(const GameState& state, const std::string& gbkName);

} // namespace rules
