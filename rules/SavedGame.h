#pragma once
// A game in progress as it is kept on disk between two steps, so that a game interrupted at any
// moment goes on as it would have: the whole state, the lists' order and sort, and the dice's
// own state. Plain text, one field a line; the goods are named by their catalogue index and
// the player's name is written as the hex digits of its GBK bytes.
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
    // The name the result goes to the list under.
    std::string player;
    // Marked before the result is offered to the list: such a game is not offered again. With
    // it, a hash of the list as it stood before the result went in (see listHash), which tells
    // whether the result got there when the process died in between.
    bool ended = false;
    std::uint32_t listBefore = 0;
};

// Longer names than this are not kept (the list keeps 19 bytes of a name).
constexpr std::size_t kSavedNameBytes = 256;

// FNV-1a of a list's file: equal lists, equal hashes.
std::uint32_t listHash(std::string_view listFile);

// More than any saved game needs (under 1 KB), so that no file can make the reading wait.
constexpr std::size_t kSavedGameReadLimit = 16384;

std::string formatSavedGame(const SavedGame& game);
std::optional<SavedGame> parseSavedGame(std::string_view bytes);

} // namespace rules
