#pragma once
// The player's whole situation during one game.

#include "rules/GoodsCatalogue.h"
#include "rules/MarketOffer.h"
#include "rules/RoomHolding.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rules {

struct GameState {
    std::int32_t cash = 2000;
    std::int32_t debt = 5000; // the opening day's interest makes it 5400
    std::int32_t savings = 0;
    std::int32_t health = 100; // set again when the game begins
    std::int32_t daysLeft = 40;
    std::int32_t roomCapacity = 100;
    std::int32_t roomCount = 0; // sum of the holdings' quantities, kept in step by every change
    std::array<std::int32_t, kGoodsCount> prices{}; // 0 = not on the market today
    std::vector<MarketOffer> offers;  // in the order the market list shows them
    std::vector<RoomHolding> holdings; // in the order the room list shows them
};

// The first offer / holding whose name equals `name` byte for byte; nullptr when absent.
MarketOffer* findOffer(GameState& state, const std::string& name);
const MarketOffer* findOffer(const GameState& state, const std::string& name);
RoomHolding* findHolding(GameState& state, const std::string& name);
const RoomHolding* findHolding(const GameState& state, const std::string& name);

} // namespace rules
