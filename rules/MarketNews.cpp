#include "rules/Events.h"

#include "rules/EventTables.h"
#include "rules/Money.h"
#include "rules/Random.h"

namespace rules {

namespace {

const char* const kRoomFull = "可惜!俺租的房子太小，只能放100个物品。";

// Puts up to `gift` free items into the room. False when the room had no space at all.
bool receiveGift(GameState& state, GameHost& host, int goods, std::int32_t gift)
{
    const std::int32_t space = state.roomCapacity - state.roomCount;
    const std::int32_t received = gift <= space ? gift : space;
    if (received <= 0) {
        host.showMessage(MessageDialog::Diary, kRoomFull);
        return false;
    }
    const std::string name = GoodsCatalogue[size_t(goods)].name;
    // Free goods leave the price paid for a held kind alone, and enter new at price 0.
    if (RoomHolding* held = findHolding(state, name)) {
        held->quantity += received;
        state.roomCount += received;
        host.roomRowChanged(int(held - state.holdings.data()));
    } else {
        state.holdings.insert(state.holdings.begin(), RoomHolding{name, 0, received});
        state.roomCount += received;
        host.roomRowInserted(0);
    }
    return true;
}

} // namespace

void runMarketNews(GameState& state, GameHost& host)
{
    for (const MarketNewsEvent& news : MarketNewsTable) {
        if (roll(kMarketNewsRoll) % news.odds != 0)
            continue;
        std::int32_t& price = state.prices[size_t(news.goods)];
        if (price == 0)
            continue; // not on today's market: no news about it
        host.showMessage(MessageDialog::News, news.message);
        if (news.multiplier > 0)
            price = saturate(std::int64_t(price) * news.multiplier);
        if (news.divisor > 0)
            price /= news.divisor;
        if (news.gift > 0 && !receiveGift(state, host, news.goods, news.gift))
            return; // a full room ends the day's news
    }
}

} // namespace rules
