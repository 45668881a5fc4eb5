#include "rules/DayAdvance.h"

#include <algorithm>

namespace rules {

namespace {

constexpr std::int32_t kBeatingDebt = 100000; // a debt above this brings the village boys
constexpr std::int32_t kBeatingDamage = 20;

// Puts up to `gift` free items into the room. False when the room had no space at all.
bool receiveGift(GameState& state, GameHost& host, int goods, std::int32_t gift)
{
    const std::int32_t received = std::min(gift, state.roomCapacity - state.roomCount);
    if (received <= 0) {
        host.showMessage(MessageDialog::Diary, "可惜!俺租的房子太小，只能放100个物品。");
        return false;
    }
    const std::string name = GoodsCatalogue[size_t(goods)].name;
    state.roomCount += received;
    // Free goods leave the price paid for a held kind alone, and enter new at price 0.
    if (RoomHolding* held = findHolding(state, name)) {
        held->quantity += received;
        host.roomRowChanged(RowChange::Changed, int(held - state.holdings.data()), *held);
    } else {
        state.holdings.insert(state.holdings.begin(), RoomHolding{name, 0, received});
        host.roomRowChanged(RowChange::Inserted, 0, state.holdings.front());
    }
    return true;
}

// The first row of `table` that fires, or nullptr.
template <typename Table>
const typename Table::value_type* firstFiring(const Table& table, RandomSource& random)
{
    for (const auto& event : table)
        if (random.roll(kEventRoll) % event.odds == 0)
            return &event;
    return nullptr;
}

// The hundreds go first, so 2050 less 10 % is 1800 and 99 less anything is 0.
std::int32_t lessPercent(std::int32_t amount, std::int32_t percent)
{
    return (amount / 100) * (100 - percent);
}

void loseMoney(GameState& state, GameHost& host, const MoneyLossEvent& event)
{
    const std::string percent = std::to_string(event.percent);
    if (event.account == Account::Savings) {
        if (state.savings <= 0)
            return; // nothing to take: the day passes quietly
        host.showMessage(MessageDialog::Diary,
                         std::string(event.message) + "俺的存款减少了" + percent + "%。" + "，哎呀!");
        state.savings = lessPercent(state.savings, event.percent);
    } else {
        host.showMessage(MessageDialog::Diary, std::string(event.message) + "俺的银子减少了" + percent + "%。");
        state.cash = lessPercent(state.cash, event.percent);
    }
}

void beatingForDebt(GameState& state, GameHost& host)
{
    if (state.debt <= kBeatingDebt)
        return;
    host.showMessage(MessageDialog::Diary, "俺欠钱太多，村长叫一群老乡揍了俺一顿!");
    // No death test here: the next day's health check catches a health below 0.
    state.health -= kBeatingDamage;
    showFigures(state, host, {Figure::Health});
}

void showDayCaption(const GameState& state, GameHost& host)
{
    host.setDayCaption("都市货郎(" + std::to_string(kGameDays - state.daysLeft) + "/40天)");
}

void countDay(GameState& state, GameHost& host)
{
    --state.daysLeft;
    showDayCaption(state, host);
    if (state.daysLeft == 1)
        host.showMessage(MessageDialog::Diary, "俺明天回家乡，快把全部货物卖掉。");
    if (state.daysLeft == 0) {
        host.showMessage(MessageDialog::Diary, "俺已经在北京40天了，该回去结婚去了。");
        host.requestEndOfGame(GameEnd::Ok);
    }
}

} // namespace

void rollPrices(GameState& state, RandomSource& random, int removals)
{
    for (size_t i = 0; i < GoodsCatalogue.size(); ++i)
        state.prices[i] = random.roll(GoodsCatalogue[i].priceSpan) + GoodsCatalogue[i].priceBase;
    for (int r = 0; r < removals; ++r)
        state.prices[size_t(random.roll(kGoodsCount))] = 0;
}

void rebuildMarketList(GameState& state, GameHost& host)
{
    state.offers.clear();
    for (size_t i = 0; i < GoodsCatalogue.size(); ++i) {
        // A price divided down to nothing by the news counts as not offered.
        if (state.prices[i] > 0)
            state.offers.push_back({GoodsCatalogue[i].name, state.prices[i]});
    }
    host.marketRebuilt(state.offers);
}

void applyInterest(GameState& state, GameHost& host)
{
    state.debt = saturate(std::int64_t(state.debt) + std::int64_t(state.debt) * 8 / 100);
    showFigures(state, host, {Figure::Debt});
    state.savings = saturate(std::int64_t(state.savings) + state.savings / 100);
    showFigures(state, host, {Figure::Cash, Figure::Savings});
}

void runMarketNews(GameState& state, GameHost& host, RandomSource& random)
{
    for (const MarketNewsEvent& news : kMarketNewsTable) {
        if (random.roll(kMarketNewsRoll) % news.odds != 0)
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

void runHealthEvents(GameState& state, GameHost& host, RandomSource& random)
{
    if (const HealthEvent* event = firstFiring(kHealthEventTable, random)) {
        host.showMessage(MessageDialog::Diary,
                         std::string(event->message) + "俺的健康减少了" + std::to_string(event->damage) + "点。");
        state.health -= event->damage;
    }
    showFigures(state, host, {Figure::Health});

    // 0 and 20 belong to no band: no warning, no death.
    const std::int32_t h = state.health;
    if (h >= 21 && h <= 29) {
        host.showMessage(MessageDialog::Diary, "俺的健康状况不佳，快去医院。");
    } else if (h >= 1 && h <= 19) {
        host.showMessage(MessageDialog::Diary, "俺的健康..健康危机..快去医..");
    } else if (h < 0) {
        host.showMessage(MessageDialog::Diary, "俺倒在街头,身边日记本上写着：\"北京，我将再来!\"");
        host.requestEndOfGame(GameEnd::Cancel);
    }
}

void runMoneyLoss(GameState& state, GameHost& host, RandomSource& random)
{
    if (const MoneyLossEvent* event = firstFiring(kMoneyLossTable, random))
        loseMoney(state, host, *event);
    if (state.cash < 0) {
        state.cash = 0;
        host.showMessage(MessageDialog::Diary, "俺不好办了。");
    }
    showFigures(state, host, {Figure::Cash, Figure::Savings});
}

void beginGame(GameState& state, GameHost& host, RandomSource& random)
{
    state.health = 100;
    showFigures(state, host, {Figure::Debt, Figure::Health, Figure::Savings});
    rollPrices(state, random, kMarketRemovals);
    applyInterest(state, host);
    rebuildMarketList(state, host);
}

void resumeGame(const GameState& state, GameHost& host)
{
    showFigures(state, host, {Figure::Cash, Figure::Savings, Figure::Debt, Figure::Health});
    if (state.daysLeft < kGameDays)
        showDayCaption(state, host);
    host.marketRebuilt(state.offers);
    for (std::size_t row = 0; row < state.holdings.size(); ++row)
        host.roomRowChanged(RowChange::Inserted, int(row), state.holdings[row]);
}

void advanceDay(GameState& state, GameHost& host, RandomSource& random)
{
    rollPrices(state, random, kMarketRemovals);
    applyInterest(state, host);
    runMarketNews(state, host, random);
    rebuildMarketList(state, host);
    runHealthEvents(state, host, random);
    runMoneyLoss(state, host, random);
    beatingForDebt(state, host);
    countDay(state, host);
}

} // namespace rules
