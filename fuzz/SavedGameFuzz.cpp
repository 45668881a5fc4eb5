// Any bytes as a saved game. Checks: what is read is a game the rules could hold (its room
// count the sum of its holdings, within the room; every goods of the catalogue), and it is
// exactly what the game writes for it: only the one way of writing a game is read.

#include "fuzz/FuzzCheck.h"
#include "rules/SavedGame.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<rules::SavedGame> game = rules::parseSavedGame(bytes);
    if (!game)
        return 0;
    std::int32_t items = 0;
    for (const rules::RoomHolding& holding : game->state.holdings) {
        FUZZ_CHECK(holding.quantity >= 1);
        items += holding.quantity;
    }
    FUZZ_CHECK(items == game->state.roomCount && items <= game->state.roomCapacity);
    FUZZ_CHECK(game->state.daysLeft >= 0 && game->state.daysLeft <= 40);
    FUZZ_CHECK(rules::formatSavedGame(*game) == bytes);
    return 0;
}
