#pragma once

#include <cstdint>
#include <string>

namespace rules {

// One kind of goods in the rented room.
struct RoomHolding {
    std::string name;               // GBK goods name, unique within the room
    std::int32_t purchasePrice = 0; // price of the latest purchase; 0 for goods received free
    std::int32_t quantity = 0;      // at least 1
};

} // namespace rules
