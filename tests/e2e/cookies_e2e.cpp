// The cookie keeper opened from the main window: the scan lists every cookie file checked, the
// user unchecks the ones to keep, and "&Delete Selected" deletes the rest from the disk.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/help_check.h"
#include "tests/e2e/driver/screenshot.h"

namespace brisko::e2e {
namespace {

// The user's own cookie folder as Wine lays it out, and its low-integrity folder.
std::string CookieFolder() {
    char profile[MAX_PATH] = {};
    GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    return std::string(profile) + "\\AppData\\Local\\Microsoft\\Windows\\INetCookies\\";
}
const std::string kCookies = CookieFolder();
const std::string kProfile = kCookies + "Low\\";

int IndexOf(const std::vector<std::string>& items, const std::string& path) {
    const auto it = std::find(items.begin(), items.end(), path);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

TEST(CookieKeeper, OpensFromTheMainWindowAndDeletesOnlyTheCheckedCookies) {
    const auto [brisko, main] = StartAccepted();
    ASSERT_TRUE(main);
    HWND selectBox = Control(main, "Select", "Button", 0);
    HWND selectButton = Control(main, "Select", "Button", 1);
    ASSERT_TRUE(selectBox && selectButton);
    EXPECT_FALSE(IsWindowEnabled(selectButton));
    Click(selectBox);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(selectButton) != FALSE; }));
    Click(selectButton);

    HWND keeper = WaitWindow(brisko.id(), "Cookies");
    ASSERT_TRUE(keeper);
    EXPECT_TRUE(WaitUntil([&] { return !Visible(main); })) << "the main window hides";
    ASSERT_TRUE(Control(keeper, "6 Cookies", "Static", 0, 20s)) << "the scan's count";
    HWND list = Controls(keeper, "ListBox").at(0);
    const std::vector<std::string> items = ListItems(list);
    std::vector<std::string> expected;
    for (const char* n : {"one", "two", "three", "four", "locked"})
        expected.push_back(kCookies + n + "@example.txt");
    expected.push_back(kProfile + "five@example.txt");
    std::vector<std::string> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected) << "every cookie file once; index.dat is no cookie";
    EXPECT_TRUE(Control(keeper, "&Select None", "Button"));
    SaveScreenshot(keeper, "cookies");

    ASSERT_TRUE(CheckHelp(brisko.id(), keeper, "Help me", "Cookies Help", "help-cookies", "Close"));

    // Keep two; the read-only one cannot be deleted and stays listed.
    for (const std::string& keep : {kCookies + "two@example.txt", kProfile + "five@example.txt"}) {
        const int i = IndexOf(items, keep);
        ASSERT_GE(i, 0) << keep;
        ClickEntry(list, i);
    }
    Pause(500ms);
    Click(Control(keeper, "&Delete Selected", "Button"));
    EXPECT_TRUE(Control(keeper, "3 Cookies", "Static", 0, 20s));

    for (const char* gone : {"one", "three", "four"})
        EXPECT_FALSE(Exists(kCookies + gone + "@example.txt")) << gone;
    EXPECT_TRUE(Exists(kCookies + "two@example.txt"));
    EXPECT_TRUE(Exists(kProfile + "five@example.txt"));
    EXPECT_TRUE(Exists(kCookies + "locked@example.txt"));
    EXPECT_TRUE(Exists(kCookies + "index.dat"));
    std::vector<std::string> left = ListItems(list);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{kProfile + "five@example.txt",
                                              kCookies + "locked@example.txt",
                                              kCookies + "two@example.txt"}));

    // Its close caption button leaves it as "&Exit" does: the main window comes back.
    MouseClick(Control(keeper, "Close", "BriskoCaptionButton"));
    EXPECT_TRUE(WaitUntil([&] { return Visible(main) && !HasWindow(brisko.id(), "Cookies"); }));
    EXPECT_EQ(CloseMain(brisko, main), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace brisko::e2e
