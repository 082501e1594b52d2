#include "platform/win32/win32_process.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

std::optional<std::string> Win32Processes::environment(const std::string& name) {
    if (name.empty()) return std::nullopt;
    const std::wstring wideName = Wide(name);
    std::wstring value(64, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                     static_cast<DWORD>(value.size()));
        if (length == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::string{};  // set, but empty
        }
        if (length < value.size()) {
            value.resize(length);
            return Utf8(value);
        }
        value.assign(length, L'\0');  // the size needed, terminator included
    }
    return std::nullopt;
}

namespace {

class Win32StartedProcess : public platform::StartedProcess {
  public:
    explicit Win32StartedProcess(HANDLE process) : process_(process) {}
    std::optional<long> exitCode() override {
        DWORD code = 0;
        if (WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process_.get(), &code))
            return std::nullopt;
        return static_cast<long>(code);
    }

  private:
    UniqueKernel process_;
};

}  // namespace

std::unique_ptr<platform::StartedProcess> Win32Processes::startHidden(
    const std::string& commandLine, const std::string& workingDir) {
    std::wstring command = Wide(commandLine);
    if (command.empty()) return nullptr;
    const std::wstring directory = Wide(workingDir);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};
    // CreateProcessW may write into the command line, so it gets a buffer of its own.
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &started))
        return nullptr;
    UniqueKernel thread(started.hThread);
    return std::make_unique<Win32StartedProcess>(started.hProcess);
}

std::optional<std::string> Win32Processes::tempFolder() {
    wchar_t path[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, path);
    if (length == 0 || length > MAX_PATH) return std::nullopt;
    // The long form: "C:\Users\ADMINI~1\..." would not compare equal to the shell's folders.
    std::wstring folder(path, length);
    std::wstring longPath(32768, L'\0');
    const DWORD longLength =
        GetLongPathNameW(folder.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
    if (longLength > 0 && longLength < longPath.size()) folder = longPath.substr(0, longLength);
    while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
    return Utf8(folder);
}

std::string Win32Processes::programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) return {};
        path.assign(path.size() * 2, L'\0');  // truncated: try a larger buffer
    }
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    path.resize(slash);
    return Utf8(path);
}

}  // namespace brisko::win32
