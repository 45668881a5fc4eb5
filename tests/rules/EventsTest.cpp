#include "RecordingHost.h"
#include "rules/DayAdvance.h"

#include <gtest/gtest.h>

#include <random>

using namespace rules;

namespace {

// The three tables as the player's diary and the papers have them, written out apart from the
// game's own tables so that a wrong odds, effect or byte of text shows up.
struct NewsRow {
    int odds, goods, multiplier, divisor, gift;
    const char* text;
};
const NewsRow kNews[] = {
    {170, 5, 2, 0, 0, "专家提议提高大学生“动手素质”，进口玩具颇受欢迎!"},
    {139, 3, 3, 0, 0, "有人自豪地说：生病不用打针吃药，喝假白酒（剧毒）就可以!"},
    {100, 4, 5, 0, 0, "医院的秘密报告：“《上海小宝贝》功效甚过伟哥”!"},
    {41, 2, 4, 0, 0, "文盲说：“2000年诺贝尔文学奖？呸！不如盗版VCD港台片。”"},
    {37, 1, 3, 0, 0, "《北京经济小报》社论：“走私汽车大力推进汽车消费!”"},
    {23, 7, 4, 0, 0, "《北京真理报》社论：“提倡爱美，落到实处”，伪劣化妆品大受欢迎!"},
    {37, 4, 8, 0, 0, "天街电子书店也不敢卖《上海小宝贝》，黑市一册可卖天价!"},
    {15, 7, 7, 0, 0, "voz在晚会上说：“我酷!我使用伪劣化妆品!”，伪劣化妆品供不应求!"},
    {40, 3, 7, 0, 0, "北京有人狂饮山西假酒，可以卖出天价!"},
    {29, 6, 7, 0, 0, "北京的大学生们开始找工作，水货手机大受欢迎！!"},
    {35, 1, 8, 0, 0, "北京的富人疯狂地购买走私汽车！价格狂升!"},
    {17, 0, 0, 8, 0, "市场上充斥着来自福建的走私香烟!"},
    {24, 5, 0, 5, 0, "北京的孩子们都忙于上网学习，进口玩具没人愿意买。"},
    {18, 2, 0, 8, 0, "盗版业十分兴旺，“中国硅谷”——中关村全是卖盗版VCD的村姑!"},
    {160, 1, 0, 0, 2, "厦门的老同学资助俺两部走私汽车！发了！！"},
    {45, 0, 0, 0, 6, "工商局扫荡后，俺在黑暗角落里发现了老乡丢失的进口香烟。"},
    {35, 3, 0, 0, 4, "俺老乡回家前把一些山西假白酒（剧毒）给俺!"},
};
struct HealthRow {
    int odds, damage;
    const char* text;
};
const HealthRow kHealth[] = {
    {117, 3, "前门大街的两个流氓打了俺!"},
    {157, 20, "俺在过街地道被人打了蒙棍! "},
    {21, 1, "工商局的追俺超过三个胡同。 "},
    {100, 1, "北京拥挤的交通让俺心焦! "},
    {35, 1, "朝阳区开小巴的打俺一耳光!"},
    {313, 10, "丰台区一群民工打了俺!"},
    {120, 5, "铜儿帽胡同的一个小青年砸俺一砖头!"},
    {29, 3, "西城区金融街两个假保安用电棍电击俺!"},
    {43, 1, "北京臭黑的小河熏着我了! "},
    {45, 1, "守自行车的王大婶嘲笑俺没北京户口!"},
    {48, 1, "北京高温40度!俺热..."},
    {33, 1, "申奥又添新风景，北京来了沙尘暴!"},
};
struct MoneyRow {
    int odds, percent;
    bool fromSavings;
    const char* text;
};
const MoneyRow kMoney[] = {
    {60, 10, false, "俺怜悯公主坟地铁扮演成乞丐的老太太们。"},
    {125, 10, false, "一百个男人在街头拦住俺：“交税光荣！”。"},
    {100, 40, false, "一个大个子碰了俺一下，说：“别挤了!”。"},
    {65, 20, false, "“您妨碍城市卫生”，一个老太太说，“罚款。”"},
    {35, 4, true, "两个猛男揪住俺：“交市话费、长话附加费、上网费。”"},
    {27, 11, true, "银行的钱先生严肃地说：“请交利息税。”"},
    {40, 5, false, "俺在三里屯呆了一夜...."},
};

const std::string kRoomFull = "diary: 可惜!俺租的房子太小，只能放100个物品。";

// Test data for the sweeps: `count` draws spread evenly over 0 to n - 1.
std::vector<std::int32_t> evenDraws(std::mt19937& spread, size_t count, std::int32_t n)
{
    std::uniform_int_distribution<std::int32_t> value(0, n - 1);
    std::vector<std::int32_t> draws;
    for (size_t i = 0; i < count; ++i)
        draws.push_back(value(spread));
    return draws;
}

// The first health (or money) row that `draws` make fire, -1 for none, and the draws it takes.
template <typename Rows>
std::pair<int, int> firstFiring(const std::vector<std::int32_t>& draws, const Rows& rows)
{
    int drawn = 0;
    for (const auto& row : rows) {
        ++drawn;
        if (draws[size_t(drawn - 1)] % row.odds == 0)
            return {int(&row - rows), drawn};
    }
    return {-1, drawn};
}

GameState marketWithEverything()
{
    GameState state;
    state.prices = {100, 15000, 6, 1000, 5000, 250, 750, 65};
    return state;
}

} // namespace

