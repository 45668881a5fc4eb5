#pragma once
// The ticker text's segments: after one leading character that is never shown, each segment
// is closed by a bar "|". Text after the last bar is not shown; an empty segment ends the list.

#include <string_view>
#include <vector>

namespace widgets {

std::vector<std::string_view> tickerSegments(std::string_view text);

} // namespace widgets
