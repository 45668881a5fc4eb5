#include "rules/Displays.h"

namespace rules {

void showCash(const GameState& state, GameHost& host)
{
    host.refreshDisplay(StatusDisplay::Cash, std::to_string(state.cash));
}

void showSavings(const GameState& state, GameHost& host)
{
    host.refreshDisplay(StatusDisplay::Savings, std::to_string(state.savings));
}

void showDebt(const GameState& state, GameHost& host)
{
    host.refreshDisplay(StatusDisplay::Debt, std::to_string(state.debt));
}

void showHealth(const GameState& state, GameHost& host)
{
    host.refreshDisplay(StatusDisplay::Health, std::to_string(state.health));
}

} // namespace rules
