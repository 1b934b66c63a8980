#pragma once
// Text in documents, records and the clipboard is Windows-1251; the program works in UTF-8.
// These convert at that boundary. Characters 1251 cannot hold become '?'.
#include <string>
#include <string_view>

namespace lw {

char32_t cp1251CodePoint(unsigned char byte);
std::string cp1251ToUtf8(std::string_view bytes);
std::string utf8ToCp1251(std::string_view text);

} // namespace lw
