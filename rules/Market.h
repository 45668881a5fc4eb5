#pragma once
// The daily black market, the interest of a day, and the opening of a game.

#include "rules/GameHost.h"
#include "rules/GameState.h"

#include <cstdint>

namespace rules {

// Saturates a wide result into the signed 32-bit range, so money never wraps around.
std::int32_t saturate(std::int64_t value);

// Draws the eight prices in goods order, then strikes `removals` goods (the same goods can be
// struck twice): 8 + removals values of the random sequence.
void rollPrices(GameState& state, int removals);

// Replaces the offers with the goods whose price is not 0, in goods order.
void rebuildMarketList(GameState& state, GameHost& host);

// One day of interest: 8 % on the debt, 1 % on savings, both rounded toward zero.
void applyInterest(GameState& state, GameHost& host);

// The game window's opening: health 100 and its displays, then the first market.
// No events run on the first day.
void beginGame(GameState& state, GameHost& host);

} // namespace rules
