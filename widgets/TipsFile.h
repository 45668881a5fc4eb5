#pragma once
// The ticker's text file: every byte scrambled with a one-byte key, the text ending at the
// first zero byte or at the end of the file. After one leading character that is never shown,
// each segment of the text is closed by a bar "|".

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace widgets {

constexpr unsigned char kTipsKey = 0x5A;
// A tips file is read whole; this bound only keeps a freak file from filling the memory and
// stalling the start of a game. The game's own is a few KiB; 4 MiB are some 150 000 tips.
constexpr std::size_t kMaxTipsFileBytes = 4 * 1024 * 1024;

// The segments shown: text after the last bar is not, and an empty segment ends the list.
std::vector<std::string_view> tickerSegments(std::string_view text);

// XORs every byte with the key and cuts at the first zero byte.
std::string unscrambleTips(std::string_view scrambled);

// The unscrambled text of the file; nothing if it cannot be opened or is not a plain file (a
// pipe or a device is never waited for). A file beyond the bound ends at its last whole
// segment within it.
std::optional<std::string> readTipsFile(const QString& path);

} // namespace widgets
