#include "rules/Services.h"

namespace rules {

namespace {

constexpr std::int32_t kHealthPointPrice = 3500;
constexpr std::int32_t kFullHealth = 100;

void deposit(GameState& state, GameHost& host)
{
    if (const std::optional<std::int32_t> amount =
            ask(host, {Question::Amount, "您存多少钱?", state.cash, 0, state.cash})) {
        state.cash -= *amount;
        state.savings = saturate(std::int64_t(state.savings) + *amount);
    }
}

void withdraw(GameState& state, GameHost& host)
{
    if (const std::optional<std::int32_t> amount =
            ask(host, {Question::Amount, "您提走多少钱?", state.savings, 0, state.savings})) {
        state.cash = saturate(std::int64_t(state.cash) + *amount);
        state.savings -= *amount;
    }
}

void repay(GameState& state, GameHost& host)
{
    const std::string line = "村长在电话中说：\"小子! 你欠俺" + std::to_string(state.debt) + "元，快还!\"";
    const std::optional<std::int32_t> amount = ask(host, {Question::Repayment, line, state.debt, 0, state.debt});
    if (!amount)
        return;
    if (*amount > state.cash) {
        host.showMessage(MessageDialog::Diary, "村长哈哈笑道：“你还得起吗?”");
        return;
    }
    state.debt -= *amount;
    state.cash -= *amount;
    showFigures(state, host, {Figure::Debt, Figure::Cash});
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
    showFigures(state, host, {Figure::Cash, Figure::Savings});
}

void openHospital(GameState& state, GameHost& host)
{
    if (state.health >= kFullHealth) {
        host.showMessage(MessageDialog::Diary, "小护士笑咪咪地望着俺：\"大哥！神经科这边挂号.\"");
        return;
    }
    const std::int32_t needed = kFullHealth - state.health;
    const std::string line = "大夫高兴地拍着手：“您的健康点数是" + std::to_string(state.health) +
                             "，需要治疗的点数是" + std::to_string(needed) + "。";
    const std::optional<std::int32_t> points = ask(host, {Question::HealthPoints, line, needed, 1, needed});
    if (!points)
        return;
    const std::int64_t cost = std::int64_t(*points) * kHealthPointPrice;
    if (cost > state.cash) {
        host.showMessage(MessageDialog::Diary, "医生说，“钱不够哎! 拒绝治疗。”");
        return;
    }
    state.health += *points;
    state.cash -= std::int32_t(cost);
    showFigures(state, host, {Figure::Health, Figure::Cash});
}

void openPostOffice(GameState& state, GameHost& host)
{
    if (state.debt != 0) {
        repay(state, host);
        return;
    }
    if (const char* message = phoneCall(state.cash, state.savings))
        host.showMessage(MessageDialog::Diary, message);
}

void openAirport(GameHost& host)
{
    host.showAirport();
}

} // namespace rules