TEST(MarketNews, EveryRowFiresAtItsOddsWithItsTextAndEffect)
{
    int daysWithNews = 0;
    std::mt19937 spread(1);
    for (std::uint32_t seed = 1; seed <= 4000; ++seed) {
        GameState state = marketWithEverything();
        state.prices[seed % 8] = 0; // some news finds its goods missing
        state.roomCount = int(seed % 101);
        if (state.roomCount > 0)
            state.holdings = {{"水货手机", 700, state.roomCount}};
        GameState expected = state;

        // What the news should do, from the independent table.
        std::vector<std::string> messages;
        const std::vector<std::int32_t> draws = evenDraws(spread, std::size(kNews), 950);
        int drawn = 0;
        for (const NewsRow& row : kNews) {
            ++drawn;
            if (draws[size_t(drawn - 1)] % row.odds != 0 || expected.prices[size_t(row.goods)] == 0)
                continue;
            messages.push_back(std::string("news: ") + row.text);
            std::int32_t& price = expected.prices[size_t(row.goods)];
            if (row.multiplier)
                price *= row.multiplier;
            if (row.divisor)
                price /= row.divisor;
            if (row.gift) {
                const int q = std::min(row.gift, expected.roomCapacity - expected.roomCount);
                if (q == 0) {
                    messages.push_back(kRoomFull);
                    break;
                }
                expected.roomCount += q;
                RoomHolding* held = findHolding(expected, GoodsCatalogue[size_t(row.goods)].name);
                if (held)
                    held->quantity += q;
                else
                    expected.holdings.insert(expected.holdings.begin(), {GoodsCatalogue[size_t(row.goods)].name, 0, q});
            }
        }

        ScriptedDice dice(draws);
        RecordingHost host(state);
        runMarketNews(state, host, dice);
        ASSERT_EQ(host.messages().size(), messages.size()) << "seed " << seed;
        std::vector<std::string> shown;
        for (const std::string& line : host.log)
            if (line.rfind("news: ", 0) == 0 || line.rfind("diary: ", 0) == 0)
                shown.push_back(line);
        EXPECT_EQ(shown, messages) << "seed " << seed;
        EXPECT_EQ(state.prices, expected.prices) << "seed " << seed;
        EXPECT_EQ(state.roomCount, expected.roomCount) << "seed " << seed;
        ASSERT_EQ(state.holdings.size(), expected.holdings.size()) << "seed " << seed;
        for (size_t i = 0; i < state.holdings.size(); ++i) {
            EXPECT_EQ(state.holdings[i].name, expected.holdings[i].name);
            EXPECT_EQ(state.holdings[i].quantity, expected.holdings[i].quantity);
            EXPECT_EQ(state.holdings[i].purchasePrice, expected.holdings[i].purchasePrice);
        }
        EXPECT_EQ(dice.asked, std::vector<std::int32_t>(size_t(drawn), 950)) << "seed " << seed;
        daysWithNews += !messages.empty();
    }
    EXPECT_GT(daysWithNews, 1000) << "the seeds must actually exercise the table";
}

