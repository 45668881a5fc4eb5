#pragma once
// The ticker's text file: every byte scrambled with a one-byte key, the text ending at the
// first zero byte or at the end of the file.

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace widgets {

constexpr unsigned char TipsKey = 0x5A;
// A tips file can be anything a player drops beside the game; reading is capped so that a
// huge one cannot stall the start of a game. 64 KiB is hundreds of tips.
constexpr std::size_t MaxTipsFileBytes = 64 * 1024;

// XORs every byte with the key and cuts at the first zero byte.
std::string unscrambleTips(std::string_view scrambled);

// The unscrambled text of the file, at most MaxTipsFileBytes of it; nothing if it can't be opened.
std::optional<std::string> readTipsFile(const QString& path);

} // namespace widgets
