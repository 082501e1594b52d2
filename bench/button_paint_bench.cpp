// One push button's repaint under Wine: the program's own button (an owner-drawn BUTTON drawn
// by its chameleon model through the GDI canvas, off screen first and copied in one go) in a
// real window, each repaint forced with RedrawWindow(RDW_INVALIDATE | RDW_UPDATENOW). Beside
// it, the system's own push button of the same size in the same window, drawn by Wine.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "controls/form.h"
#include "controls/widgets.h"
#include "platform/win32/win32_platform.h"
#include "views/binding.h"

namespace {

using namespace brisko;
using Clock = std::chrono::steady_clock;

constexpr int kRepaints = 200;
constexpr int kRounds = 7;

// A window with one push button of the size the finder's buttons have, with a tool tip as they
// have (the tip's subclass of the button is part of what a message to it costs).
class ButtonForm : public controls::Form {
  public:
    ButtonForm() : Form("frmButton", "Button bench") {
        clientWidth = 3000;
        clientHeight = 1500;
        cmdGo.rect = {300, 300, 1215, 375};
        cmdGo.setCaption("&Search");
        cmdGo.toolTip = "Scan for junk files";  // as the program's buttons have one
        add(cmdGo);
    }
    controls::PushButton cmdGo{"cmdGo"};
};

// Milliseconds per repaint, over kRepaints repaints of `button`.
double PerRepaint(HWND button) {
    const auto begin = Clock::now();
    for (int i = 0; i < kRepaints; ++i)
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count() / kRepaints;
}

void Settle() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    win32::Win32Platform platform;
    platform::Services services = platform.services();
    ButtonForm form;
    views::Binding binding(GetModuleHandleW(nullptr), services);
    binding.attach(form);
    form.show();
    HWND window = reinterpret_cast<HWND>(form.hwnd);
    HWND ours = window ? FindWindowExW(window, nullptr, L"Button", L"&Search") : nullptr;
    if (!ours) {
        std::printf("the button's window did not open\n");
        return 1;
    }
    RECT r{};
    GetWindowRect(ours, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    HWND system = CreateWindowExW(0, L"BUTTON", L"&Search", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  r.left, r.bottom + 10, r.right - r.left, r.bottom - r.top, window,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(system, WM_SETFONT, SendMessageW(ours, WM_GETFONT, 0, 0), FALSE);
    Settle();

    std::vector<double> own, plain;
    for (int round = 0; round < kRounds; ++round) {
        own.push_back(PerRepaint(ours));
        plain.push_back(PerRepaint(system));
        Settle();
    }
    std::sort(own.begin(), own.end());
    std::sort(plain.begin(), plain.end());
    std::printf("%d repaints per round, %d rounds; ms per repaint of a %ld x %ld button\n",
                kRepaints, kRounds, r.right - r.left, r.bottom - r.top);
    std::printf("%-36s %8s %8s\n", "", "median", "fastest");
    std::printf("%-36s %8.3f %8.3f\n", "chameleon button (ours)", own[own.size() / 2], own[0]);
    std::printf("%-36s %8.3f %8.3f\n", "system push button, same window", plain[plain.size() / 2],
                plain[0]);
    DestroyWindow(system);
    form.unload();
    return 0;
}
