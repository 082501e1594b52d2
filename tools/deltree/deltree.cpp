// deltree.exe: removes folder trees, for command interpreters that have no DELTREE of their own.
//
//   DELTREE [/Y] "path" ...
//
// Each path is removed with everything below it; a path ending in "\*.*" (or "\*") empties its
// folder and keeps the folder itself. /Y removes without asking. The command line is
// read raw, because the caller passes folders as "C:\x\Temp\": under the usual argument rules
// the backslash before the closing quote would escape it. A symbolic link or junction is removed
// as the link (platform/links.h decides what is one): its target is never entered, so nothing
// outside the tree is touched and a link that loops ends. A link on the path above the folder
// named refuses it: the removal would land in the link's target. Read-only attributes are cleared
// on what is removed. Paths longer than MAX_PATH are reached through the "\\?\" form. Exit code 0
// when everything named is gone, 1 when something could not be removed, 2 for a usage error.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/exact_path.h"
#include "platform/links.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_held_path.h"

namespace {

using brisko::platform::IsLink;

using FindHandle = brisko::win32::UniqueFind;

DWORD TagOf(const WIN32_FIND_DATAW& data) {
    return (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data.dwReserved0 : 0;
}

struct Arguments {
    bool yes = false;
    bool help = false;
    std::vector<std::wstring> paths;
};

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Splits the raw command line: the program name first (quoted or not), then switches and paths.
// Inside quotes everything up to the next quote belongs to the path, backslashes included.
Arguments Parse(const wchar_t* line) {
    Arguments args;
    const wchar_t* p = line;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && !IsBlank(*p)) ++p;
    }
    for (;;) {
        while (IsBlank(*p)) ++p;
        if (!*p) break;
        std::wstring token;
        bool quoted = false;
        while (*p && !IsBlank(*p)) {
            if (*p == L'"') {
                quoted = true;
                ++p;
                while (*p && *p != L'"') token += *p++;
                if (*p) ++p;
            } else {
                token += *p++;
            }
        }
        if (!quoted && token.size() == 2 && token[0] == L'/') {
            const wchar_t option = static_cast<wchar_t>(towupper(token[1]));
            if (option == L'Y') {
                args.yes = true;
                continue;
            }
            if (option == L'?') {
                args.help = true;
                continue;
            }
        }
        if (!token.empty()) args.paths.push_back(token);
    }
    return args;
}

