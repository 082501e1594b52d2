// The cookie keeper in a real window over the real file system: the scan of the user's own cookie
// folder as the shell names it, each file's sites from its records, unchecked cookies kept, the
// checked ones deleted from the disk, a read-only one kept in the list.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "controls/program_windows.h"
#include "cookies/frm_cookies.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_utf8.h"
#include "tests/wine/wine_helpers.h"
#include "views/binding.h"

namespace {

using brisko::wine_test::Attributes;
using brisko::wine_test::Exists;
using Paths = std::vector<std::string>;

// Handles the window's pending messages, then more until `done` holds or five seconds have
// passed.
template <class F>
bool PumpUntil(F done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(10);
    }
}

// The entries of one folder, sorted: the enumeration's order within a folder is the file system's.
Paths Sorted(Paths p) {
    std::sort(p.begin(), p.end());
    return p;
}

TEST(CookieKeeperOnDisk, ListsTheUsersCookiesWithTheirSitesAndDeletesOnlyTheChecked) {
    wchar_t profile[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH));
    const std::string jar =
        brisko::win32::Utf8(profile) + "\\AppData\\Local\\Microsoft\\Windows\\INetCookies\\";
    const std::string both = jar + "K3J9X2QA.txt", low = jar + "Low\\P0L8M7NB.txt",
                      locked = jar + "R0AD0NLY.txt";
    ASSERT_TRUE(Attributes(locked) & FILE_ATTRIBUTE_READONLY);

    brisko::win32::Win32Platform real;
    brisko::platform::Services services = real.services();
    brisko::controls::ProgramWindows windows;
    brisko::cookies::FrmCookies keeper(services, windows);
    windows.cookies = &keeper;
    brisko::views::Binding binding(GetModuleHandleW(nullptr), services);
    binding.attach(keeper);
    keeper.show();
    // The real start timer runs the scan once and stops.
    ASSERT_TRUE(PumpUntil([&] { return !keeper.Timer1.enabled(); }));
    HWND list = FindWindowExW(FindWindowW(nullptr, L"Cookies"), nullptr, L"ListBox", nullptr);
    ASSERT_TRUE(list);

    const Paths items = keeper.List1.items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(Sorted({items[0], items[1]}),
              Sorted({both + "  (example.com, www.example.com)", locked + "  (locked.example)"}));
    EXPECT_EQ(items[2], low + "  (example.org)");
    EXPECT_EQ(keeper.Label2.caption(), "3 Cookies");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3) << "the real list shows every entry";

    // Keep example.org's; the read-only one cannot go and stays listed, checked.
    keeper.List1.setChecked(2, false);
    keeper.cmdDelCookies.click();
    PumpUntil([] { return true; });
    EXPECT_FALSE(Exists(both));
    EXPECT_TRUE(Exists(low));
    EXPECT_TRUE(Exists(locked));
    EXPECT_TRUE(Exists(jar + "index.dat")) << "not a cookie: never touched";
    EXPECT_EQ(Sorted(keeper.foundFiles()), Sorted({locked, low}));
    EXPECT_EQ(keeper.Label2.caption(), "2 Cookies");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    keeper.cmdExt.click();
}

}  // namespace
