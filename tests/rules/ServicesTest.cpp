#include "RecordingHost.h"
#include "rules/Services.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rules;

namespace {

void expectRequest(const NumberQuestion& request, const std::string& prompt, int preset, int lower, int upper)
{
    EXPECT_EQ(request.prompt, prompt);
    EXPECT_EQ(request.preset, preset);
    EXPECT_EQ(request.lower, lower);
    EXPECT_EQ(request.upper, upper);
}

} // namespace

TEST(Bank, ADepositMovesCashIntoSavings)
{
    GameState state;
    state.cash = 2500;
    state.savings = 300;
    RecordingHost host(state);
    host.bankChoices = {BankChoice::Deposit};
    host.amountAnswers = {2500};
    openBank(state, host);
    EXPECT_EQ(host.log, (std::vector<std::string>{"bank: 客户您好! 您的现金是2500, 您的存款是300. 请问您要...", "amount?",
                                                  "bank closed", "cash=0", "savings=2800"}));
    ASSERT_EQ(host.questions.size(), 1u);
    expectRequest(host.questions[0], "您存多少钱?", 2500, 0, 2500);
    EXPECT_EQ(state.cash, 0);
    EXPECT_EQ(state.savings, 2800);
}

TEST(Bank, AWithdrawalIsBoundBySavingsAndACancelChangesNothing)
{
    GameState state;
    state.cash = 10;
    state.savings = 0;
    RecordingHost host(state);
    host.bankChoices = {BankChoice::Withdraw, BankChoice::Withdraw, BankChoice::Deposit};
    host.amountAnswers = {0, std::nullopt, std::nullopt};
    openBank(state, host);
    expectRequest(host.questions[0], "您提走多少钱?", 0, 0, 0);
    EXPECT_EQ(state.cash, 10);

    state.savings = 700;
    openBank(state, host);
    expectRequest(host.questions[1], "您提走多少钱?", 700, 0, 700);
    openBank(state, host);
    EXPECT_EQ(state.cash, 10);
    EXPECT_EQ(state.savings, 700);
    EXPECT_EQ(host.log.back(), "savings=700") << "the displays are refreshed after every visit";
}

