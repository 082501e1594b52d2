#pragma once
// Reaching a path exactly. The ordinary Win32 path handling drops the dots and spaces at the end
// of every name ("trail." opens "trail"), and those names are legal on NTFS and easy to make from
// Linux; only the extended-length form ("\\?\") leaves a path as it is written. Header-only and
// free of windows.h, so that stand-alone tools share it.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisko::platform {

inline bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Whether a name ends in a dot or a space; "." and ".." are navigation, not names.
inline bool EndsInDotOrSpace(std::wstring_view name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    return name.back() == L'.' || name.back() == L' ';
}

// Whether some name in the path ends in a dot or a space.
inline bool HasNameEndingInDotOrSpace(std::wstring_view path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        if (EndsInDotOrSpace(path.substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

// The extended-length form of an absolute path ("X:\..." or "\\server\share\..."): separators
// made single backslashes, "." and ".." resolved, every name kept exactly as written, a trailing
// separator kept. A path already in that form is returned as it is; nullopt for any other path
// (relative, drive-relative, device paths).
inline std::optional<std::wstring> ExtendedForm(std::wstring_view path) {
    if (path.starts_with(L"\\\\?\\")) return std::wstring(path);
    std::wstring root;
    std::wstring_view rest;
    if (path.size() >= 3 && path[1] == L':' && IsSeparator(path[2]) &&
        ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'))) {
        root = L"\\\\?\\" + std::wstring(path.substr(0, 2)) + L"\\";
        rest = path.substr(3);
    } else if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1]) && path[2] != L'?' &&
               path[2] != L'.') {
        // The server and the share are the root; ".." never climbs above them.
        std::size_t position = 2;
        std::wstring names[2];
        for (auto& name : names) {
            while (position < path.size() && !IsSeparator(path[position])) name += path[position++];
            if (name.empty()) return std::nullopt;
            if (position < path.size()) ++position;
        }
        root = L"\\\\?\\UNC\\" + names[0] + L"\\" + names[1];
        rest = path.substr(position);
    } else {
        return std::nullopt;
    }
    std::vector<std::wstring_view> names;
    std::size_t start = 0;
    while (start < rest.size()) {
        std::size_t end = start;
        while (end < rest.size() && !IsSeparator(rest[end])) ++end;
        const std::wstring_view name = rest.substr(start, end - start);
        if (name == L"..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != L".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    std::wstring result = std::move(root);
    const bool unc = !result.ends_with(L'\\');
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0 || unc) result += L'\\';
        result += names[i];
    }
    if (!names.empty() && !rest.empty() && IsSeparator(rest.back())) result += L'\\';
    return result;
}

// An extended-length path cut into its root ("\\?\C:\" or "\\?\UNC\server\share\") and the
// names below it, so that a walk can take the path one folder at a time from the root down.
struct ExactParts {
    std::wstring root;
    std::vector<std::wstring> names;
};

inline std::optional<ExactParts> SplitExact(std::wstring_view exact) {
    std::size_t start = 0;
    if (exact.size() >= 6 && exact.starts_with(L"\\\\?\\") && exact[5] == L':') {
        start = 6;
    } else if (exact.starts_with(L"\\\\?\\UNC\\")) {
        const std::size_t server = exact.find(L'\\', 8);
        if (server == std::wstring_view::npos || server == 8) return std::nullopt;
        start = std::min(exact.find(L'\\', server + 1), exact.size());
        if (start == server + 1) return std::nullopt;
    } else {
        return std::nullopt;
    }
    ExactParts parts{std::wstring(exact.substr(0, start)) + L'\\', {}};
    while (start < exact.size()) {
        std::size_t end = start;
        while (end < exact.size() && !IsSeparator(exact[end])) ++end;
        if (end > start) parts.names.emplace_back(exact.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The usual form of an extended-length path, as a user reads it ("\\?\C:\a" as "C:\a").
inline std::wstring ReadableForm(std::wstring_view path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + std::wstring(path.substr(8));
    if (path.starts_with(L"\\\\?\\")) return std::wstring(path.substr(4));
    return std::wstring(path);
}

// A path with the trailing dots and spaces of every name dropped: how Wine reports the name of an
// open file whose path holds such names.
inline std::wstring WithoutTrailingDotsAndSpaces(std::wstring_view path) {
    std::wstring result;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        std::wstring_view name = path.substr(start, end - start);
        if (EndsInDotOrSpace(name))
            while (!name.empty() && (name.back() == L'.' || name.back() == L' '))
                name.remove_suffix(1);
        result += name;
        if (end < path.size()) result += path[end];
        start = end + 1;
    }
    return result;
}

}  // namespace brisko::platform
