#pragma once
// The game's clock: the day's market, interest and surprises, the opening day and every
// station press.

#include "rules/GameHost.h"
#include "rules/GameState.h"
#include "rules/Random.h"

namespace rules {

// The days of a game; the caption counts the day as kGameDays - daysLeft.
constexpr std::int32_t kGameDays = 40;

// Every caller strikes three times, so one to three goods are missing.
constexpr int kMarketRemovals = 3;

// Draws the eight prices in goods order, then strikes `removals` goods (repeats allowed):
// exactly 8 + removals draws.
void rollPrices(GameState& state, RandomSource& random, int removals);

// offers := the goods with a price today, in goods order; the host redraws the market list.
void rebuildMarketList(GameState& state, GameHost& host);

// One day of interest: debt + 8 %, savings + 1 %, both rounded toward zero; shows debt, cash
// and savings.
void applyInterest(GameState& state, GameHost& host);

// Tests every news row (17 draws, fewer when a gift finds the room full); several news can
// come on one day. Changes today's prices or gives goods into the room.
void runMarketNews(GameState& state, GameHost& host, RandomSource& random);

// At most one street incident (1 to 12 draws), then the health display, the warnings, and on
// a health below 0 the death message and the end of the game.
void runHealthEvents(GameState& state, GameHost& host, RandomSource& random);

// At most one loss of cash or savings (1 to 7 draws), the guard against negative cash, and
// the cash and savings displays.
void runMoneyLoss(GameState& state, GameHost& host, RandomSource& random);

// Health 100, the first displays and the opening market (no events on the opening day).
void beginGame(GameState& state, GameHost& host, RandomSource& random);

// A game read back from where it stood between two steps: every display, the day's caption
// (none before the first ride), today's market and the room, and nothing rolled again.
void resumeGame(const GameState& state, GameHost& host);

// One station press: prices, interest, news, market, health, losses, the beating, the day
// caption and the last-day messages. A death or the last day ends the game through the host,
// and the rest of that day still runs.
void advanceDay(GameState& state, GameHost& host, RandomSource& random);

} // namespace rules
