#include "platform/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

QString fromGbk(std::string_view gbk)
{
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(gbk.data(), qsizetype(gbk.size())));
}

std::string toGbk(const QString& text)
{
    // Qt's GBK encoder already writes "?" for every character it cannot map.
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

std::string utf8ToGbk(std::string_view utf8)
{
    return toGbk(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

} // namespace platform
