#pragma once
// A game in progress as it is kept on disk between two steps, so that a game interrupted at any
// moment goes on as it would have: the whole state, the lists' order and sort, and the dice's
// own state. Plain text, one field a line; the goods are named by their catalogue index, so
// the file holds no text of the player's at all.
//
// Reading trusts nothing: a file cut short, altered, of another version, or with any value
// outside the game's own ranges gives nothing, never a game that the rules could not have made.

#include "rules/GameState.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rules {

struct SavedGame {
    GameState state;
    ColumnSort marketSort;
    ColumnSort roomSort;
    // The generator's state after its last draw.
    std::uint32_t diceState = 0;
    // Marked before the result is offered to the list: such a game is not offered again.
    bool ended = false;
};

// More than any saved game needs (under 1 KB), so that no file can make the reading wait.
constexpr std::size_t kSavedGameReadLimit = 16384;

std::string formatSavedGame(const SavedGame& game);
std::optional<SavedGame> parseSavedGame(std::string_view bytes);

} // namespace rules
