#include "rules/Trading.h"

#include "rules/Answers.h"
#include "rules/Displays.h"

namespace rules {

namespace {

const char* const kRoomTooSmall = "可惜!俺租的房子太小，只能放100个物品。";

BuyResult toBuyResult(PurchaseOutcome outcome)
{
    switch (outcome) {
    case PurchaseOutcome::Merged: return BuyResult::Merged;
    case PurchaseOutcome::Added: return BuyResult::Added;
    case PurchaseOutcome::RoomTooSmall: break;
    }
    return BuyResult::RoomTooSmall;
}

} // namespace

BuyResult buySelected(GameState& state, GameHost& host)
{
    const std::optional<int> row = acceptedRow(host.selectedMarketRow(), state.offers.size());
    if (!row) {
        host.showMessage(MessageDialog::Diary, "我还没有选定买什么物品呢。");
        return BuyResult::NoSelection;
    }
    const MarketOffer offer = state.offers[size_t(*row)];
    if (state.cash < offer.price) {
        host.showMessage(MessageDialog::Diary, "俺带的现金不够，去银行提点钱吧。");
        return BuyResult::NotEnoughCash;
    }
    // A full room still opens the prompt, offering at most 0.
    const std::int32_t limit = purchaseLimit(state, offer.price);
    const std::optional<std::int32_t> quantity =
        acceptedQuantity(limit, host.askBuyQuantity({limit, state.cash, offer.name}));
    if (!quantity)
        return BuyResult::Cancelled;

    payForPurchase(state, offer.price, *quantity);
    showCash(state, host);
    host.purchaseAccepted();
    const PurchaseResult stored = storePurchase(state, offer.name, offer.price, *quantity);
    switch (stored.outcome) {
    case PurchaseOutcome::Merged: host.roomRowChanged(stored.holdingIndex); break;
    case PurchaseOutcome::Added: host.roomRowInserted(stored.holdingIndex); break;
    case PurchaseOutcome::RoomTooSmall: host.showMessage(MessageDialog::Diary, kRoomTooSmall); break;
    }
    return toBuyResult(stored.outcome);
}

SellResult sellSelected(GameState& state, GameHost& host)
{
    const std::optional<int> row = acceptedRow(host.selectedRoomRow(), state.holdings.size());
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
        acceptedQuantity(holding.quantity, host.askSellQuantity({holding.quantity, prompt}));
    if (!quantity)
        return SellResult::Cancelled;

    const SaleOutcome outcome = applySale(state, *row, offer->price, *quantity);
    showCash(state, host);
    if (outcome == SaleOutcome::Removed) {
        host.roomRowRemoved(*row);
        return SellResult::Removed;
    }
    host.roomRowChanged(*row);
    return SellResult::Reduced;
}

} // namespace rules
