#include "platform/Gbk.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

namespace platform {

#ifdef Q_OS_WIN
// Qt for Windows has no GBK codec of its own (no ICU); the system's code page 936 is GBK. Never
// CP_ACP: it follows the user's locale.
constexpr UINT kGbkCodePage = 936;

QString fromGbk(std::string_view gbk)
{
    if (gbk.empty())
        return QString();
    const int inLength = int(gbk.size());
    const int length = ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), inLength, nullptr, 0);
    QString text(length, Qt::Uninitialized);
    ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), inLength, reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

std::string toGbk(const QString& text)
{
    // GBK holds no character beyond the first 65536: each becomes one "?", not one for each
    // half of its UTF-16 pair.
    std::wstring wide;
    wide.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        wide.push_back(pair ? L'?' : wchar_t(text.at(i).unicode()));
        i += pair ? 1 : 0;
    }
    if (wide.empty())
        return std::string();
    const int inLength = int(wide.size());
    const int length = ::WideCharToMultiByte(kGbkCodePage, 0, wide.data(), inLength, nullptr, 0, "?", nullptr);
    std::string bytes(std::size_t(length), '\0');
    ::WideCharToMultiByte(kGbkCodePage, 0, wide.data(), inLength, bytes.data(), length, "?", nullptr);
    return bytes;
}

bool gbkConverterAvailable()
{
    return ::IsValidCodePage(kGbkCodePage);
}
#else
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

bool gbkConverterAvailable()
{
    return QStringDecoder("GBK").isValid() && QStringEncoder("GBK").isValid();
}
#endif

std::string utf8ToGbk(std::string_view utf8)
{
    return toGbk(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

} // namespace platform
