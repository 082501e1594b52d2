#include "platform/win32/win32_desktop.h"

#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

Win32Desktop::Win32Desktop()
    : thread_(GetCurrentThreadId()), lastPump_(std::chrono::steady_clock::now()) {}

bool Win32Desktop::pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

void Win32Desktop::yield() {
    if (std::chrono::steady_clock::now() - lastPump_ < kPumpInterval) return;
    ++pumps_;
    pump();
    // Counted from the end of the pump: the handlers it ran may have taken a while.
    lastPump_ = std::chrono::steady_clock::now();
}

void Win32Desktop::runUntil(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: leave the quit for the outermost loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got == -1) return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Desktop::wake() const {
    PostThreadMessageW(thread_, WM_NULL, 0, 0);
}

int Win32Desktop::messageBox(const std::string& text, const std::string& title, unsigned flags) {
    return MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(title).c_str(), flags);
}

std::string Win32Desktop::decimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
    return Utf8(UpToNul(separator));
}

void Win32Desktop::endProgram() {
    ExitProcess(0);
}

}  // namespace brisko::win32
