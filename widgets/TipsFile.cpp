#include "widgets/TipsFile.h"

#include <QFile>

namespace widgets {

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(qint64(MaxTipsFileBytes));
    return unscrambleTips(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace widgets
