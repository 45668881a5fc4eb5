#pragma once
// The top-ten list: always exactly ten records, index 0 the best.

#include "score/ScoreEntry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace score {

constexpr std::size_t kScoreRecords = 10;

using ScoreTable = std::array<ScoreEntry, kScoreRecords>;

// The list a player sees before any score file exists.
const ScoreTable& defaultScoreTable();

// Places the result before the first record (from index 0) whose money it reaches, so among
// equal amounts the newest stands first; only money decides. The tenth record drops out.
// The name is stored as storableName makes it. Returns the index, or nothing when the
// result reaches no record (the table is then unchanged).
std::optional<int> insertScore(ScoreTable& table, std::string_view name, std::int32_t money, std::int32_t health);

} // namespace score
