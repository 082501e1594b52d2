#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/exact_path.h"
#include "platform/win32/win32_utf8.h"

// Exported by shell32 but missing from the MinGW headers.
extern "C" HRESULT WINAPI SHUpdateRecycleBinIcon(void);

namespace brisko::win32 {

namespace {

HWND Window(platform::WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

// DE_INVALIDFILES: no usable path in the source list.
constexpr int kInvalidFiles = 0x7C;

}  // namespace

void Win32Shell::clearRecentDocuments() {
    SHAddToRecentDocs(0, nullptr);
}

long Win32Shell::emptyRecycleBin(platform::WindowHandle owner, unsigned flags) {
    return SHEmptyRecycleBinW(Window(owner), nullptr, flags);
}

void Win32Shell::updateRecycleBinIcon() {
    SHUpdateRecycleBinIcon();
}

std::optional<std::uint64_t> Win32Shell::recycleBinBytes() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof(info);
    // No root: the bins of all drives, as emptyRecycleBin empties them.
    if (FAILED(SHQueryRecycleBinW(nullptr, &info)) || info.i64Size < 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.i64Size);
}

std::optional<std::string> Win32Shell::userFolder(platform::UserFolder folder) {
    struct Names {
        const KNOWNFOLDERID& known;
        int csidl;
    };
    const Names names = folder == platform::UserFolder::InternetCache
                            ? Names{FOLDERID_InternetCache, CSIDL_INTERNET_CACHE}
                        : folder == platform::UserFolder::Cookies
                            ? Names{FOLDERID_Cookies, CSIDL_COOKIES}
                            : Names{FOLDERID_History, CSIDL_HISTORY};
    std::wstring path;
    PWSTR known = nullptr;
    // Named even before the browser has made the folder: an empty folder measures nothing.
    if (SUCCEEDED(SHGetKnownFolderPath(names.known, KF_FLAG_DONT_VERIFY, nullptr, &known)) && known)
        path = known;
    CoTaskMemFree(known);
    if (path.empty()) {
        wchar_t buffer[MAX_PATH] = {};
        if (SUCCEEDED(SHGetFolderPathW(nullptr, names.csidl, nullptr, SHGFP_TYPE_CURRENT, buffer)))
            path = buffer;
    }
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    if (path.empty()) return std::nullopt;
    return Utf8(path);
}

long Win32Shell::open(platform::WindowHandle owner, const std::string& operation,
                      const std::string& file, const std::string& parameters, int showCommand) {
    const std::wstring verb = Wide(operation);
    const std::wstring target = Wide(file);
    const std::wstring arguments = Wide(parameters);
    const HINSTANCE result =
        ShellExecuteW(Window(owner), verb.empty() ? nullptr : verb.c_str(), target.c_str(),
                      arguments.empty() ? nullptr : arguments.c_str(), nullptr, showCommand);
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

int Win32Shell::deleteFiles(platform::WindowHandle owner, const std::vector<std::string>& paths,
                            unsigned flags) {
    // Each path ends with a NUL and the list with one more.
    std::wstring list;
    for (const auto& path : paths) {
        const std::wstring wide = Wide(path);
        if (wide.empty() || wide.find_first_of(L"*?") != std::wstring::npos ||
            platform::HasNameEndingInDotOrSpace(wide))
            continue;
        list += std::wstring_view(UpToNul(wide));
        list += L'\0';
    }
    if (list.empty()) return kInvalidFiles;
    list += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = Window(owner);
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.pTo = nullptr;
    operation.fFlags = static_cast<FILEOP_FLAGS>(flags);
    return SHFileOperationW(&operation);
}

}  // namespace brisko::win32
