#include "rules/DayAdvance.h"

#include "rules/Displays.h"
#include "rules/Events.h"
#include "rules/Market.h"
#include "rules/Money.h"

namespace rules {

namespace {

void beatingForDebt(GameState& state, GameHost& host)
{
    if (state.debt <= kBeatingDebt)
        return;
    host.showMessage(MessageDialog::Diary, "俺欠钱太多，村长叫一群老乡揍了俺一顿!");
    // No death test here: the next day's health check catches a health below 0.
    state.health -= kBeatingDamage;
    showHealth(state, host);
}

void countDay(GameState& state, GameHost& host)
{
    --state.daysLeft;
    host.setDayCaption("都市货郎(" + std::to_string(kGameDays - state.daysLeft) + "/40天)");
    if (state.daysLeft == 1)
        host.showMessage(MessageDialog::Diary, "俺明天回家乡，快把全部货物卖掉。");
    if (state.daysLeft == 0) {
        host.showMessage(MessageDialog::Diary, "俺已经在北京40天了，该回去结婚去了。");
        host.requestEndOfGame(GameEnd::Ok);
    }
}

} // namespace

void applyInterest(GameState& state, GameHost& host)
{
    state.debt = saturate(std::int64_t(state.debt) + std::int64_t(state.debt) * 8 / 100);
    showDebt(state, host);
    state.savings = saturate(std::int64_t(state.savings) + state.savings / 100);
    showCash(state, host);
    showSavings(state, host);
}

void beginGame(GameState& state, GameHost& host)
{
    state.health = 100;
    showDebt(state, host);
    showHealth(state, host);
    showSavings(state, host);
    rollPrices(state, kMarketRemovals);
    applyInterest(state, host);
    rebuildMarketList(state, host);
}

void advanceDay(GameState& state, GameHost& host)
{
    rollPrices(state, kMarketRemovals);
    applyInterest(state, host);
    runMarketNews(state, host);
    rebuildMarketList(state, host);
    runHealthEvents(state, host);
    runMoneyLoss(state, host);
    beatingForDebt(state, host);
    countDay(state, host);
}

} // namespace rules
