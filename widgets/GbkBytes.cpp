#include "widgets/GbkBytes.h"

namespace widgets {

namespace {

// Length of the character starting at i: a lead byte with a byte after it makes a pair.
std::size_t characterLength(std::string_view text, std::size_t i)
{
    return isGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
                   text[i + 1] != '\0'
               ? 2
               : 1;
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
