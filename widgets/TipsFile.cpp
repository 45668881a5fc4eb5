#include "widgets/TipsFile.h"

#include "widgets/GbkBytes.h"

#include <QFile>
#include <QFileInfo>

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
        const char plain = char(static_cast<unsigned char>(byte) ^ TipsKey);
        if (plain == '\0')
            break;
        text.push_back(plain);
    }
    return text;
}

std::optional<std::string> readTipsFile(const QString& path)
{
    // Only a plain file is opened, so that a pipe in the file's place cannot hold up the game.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(qint64(MaxTipsFileBytes));
    std::string text = unscrambleTips(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (std::size_t(bytes.size()) == MaxTipsFileBytes && text.size() == MaxTipsFileBytes && !file.atEnd()) {
        // Cut off: keep the whole segments, up to and with the last one's bar.
        const std::vector<std::string_view> segments = tickerSegments(text);
        text.resize(segments.empty() ? 0 : std::size_t(segments.back().data() + segments.back().size() - text.data()) + 1);
    }
    return text;
}

} // namespace widgets