TEST(MarketNews, AGiftIntoAFullRoomEndsTheDaysNews)
{
    // The cigarette gift (row 15) and the liquor gift (row 16) both come, and nothing before.
    GameState full = marketWithEverything();
    full.roomCount = 100;
    full.holdings = {{"水货手机", 700, 100}};
    ScriptedDice dice(newsDraws({15, 16}));
    RecordingHost host(full);
    runMarketNews(full, host, dice);
    EXPECT_EQ(host.log, (std::vector<std::string>{"news: 工商局扫荡后，俺在黑暗角落里发现了老乡丢失的进口香烟。", kRoomFull}));
    EXPECT_EQ(dice.asked.size(), 16u) << "the liquor row is not even tested";
    EXPECT_EQ(full.roomCount, 100);
    EXPECT_EQ(full.holdings.size(), 1u);

    // With 97 items the six cigarettes shrink to three, and the liquor finds no room.
    GameState nearlyFull = marketWithEverything();
    nearlyFull.roomCount = 97;
    nearlyFull.holdings = {{"水货手机", 700, 97}};
    ScriptedDice secondDice(newsDraws({15, 16}));
    RecordingHost second(nearlyFull);
    runMarketNews(nearlyFull, second, secondDice);
    EXPECT_EQ(second.log, (std::vector<std::string>{"news: 工商局扫荡后，俺在黑暗角落里发现了老乡丢失的进口香烟。", "row+0",
                                                    "news: 俺老乡回家前把一些山西假白酒（剧毒）给俺!", kRoomFull}));
    ASSERT_EQ(nearlyFull.holdings.size(), 2u);
    EXPECT_EQ(nearlyFull.holdings[0].name, "进口香烟");
    EXPECT_EQ(nearlyFull.holdings[0].quantity, 3);
    EXPECT_EQ(nearlyFull.holdings[0].purchasePrice, 0);
    EXPECT_EQ(nearlyFull.roomCount, 100);
}

TEST(MarketNews, AGiftOfAHeldKindRaisesItsRowAndKeepsItsPrice)
{
    ScriptedDice dice(newsDraws({16}));
    GameState state = marketWithEverything();
    state.holdings = {{"进口香烟", 120, 5}, {"假白酒（剧毒！）", 1800, 2}};
    state.roomCount = 7;
    RecordingHost host(state);
    runMarketNews(state, host, dice);
    EXPECT_EQ(host.log, (std::vector<std::string>{"news: 俺老乡回家前把一些山西假白酒（剧毒）给俺!", "row~1"}));
    EXPECT_EQ(state.holdings[1].quantity, 6);
    EXPECT_EQ(state.holdings[1].purchasePrice, 1800);
    EXPECT_EQ(state.roomCount, 11);
}

