#include "RecordingHost.h"
#include "rules/DayAdvance.h"
#include "rules/EndOfGame.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rules;

namespace {

std::vector<std::string> linesStartingWith(const std::vector<std::string>& log, const std::string& prefix)
{
    std::vector<std::string> lines;
    for (const std::string& line : log)
        if (line.rfind(prefix, 0) == 0)
            lines.push_back(line);
    return lines;
}

} // namespace

TEST(DayAdvance, AQuietDayRunsItsStepsInOrder)
{
    ScriptedDice dice(quietDayDraws());
    GameState state;
    state.debt = 5400;
    RecordingHost host(state);
    advanceDay(state, host, dice);
    const std::vector<std::string> expected{
        "debt=5832", "cash=2000", "savings=0", // interest
        "market",                              // after the (silent) news
        "health=100",                          // the health step
        "cash=2000", "savings=0",              // the money-loss step
        "caption: 都市货郎(1/40天)",
    };
    EXPECT_EQ(host.log, expected);
    EXPECT_TRUE(dice.finished());
    EXPECT_EQ(dice.asked.size(), 11u + 17u + 12u + 7u);
    EXPECT_EQ(state.daysLeft, 39);
    EXPECT_TRUE(host.endRequests.empty());
}

TEST(DayAdvance, TheVillageBoysComeForADebtAbove100000)
{
    // 92593 grows to exactly 100000, 92594 to 100001.
    for (const auto& [debt, beaten] : std::vector<std::pair<int, bool>>{{92593, false}, {92594, true}}) {
        GameState state;
        state.debt = debt;
        RecordingHost host(state);
        ScriptedDice dice(quietDayDraws());
        advanceDay(state, host, dice);
        std::vector<std::string> tail(host.log.end() - (beaten ? 5 : 3), host.log.end());
        std::vector<std::string> expected{"cash=2000", "savings=0"};
        if (beaten) {
            expected.push_back("diary: 俺欠钱太多，村长叫一群老乡揍了俺一顿!");
            expected.push_back("health=80");
        }
        expected.push_back("caption: 都市货郎(1/40天)");
        EXPECT_EQ(tail, expected) << "debt " << debt;
        EXPECT_EQ(state.health, beaten ? 80 : 100);
    }
}

TEST(DayAdvance, TheBeatingNeitherWarnsNorKillsOnItsOwnDay)
{
    ScriptedDice dice(quietDayDraws());
    GameState state;
    state.debt = 200000;
    state.health = 10; // the health step warns first, then the beating takes it below 0
    RecordingHost host(state);
    advanceDay(state, host, dice);
    EXPECT_EQ(host.messages(), (std::vector<std::string>{"俺的健康..健康危机..快去医..", "俺欠钱太多，村长叫一群老乡揍了俺一顿!"}));
    EXPECT_EQ(state.health, -10);
    EXPECT_TRUE(host.endRequests.empty());
}

TEST(DayAdvance, ADeathOnTheLastDayLetsTheRestOfTheDayRun)
{
    ScriptedDice dice(quietDayDraws());
    GameState state;
    state.daysLeft = 1;
    state.debt = 150000;
    state.health = -5; // beaten the day before
    RecordingHost host(state);
    advanceDay(state, host, dice);
    const std::vector<std::string> expected{
        "debt=162000", "cash=2000", "savings=0", "market", "health=-5",
        "diary: 俺倒在街头,身边日记本上写着：\"北京，我将再来!\"", "end:cancel",
        "cash=2000", "savings=0",
        "diary: 俺欠钱太多，村长叫一群老乡揍了俺一顿!", "health=-25",
        "caption: 都市货郎(40/40天)",
        "diary: 俺已经在北京40天了，该回去结婚去了。", "end:ok",
    };
    EXPECT_EQ(host.log, expected);
    EXPECT_EQ(state.daysLeft, 0);
}

TEST(DayAdvance, TheDayCounterCountsUpToForty)
{
    GameState state;
    RecordingHost host(state);
    GameRandom random(5);
    state.health = 1000000; // nobody dies in this test
    for (int press = 1; press <= 40; ++press) {
        host.clear();
        advanceDay(state, host, random);
        EXPECT_EQ(linesStartingWith(host.log, "caption: "),
                  std::vector<std::string>{"caption: 都市货郎(" + std::to_string(press) + "/40天)"});
        const std::vector<std::string> messages = host.messages();
        const bool warned = std::find(messages.begin(), messages.end(), "俺明天回家乡，快把全部货物卖掉。") != messages.end();
        EXPECT_EQ(warned, press == 39) << "press " << press;
        EXPECT_EQ(host.endRequests.size(), press == 40 ? 1u : 0u) << "press " << press;
    }
    EXPECT_EQ(host.endRequests, std::vector<GameEnd>{GameEnd::Ok});
    EXPECT_EQ(host.log.back(), "end:ok");
    EXPECT_EQ(host.messages().back(), "俺已经在北京40天了，该回去结婚去了。");
}

