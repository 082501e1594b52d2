#include "platform/win32/win32_shell.h"

#include <windows.h>
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
