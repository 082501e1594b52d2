// Brisko at 96 and 144 DPI (the prefix's LogPixels, read by each new process): windows and caption
// buttons grow in proportion, the icon stands where title strip and styled frame put it.
#include <gtest/gtest.h>

#include <map>

#include "tests/e2e/driver/driver.h"
#include "views/gdi.h"

namespace brisko::e2e {
namespace {

// Whether the icon, 240 twips across, shows `at` twips in: its white and yellow stand out from
// blue.
bool ShowsIcon(HWND window, int dpi, POINT at) {
    const int size = MulDiv(240, dpi, 1440);
    RECT r{};
    GetWindowRect(window, &r);
    views::WindowDc screen(nullptr);
    int light = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const COLORREF c = GetPixel(screen.get(), r.left + MulDiv(at.x, dpi, 1440) + x,
                                        r.top + MulDiv(at.y, dpi, 1440) + y);
            light += GetRValue(c) > 200 && GetGValue(c) > 200;
        }
    return light >= size / 2;
}

// Starts Brisko at `dpi`, opens its windows and measures them in pixels; ends it again.
std::map<std::string, int> Measure(int dpi) {
    const DWORD logPixels = static_cast<DWORD>(dpi);
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD,
                    &logPixels, sizeof(logPixels));
    std::map<std::string, int> sizes;
    const auto [brisko, main] = StartAccepted();
    auto measured = [&](HWND window, const std::string& what) {
        RECT r{};
        EXPECT_TRUE(GetWindowRect(window, &r)) << what << " at " << dpi << " DPI";
        sizes[what + " width"] = r.right - r.left;
        sizes[what + " height"] = r.bottom - r.top;
        if (dpi != 96 && what != "caption button")
            SaveScreenshot(window, what + "-" + std::to_string(dpi) + "dpi");
        return window;
    };
    if (!measured(main, "main")) return sizes;
    measured(Control(main, "Help me", "BriskoCaptionButton"), "caption button");
    Click(Control(main, "&Scan Drive", "Button"));
    HWND finder = measured(WaitWindow(brisko.id(), "Brisko Scanner"), "finder");
    Click(Control(finder, "&Look Up", "Button"));
    HWND lookup = measured(WaitWindow(brisko.id(), "Extensions"), "extensions");
    // Where the lookup's styled frame puts it, and centred in the others' 435-twip title strip.
    EXPECT_TRUE(ShowsIcon(lookup, dpi, {120, 105})) << dpi;
    EXPECT_TRUE(ShowsIcon(finder, dpi, {120, (435 - 240) / 2})) << dpi;
    return sizes;
}

TEST(Dpi, WindowsAndTheirSkinsGrowWithTheSystemDpi) {
    const auto normal = Measure(96), large = Measure(144);
    ASSERT_EQ(normal.size(), 8u) << "every window measured at 96 DPI";
    // Within a few pixels: each size is rounded from twips on its own.
    for (const auto& [what, pixels] : normal)
        EXPECT_NEAR(large.at(what), pixels * 1.5, pixels < 40 ? 2 : 4) << what;
}

}  // namespace
}  // namespace brisko::e2e
