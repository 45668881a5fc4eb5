#include "score/ScoreName.h"


namespace score {

std::string storableName(std::string_view raw)
{
    const std::size_t lineEnd = raw.find_first_of(std::string_view("\r\n\0", 3));
    if (lineEnd != std::string_view::npos)
        raw = raw.substr(0, lineEnd);

    std::size_t kept = 0;
    while (kept < raw.size()) {
        const std::size_t width = isGbkLeadByte(static_cast<unsigned char>(raw[kept])) ? 2 : 1;
        if (kept + width > raw.size() || kept + width > kScoreNameBytes)
            break;
        kept += width;
    }
    return std::string(raw.substr(0, kept));
}

} // namespace score
