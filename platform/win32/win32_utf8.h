#pragma once
// UTF-8 <-> UTF-16 at the boundary to the wide-character API. Invalid input never fails:
// ill-formed sequences become U+FFFD, as the system converters do.
#include <string>
#include <string_view>

namespace brisko::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);
// The text up to its first NUL (the wide-character API often hands back fixed buffers).
std::wstring_view UpToNul(std::wstring_view text);

}  // namespace brisko::win32
