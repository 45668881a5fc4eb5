#include "platform/Gbk.h"
#include "rules/GameState.h"

#include <gtest/gtest.h>

// The rules hold their texts as GBK bytes made by the compiler; Qt's codec must read them back
// as the very names the player is meant to see.
TEST(GbkConstants, TheRulesGoodsNamesAreTheGbkOfTheirChineseNames)
{
    const char* expected[] = {"进口香烟", "走私汽车", "盗版VCD、游戏", "假白酒（剧毒！）",
                              "《上海小宝贝》（禁书）", "进口玩具", "水货手机", "伪劣化妆品"};
    for (int i = 0; i < rules::kGoodsCount; ++i) {
        EXPECT_EQ(platform::fromGbk(rules::GoodsCatalogue[size_t(i)].name), QString::fromUtf8(expected[i]));
        EXPECT_EQ(platform::utf8ToGbk(expected[i]), rules::GoodsCatalogue[size_t(i)].name);
    }
}
