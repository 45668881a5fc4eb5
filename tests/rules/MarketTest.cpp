#include "RecordingHost.h"
#include "rules/DayAdvance.h"
#include "rules/Random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <map>

using namespace rules;

namespace {

// The prices a roll gives, worked out from the generator's raw values (0 to 32767).
std::array<std::int32_t, kGoodsCount> expectedPrices(GameRandom& raw)
{
    std::array<std::int32_t, kGoodsCount> prices{};
    for (int i = 0; i < kGoodsCount; ++i)
        prices[size_t(i)] = raw.roll(32768) % GoodsCatalogue[size_t(i)].priceSpan + GoodsCatalogue[size_t(i)].priceBase;
    for (int r = 0; r < 3; ++r)
        prices[size_t(raw.roll(32768) % 8)] = 0;
    return prices;
}

} // namespace

TEST(Random, IsTheClassicLinearCongruentialSequence)
{
    // Seed 1 gives the sequence every C programmer of that platform has seen.
    GameRandom random(1);
    const std::vector<std::int32_t> expected{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (std::int32_t value : expected)
        EXPECT_EQ(random.roll(32768), value);

    GameRandom again(1);
    EXPECT_EQ(again.roll(10), 1);     // 41 % 10
    EXPECT_EQ(again.roll(1000), 467); // 18467 % 1000
    EXPECT_EQ(again.roll(1), 0);
}

TEST(Market, TheOpeningUsesExactlyTheFirstElevenValuesAndASecondGameContinues)
{
    CountingRandom random(4242);
    GameRandom reference(4242);

    GameState first;
    RecordingHost host(first);
    beginGame(first, host, random);
    EXPECT_EQ(random.draws, 11u);
    EXPECT_EQ(first.prices, expectedPrices(reference));

    GameState second;
    RecordingHost secondHost(second);
    beginGame(second, secondHost, random);
    EXPECT_EQ(random.draws, 22u);
    EXPECT_EQ(second.prices, expectedPrices(reference)) << "the second game takes values 12 to 22";

    // Same seed, same market.
    GameRandom sameSeed(4242);
    GameState again;
    RecordingHost againHost(again);
    beginGame(again, againHost, sameSeed);
    EXPECT_EQ(again.prices, first.prices);
}

TEST(Market, ANewGameShowsItsStartingFiguresAndFiveToSevenGoods)
{
    GameRandom random(7);
    GameState state;
    state.health = 37;
    RecordingHost host(state);
    beginGame(state, host, random);
    EXPECT_EQ(state.cash, 2000);
    EXPECT_EQ(state.debt, 5400);
    EXPECT_EQ(state.savings, 0);
    EXPECT_EQ(state.health, 100);
    EXPECT_TRUE(state.holdings.empty());
    EXPECT_EQ(state.daysLeft, 40);
    // The displays, in the order the window sets them: debt, health, savings; then the interest's three.
    const std::vector<std::string> expected{"debt=5000", "health=100", "savings=0", "debt=5400",
                                            "cash=2000", "savings=0",  "market"};
    EXPECT_EQ(host.log, expected);
    ASSERT_EQ(host.marketsShown.size(), 1u);
    EXPECT_EQ(host.marketsShown[0].size(), state.offers.size());
    EXPECT_GE(state.offers.size(), 5u);
    EXPECT_LE(state.offers.size(), 7u);
}

TEST(Market, EveryRollOffersFiveToSevenGoodsInCatalogueOrderWithinTheirBands)
{
    GameRandom random(99);
    std::map<size_t, int> offerCounts;
    for (int day = 0; day < 5000; ++day) {
        GameState state;
        RecordingHost host(state);
        rollPrices(state, random, 3);
        rebuildMarketList(state, host);
        ASSERT_GE(state.offers.size(), 5u);
        ASSERT_LE(state.offers.size(), 7u);
        ++offerCounts[state.offers.size()];
        size_t next = 0;
        for (int i = 0; i < kGoodsCount; ++i) {
            const std::int32_t price = state.prices[size_t(i)];
            if (price == 0)
                continue;
            const Goods& goods = GoodsCatalogue[size_t(i)];
            ASSERT_GE(price, goods.priceBase);
            ASSERT_LT(price, goods.priceBase + goods.priceSpan);
            ASSERT_LT(next, state.offers.size());
            EXPECT_EQ(state.offers[next].name, goods.name);
            EXPECT_EQ(state.offers[next].price, price);
            ++next;
        }
    }
    EXPECT_EQ(offerCounts.size(), 3u) << "5, 6 and 7 goods all occur";
}

TEST(Market, InterestRoundsTowardZeroAndNeverWraps)
{
    GameState state;
    RecordingHost host(state);
    state.debt = 0;
    state.savings = 0;
    applyInterest(state, host);
    EXPECT_EQ(state.debt, 0);
    EXPECT_EQ(host.log, (std::vector<std::string>{"debt=0", "cash=2000", "savings=0"}))
        << "nothing changes but all three displays are refreshed";

    state.savings = 99;
    state.debt = 12;
    applyInterest(state, host);
    EXPECT_EQ(state.savings, 99);
    EXPECT_EQ(state.debt, 12); // 12 * 8 / 100 = 0
    state.savings = 199;
    applyInterest(state, host);
    EXPECT_EQ(state.savings, 200);

    state.debt = 2000000000;
    state.savings = std::numeric_limits<std::int32_t>::max();
    applyInterest(state, host);
    EXPECT_EQ(state.debt, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(state.savings, std::numeric_limits<std::int32_t>::max());
}

TEST(GoodsCatalogue, NamesSortByTheirGbkBytes)
{
    std::vector<std::string> names;
    for (const Goods& goods : GoodsCatalogue)
        names.push_back(goods.name);
    std::sort(names.begin(), names.end()); // std::string compares bytes as unsigned values
    const std::vector<std::string> expected{"《上海小宝贝》（禁书）", "盗版VCD、游戏", "假白酒（剧毒！）", "进口玩具",
                                            "进口香烟",               "水货手机",      "伪劣化妆品",       "走私汽车"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(std::string(GoodsCatalogue[0].name), "\xBD\xF8\xBF\xDA\xCF\xE3\xD1\xCC") << "names are GBK bytes";
}

TEST(Market, ARebuildLeavesOutGoodsWithoutAPriceAndKeepsCatalogueOrder)
{
    GameState state;
    RecordingHost host(state);
    state.prices = {0, 20000, 0, 1500, 0, 300, 900, 0};
    state.offers = {{"stale", 1}};
    rebuildMarketList(state, host);
    const std::vector<std::string> names{"走私汽车", "假白酒（剧毒！）", "进口玩具", "水货手机"};
    ASSERT_EQ(state.offers.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(state.offers[i].name, names[i]);
    EXPECT_EQ(state.offers[1].price, 1500);
    EXPECT_EQ(host.log, std::vector<std::string>{"market"});
}

TEST(GameState, FindsOffersAndHoldingsByExactName)
{
    GameState state;
    state.offers = {{"进口香烟", 120}, {"水货手机", 900}};
    state.holdings = {{"水货手机", 800, 3}};
    ASSERT_NE(findOffer(state, "水货手机"), nullptr);
    EXPECT_EQ(findOffer(state, "水货手机")->price, 900);
    EXPECT_EQ(findOffer(state, "水货"), nullptr);
    EXPECT_EQ(findHolding(state, "进口香烟"), nullptr);
    EXPECT_EQ(findHolding(state, "水货手机")->quantity, 3);
    state.offers.push_back({"水货手机", 1});
    EXPECT_EQ(findOffer(state, "水货手机")->price, 900) << "the first match from the front";
}

TEST(ColumnSort, SortsTheOffersByGbkBytesAndTurnsRoundOnTheSameColumn)
{
    GameState state;
    state.prices = {449, 15000, 54, 1000, 5000, 250, 750, 65};
    RecordingHost host(state);
    rebuildMarketList(state, host);
    auto column = [&](int c) {
        std::vector<std::string> texts;
        for (const MarketOffer& offer : state.offers)
            texts.push_back(rowTexts(offer)[size_t(c)]);
        return texts;
    };
    ColumnSort sort;
    sortByColumn(state, List::Market, sort, 0);
    EXPECT_EQ(column(0), (std::vector<std::string>{"《上海小宝贝》（禁书）", "盗版VCD、游戏", "假白酒（剧毒！）", "进口玩具",
                                                   "进口香烟", "水货手机", "伪劣化妆品", "走私汽车"}));
    EXPECT_TRUE(sort.ascending);
    sortByColumn(state, List::Market, sort, 0);
    EXPECT_EQ(column(0).front(), "走私汽车") << "the same column again sorts descending";
    EXPECT_FALSE(sort.ascending);

    // Prices are texts too, and another column starts ascending again.
    sortByColumn(state, List::Market, sort, 1);
    EXPECT_EQ(column(1), (std::vector<std::string>{"1000", "15000", "250", "449", "5000", "54", "65", "750"}));
    EXPECT_EQ(sort.column, 1);
    EXPECT_TRUE(sort.ascending);
    EXPECT_EQ(findOffer(state, "走私汽车")->price, 15000) << "each offer keeps its price";

    // A rebuild brings catalogue order back; the remembered sort then turns round.
    rebuildMarketList(state, host);
    EXPECT_EQ(state.offers.front().name, GoodsCatalogue[0].name);
    sortByColumn(state, List::Market, sort, 1);
    EXPECT_EQ(column(1).front(), "750");
}

TEST(ColumnSort, SortsTheHoldingsByAnyColumnWithEqualTextsKeepingTheirOrder)
{
    GameState state;
    state.holdings = {{"进口香烟", 0, 7}, {"水货手机", 800, 12}, {"走私汽车", 0, 2}};
    ColumnSort sort;
    sortByColumn(state, List::Room, sort, 2);
    EXPECT_EQ(state.holdings[0].quantity, 12); // "12" < "2" < "7"
    EXPECT_EQ(state.holdings[1].quantity, 2);
    sortByColumn(state, List::Room, sort, 1);
    EXPECT_EQ(state.holdings[0].name, "走私汽车") << "the two free kinds keep their order";
    EXPECT_EQ(state.holdings[1].name, "进口香烟");
    EXPECT_EQ(state.holdings[2].name, "水货手机");
    EXPECT_EQ(rowTexts(state.holdings[2]), (std::array<std::string, 3>{"水货手机", "800", "12"}));
}