TEST(MarketNews, NewsForMissingGoodsIsSilentAndTwoNewsOnOneGoodsCompound)
{
    // Rows 2 (× 5) and 6 (× 8) are both about the banned book.
    ScriptedDice dice(newsDraws({2, 6}));
    GameState state = marketWithEverything();
    RecordingHost host(state);
    runMarketNews(state, host, dice);
    EXPECT_EQ(state.prices[4], 200000);
    EXPECT_EQ(host.messages().size(), 2u);

    GameState missing = marketWithEverything();
    missing.prices[4] = 0;
    ScriptedDice silentDice(newsDraws({2, 6}));
    RecordingHost silent(missing);
    runMarketNews(missing, silent, silentDice);
    EXPECT_TRUE(silent.log.empty());
    EXPECT_EQ(missing.prices[4], 0);
    EXPECT_TRUE(silentDice.finished()) << "the rows still draw their values";
}

TEST(MarketNews, CheapDiscsDividedByEightLeaveTheMarket)
{
    for (std::int32_t price : {5, 6, 7, 8}) {
        GameState state = marketWithEverything();
        state.prices[2] = price;
        ScriptedDice dice(newsDraws({13}));
        RecordingHost host(state);
        runMarketNews(state, host, dice);
        EXPECT_EQ(state.prices[2], price / 8);
        EXPECT_EQ(host.messages(), std::vector<std::string>{"盗版业十分兴旺，“中国硅谷”——中关村全是卖盗版VCD的村姑!"});
    }
}

TEST(MarketNews, ARaisedPriceSaturatesInsteadOfWrapping)
{
    ScriptedDice dice(newsDraws({10}));
    GameState state = marketWithEverything();
    state.prices[1] = 300000000; // only reachable by editing, but × 8 must not turn negative
    RecordingHost host(state);
    runMarketNews(state, host, dice);
    EXPECT_EQ(state.prices[1], 2147483647);
}

TEST(HealthEvents, TheFirstFiringRowCostsItsDamageAndEndsTheSearch)
{
    std::mt19937 spread(2);
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        const std::vector<std::int32_t> draws = evenDraws(spread, std::size(kHealth), 1000);
        const auto [row, drawn] = firstFiring(draws, kHealth);
        GameState state;
        state.health = 80;
        ScriptedDice dice(draws);
        RecordingHost host(state);
        runHealthEvents(state, host, dice);
        std::vector<std::string> expected;
        if (row >= 0)
            expected.push_back(std::string("diary: ") + kHealth[row].text + "俺的健康减少了" +
                               std::to_string(kHealth[row].damage) + "点。");
        expected.push_back("health=" + std::to_string(80 - (row >= 0 ? kHealth[row].damage : 0)));
        ASSERT_EQ(host.log, expected) << "seed " << seed;
        EXPECT_EQ(dice.asked, std::vector<std::int32_t>(size_t(drawn), 1000));
    }
}

TEST(HealthEvents, WarningsByBandAndDeathBelowZero)
{
    const std::string poorly = "diary: 俺的健康状况不佳，快去医院。";
    const std::string crisis = "diary: 俺的健康..健康危机..快去医..";
    const std::string death = "diary: 俺倒在街头,身边日记本上写着：\"北京，我将再来!\"";
    const std::vector<std::pair<int, std::vector<std::string>>> cases{
        {30, {"health=30"}},
        {29, {"health=29", poorly}},
        {21, {"health=21", poorly}},
        {20, {"health=20"}},
        {19, {"health=19", crisis}},
        {1, {"health=1", crisis}},
        {0, {"health=0"}},
        {-1, {"health=-1", death, "end:cancel"}},
        {-30, {"health=-30", death, "end:cancel"}},
    };
    for (const auto& [health, expected] : cases) {
        GameState state;
        state.health = health;
        ScriptedDice quiet(firstRowDraws(-1, std::size(kHealth)));
        RecordingHost host(state);
        runHealthEvents(state, host, quiet);
        EXPECT_EQ(host.log, expected) << "health " << health;
    }
}

