#include "rules/EndOfGame.h"

namespace rules {

std::int32_t finalWealth(const GameState& state)
{
    return saturate(std::int64_t(state.savings) + state.cash - state.debt);
}

GameResult endOfGame(const GameState& state, const std::string& gbkName)
{
    const std::int32_t wealth = finalWealth(state);
    if (wealth >= 1)
        return {wealth, std::nullopt};
    return {wealth, "《北京游戏报》报道: 玩家“" + gbkName + "”在北京没挣着钱，被遣送回家。"};
}

} // namespace rules
