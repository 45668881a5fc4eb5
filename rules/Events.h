#pragma once
// The day's random events, run by the day advance in this order.

#include "rules/GameHost.h"
#include "rules/GameState.h"

namespace rules {

// Tests every news row (17 draws, fewer when a gift finds the room full); several news can
// come on one day. Changes today's prices or gives goods into the room.
void runMarketNews(GameState& state, GameHost& host);

// At most one street incident (1 to 12 draws), then the health display, the warnings, and
// on a health below 0 the death message and the end of the game.
void runHealthEvents(GameState& state, GameHost& host);

// At most one loss of cash or savings (1 to 7 draws), the guard against negative cash, and
// the cash and savings displays.
void runMoneyLoss(GameState& state, GameHost& host);

} // namespace rules
