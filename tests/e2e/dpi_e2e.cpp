// The real Brisko.exe at 96, 144 and 192 DPI (the prefix's LogPixels, read by each new
// process): the windows, their title strips and caption buttons grow in proportion, and
// screenshots at each size are kept for people to look at.
#include <gtest/gtest.h>

#include <map>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/screenshot.h"

namespace brisko::e2e {
namespace {

// Sizes in pixels by what they measure.
using Sizes = std::map<std::string, int>;

// Whether the square of `size` pixels at `at` (in the window) shows the program's icon: its
// white arrow and yellow star stand out from the blue title bars, where nothing is that light.
bool ShowsIcon(HWND window, POINT at, int size) {
    RECT r{};
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    int light = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const COLORREF c = GetPixel(screen, r.left + at.x + x, r.top + at.y + y);
            if (GetRValue(c) > 200 && GetGValue(c) > 200) ++light;
        }
    ReleaseDC(nullptr, screen);
    return light >= size / 2;
}

// Starts Brisko at `dpi`, measures its windows, and keeps pictures of them when `screens`.
Sizes Measure(int dpi, bool screens) {
    std::string command =
        "reg.exe add \"HKCU\\Control Panel\\Desktop\" /v LogPixels /t REG_DWORD /d ";
    command += std::to_string(dpi) + " /f";
    const auto set = RunCommand(command);
    EXPECT_EQ(set.exitCode, 0u) << set.output;
    std::string suffix = "-";
    suffix += std::to_string(dpi);
    suffix += "dpi";
    Sizes s;
    const auto [brisko, shown] = StartAccepted();
    EXPECT_TRUE(shown) << "started at " << dpi << " DPI";
    // The window titled `title`, waited for, its width measured, and pictured as `picture`.
    auto opened = [&](const std::string& title, const std::string& picture) {
        HWND window = WaitWindow(brisko.id(), title);
        EXPECT_TRUE(window) << title << " at " << dpi << " DPI";
        s[title + " width"] = WindowSize(window).cx;
        SetCursorPos(0, 0);
        if (screens) SaveScreenshot(window, picture + suffix);
        return window;
    };
    HWND main = opened("Brisko", "main");
    if (!main) return s;
    s["Brisko height"] = WindowSize(main).cy;
    HWND help = Control(main, "Help me", "BriskoCaptionButton");
    s["caption button"] = WindowSize(help).cx;

    MouseClick(help);
    HWND dialog = opened("Brisko Help", "help-main");
    Click(Control(dialog, "&Close", "Button"));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; })) << dpi;

    Click(Control(main, "&Scan Drive", "Button"));
    HWND finder = opened("Brisko Scanner", "finder");
    Click(Control(finder, "&Look Up", "Button"));
    HWND lookup = opened("Extensions", "extensions");

    // The program's icon, 240 twips across: 120 twips in and 105 down in the lookup window's
    // styled frame, 120 twips in and centred in the 435-twip title strip of the other windows.
    const int icon = MulDiv(240, dpi, 1440);
    EXPECT_TRUE(ShowsIcon(lookup, {MulDiv(120, dpi, 1440), MulDiv(105, dpi, 1440)}, icon)) << dpi;
    const POINT inStrip{MulDiv(120, dpi, 1440), (MulDiv(435, dpi, 1440) - icon) / 2};
    EXPECT_TRUE(ShowsIcon(finder, inStrip, icon)) << dpi;

    MouseClick(Control(lookup, "Close", "BriskoCaptionButton"));
    EXPECT_TRUE(WaitUntil([&] { return !HasWindow(brisko.id(), "Extensions"); })) << dpi;
    Click(Control(finder, "E&xit", "Button"));
    EXPECT_TRUE(WaitUntil([&] { return Visible(main); })) << dpi;
    EXPECT_EQ(CloseMain(brisko, main), std::optional<DWORD>(0)) << dpi;
    return s;
}

TEST(Dpi, WindowsAndTheirSkinsGrowWithTheSystemDpi) {
    const Sizes normal = Measure(96, false);
    ASSERT_EQ(normal.size(), 6u) << "every window measured at 96 DPI";
    for (const int dpi : {144, 192}) {
        const Sizes s = Measure(dpi, true);
        ASSERT_EQ(s.size(), normal.size()) << dpi;
        // Within a few pixels: each size is rounded from twips on its own.
        for (const auto& [what, pixels] : normal)
            EXPECT_NEAR(s.at(what), pixels * dpi / 96.0, what == "caption button" ? 2 : 4)
                << what << " at " << dpi << " DPI";
    }
}

}  // namespace
}  // namespace brisko::e2e
