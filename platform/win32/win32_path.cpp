#include "platform/win32/win32_path.h"

#include <windows.h>

#include "platform/exact_path.h"
#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

namespace {

// Room left for a file name below MAX_PATH, the limit for folder names in CreateDirectory.
constexpr std::size_t kShortLimit = MAX_PATH - 12;

bool StartsWith(const std::wstring& text, std::wstring_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A relative path made absolute by the system, which also trims names ending in dots or spaces:
// such names are reached exactly only through absolute paths.
std::wstring FullPath(const std::wstring& path) {
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (written == 0 || written >= needed) return path;
    full.resize(written);
    return full;
}

}  // namespace

std::wstring FilePath(std::wstring path) {
    if (StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\")) return path;
    if (path.size() < kShortLimit && !platform::HasNameEndingInDotOrSpace(path)) return path;
    if (auto exact = platform::ExtendedForm(path)) return std::move(*exact);
    if (auto exact = platform::ExtendedForm(FullPath(path))) return std::move(*exact);
    return path;
}

std::wstring FilePath(std::string_view utf8) {
    return FilePath(Wide(utf8));
}

}  // namespace brisko::win32
