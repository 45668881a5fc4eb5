#pragma once
// Offering a result to the top-ten list.

#include "score/ScoreTable.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace score {

// Places the result before the first record (from index 0) whose money it reaches, so among
// equal amounts the newest stands first; only money decides. The tenth record drops out.
// The name is stored as storableName makes it. Returns the index, or nothing when the
// result reaches no record (the table is then unchanged).
std::optional<int> insertScore(ScoreTable& table, std::string_view name, std::int32_t money, std::int32_t health);
std::optional<int> insertScore(std::string_view name, std::int32_t money, std::int32_t health);

} // namespace score
