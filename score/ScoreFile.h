#pragma once
// The score file: 30 lines, three per record (name, money, health), best first, every line
// ending in CR LF. The caller names the file; this layer knows nothing of where the game lives.

#include "score/ScoreTable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace score {

// Thirty lines of the 29 bytes a line read takes fit, with room; the game writes at most 470.
// Whatever lies beyond counts as absent, so no file can hold up the list. A line that the
// bound would cut counts as absent whole: a number is never read in part.
constexpr std::size_t kScoreFileReadLimit = 1024;

// Fills `table` from the file, or with the default list when the file cannot be read, is
// empty, holds no whole line within the bound or is not a plain file. Never fails, never
// waits. How other files read: see ScoreFileReader.
void loadScores(const std::string& path, ScoreTable& table);

// The same reading on bytes already in memory.
void parseScores(std::string_view bytes, ScoreTable& table);

// The exact bytes of the file for `table`.
std::string formatScores(const ScoreTable& table);

// Writes `table` to the file (see files/SaveFile.h). False when the file cannot be written; the
// old file is then left as it was. The caller tells the player.
[[nodiscard]] bool saveScores(const std::string& path, const ScoreTable& table);

} // namespace score
