#include "widgets/GbkBytes.h"

namespace widgets {

namespace {

// Length of the character starting at i: a lead byte (0x81 to 0xFE in code page 936) with a
// byte after it makes a pair.
std::size_t characterLength(std::string_view text, std::size_t i)
{
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    const bool lead = byte >= 0x81 && byte <= 0xFE;
    return lead && i + 1 < text.size() && text[i + 1] != '\0' ? 2 : 1;
}

} // namespace

void upperCaseGbk(std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = characterLength(text, i);
        if (length == 1 && text[i] >= 'a' && text[i] <= 'z')
            text[i] = char(text[i] - 'a' + 'A');
        i += length;
    }
}

std::size_t findGbkByte(std::string_view text, char wanted, std::size_t from)
{
    for (std::size_t i = from; i < text.size();) {
        const std::size_t length = characterLength(text, i);
        if (length == 1 && text[i] == wanted)
            return i;
        i += length;
    }
    return std::string_view::npos;
}

} // namespace widgets
