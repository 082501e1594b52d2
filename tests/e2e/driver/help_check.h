#pragma once
// The check every window's help caption button gets (header only: it asserts with GoogleTest,
// which the driver's library does not link).
#include <gtest/gtest.h>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/screenshot.h"

namespace brisko::e2e {

// Opens the help dialog `title` with `owner`'s caption button `tip`: it is modal, with no
// caption button but its close button. Pictured as `picture` (when named), it is closed with
// its close caption button `closeTip`, or with its "&Close" button when that is null, and the
// owner takes input again. The dialog, or null when it did not show.
inline HWND CheckHelp(DWORD pid, HWND owner, const char* tip, const std::string& title,
                      const std::string& picture, const char* closeTip) {
    EXPECT_FALSE(HasWindow(pid, title));
    MouseClick(Control(owner, tip, "BriskoCaptionButton"));
    HWND help = WaitWindow(pid, title);
    EXPECT_TRUE(help) << title;
    if (!help) return nullptr;
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(owner); })) << title << " is modal";
    EXPECT_FALSE(Control(help, "Minimize", "BriskoCaptionButton", 0, 0ms))
        << "a help dialog has only its close button";
    if (!picture.empty()) SaveScreenshot(help, picture);
    if (closeTip)
        MouseClick(Control(help, closeTip, "BriskoCaptionButton"));
    else
        Click(Control(help, "&Close", "Button"));
    EXPECT_TRUE(WaitUntil([&] { return !HasWindow(pid, title); })) << title;
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(owner) != FALSE; })) << title;
    return help;
}

}  // namespace brisko::e2e
