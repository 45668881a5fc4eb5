// Any text as an edit's contents. The reading must agree with strtoll on the trimmed text:
// an integer exactly when strtoll takes all of it without overflow and the value fits 32 bits.
// A value read is written back by the exchange and must read back the same.

#include "fuzz/FuzzCheck.h"
#include "platform/IntegerExchange.h"

#include <QString>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

std::optional<std::int32_t> referenceParse(const QString& text)
{
    const QString trimmed = text.trimmed();
    // strtoll knows only ASCII digits and signs.
    for (QChar c : trimmed)
        if (c.unicode() > 0x7F)
            return std::nullopt;
    const std::string ascii = trimmed.toStdString();
    if (ascii.empty())
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(ascii.c_str(), &end, 10);
    if (errno == ERANGE || end != ascii.c_str() + ascii.size())
        return std::nullopt;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(value);
}

void check(const QString& text)
{
    const std::optional<std::int32_t> parsed = platform::parseInt32(text);
    FUZZ_CHECK(parsed == referenceParse(text));
    if (parsed)
        FUZZ_CHECK(platform::parseInt32(QString::number(*parsed)) == parsed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    // The edit hands over UTF-16; reach it both from UTF-8 typing and from raw code units.
    check(QString::fromUtf8(bytes, qsizetype(size)));
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    check(QString::fromUtf16(units.data(), qsizetype(units.size())));
    return 0;
}
