#include "platform/win32/win32_utf8.h"

#include <windows.h>

#include <climits>

namespace brisko::win32 {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) return {};
    const int length = static_cast<int>(utf8.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring out(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, out.data(), needed);
    return out;
}

std::string Utf8(std::wstring_view utf16) {
    if (utf16.empty() || utf16.size() > INT_MAX / 3) return {};
    const int length = static_cast<int>(utf16.size());
    // Three bytes per UTF-16 unit always suffice, which saves the sizing call on hot paths.
    std::string out(utf16.size() * 3, '\0');
    const int written = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, out.data(),
                                            static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return out;
}

std::wstring_view UpToNul(std::wstring_view text) {
    const auto end = text.find(L'\0');
    return end == std::wstring_view::npos ? text : text.substr(0, end);
}

}  // namespace brisko::win32