TEST(Bank, AWithdrawalIntoAFullPurseSaturates)
{
    GameState state;
    state.cash = std::numeric_limits<std::int32_t>::max() - 5;
    state.savings = 100;
    RecordingHost host(state);
    host.bankChoices = {BankChoice::Withdraw};
    host.amountAnswers = {100};
    openBank(state, host);
    EXPECT_EQ(state.cash, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(state.savings, 0);
}

TEST(Bank, OneTransactionPerVisitAndNoNumberBeyondTheBounds)
{
    GameState state;
    state.cash = 500;
    RecordingHost host(state);
    host.bankChoices = {BankChoice::Deposit};
    host.amountAnswers = {501}; // a host that failed to check its bounds
    openBank(state, host);
    EXPECT_EQ(state.cash, 500);
    EXPECT_EQ(state.savings, 0);
}

TEST(Hospital, ANurseJokesWithTheHealthy)
{
    for (int health : {100, 130}) {
        GameState state;
        state.health = health;
        RecordingHost host(state);
        openHospital(state, host);
        EXPECT_EQ(host.log, std::vector<std::string>{"diary: 小护士笑咪咪地望着俺：\"大哥！神经科这边挂号.\""});
    }
}

TEST(Hospital, TreatmentCosts3500APointAndIsRefusedWithoutTheCash)
{
    GameState state;
    state.health = 90;
    state.cash = 34999;
    RecordingHost host(state);
    host.hospitalAnswers = {10, 10, std::nullopt};
    openHospital(state, host);
    expectRequest(host.questions[0], "大夫高兴地拍着手：“您的健康点数是90，需要治疗的点数是10。", 10, 1, 10);
    EXPECT_EQ(host.log.back(), "diary: 医生说，“钱不够哎! 拒绝治疗。”");
    EXPECT_EQ(state.health, 90);
    EXPECT_EQ(state.cash, 34999);

    state.cash = 35000;
    host.clear();
    openHospital(state, host);
    EXPECT_EQ(host.log, (std::vector<std::string>{"hospital?", "health=100", "cash=0"}));

    state.health = 99;
    host.clear();
    openHospital(state, host); // cancelled
    expectRequest(host.questions[2], "大夫高兴地拍着手：“您的健康点数是99，需要治疗的点数是1。", 1, 1, 1);
    EXPECT_EQ(host.log, std::vector<std::string>{"hospital?"});
    EXPECT_EQ(state.health, 99);
}

TEST(Hospital, ABeatenPlayerCanBeHealedUpToExactlyFullHealth)
{
    GameState state;
    state.health = -15;
    state.cash = 1000000;
    RecordingHost host(state);
    host.hospitalAnswers = {115};
    openHospital(state, host);
    expectRequest(host.questions[0], "大夫高兴地拍着手：“您的健康点数是-15，需要治疗的点数是115。", 115, 1, 115);
    EXPECT_EQ(state.health, 100);
    EXPECT_EQ(state.cash, 1000000 - 115 * 3500);
}

TEST(PostOffice, RepaymentComesFromCashAndIsRefusedBeyondIt)
{
    GameState state;
    state.debt = 5400;
    state.cash = 5000;
    state.savings = 9000;
    RecordingHost host(state);
    host.repayAnswers = {5400, std::nullopt, 5000};
    openPostOffice(state, host);
    expectRequest(host.questions[0], "村长在电话中说：\"小子! 你欠俺5400元，快还!\"", 5400, 0, 5400);
    EXPECT_EQ(host.log, (std::vector<std::string>{"repay?", "diary: 村长哈哈笑道：“你还得起吗?”"}));
    EXPECT_EQ(state.debt, 5400);

    host.clear();
    openPostOffice(state, host);
    EXPECT_EQ(host.log, std::vector<std::string>{"repay?"});

    host.clear();
    openPostOffice(state, host);
    EXPECT_EQ(host.log, (std::vector<std::string>{"repay?", "debt=400", "cash=0"}));
    EXPECT_EQ(state.savings, 9000) << "savings cannot repay directly";
}

TEST(PostOffice, WithoutDebtTheVillageHeadPhonesByBand)
{
    const std::string mock = "diary: 村长嘿嘿笑道：“你没钱,有神经病!”";
    const std::string brother = "diary: 村长朝俺点头：\"兄弟,您想支援家乡1000元吗？\"";
    const std::string rich = "diary: 村长在电话中朝俺鞠躬:\"富豪!我想把我女儿嫁给您.\"...";
    const std::string father = "diary: 村长在电话中朝俺下跪，说：\"您简直是我亲爹！\"";
    struct Case {
        int cash, savings;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {999, 0, {mock}},          {0, 999, {mock}},           {1000, 0, {}},
        {500, 500, {}},            {1001, 0, {brother}},       {99999, 0, {brother}},
        {100000, 0, {}},           {100001, 0, {rich}},        {9999999, 0, {rich}},
        {10000000, 0, {}},         {10000001, 0, {father}},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max(), {father}},
    };
    for (const Case& c : cases) {
        GameState state;
        state.debt = 0;
        state.cash = c.cash;
        state.savings = c.savings;
        RecordingHost host(state);
        openPostOffice(state, host);
        EXPECT_EQ(host.log, c.expected) << "cash " << c.cash << " savings " << c.savings;
        EXPECT_EQ(state.cash, c.cash);
    }
}

TEST(Services, TheAirportOnlyShowsItsNoticeAndNoServiceDrawsARandomValue)
{
    GameState state;
    const GameState before = state;
    RecordingHost host(state);
    openAirport(host);
    host.bankChoices = {BankChoice::Deposit};
    host.amountAnswers = {0};
    openBank(state, host);
    openHospital(state, host);
    host.repayAnswers = {std::nullopt};
    openPostOffice(state, host);
    EXPECT_EQ(host.log.front(), "airport");
    EXPECT_EQ(state.cash, before.cash);
    EXPECT_EQ(state.daysLeft, 40);
    // No service takes dice: none is given any.
}
