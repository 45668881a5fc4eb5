#pragma once
// Every rule that changes a figure hands its display the new value right after the change.

#include "rules/GameHost.h"
#include "rules/GameState.h"

namespace rules {

void showCash(const GameState& state, GameHost& host);
void showSavings(const GameState& state, GameHost& host);
void showDebt(const GameState& state, GameHost& host);
void showHealth(const GameState& state, GameHost& host);

} // namespace rules
