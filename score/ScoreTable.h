#pragma once
// The top-ten list: always exactly ten records, index 0 the best.

#include "score/ScoreEntry.h"

#include <array>
#include <cstddef>

namespace score {

constexpr std::size_t kScoreRecords = 10;

using ScoreTable = std::array<ScoreEntry, kScoreRecords>;

// The one list the start screen and the high-score dialog share. Blank records (empty names,
// zero money and health) until the first load.
ScoreTable& processScoreTable();

// The list a player sees before any score file exists.
const ScoreTable& defaultScoreTable();

} // namespace score
