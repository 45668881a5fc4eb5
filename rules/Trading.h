#pragma once
// Buying from today's black market into the rented room, and selling back.

#include "rules/GameHost.h"
#include "rules/GameState.h"

#include <cstdint>

namespace rules {

enum class PurchaseOutcome { Merged, Added, RoomTooSmall };
enum class SaleOutcome { Reduced, Removed };

struct PurchaseResult {
    PurchaseOutcome outcome;
    int holdingIndex; // the holding bought into; -1 for RoomTooSmall
};

// The most the player may buy at `price` (at least 1): what the cash pays for, but no more
// than the room still takes. May be 0.
std::int32_t purchaseLimit(const GameState& state, std::int32_t price);

// The two halves of a purchase of `quantity` units, for hosts that redraw between them:
// first the money and the room count, then the holding.
void payForPurchase(GameState& state, std::int32_t price, std::int32_t quantity);
PurchaseResult storePurchase(GameState& state, const std::string& name, std::int32_t price, std::int32_t quantity);
// Both halves at once. The price paid replaces the holding's purchase price, even for 0 units.
PurchaseResult applyPurchase(GameState& state, const std::string& name, std::int32_t price, std::int32_t quantity);

// Sells `quantity` units of holdings[holdingIndex] at today's `price`.
SaleOutcome applySale(GameState& state, int holdingIndex, std::int32_t price, std::int32_t quantity);

enum class BuyResult { NoSelection, NotEnoughCash, Cancelled, Merged, Added, RoomTooSmall };
enum class SellResult { NoSelection, NotTraded, Cancelled, Reduced, Removed };

// The whole purchase on the selected market row: checks and their messages, the quantity
// prompt, the cash display, the room row.
BuyResult buySelected(GameState& state, GameHost& host);

// The whole sale of the selected room row: no selection does nothing at all.
SellResult sellSelected(GameState& state, GameHost& host);

} // namespace rules
