#pragma once
// The day's black market: fresh prices, some goods struck, and the list the player sees.

#include "rules/GameHost.h"
#include "rules/GameState.h"

namespace rules {

// Every caller strikes three times, so one to three goods are missing.
constexpr int kMarketRemovals = 3;

// Draws the eight prices in goods order, then strikes `removals` goods (repeats allowed).
// Consumes exactly 8 + removals random values.
void rollPrices(GameState& state, int removals);

// offers := the goods with a price today, in goods order; the host redraws the market list.
void rebuildMarketList(GameState& state, GameHost& host);

} // namespace rules
