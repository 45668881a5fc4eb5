#pragma once
// The city's services: none advances the day or draws a random number.

#include "rules/GameHost.h"

namespace rules {

// One deposit or withdrawal per visit, then cash and savings are shown.
void openBank(GameState& state, GameHost& host);
// Health points at 3500 yuan each, never above 100 health.
void openHospital(GameState& state, GameHost& host);
// Repayment of the debt from cash; with no debt the village head phones instead.
void openPostOffice(GameState& state, GameHost& host);
// A notice; nothing changes.
void openAirport(GameHost& host);

} // namespace rules
