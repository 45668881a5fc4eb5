#include "rules/Trading.h"

namespace rules {

namespace {

// A row index the rules can use, or none.
std::optional<int> selectedIndex(GameHost& host, List list, size_t rowCount)
{
    const std::optional<int> row = host.selectedRow(list);
    if (row && (*row < 0 || size_t(*row) >= rowCount))
        return std::nullopt;
    return row;
}

BuyResult applyPurchase(GameState& state, const MarketOffer& offer, std::int32_t quantity)
{
    state.roomCount += quantity;
    state.cash = saturate(std::int64_t(state.cash) - std::int64_t(quantity) * offer.price);
    if (RoomHolding* held = findHolding(state, offer.name)) {
        held->quantity += quantity;
        held->purchasePrice = offer.price;
        return BuyResult::Merged;
    }
    if (quantity == 0)
        return BuyResult::RoomTooSmall;
    state.holdings.insert(state.holdings.begin(), RoomHolding{offer.name, offer.price, quantity});
    return BuyResult::Added;
}

SellResult applySale(GameState& state, int holdingIndex, std::int32_t price, std::int32_t quantity)
{
    RoomHolding& holding = state.holdings[size_t(holdingIndex)];
    state.roomCount -= quantity;
    state.cash = saturate(std::int64_t(state.cash) + std::int64_t(price) * quantity);
    if (quantity >= holding.quantity) {
        state.holdings.erase(state.holdings.begin() + holdingIndex);
        return SellResult::Removed;
    }
    holding.quantity -= quantity;
    return SellResult::Reduced;
}

} // namespace

std::int32_t purchaseLimit(const GameState& state, std::int32_t price)
{
    if (price < 1)
        return 0;
    const std::int32_t affordable = state.cash > 0 ? state.cash / price : 0;
    const std::int32_t space = state.roomCapacity - state.roomCount;
    return affordable > space ? (space > 0 ? space : 0) : affordable;
}

BuyResult buySelected(GameState& state, GameHost& host)
{
    const std::optional<int> row = selectedIndex(host, List::Market, state.offers.size());
    if (!row) {
        host.showMessage(MessageDialog::Diary, "我还没有选定买什么物品呢。");
        return BuyResult::NoSelection;
    }
    const MarketOffer offer = state.offers[size_t(*row)];
    if (state.cash < offer.price) {
        host.showMessage(MessageDialog::Diary, "俺带的现金不够，去银行提点钱吧。");
        return BuyResult::NotEnoughCash;
    }
    // A full room still asks, offering at most 0.
    const std::int32_t limit = purchaseLimit(state, offer.price);
    const std::string line =
        std::to_string(state.cash) + "元人民币,最多可以买" + std::to_string(limit) + "个" + offer.name + "。";
    const std::optional<std::int32_t> quantity = ask(host, {Question::BuyQuantity, line, limit, 0, limit});
    if (!quantity)
        return BuyResult::Cancelled;
    host.purchaseAccepted();

    const BuyResult result = applyPurchase(state, offer, *quantity);
    showFigures(state, host, {Figure::Cash});
    if (result == BuyResult::RoomTooSmall)
        host.showMessage(MessageDialog::Diary, "可惜!俺租的房子太小，只能放100个物品。");
    else if (result == BuyResult::Added)
        host.roomRowChanged(RowChange::Inserted, 0, state.holdings.front());
    else if (const RoomHolding* held = findHolding(state, offer.name))
        host.roomRowChanged(RowChange::Changed, int(held - state.holdings.data()), *held);
    return result;
}

SellResult sellSelected(GameState& state, GameHost& host)
{
    const std::optional<int> row = selectedIndex(host, List::Room, state.holdings.size());
    if (!row)
        return SellResult::NoSelection;
    const RoomHolding holding = state.holdings[size_t(*row)];
    const MarketOffer* offer = findOffer(state, holding.name);
    if (!offer) {
        host.showMessage(MessageDialog::Diary, "哦？这里没有人在这里做" + holding.name + "生意。");
        return SellResult::NotTraded;
    }
    const std::string prompt = "您有" + std::to_string(holding.quantity) + "个" + holding.name + "，想卖出多少？";
    const std::optional<std::int32_t> quantity =
        ask(host, {Question::SellQuantity, prompt, holding.quantity, 0, holding.quantity});
    if (!quantity)
        return SellResult::Cancelled;

    const SellResult result = applySale(state, *row, offer->price, *quantity);
    showFigures(state, host, {Figure::Cash});
    const bool removed = result == SellResult::Removed;
    host.roomRowChanged(removed ? RowChange::Removed : RowChange::Changed, *row,
                        removed ? holding : state.holdings[size_t(*row)]);
    return result;
}

} // namespace rules
