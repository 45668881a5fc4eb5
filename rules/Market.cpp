#include "rules/Market.h"

#include "rules/Random.h"

namespace rules {

void rollPrices(GameState& state, int removals)
{
    for (int i = 0; i < kGoodsCount; ++i) {
        const Goods& goods = GoodsCatalogue[size_t(i)];
        state.prices[size_t(i)] = roll(goods.priceSpan) + goods.priceBase;
    }
    for (int r = 0; r < removals; ++r)
        state.prices[size_t(roll(kGoodsCount))] = 0;
}

void rebuildMarketList(GameState& state, GameHost& host)
{
    state.offers.clear();
    for (int i = 0; i < kGoodsCount; ++i) {
        // A price divided down to nothing by the news counts as not offered.
        if (state.prices[size_t(i)] > 0)
            state.offers.push_back({GoodsCatalogue[size_t(i)].name, state.prices[size_t(i)]});
    }
    host.marketRebuilt();
}

} // namespace rules
