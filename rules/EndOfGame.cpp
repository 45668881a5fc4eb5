#include "rules/EndOfGame.h"

#include "rules/Money.h"

namespace rules {

std::int32_t finalWealth(const GameState& state)
{
    return saturate(std::int64_t(state.savings) + state.cash - state.debt);
}

std::string sentHomeNews(const std::string& gbkName)
{
    return "《北京游戏报》报道: 玩家“" + gbkName + "”在北京没挣着钱，被遣送回家。";
}

std::optional<ScoreOffer> scoreOffer(const GameState& state, const std::string& gbkName)
{
    const std::int32_t money = finalWealth(state);
    if (money < 1)
        return std::nullopt;
    return ScoreOffer{gbkName, money, state.health};
}

} // namespace rules
