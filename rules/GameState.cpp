#include "rules/GameState.h"

#include <algorithm>
#include <limits>

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

const std::array<MarketNewsEvent, 17> kMarketNewsTable{{
    // odds  message                                                              goods  ×  ÷  gift
    {170, "专家提议提高大学生“动手素质”，进口玩具颇受欢迎!",                          5, 2, 0, 0},
    {139, "有人自豪地说：生病不用打针吃药，喝假白酒（剧毒）就可以!",                  3, 3, 0, 0},
    {100, "医院的秘密报告：“《上海小宝贝》功效甚过伟哥”!",                            4, 5, 0, 0},
    {41,  "文盲说：“2000年诺贝尔文学奖？呸！不如盗版VCD港台片。”",                   2, 4, 0, 0},
    {37,  "《北京经济小报》社论：“走私汽车大力推进汽车消费!”",                       1, 3, 0, 0},
    {23,  "《北京真理报》社论：“提倡爱美，落到实处”，伪劣化妆品大受欢迎!",           7, 4, 0, 0},
    {37,  "天街电子书店也不敢卖《上海小宝贝》，黑市一册可卖天价!",                    4, 8, 0, 0},
    {15,  "voz在晚会上说：“我酷!我使用伪劣化妆品!”，伪劣化妆品供不应求!",            7, 7, 0, 0},
    {40,  "北京有人狂饮山西假酒，可以卖出天价!",                                      3, 7, 0, 0},
    {29,  "北京的大学生们开始找工作，水货手机大受欢迎！!",                            6, 7, 0, 0},
    {35,  "北京的富人疯狂地购买走私汽车！价格狂升!",                                  1, 8, 0, 0},
    {17,  "市场上充斥着来自福建的走私香烟!",                                          0, 0, 8, 0},
    {24,  "北京的孩子们都忙于上网学习，进口玩具没人愿意买。",                          5, 0, 5, 0},
    {18,  "盗版业十分兴旺，“中国硅谷”——中关村全是卖盗版VCD的村姑!",                 2, 0, 8, 0},
    {160, "厦门的老同学资助俺两部走私汽车！发了！！",                                  1, 0, 0, 2},
    {45,  "工商局扫荡后，俺在黑暗角落里发现了老乡丢失的进口香烟。",                    0, 0, 0, 6},
    {35,  "俺老乡回家前把一些山西假白酒（剧毒）给俺!",                                3, 0, 0, 4},
}};

const std::array<HealthEvent, 12> kHealthEventTable{{
    // odds  message                                   damage
    {117, "前门大街的两个流氓打了俺!",                 3},
    {157, "俺在过街地道被人打了蒙棍! ",                20},
    {21,  "工商局的追俺超过三个胡同。 ",               1},
    {100, "北京拥挤的交通让俺心焦! ",                  1},
    {35,  "朝阳区开小巴的打俺一耳光!",                 1},
    {313, "丰台区一群民工打了俺!",                     10},
    {120, "铜儿帽胡同的一个小青年砸俺一砖头!",         5},
    {29,  "西城区金融街两个假保安用电棍电击俺!",       3},
    {43,  "北京臭黑的小河熏着我了! ",                  1},
    {45,  "守自行车的王大婶嘲笑俺没北京户口!",         1},
    {48,  "北京高温40度!俺热...",                      1},
    {33,  "申奥又添新风景，北京来了沙尘暴!",           1},
}};

const std::array<MoneyLossEvent, 7> kMoneyLossTable{{
    // odds  message                                                  percent  account
    {60,  "俺怜悯公主坟地铁扮演成乞丐的老太太们。",                   10, Account::Cash},
    {125, "一百个男人在街头拦住俺：“交税光荣！”。",                   10, Account::Cash},
    {100, "一个大个子碰了俺一下，说：“别挤了!”。",                    40, Account::Cash},
    {65,  "“您妨碍城市卫生”，一个老太太说，“罚款。”",                20, Account::Cash},
    {35,  "两个猛男揪住俺：“交市话费、长话附加费、上网费。”",         4,  Account::Savings},
    {27,  "银行的钱先生严肃地说：“请交利息税。”",                     11, Account::Savings},
    {40,  "俺在三里屯呆了一夜....",                                   5,  Account::Cash},
}};

const MarketOffer* findOffer(const GameState& state, const std::string& name)
{
    for (const MarketOffer& offer : state.offers)
        if (offer.name == name)
            return &offer;
    return nullptr;
}

RoomHolding* findHolding(GameState& state, const std::string& name)
{
    for (RoomHolding& holding : state.holdings)
        if (holding.name == name)
            return &holding;
    return nullptr;
}

std::int32_t saturate(std::int64_t value)
{
    using Limits = std::numeric_limits<std::int32_t>;
    return std::int32_t(std::clamp<std::int64_t>(value, Limits::min(), Limits::max()));
}

std::array<std::string, 3> rowTexts(const MarketOffer& offer)
{
    return {offer.name, std::to_string(offer.price), std::string()};
}

std::array<std::string, 3> rowTexts(const RoomHolding& holding)
{
    return {holding.name, std::to_string(holding.purchasePrice), std::to_string(holding.quantity)};
}

namespace {

template <typename Row>
void sortRows(std::vector<Row>& rows, size_t column, int sign)
{
    // std::string compares its bytes as unsigned values; rows that compare equal keep their order.
    std::stable_sort(rows.begin(), rows.end(), [column, sign](const Row& a, const Row& b) {
        return sign * rowTexts(a)[column].compare(rowTexts(b)[column]) < 0;
    });
}

} // namespace

void sortByColumn(GameState& state, List list, ColumnSort& sort, int column)
{
    if (column < 0 || column > 2)
        return;
    sort.ascending = column == sort.column ? !sort.ascending : true;
    sort.column = column;
    const int sign = sort.ascending ? 1 : -1;
    if (list == List::Market)
        sortRows(state.offers, size_t(column), sign);
    else
        sortRows(state.holdings, size_t(column), sign);
}

} // namespace rules
