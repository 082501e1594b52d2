#include "tests/e2e/driver/driver.h"

#include <algorithm>
#include <fstream>
#include <thread>

#include "platform/win32/win32_utf8.h"
#include "views/gdi.h"

namespace brisko::e2e {

using win32::Utf8;
using win32::Wide;

namespace {

const char kStoreKey[] = "Software\\VB and VBA Program Settings\\Brisko";

void SendMouse(DWORD flags, POINT at) {  // absolute: 0 to 65535 over the primary screen
    INPUT input{INPUT_MOUSE,
                {{MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1),
                  MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1), 0,
                  flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE, 0, 0}}};
    SendInput(1, &input, sizeof(input));
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, Duration limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (MSG msg; !done(); std::this_thread::sleep_for(20ms)) {
        if (std::chrono::steady_clock::now() > end) return false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return true;
}

Program::Program(const std::string& commandLine, const std::string& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring line = Wide(commandLine), directory = Wide(folder);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : directory.c_str(), &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

Program::~Program() {
    if (process_ && TerminateProcess(process_.get(), 99)) WaitForSingleObject(process_.get(), 5000);
}

std::optional<DWORD> Program::waitExit(Duration limit) const {
    const auto ended = [&] { return WaitForSingleObject(process_.get(), 0) != WAIT_TIMEOUT; };
    DWORD code = ~0u;
    if (!process_ || !WaitUntil(ended, limit)) return std::nullopt;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

Program StartBrisko() {
    return Program("C:\\brisko\\Brisko.exe", "C:\\brisko");
}

Session StartAccepted() {
    RegSetKeyValueW(HKEY_CURRENT_USER, Wide(std::string(kStoreKey) + "\\Presets").c_str(),
                    L"Disclaimer", REG_SZ, L"1", 2 * sizeof(wchar_t));
    Session s{StartBrisko()};
    s.main = WaitWindow(s.brisko.id(), "Brisko");
    return s;
}

std::optional<DWORD> CloseMain(const Program& brisko, HWND main) {
    Click(Control(main, "Cl&ose", "Button"));
    return brisko.waitExit(30s);
}

HWND WaitWindow(DWORD pid, const std::string& title, Duration limit) {
    HWND found = nullptr;
    const std::wstring text = Wide(title);
    WaitUntil(
        [&] {
            DWORD owner = 0;
            for (found = nullptr; (found = FindWindowExW(nullptr, found, nullptr, text.c_str()));)
                if (GetWindowThreadProcessId(found, &owner) && owner == pid &&
                    IsWindowVisible(found))
                    return true;
            return false;
        },
        limit);
    return found;
}

HWND Control(HWND parent, const std::string& text, const char* windowClass, int nth,
             Duration limit) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> all = Controls(parent, windowClass);
            std::erase_if(all, [&](HWND child) { return Text(child) != text; });
            return (found = std::ssize(all) > nth ? all[nth] : nullptr) != nullptr;
        },
        limit);
    return found;
}

std::vector<HWND> Controls(HWND parent, const char* windowClass) {
    std::pair<std::vector<HWND>, std::wstring> found{{}, windowClass ? Wide(windowClass) : L""};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM all) {
            auto& [windows, wanted] = *reinterpret_cast<decltype(found)*>(all);
            wchar_t name[64]{};
            GetClassNameW(child, name, 64);
            if (wanted.empty() || lstrcmpiW(name, wanted.c_str()) == 0) windows.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.first;
}

DWORD_PTR Send(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

std::string Text(HWND window) {
    std::wstring text(Send(window, WM_GETTEXTLENGTH) + 1, L'\0');
    text.resize(Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return Utf8(text);
}

bool Visible(HWND window) {
    return window && IsWindowVisible(window);
}

bool Checked(HWND box) {
    return Send(box, BM_GETCHECK) == BST_CHECKED;
}

void Click(HWND button) {
    if (button) PostMessageW(button, BM_CLICK, 0, 0);
}

bool Tick(HWND box) {
    Click(box);
    return box && WaitUntil([&] { return Checked(box); });
}

void MouseClick(HWND control, LPARAM at) {
    if (!at) {
        RECT r{};
        GetClientRect(control, &r);
        at = MAKELPARAM(r.right / 2, r.bottom / 2);
    }
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}

void MouseDrag(HWND handle, int dx, int dy) {
    RECT r{};
    GetWindowRect(handle, &r);
    const POINT from{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    SendMouse(0, from);
    std::this_thread::sleep_for(100ms);
    SendMouse(MOUSEEVENTF_LEFTDOWN, from);
    for (int step = 1; step <= 10; ++step) {
        std::this_thread::sleep_for(50ms);
        SendMouse(0, {from.x + dx * step / 10, from.y + dy * step / 10});
    }
    SendMouse(MOUSEEVENTF_LEFTUP, {from.x + dx, from.y + dy});
    std::this_thread::sleep_for(100ms);
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    for (WPARAM i = 0, count = Send(list, LB_GETCOUNT); i < count; ++i) {
        std::wstring text(Send(list, LB_GETTEXTLEN, i) + 1, L'\0');
        const auto copied = Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied < text.size() ? copied : 0);  // none if it went meanwhile
        items.push_back(Utf8(text));
    }
    return items;
}

bool ToggleEntry(HWND list, const std::string& text) {
    const std::vector<std::string> items = ListItems(list);
    const auto index = static_cast<WPARAM>(std::ranges::find(items, text) - items.begin());
    if (index == items.size()) return false;
    Send(list, LB_SETTOPINDEX, index);
    RECT item{};
    Send(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    MouseClick(list, MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2));  // on its box
    // The caret follows the click: that shows the click has been handled.
    return WaitUntil([&] { return Send(list, LB_GETCURSEL) == index; });
}

std::optional<std::string> Stored(const std::string& section, const std::string& name) {
    wchar_t text[1024]{};
    DWORD bytes = sizeof(text);
    if (RegGetValueW(HKEY_CURRENT_USER, Wide(std::string(kStoreKey) + "\\" + section).c_str(),
                     Wide(name).c_str(), RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return Utf8(text);
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SaveScreenshot(HWND window, const std::string& name) {
    if (GetDriveTypeW(L"S:\\") == DRIVE_NO_ROOT_DIR || !window) return;
    SetCursorPos(0, 0);  // no tool tip over the picture
    SetForegroundWindow(window);
    BringWindowToTop(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    std::this_thread::sleep_for(600ms);  // let the program paint in its own time
    RECT r{};
    GetWindowRect(window, &r);
    // 24 bits a pixel, the rows bottom-up, as a BMP file keeps them.
    BITMAPINFOHEADER info{
        sizeof(info), r.right - r.left, r.bottom - r.top, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    views::WindowDc screen(nullptr);
    views::MemoryDc memory(screen.get(), 1, 1);
    void* bits = nullptr;
    views::GdiObject picture(CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&info),
                                              DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture) return;
    views::SelectedObject into(memory.get(), picture.get());
    BitBlt(memory.get(), 0, 0, info.biWidth, info.biHeight, screen.get(), r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD pixels = (static_cast<DWORD>(info.biWidth * 3 + 3) & ~3u) *
                         static_cast<DWORD>(info.biHeight),
                header = sizeof(BITMAPFILEHEADER) + sizeof(info);
    const BITMAPFILEHEADER file{0x4D42 /* "BM" */, header + pixels, 0, 0, header};
    std::ofstream out("S:\\" + name + ".bmp", std::ios::binary);  // the names are ASCII
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(static_cast<const char*>(bits), pixels);
}

}  // namespace brisko::e2e
