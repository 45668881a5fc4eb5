#pragma once
// The player's whole situation during one game, and the eight goods of the black market.
// Every text here is GBK bytes (the sources are compiled with a GBK execution charset).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rules {

struct Goods {
    const char* name;
    std::int32_t priceBase;
    std::int32_t priceSpan; // today's price is roll(span) + base
};

constexpr int kGoodsCount = 8;

// The goods index keys every table of the rules. Defined in GameState.cpp, so that its texts
// are always the GBK bytes of the rules' own translation units.
extern const std::array<Goods, kGoodsCount> GoodsCatalogue;

// A row of the black-market list.
struct MarketOffer {
    std::string name;
    std::int32_t price;
};

// A row of the rented room's list.
struct RoomHolding {
    std::string name;
    std::int32_t purchasePrice;
    std::int32_t quantity;
};

struct GameState {
    std::int32_t cash = 2000;
    std::int32_t debt = 5000; // the opening day's interest makes it 5400
    std::int32_t savings = 0;
    std::int32_t health = 100;
    std::int32_t daysLeft = 40;
    std::int32_t roomCapacity = 100;
    std::int32_t roomCount = 0; // kept beside the holdings by every change, never recomputed
    std::array<std::int32_t, kGoodsCount> prices{}; // 0: not on the market today
    std::vector<MarketOffer> offers;                // today's market, in the order shown
    std::vector<RoomHolding> holdings;              // the room, in the order shown
};

// Lookups by exact byte comparison of the name, from the front; nullptr when absent.
MarketOffer* findOffer(GameState& state, const std::string& name);
RoomHolding* findHolding(GameState& state, const std::string& name);

} // namespace rules
