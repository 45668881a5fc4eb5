#include "score/ScoreTable.h"

#include <gtest/gtest.h>

using namespace score;

namespace {

// The default list as the player sees it, written out here rather than taken from the code.
ScoreTable expectedDefaults()
{
    return ScoreTable{{
        {"zuv", 12500720, 98},
        {"vo", 830050, 100},
        {"vu", 500447, 78},
        {"Kent Mossy", 239403, 97},
        {"tao lin", 34900, 35},
        {"tao lin", 13400, 100},
        {"tao ", 2300, 77},
        {"tao ", 45, 12},
        {"tao", 34, 100},
        {"tao", 3, 100},
    }};
}

} // namespace

TEST(ScoreInsertion, TheDefaultListIsExactlyTheTenKnownRecords)
{
    EXPECT_EQ(defaultScoreTable(), expectedDefaults());
    EXPECT_EQ(defaultScoreTable()[6].name.size(), 4u);
}

TEST(ScoreInsertion, AResultEqualToTheTenthTakesItsPlace)
{
    ScoreTable table = expectedDefaults();
    EXPECT_EQ(insertScore(table, "小vu", 3, 55), 9);
    const ScoreTable before = expectedDefaults();
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(table[i], before[i]) << i;
    EXPECT_EQ(table[9], (ScoreEntry{"小vu", 3, 55}));
}

TEST(ScoreInsertion, AResultBelowTheTenthIsNotPlacedAndChangesNothing)
{
    ScoreTable table = expectedDefaults();
    EXPECT_EQ(insertScore(table, "小vu", 2, 100), std::nullopt);
    EXPECT_EQ(table, expectedDefaults());
}

TEST(ScoreInsertion, AResultEqualToTheBestGoesFirstAndPushesTheRestDown)
{
    ScoreTable table = expectedDefaults();
    EXPECT_EQ(insertScore(table, "new", 12500720, 1), 0);
    const ScoreTable before = expectedDefaults();
    EXPECT_EQ(table[0], (ScoreEntry{"new", 12500720, 1}));
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(table[i], before[i - 1]) << i;
}

TEST(ScoreInsertion, AmongEqualAmountsTheNewestStandsFirstAndHealthPlaysNoPart)
{
    ScoreTable table = expectedDefaults();
    EXPECT_EQ(insertScore(table, "first", 5000, 100), 6);
    EXPECT_EQ(insertScore(table, "second", 5000, -20), 6);
    EXPECT_EQ(insertScore(table, "third", 5000, 999), 6);
    EXPECT_EQ(table[6].name, "third");
    EXPECT_EQ(table[7].name, "second");
    EXPECT_EQ(table[8].name, "first");
    EXPECT_EQ(table[9], (ScoreEntry{"tao ", 2300, 77}));
}

TEST(ScoreInsertion, AnUnorderedListIsNotSortedTheResultGoesBeforeTheFirstItReaches)
{
    const std::int32_t money[10] = {500, 100, 900, 800, 700, 600, 400, 300, 200, 50};
    ScoreTable table{};
    for (int i = 0; i < 10; ++i)
        table[i] = ScoreEntry{"r" + std::to_string(i), money[i], i};
    EXPECT_EQ(insertScore(table, "x", 300, 0), 1);
    const std::int32_t after[10] = {500, 300, 100, 900, 800, 700, 600, 400, 300, 200};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(table[i].money, after[i]) << i;
    EXPECT_EQ(table[1].name, "x");
    EXPECT_EQ(table[9].name, "r8"); // 50 dropped out
}

TEST(ScoreInsertion, MoneyIsComparedSigned)
{
    ScoreTable table{};
    EXPECT_EQ(insertScore(table, "debt", -1, 10), std::nullopt);
    EXPECT_EQ(insertScore(table, "zero", 0, 10), 0);
    EXPECT_EQ(insertScore(table, "top", std::numeric_limits<std::int32_t>::max(), 10), 0);
    EXPECT_EQ(table[1].name, "zero");
}

TEST(ScoreInsertion, ALongNameIsShortenedBeforeItIsStored)
{
    ScoreTable table = expectedDefaults();
    ASSERT_EQ(insertScore(table, "一二三四五六七八九十", 100, 1), 7);
    EXPECT_EQ(table[7].name, "一二三四五六七八九");
    ASSERT_EQ(insertScore(table, "line\r\nbreak", 100, 1), 7);
    EXPECT_EQ(table[7].name, "line");
}