// The absolute "\\?\" form of a path, without trailing separators (a drive root keeps its one).
// An absolute path keeps its names exactly: the system's own normalisation would cut a trailing
// dot or space and name another folder.
std::wstring LongForm(const std::wstring& path) {
    if (auto exact = brisko::platform::ExtendedForm(path)) {
        while (exact->size() > 7 && exact->back() == L'\\') exact->pop_back();
        return *exact;
    }
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return {};
    std::wstring full(needed, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return {};
    full.resize(length);
    for (auto& c : full)
        if (c == L'/') c = L'\\';
    while (full.size() > 3 && full.back() == L'\\') full.pop_back();
    if (full.rfind(L"\\\\?\\", 0) == 0) return full;
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

bool IsRoot(const std::wstring& longPath) {
    // "\\?\C:\" or "\\?\UNC\server\share"
    if (longPath.size() <= 7 && longPath.size() >= 6 && longPath[5] == L':') return true;
    if (longPath.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        const auto rest = longPath.substr(8);
        const auto slash = rest.find(L'\\');
        return slash == std::wstring::npos || rest.find(L'\\', slash + 1) == std::wstring::npos;
    }
    return false;
}

class Remover {
  public:
    int failures = 0;

    // Everything in the folder, the folder itself kept. A folder that is a link is not emptied:
    // its target is not ours.
    void Empty(const std::wstring& folder) {
        const auto attributes = Named(folder);
        if (!attributes) return;
        if (!(*attributes & FILE_ATTRIBUTE_DIRECTORY)) return Fail(folder, ERROR_DIRECTORY);
        if (IsLink(*attributes, TagAt(folder, *attributes)))
            return Fail(folder, ERROR_CANT_ACCESS_FILE);
        std::vector<Pending> children;
        if (!ListInto(folder, children)) return;
        for (const Pending& child : children) RemoveEntry(child.path, child.attributes, child.tag);
    }

    void Remove(const std::wstring& path) {
        if (const auto attributes = Named(path))
            RemoveEntry(path, *attributes, TagAt(path, *attributes));
    }

  private:
    struct Pending {
        std::wstring path;
        DWORD attributes;
        DWORD tag;  // the reparse tag, 0 unless a reparse point
        bool expanded;
    };

    // The attributes of a path named on the command line; nothing when it is not there (no
    // failure) or cannot be read (a failure, reported).
    std::optional<DWORD> Named(const std::wstring& path) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) return attributes;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) Fail(path, error);
        return std::nullopt;
    }

    // The reparse tag of a path named for removal, read from its own directory entry; 0 for no
    // reparse point, and 0 (a link, to be safe) when it cannot be read.
    static DWORD TagAt(const std::wstring& path, DWORD attributes) {
        if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return 0;
        WIN32_FIND_DATAW data;
        FindHandle find(FindFirstFileExW(path.c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, 0));
        return find ? TagOf(data) : 0;
    }

    // Depth-first without recursion, so that a very deep tree cannot exhaust the stack.
    void RemoveEntry(const std::wstring& top, DWORD topAttributes, DWORD topTag) {
        std::vector<Pending> stack{{top, topAttributes, topTag, false}};
        while (!stack.empty()) {
            Pending& current = stack.back();
            const bool folder = (current.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (!folder || IsLink(current.attributes, current.tag) || current.expanded) {
                const Pending done = current;
                stack.pop_back();
                RemoveOne(done.path, done.attributes, done.tag);
                continue;
            }
            current.expanded = true;
            const std::wstring folderPath = current.path;
            std::vector<Pending> children;
            // On failure the folder itself is still tried, and reports its own failure.
            ListInto(folderPath, children);
            for (auto& child : children) stack.push_back(std::move(child));
        }
    }

    // The entries of a folder but "." and ".."; false, with the failure reported, when it cannot
    // be listed.
    bool ListInto(const std::wstring& folderPath, std::vector<Pending>& children) {
        WIN32_FIND_DATAW data;
        FindHandle find(FindFirstFileExW((folderPath + L"\\*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH));
        if (!find) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return true;
            Fail(folderPath, error);
            return false;
        }
        do {
            if (std::wcscmp(data.cFileName, L".") == 0 || std::wcscmp(data.cFileName, L"..") == 0)
                continue;
            children.push_back(
                {folderPath + L"\\" + data.cFileName, data.dwFileAttributes, TagOf(data), false});
        } while (FindNextFileW(find.get(), &data));
        return true;
    }

    void RemoveOne(const std::wstring& path, DWORD attributes, DWORD tag) {
        const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const bool link = IsLink(attributes, tag);
        // Under Wine a symbolic link cannot be removed as the link: RemoveDirectory refuses it,
        // and DeleteFile on a link to a file deletes the target (such links do not even show
        // the reparse attribute there; they are known by resolving to another path). Such a
        // link is left in place and reported.
        if (underWine_ && (link || ResolvesElsewhere(path))) {
            Fail(path, ERROR_CANT_ACCESS_FILE);
            return;
        }
        // A link's attributes are left alone unless they stand in the way: on some systems
        // changing them reaches through to the target.
        if ((attributes & FILE_ATTRIBUTE_READONLY) && !link)
            SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        auto attempt = [&] {
            return folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
        };
        if (attempt()) return;
        DWORD error = GetLastError();
        if (link && (attributes & FILE_ATTRIBUTE_READONLY) && error == ERROR_ACCESS_DENIED) {
            SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
            if (attempt()) return;
            error = GetLastError();
        }
        Fail(path, error);
    }

    // Whether the path, opened the ordinary way, ends up at another file (a link). The name
    // the file system reports for the open file is compared with the path that was opened. Wine
    // reports names without their trailing dots and spaces ("trail." as "trail"), so the path is
    // compared that way too: the file opened is the one named, not a link.
    static bool ResolvesElsewhere(const std::wstring& path) {
        HANDLE h =
            CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;  // a dangling link: deleting it is harmless
        std::vector<char> buffer(sizeof(FILE_NAME_INFO) + 2 * (path.size() + 1024));
        auto* info = reinterpret_cast<FILE_NAME_INFO*>(buffer.data());
        const BOOL ok =
            GetFileInformationByHandleEx(h, FileNameInfo, info, static_cast<DWORD>(buffer.size()));
        CloseHandle(h);
        if (!ok) return true;  // cannot tell: keep it
        const std::wstring opened(info->FileName, info->FileNameLength / sizeof(wchar_t));
        // "\\?\C:\a\b" is reported as "\a\b", "\\?\UNC\s\share\a" as "\s\share\a".
        std::wstring expected;
        if (path.size() > 6 && path[5] == L':')
            expected = path.substr(6);
        else if (path.rfind(L"\\\\?\\UNC", 0) == 0)
            expected = path.substr(7);
        else
            return true;
        auto same = [&](const std::wstring& name) {
            return CompareStringOrdinal(opened.c_str(), -1, name.c_str(), -1, TRUE) == CSTR_EQUAL;
        };
        return !same(expected) && !same(brisko::platform::WithoutTrailingDotsAndSpaces(expected));
    }

    const bool underWine_ =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;

    // To the console, and to the debugger as the program's own trace goes, since a hidden
    // window's console is read by nobody.
    void Fail(const std::wstring& path, DWORD error) {
        ++failures;
        const std::wstring line = L"DELTREE: cannot remove " +
                                  brisko::platform::ReadableForm(path) + L" (error " +
                                  std::to_wstring(error) + L")\n";
        std::fputws(line.c_str(), stderr);
        OutputDebugStringW(line.c_str());
    }
};

// Holds the folders above `target` from the drive root down in `held`, as the program does before
// it deletes a file it found, so that nothing renames or replaces them meanwhile. Returns the first
// folder that is a link or cannot be held; "" when all are held, or when one is missing (then so
// is the target).
std::wstring HoldFoldersAbove(const std::wstring& target, brisko::win32::HeldPath& held) {
    auto parts = brisko::platform::SplitExact(target);
    if (!parts) return target;
    if (!parts->names.empty()) parts->names.pop_back();
    const auto outcome = held.hold(parts->root, parts->names);
    using State = brisko::win32::HeldPath::State;
    return outcome.state == State::Link || outcome.state == State::Unusable ? outcome.at : L"";
}

bool Confirm(const std::wstring& path) {
    std::fwprintf(stdout, L"Delete directory \"%ls\" and all its subdirectories? [yn] ",
                  path.c_str());
    std::fflush(stdout);
    wchar_t answer[16] = {};
    if (!std::fgetws(answer, 16, stdin)) return false;
    return answer[0] == L'y' || answer[0] == L'Y';
}

}  // namespace

// The folder of a path that ends in "\*.*" or "\*"; nothing for any other path.
std::optional<std::wstring> FolderToEmpty(const std::wstring& path) {
    for (const std::wstring_view all : {L"\\*.*", L"\\*", L"/*.*", L"/*"})
        if (path.size() > all.size() && path.ends_with(all))
            return path.substr(0, path.size() - all.size() + 1);
    return std::nullopt;
}

int wmain() {
    const Arguments args = Parse(GetCommandLineW());
    if (args.help || args.paths.empty()) {
        std::fwprintf(args.help ? stdout : stderr,
                      L"Removes a folder and everything in it.\n\nDELTREE [/Y] path ...\n\n"
                      L"  /Y  Remove without asking.\n"
                      L"  A path ending in \\*.* empties its folder and keeps it.\n");
        return args.help ? 0 : 2;
    }
    Remover remover;
    brisko::win32::HeldPath held;
    for (const auto& path : args.paths) {
        const auto folderToEmpty = FolderToEmpty(path);
        const std::wstring target = LongForm(folderToEmpty.value_or(path));
        if (target.empty()) {
            std::fwprintf(stderr, L"DELTREE: invalid path %ls\n", path.c_str());
            ++remover.failures;
            continue;
        }
        if (IsRoot(target)) {
            std::fwprintf(stderr, L"DELTREE: will not remove the root %ls\n", path.c_str());
            ++remover.failures;
            continue;
        }
        if (!args.yes && !Confirm(path)) continue;
        if (const std::wstring link = HoldFoldersAbove(target, held); !link.empty()) {
            std::fwprintf(stderr,
                          L"DELTREE: will not remove %ls: %ls on its path is a link or in use\n",
                          path.c_str(), brisko::platform::ReadableForm(link).c_str());
            ++remover.failures;
            continue;
        }
        if (folderToEmpty)
            remover.Empty(target);
        else
            remover.Remove(target);
    }
    return remover.failures == 0 ? 0 : 1;
}
