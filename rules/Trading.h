#pragma once
// Buying from today's black market into the rented room, and selling back. Each acts on the
// selected row of its list, whatever gesture started it.

#include "rules/GameHost.h"

#include <cstdint>

namespace rules {

// The most the player may buy at `price` (at least 1): what the cash pays for, but no more
// than the room still takes. May be 0.
std::int32_t purchaseLimit(const GameState& state, std::int32_t price);

enum class BuyResult { NoSelection, NotEnoughCash, Cancelled, Merged, Added, RoomTooSmall };
enum class SellResult { NoSelection, NotTraded, Cancelled, Reduced, Removed };

// The checks and their messages, the quantity question, the cash display and the room row.
// The price paid replaces a held kind's purchase price, even for 0 units.
BuyResult buySelected(GameState& state, GameHost& host);

// The same for a sale of the selected holding; no selection does nothing at all.
SellResult sellSelected(GameState& state, GameHost& host);

} // namespace rules
