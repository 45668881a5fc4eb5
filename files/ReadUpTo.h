#pragma once
// The bounded read that both systems' readPlainFile share; private to files/.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

namespace files {

// Up to `limit` bytes from `readPiece(into, most)`, which gives the bytes it read (0 at the end)
// or nothing when the read failed. In pieces, so that the bound costs no memory a small file
// does not need; one byte past the bound tells `cutOff` whether the file goes on beyond it.
template <class ReadPiece>
std::optional<std::string> readUpTo(std::size_t limit, bool* cutOff, ReadPiece readPiece)
{
    const std::size_t wanted = limit + 1;
    std::string bytes;
    char piece[16384];
    while (bytes.size() < wanted) {
        const std::optional<std::size_t> n = readPiece(piece, std::min(sizeof piece, wanted - bytes.size()));
        if (!n)
            return std::nullopt;
        if (*n == 0)
            break;
        bytes.append(piece, *n);
    }
    if (cutOff)
        *cutOff = bytes.size() > limit;
    bytes.resize(std::min(bytes.size(), limit));
    return bytes;
}

} // namespace files
