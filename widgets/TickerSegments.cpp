#include "widgets/TickerSegments.h"

#include "widgets/GbkBytes.h"

namespace widgets {

std::vector<std::string_view> tickerSegments(std::string_view text)
{
    std::vector<std::string_view> segments;
    std::size_t p = 0;
    for (;;) {
        const std::size_t s = p + 1;
        if (s >= text.size())
            break;
        const std::size_t q = findGbkByte(text, '|', s);
        if (q == std::string_view::npos || q == s)
            break;
        segments.push_back(text.substr(s, q - s));
        p = q;
    }
    return segments;
}

} // namespace widgets
