#pragma once
// Lists and a load that several test files share.

#include "score/ScoreTable.h"

#include <optional>
#include <string>

// Ten records that test every corner of the format: the longest name, the extreme amounts.
score::ScoreTable tenRecords();

// A table full of data that must not survive a load.
score::ScoreTable stale();

// Loads in a thread of its own, so a load that hangs fails the test instead of holding up the
// suite; such a thread is left behind. Nothing when the load takes more than a second.
std::optional<score::ScoreTable> loadWithinASecond(const std::string& path);
