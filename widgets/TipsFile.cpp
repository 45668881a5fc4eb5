#include "widgets/TipsFile.h"

#include "files/PlainFile.h"
#include "platform/AppFiles.h"
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

std::string unscrambleTips(std::string_view scrambled)
{
    std::string text;
    text.reserve(scrambled.size());
    for (char byte : scrambled) {
        const char plain = char(static_cast<unsigned char>(byte) ^ kTipsKey);
        if (plain == '\0')
            break;
        text.push_back(plain);
    }
    return text;
}

std::optional<std::string> readTipsFile(const QString& path)
{
    bool cutOff = false;
    const std::optional<std::string> bytes =
        files::readPlainFile(platform::systemPath(path), kMaxTipsFileBytes, &cutOff);
    if (!bytes)
        return std::nullopt;
    std::string text = unscrambleTips(*bytes);
    if (cutOff && text.size() == kMaxTipsFileBytes) {
        // Cut off: keep the whole segments, up to and with the last one's bar.
        const std::vector<std::string_view> segments = tickerSegments(text);
        text.resize(segments.empty() ? 0 : std::size_t(segments.back().data() + segments.back().size() - text.data()) + 1);
    }
    return text;
}

} // namespace widgets
