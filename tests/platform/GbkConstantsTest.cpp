#include "platform/Gbk.h"
#include "rules/GameState.h"

#include <gtest/gtest.h>

// The rules hold their texts as GBK bytes made by the compiler; Qt's codec must read them back
// as the very names the player is meant to see.
TEST(GbkConstants, TheRulesGoodsNamesAreTheGbkOfTheirChineseNames)
{
    // Wide literals: the compiler makes them from the source's UTF-8, not through GBK.
    const QString expected[] = {QStringLiteral("进口香烟"),         QStringLiteral("走私汽车"),
                                QStringLiteral("盗版VCD、游戏"),    QStringLiteral("假白酒（剧毒！）"),
                                QStringLiteral("《上海小宝贝》（禁书）"), QStringLiteral("进口玩具"),
                                QStringLiteral("水货手机"),         QStringLiteral("伪劣化妆品")};
    for (int i = 0; i < rules::kGoodsCount; ++i) {
        EXPECT_EQ(platform::fromGbk(rules::GoodsCatalogue[size_t(i)].name), expected[i]);
        EXPECT_EQ(platform::toGbk(expected[i]), rules::GoodsCatalogue[size_t(i)].name);
    }
}
