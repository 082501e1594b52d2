#include "platform/win32/win32_path.h"

#include <windows.h>

#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

namespace {

// Room left for a file name below MAX_PATH, the limit for folder names in CreateDirectory.
constexpr std::size_t kShortLimit = MAX_PATH - 12;

bool StartsWith(const std::wstring& text, std::wstring_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::wstring FilePath(std::wstring path) {
    if (path.size() < kShortLimit || StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\"))
        return path;
    // The extended prefix turns off the system's normalisation, so do it first.
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed) return path;
    full.resize(written);
    if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
    return path;
}

std::wstring FilePath(std::string_view utf8) {
    return FilePath(Wide(utf8));
}

}  // namespace brisko::win32
