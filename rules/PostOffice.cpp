#include "rules/Services.h"

#include "rules/Answers.h"
#include "rules/Displays.h"

namespace rules {

namespace {

void repay(GameState& state, GameHost& host)
{
    const std::string line = "村长在电话中说：\"小子! 你欠俺" + std::to_string(state.debt) + "元，快还!\"";
    const NumberRequest request{line, state.debt, 0, state.debt};
    const std::optional<std::int32_t> amount = acceptedNumber(request, host.askRepayment(request));
    if (!amount)
        return;
    if (*amount > state.cash) {
        host.showMessage(MessageDialog::Diary, "村长哈哈笑道：“你还得起吗?”");
        return;
    }
    state.debt -= *amount;
    state.cash -= *amount;
    showDebt(state, host);
    showCash(state, host);
}

// What the village head says to a player who owes him nothing; the bands leave gaps on purpose.
const char* phoneCall(std::int32_t cash, std::int32_t savings)
{
    if (std::int64_t(cash) + savings < 1000)
        return "村长嘿嘿笑道：“你没钱,有神经病!”";
    if (cash > 1000 && cash < 100000)
        return "村长朝俺点头：\"兄弟,您想支援家乡1000元吗？\"";
    if (cash > 100000 && cash < 10000000)
        return "村长在电话中朝俺鞠躬:\"富豪!我想把我女儿嫁给您.\"...";
    if (cash > 10000000)
        return "村长在电话中朝俺下跪，说：\"您简直是我亲爹！\"";
    return nullptr;
}

} // namespace

void openPostOffice(GameState& state, GameHost& host)
{
    if (state.debt != 0) {
        repay(state, host);
        return;
    }
    if (const char* message = phoneCall(state.cash, state.savings))
        host.showMessage(MessageDialog::Diary, message);
}

} // namespace rules
