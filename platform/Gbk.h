#pragma once
// The one place where the game's GBK byte strings meet Qt's QString.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// GBK bytes to text. Bytes that are not valid GBK come out as replacement marks, never dropped.
QString fromGbk(std::string_view gbk);

// Text to GBK bytes. A character GBK cannot hold becomes "?".
std::string toGbk(const QString& text);

// Whether this system can convert GBK at all (Qt's codec on Linux, code page 936 on Windows).
// Without it every text would come out empty: the program says so at start-up instead.
bool gbkConverterAvailable();

// Source literals are UTF-8: converted once where a GBK constant is needed.
std::string utf8ToGbk(std::string_view utf8);

} // namespace platform
