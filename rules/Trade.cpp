#include "rules/Trading.h"

#include "rules/Money.h"

namespace rules {

std::int32_t purchaseLimit(const GameState& state, std::int32_t price)
{
    if (price < 1)
        return 0;
    const std::int32_t affordable = state.cash > 0 ? state.cash / price : 0;
    const std::int32_t space = state.roomCapacity - state.roomCount;
    return affordable > space ? (space > 0 ? space : 0) : affordable;
}

void payForPurchase(GameState& state, std::int32_t price, std::int32_t quantity)
{
    state.roomCount += quantity;
    state.cash = saturate(std::int64_t(state.cash) - std::int64_t(quantity) * price);
}

PurchaseResult storePurchase(GameState& state, const std::string& name, std::int32_t price, std::int32_t quantity)
{
    if (RoomHolding* held = findHolding(state, name)) {
        held->quantity += quantity;
        held->purchasePrice = price;
        return {PurchaseOutcome::Merged, int(held - state.holdings.data())};
    }
    if (quantity > 0) {
        state.holdings.insert(state.holdings.begin(), RoomHolding{name, price, quantity});
        return {PurchaseOutcome::Added, 0};
    }
    return {PurchaseOutcome::RoomTooSmall, -1};
}

PurchaseResult applyPurchase(GameState& state, const std::string& name, std::int32_t price, std::int32_t quantity)
{
    payForPurchase(state, price, quantity);
    return storePurchase(state, name, price, quantity);
}

SaleOutcome applySale(GameState& state, int holdingIndex, std::int32_t price, std::int32_t quantity)
{
    RoomHolding& holding = state.holdings[size_t(holdingIndex)];
    state.roomCount -= quantity;
    state.cash = saturate(std::int64_t(state.cash) + std::int64_t(price) * quantity);
    if (quantity >= holding.quantity) {
        state.holdings.erase(state.holdings.begin() + holdingIndex);
        return SaleOutcome::Removed;
    }
    holding.quantity -= quantity;
    return SaleOutcome::Reduced;
}

} // namespace rules
