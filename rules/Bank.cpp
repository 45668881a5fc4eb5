#include "rules/Services.h"

#include "rules/Answers.h"
#include "rules/Displays.h"
#include "rules/Money.h"

namespace rules {

namespace {

void deposit(GameState& state, GameHost& host)
{
    const NumberRequest request{"您存多少钱?", state.cash, 0, state.cash};
    if (const std::optional<std::int32_t> amount = acceptedNumber(request, host.askAmount(request))) {
        state.cash -= *amount;
        state.savings = saturate(std::int64_t(state.savings) + *amount);
    }
}

void withdraw(GameState& state, GameHost& host)
{
    const NumberRequest request{"您提走多少钱?", state.savings, 0, state.savings};
    if (const std::optional<std::int32_t> amount = acceptedNumber(request, host.askAmount(request))) {
        state.cash = saturate(std::int64_t(state.cash) + *amount);
        state.savings -= *amount;
    }
}

} // namespace

void openBank(GameState& state, GameHost& host)
{
    const std::string line = "客户您好! 您的现金是" + std::to_string(state.cash) + ", 您的存款是" +
                             std::to_string(state.savings) + ". 请问您要...";
    bool done = false; // one transaction per visit, whatever the host does
    host.runBankDialog(line, [&](BankChoice choice) {
        if (done)
            return;
        done = true;
        if (choice == BankChoice::Deposit)
            deposit(state, host);
        else
            withdraw(state, host);
    });
    showCash(state, host);
    showSavings(state, host);
}

} // namespace rules
