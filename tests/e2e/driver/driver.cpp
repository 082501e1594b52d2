#include "tests/e2e/driver/driver.h"

#include <stdexcept>
#include <thread>

#include "platform/win32/win32_utf8.h"
#include "tests/e2e/driver/settings_query.h"

namespace brisko::e2e {

using win32::Utf8;
using win32::Wide;

namespace {

void PumpOwnMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::string ClassOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return Utf8(name);
}

bool SameClass(HWND window, const char* windowClass) {
    return !windowClass ||
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, ClassOf(window).c_str(), -1,
                          windowClass, -1) == CSTR_EQUAL;
}

// The descendants of `parent`, or every top-level window when it is null.
std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    const WNDENUMPROC add = [](HWND window, LPARAM all) {
        reinterpret_cast<std::vector<HWND>*>(all)->push_back(window);
        return TRUE;
    };
    if (parent)
        EnumChildWindows(parent, add, reinterpret_cast<LPARAM>(&found));
    else
        EnumWindows(add, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindTopLevel(DWORD pid, const std::string& title) {
    for (HWND window : Descendants(nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != pid || !IsWindowVisible(window)) continue;
        wchar_t text[256]{};
        GetWindowTextW(window, text, 256);
        if (Utf8(text) == title) return window;
    }
    return nullptr;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, Duration limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        PumpOwnMessages();
        std::this_thread::sleep_for(20ms);
    }
}

void Pause(Duration span) {
    WaitUntil([] { return false; }, span);
}

Program::Program(const std::string& exe, const std::string& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + Wide(exe) + L"\"";
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        Wide(folder).c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + exe);
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

Program::~Program() {
    if (process_ && running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool Program::running() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::waitExit(Duration limit) const {
    if (!WaitUntil([&] { return !running(); }, limit)) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

Program StartBrisko() {
    return Program(std::string(kProgramFolder) + "\\Brisko.exe", kProgramFolder);
}

Session StartAccepted() {
    std::string presets = kStoreKey;
    presets += "\\Presets";
    const bool accepted = RegAdd(presets, "Disclaimer", "1");
    Session s{StartBrisko()};
    if (accepted) s.main = WaitWindow(s.brisko.id(), "Brisko");
    return s;
}

std::optional<DWORD> CloseMain(const Program& brisko, HWND main) {
    Click(Control(main, "Cl&ose", "Button"));
    return brisko.waitExit(30s);
}

bool HasWindow(DWORD pid, const std::string& title) {
    return FindTopLevel(pid, title) != nullptr;
}

HWND WaitWindow(DWORD pid, const std::string& title, Duration limit) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevel(pid, title)) != nullptr; }, limit);
    return found;
}

HWND Control(HWND parent, const std::string& text, const char* windowClass, int nth,
             Duration limit) {
    const std::wstring wanted = Wide(text);
    HWND found = nullptr;
    WaitUntil(
        [&] {
            int seen = 0;
            for (HWND child : Descendants(parent)) {
                if (!SameClass(child, windowClass) || Wide(Text(child)) != wanted) continue;
                if (seen++ == nth) {
                    found = child;
                    return true;
                }
            }
            return false;
        },
        limit);
    return found;
}

std::vector<HWND> Controls(HWND parent, const char* windowClass) {
    std::vector<HWND> found;
    for (HWND child : Descendants(parent))
        if (SameClass(child, windowClass)) found.push_back(child);
    return found;
}

DWORD_PTR Send(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

SIZE WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

std::string Text(HWND window) {
    if (!window) return {};
    std::wstring text(Send(window, WM_GETTEXTLENGTH) + 1, L'\0');
    text.resize(Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return Utf8(text);
}

bool Visible(HWND window) {
    return window && IsWindowVisible(window);
}

void Click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void MouseClick(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    const LPARAM centre = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(control, WM_MOUSEMOVE, 0, centre);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(control, WM_LBUTTONUP, 0, centre);
}

namespace {

void SendMouse(DWORD flags, POINT at) {
    // Absolute positions run from 0 to 65535 over the primary screen.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

void MouseDrag(HWND handle, int dx, int dy) {
    RECT r{};
    GetWindowRect(handle, &r);
    const POINT from{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SendMouse(0, from);
    Pause(100ms);
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    Pause(100ms);
    constexpr int kSteps = 10;
    for (int i = 1; i <= kSteps; ++i) {
        SendMouse(0, {from.x + dx * i / kSteps, from.y + dy * i / kSteps});
        Pause(30ms);
    }
    SendMouse(MOUSEEVENTF_LEFTUP, {from.x + dx, from.y + dy});
    Pause(100ms);
}

bool Checked(HWND box) {
    return Send(box, BM_GETCHECK) == BST_CHECKED;
}

void ClickEntry(HWND list, int index) {
    RECT item{};
    Send(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const DWORD_PTR count = Send(list, LB_GETCOUNT);
    for (WPARAM i = 0; i < count; ++i) {
        std::wstring text(Send(list, LB_GETTEXTLEN, i) + 1, L'\0');
        const DWORD_PTR copied = Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied == static_cast<DWORD_PTR>(LB_ERR) ? 0 : copied);
        items.push_back(Utf8(text));
    }
    return items;
}

CommandResult RunCommand(const std::string& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    win32::UniqueKernel reader(readEnd), writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    std::wstring line = Wide(commandLine);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info))
        return {};
    win32::UniqueKernel process(info.hProcess), thread(info.hThread);
    writer.reset();  // the child holds the only write end now, so the read ends with it

    CommandResult result;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        result.output.append(buffer, got);
    WaitForSingleObject(info.hProcess, 30000);
    GetExitCodeProcess(info.hProcess, &result.exitCode);
    return result;
}

bool RegAdd(const std::string& key, const std::string& name, const std::string& data) {
    std::string line = "reg.exe add \"";
    line += key + "\" /v \"" + name + "\" /t REG_SZ /d \"" + data + "\" /f";
    return RunCommand(line).exitCode == 0;
}

std::optional<std::vector<std::string>> FolderEntries(const std::string& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return std::nullopt;
    win32::UniqueFind owner(find);
    std::vector<std::string> names;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") names.push_back(Utf8(name));
    } while (FindNextFileW(find, &data));
    return names;
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace brisko::e2e
