#pragma once
// The models' UTF-8 texts for the wide Win32 API, and the windows' texts for the models.
#include <windows.h>

#include <string>
#include <string_view>

namespace brisko::views {

inline std::wstring Wide(std::string_view s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

// A window's text as the UTF-16 units that the models take (wchar_t is 16 bits on Windows).
inline std::u16string Units(std::wstring_view w) {
    return {w.begin(), w.end()};
}

inline std::wstring WindowText(HWND hwnd) {
    const int n = GetWindowTextLengthW(hwnd);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, w.data(), n + 1);
    w.resize(static_cast<size_t>(got > 0 ? got : 0));
    return w;
}

}  // namespace brisko::views
