#pragma once
// The city's services: none advances the day or draws a random number.

#include "rules/GameHost.h"
#include "rules/GameState.h"

namespace rules {

constexpr std::int32_t kHealthPointPrice = 3500;
constexpr std::int32_t kFullHealth = 100;

// One deposit or withdrawal per visit, then cash and savings are shown.
void openBank(GameState& state, GameHost& host);
// Health points at 3500 yuan each, never above 100 health.
void openHospital(GameState& state, GameHost& host);
// Repayment of the debt from cash; with no debt the village head phones instead.
void openPostOffice(GameState& state, GameHost& host);
// A notice; nothing changes.
void openAirport(GameState& state, GameHost& host);

} // namespace rules
