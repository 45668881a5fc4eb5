#pragma once
// Byte-level walks over GBK text that never split a double-byte character.

#include <cstddef>
#include <string>
#include <string_view>

namespace widgets {

// Upper-cases ASCII letters in place; both bytes of a double-byte character stay as they are.
void upperCaseGbk(std::string& text);

// Index of the first `wanted` byte at or after `from` that starts a character, or npos.
// A byte that trails a lead byte is never a match, so "|" inside a Chinese character is not a bar.
std::size_t findGbkByte(std::string_view text, char wanted, std::size_t from);

} // namespace widgets
