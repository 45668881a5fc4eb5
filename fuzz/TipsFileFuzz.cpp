// Any bytes as a scrambled tips file, through to the segments the ticker draws. Checks: the
// text is the unscrambled bytes up to the first zero; every segment is non-empty, lies inside
// the text and holds no bar that starts a character.

#include "fuzz/FuzzCheck.h"
#include "widgets/GbkBytes.h"
#include "widgets/TipsFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view scrambled(reinterpret_cast<const char*>(data), size);
    const std::string text = widgets::unscrambleTips(scrambled);

    FUZZ_CHECK(text.size() <= size);
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    for (std::size_t i = 0; i < text.size(); ++i)
        FUZZ_CHECK((static_cast<unsigned char>(text[i]) ^ widgets::kTipsKey) == data[i]);
    FUZZ_CHECK(text.size() == size || (data[text.size()] ^ widgets::kTipsKey) == 0);

    const std::string_view view(text);
    for (std::string_view segment : widgets::tickerSegments(view)) {
        FUZZ_CHECK(!segment.empty());
        FUZZ_CHECK(segment.data() >= view.data() && segment.data() + segment.size() <= view.data() + view.size());
        FUZZ_CHECK(widgets::findGbkByte(segment, '|', 0) == std::string_view::npos);
    }
    return 0;
}
