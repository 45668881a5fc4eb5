#include "rules/Money.h"

#include <limits>

namespace rules {

std::int32_t saturate(std::int64_t value)
{
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    if (value < lowest)
        return std::int32_t(lowest);
    if (value > highest)
        return std::int32_t(highest);
    return std::int32_t(value);
}

} // namespace rules
