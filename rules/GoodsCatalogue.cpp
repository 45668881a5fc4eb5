#include "rules/GoodsCatalogue.h"

namespace rules {

const std::array<Goods, kGoodsCount> GoodsCatalogue{{
    // name                      base   span
    {"进口香烟",                  100,   350},
    {"走私汽车",                  15000, 15000},
    {"盗版VCD、游戏",             5,     50},
    {"假白酒（剧毒！）",           1000,  2500},
    {"《上海小宝贝》（禁书）",     5000,  9000},
    {"进口玩具",                  250,   600},
    {"水货手机",                  750,   750},
    {"伪劣化妆品",                65,    180},
}};

} // namespace rules