TEST(DayAdvance, SeveralNewsComeOneByOneBeforeTheMarketShowsTheirPrices)
{
    // Seed 283 (found by searching for a day with three news) brings two cosmetics news and
    // the cigarette glut.
    GameState state;
    RecordingHost host(state);
    GameRandom random(283);
    advanceDay(state, host, random);
    const std::vector<std::string> expected{
        "debt=5400", "cash=2000", "savings=0",
        "news: 《北京真理报》社论：“提倡爱美，落到实处”，伪劣化妆品大受欢迎!",
        "news: voz在晚会上说：“我酷!我使用伪劣化妆品!”，伪劣化妆品供不应求!",
        "news: 市场上充斥着来自福建的走私香烟!",
        "market", "health=100", "cash=2000", "savings=0", "caption: 都市货郎(1/40天)",
    };
    EXPECT_EQ(host.log, expected);
    // × 4 and then × 7 on one price; ÷ 8 on the cigarettes, which were rolled at 360 to 367.
    EXPECT_EQ(state.prices[7], 2548);
    EXPECT_EQ(state.prices[7] % 28, 0);
    EXPECT_EQ(state.prices[0], 45);
    // The market shows the prices as the news left them.
    ASSERT_EQ(host.marketsShown.size(), 1u);
    EXPECT_EQ(host.marketsShown[0].back().name, "伪劣化妆品");
    EXPECT_EQ(host.marketsShown[0].back().price, 2548);
    EXPECT_EQ(host.marketsShown[0].front().price, 45);
}

TEST(DayAdvance, PressingTwiceAdvancesTwoDays)
{
    GameState state;
    RecordingHost host(state);
    GameRandom random(77);
    state.health = 1000;
    advanceDay(state, host, random);
    advanceDay(state, host, random);
    EXPECT_EQ(state.daysLeft, 38);
    EXPECT_EQ(linesStartingWith(host.log, "caption: "),
              (std::vector<std::string>{"caption: 都市货郎(1/40天)", "caption: 都市货郎(2/40天)"}));
}

TEST(EndOfGame, TheResultIsSavingsAndCashLessDebtAndOnlyAPositiveOneIsRecorded)
{
    GameState state;
    state.cash = 3000;
    state.savings = 2401;
    state.debt = 5400;
    state.health = -3;
    state.holdings = {{"走私汽车", 20000, 5}}; // goods left in the room count for nothing
    EXPECT_EQ(finalWealth(state), 1);
    const GameResult listed = endOfGame(state, "小王");
    EXPECT_EQ(listed.finalWealth, 1);
    EXPECT_FALSE(listed.sentHomeNews) << "1 yuan goes to the list";

    state.savings = 2400;
    EXPECT_EQ(finalWealth(state), 0);
    const GameResult sentHome = endOfGame(state, "小王");
    EXPECT_EQ(sentHome.finalWealth, 0);
    ASSERT_TRUE(sentHome.sentHomeNews);
    EXPECT_EQ(*sentHome.sentHomeNews, "《北京游戏报》报道: 玩家“小王”在北京没挣着钱，被遣送回家。");
    state.debt = 100000;
    EXPECT_EQ(endOfGame(state, "小王").sentHomeNews, sentHome.sentHomeNews) << "below 0 too";
}

TEST(EndOfGame, TheResultSaturatesInsteadOfWrapping)
{
    GameState rich;
    rich.cash = std::numeric_limits<std::int32_t>::max();
    rich.savings = std::numeric_limits<std::int32_t>::max();
    rich.debt = 0;
    EXPECT_EQ(finalWealth(rich), std::numeric_limits<std::int32_t>::max());
    GameState broke;
    broke.cash = -2; // only the guard of the money-loss step stands between this and a wrap
    broke.savings = 0;
    broke.debt = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(finalWealth(broke), std::numeric_limits<std::int32_t>::min());
}