TEST(HealthEvents, AnEventCanPushHealthIntoABandOrBelowZero)
{
    ScriptedDice dice(firstRowDraws(1, std::size(kHealth))); // the club in the underpass, 20 points
    GameState state;
    state.health = 15;
    RecordingHost host(state);
    runHealthEvents(state, host, dice);
    EXPECT_EQ(host.log, (std::vector<std::string>{"diary: 俺在过街地道被人打了蒙棍! 俺的健康减少了20点。", "health=-5",
                                                  "diary: 俺倒在街头,身边日记本上写着：\"北京，我将再来!\"", "end:cancel"}));
}

TEST(MoneyLoss, TheFirstFiringRowTakesItsShareOfCashOrSavings)
{
    std::mt19937 spread(3);
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        const std::vector<std::int32_t> draws = evenDraws(spread, std::size(kMoney), 1000);
        const auto [row, drawn] = firstFiring(draws, kMoney);
        GameState state;
        state.cash = 12345;
        state.savings = 6789;
        ScriptedDice dice(draws);
        RecordingHost host(state);
        runMoneyLoss(state, host, dice);
        std::vector<std::string> expected;
        std::int32_t cash = 12345, savings = 6789;
        if (row >= 0) {
            const MoneyRow& r = kMoney[row];
            const std::string percent = std::to_string(r.percent);
            if (r.fromSavings) {
                expected.push_back(std::string("diary: ") + r.text + "俺的存款减少了" + percent + "%。，哎呀!");
                savings = savings / 100 * (100 - r.percent);
            } else {
                expected.push_back(std::string("diary: ") + r.text + "俺的银子减少了" + percent + "%。");
                cash = cash / 100 * (100 - r.percent);
            }
        }
        expected.push_back("cash=" + std::to_string(cash));
        expected.push_back("savings=" + std::to_string(savings));
        ASSERT_EQ(host.log, expected) << "seed " << seed;
        EXPECT_EQ(dice.asked, std::vector<std::int32_t>(size_t(drawn), 1000));
    }
}

TEST(MoneyLoss, TheHundredsAreTakenFirst)
{
    const std::string text = "diary: 俺怜悯公主坟地铁扮演成乞丐的老太太们。俺的银子减少了10%。";
    for (const auto& [before, after] : std::vector<std::pair<int, int>>{{2050, 1800}, {99, 0}, {0, 0}}) {
        GameState state;
        state.cash = before;
        ScriptedDice dice(firstRowDraws(0, std::size(kMoney))); // 10 % of the cash
        RecordingHost host(state);
        runMoneyLoss(state, host, dice);
        EXPECT_EQ(host.log, (std::vector<std::string>{text, "cash=" + std::to_string(after), "savings=0"}))
            << "cash " << before;
    }
}

TEST(MoneyLoss, ASavingsRowWithNoSavingsPassesQuietlyAndTriesNoOtherRow)
{
    ScriptedDice dice(firstRowDraws(4, std::size(kMoney)));
    GameState state;
    state.cash = 5000;
    RecordingHost host(state);
    runMoneyLoss(state, host, dice);
    EXPECT_EQ(host.log, (std::vector<std::string>{"cash=5000", "savings=0"}));
    EXPECT_EQ(dice.asked.size(), 5u);

    GameState saver;
    saver.savings = 1050;
    ScriptedDice secondDice(firstRowDraws(4, std::size(kMoney)));
    RecordingHost second(saver);
    runMoneyLoss(saver, second, secondDice);
    EXPECT_EQ(second.log, (std::vector<std::string>{"diary: 两个猛男揪住俺：“交市话费、长话附加费、上网费。”俺的存款减少了4%。，哎呀!",
                                                    "cash=2000", "savings=960"}));
}

TEST(MoneyLoss, NegativeCashIsPutRightWithAMessage)
{
    ScriptedDice quiet(firstRowDraws(-1, std::size(kMoney)));
    GameState state;
    state.cash = -7;
    RecordingHost host(state);
    runMoneyLoss(state, host, quiet);
    EXPECT_EQ(host.log, (std::vector<std::string>{"diary: 俺不好办了。", "cash=0", "savings=0"}));
}
