#pragma once
// How a player's name is made fit for a record and for one line of the score file.

#include "score/ScoreEntry.h"

#include <string>
#include <string_view>

namespace score {

// The name as a record stores it: the bytes before the first CR, LF or NUL (a name is one
// line of the file and one C string on screen), then shortened to at most 19 bytes at a GBK
// character boundary. A double-byte character (lead byte 0x81..0xFE and the byte after it)
// is kept whole or dropped whole, so a lead byte never ends the name.
std::string storableName(std::string_view raw);

// True for the first byte of a GBK double-byte character.
constexpr bool isGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

} // namespace score
