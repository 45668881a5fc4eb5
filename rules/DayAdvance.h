#pragma once
// The game's clock: the opening day and every station press.

#include "rules/GameHost.h"
#include "rules/GameState.h"

namespace rules {

constexpr std::int32_t kGameDays = 40;
constexpr std::int32_t kBeatingDebt = 100000; // a debt above this brings the village boys
constexpr std::int32_t kBeatingDamage = 20;

// One day of interest: debt + 8 %, savings + 1 %, both rounded toward zero; shows debt,
// cash and savings.
void applyInterest(GameState& state, GameHost& host);

// Health 100, the first displays, and the opening market (no events on the opening day).
void beginGame(GameState& state, GameHost& host);

// One station press: prices, interest, news, market, health, losses, the beating, the day
// caption and the last-day messages. A death or the last day ends the game through the
// host, and the rest of that day still runs.
void advanceDay(GameState& state, GameHost& host);

} // namespace rules
