#include "rules/Market.h"

#include "rules/Random.h"

#include <limits>

namespace rules {

namespace {

constexpr int kDailyRemovals = 3;
constexpr std::int64_t kDebtInterestPercent = 8;
constexpr std::int64_t kSavingsInterestDivisor = 100;

void showFigure(GameHost& host, StatusDisplay display, std::int32_t value)
{
    host.refreshDisplay(display, std::to_string(value));
}

} // namespace

std::int32_t saturate(std::int64_t value)
{
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(value);
}

void rollPrices(GameState& state, int removals)
{
    for (int i = 0; i < kGoodsCount; ++i)
        state.prices[size_t(i)] = roll(GoodsCatalogue[size_t(i)].priceSpan) + GoodsCatalogue[size_t(i)].priceBase;
    for (int r = 0; r < removals; ++r)
        state.prices[size_t(roll(kGoodsCount))] = 0;
}

void rebuildMarketList(GameState& state, GameHost& host)
{
    state.offers.clear();
    for (int i = 0; i < kGoodsCount; ++i) {
        if (state.prices[size_t(i)] != 0)
            state.offers.push_back({GoodsCatalogue[size_t(i)].name, state.prices[size_t(i)]});
    }
    host.marketRebuilt();
}

void applyInterest(GameState& state, GameHost& host)
{
    // C++ division rounds toward zero, as the interest does.
    const std::int64_t debt = state.debt;
    state.debt = saturate(debt + debt * kDebtInterestPercent / 100);
    showFigure(host, StatusDisplay::Debt, state.debt);
    const std::int64_t savings = state.savings;
    state.savings = saturate(savings + savings / kSavingsInterestDivisor);
    showFigure(host, StatusDisplay::Cash, state.cash);
    showFigure(host, StatusDisplay::Savings, state.savings);
}

void beginGame(GameState& state, GameHost& host)
{
    state.health = 100;
    showFigure(host, StatusDisplay::Debt, state.debt);
    showFigure(host, StatusDisplay::Health, state.health);
    showFigure(host, StatusDisplay::Savings, state.savings);
    rollPrices(state, kDailyRemovals);
    applyInterest(state, host);
    rebuildMarketList(state, host);
}

} // namespace rules
