#include "rules/Events.h"

#include "rules/Displays.h"
#include "rules/EventTables.h"
#include "rules/Random.h"

namespace rules {

namespace {

const MoneyLossEvent* drawMoneyLoss()
{
    for (const MoneyLossEvent& event : MoneyLossTable)
        if (roll(kMoneyLossRoll) % event.odds == 0)
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

} // namespace

void runMoneyLoss(GameState& state, GameHost& host)
{
    if (const MoneyLossEvent* event = drawMoneyLoss())
        loseMoney(state, host, *event);
    if (state.cash < 0) {
        state.cash = 0;
        host.showMessage(MessageDialog::Diary, "俺不好办了。");
    }
    showCash(state, host);
    showSavings(state, host);
}

} // namespace rules
