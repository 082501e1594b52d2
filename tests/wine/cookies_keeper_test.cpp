// The cookie keeper in a real window over the real file system: the scan of drive_c's Windows
// folder, unchecked cookies kept, the checked ones deleted from the disk, a read-only one kept
// in the list.
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

const std::string kW = "C:\\windows";

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

void PumpPending() {
    PumpUntil([] { return true; });
}

// The entries of a group, sorted: the enumeration's order within one folder is the file system's.
Paths Sorted(Paths p) {
    std::sort(p.begin(), p.end());
    return p;
}

TEST(CookieKeeperOnDisk, ScansDeletesTheCheckedAndKeepsTheReadOnlyOneListed) {
    const std::string locked = kW + "\\cookies\\locked@example.txt";
    // Wine reports a file without write permission as read-only; the flag is what Windows has.
    ASSERT_NE(Attributes(locked), INVALID_FILE_ATTRIBUTES);
    if (!(Attributes(locked) & FILE_ATTRIBUTE_READONLY)) {
        SetFileAttributesW(brisko::win32::Wide(locked).c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ASSERT_TRUE(Attributes(locked) & FILE_ATTRIBUTE_READONLY);

    brisko::win32::Win32Platform real;
    brisko::platform::Services services = real.services();
    ASSERT_EQ(services.files.windowsDirectory(), kW) << "the scan's root";
    brisko::controls::ProgramWindows windows;
    brisko::cookies::FrmCookies keeper(services, windows);
    windows.cookies = &keeper;
    brisko::views::Binding binding(GetModuleHandleW(nullptr), services);
    binding.attach(keeper);
    keeper.show();
    EXPECT_EQ(keeper.Label1.caption(), "Scanning For Cookies... Please Wait");
    // The real start timer runs the scan once and stops.
    ASSERT_TRUE(PumpUntil([&] { return !keeper.Timer1.enabled(); }));
    HWND window = FindWindowW(nullptr, L"Cookies");
    ASSERT_TRUE(window);
    HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr);
    ASSERT_TRUE(list);

    // Folder by folder, in the scan's order.
    const Paths cookies =
        Sorted({kW + "\\cookies\\one@example.txt", kW + "\\cookies\\two@example.txt",
                kW + "\\cookies\\three@example.txt", kW + "\\cookies\\four@example.txt", locked,
                kW + "\\cookies\\old@example.txt.bak"});
    const Paths nested = {kW + "\\cookies\\extra\\cookies\\nested@example.txt"};
    const Paths profiles = {kW + "\\profiles\\direct@example.txt"};
    const Paths anna = Sorted({kW + "\\profiles\\anna\\cookies\\anna@example.txt",
                               kW + "\\profiles\\anna\\cookies\\anna2@example.txt"});
    const Paths items = keeper.List1.items();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(Sorted(Paths(items.begin(), items.begin() + 6)), cookies);
    EXPECT_EQ(Paths(items.begin() + 6, items.begin() + 7), nested);
    EXPECT_EQ(Paths(items.begin() + 7, items.begin() + 8), profiles);
    EXPECT_EQ(Sorted(Paths(items.begin() + 8, items.end())), anna);
    EXPECT_EQ(keeper.Label2.caption(), "10 Cookies");
    EXPECT_EQ(keeper.Label1.caption(), "Remove Checks from Cookies to keep");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 10) << "the real list shows every entry";
    for (int i = 0; i < keeper.List1.count(); ++i) EXPECT_TRUE(keeper.List1.checked(i)) << items[i];

    // Keep two cookies and the nested one; delete the rest, the read-only one included.
    const Paths kept = {kW + "\\cookies\\two@example.txt",
                        kW + "\\profiles\\anna\\cookies\\anna2@example.txt", nested[0]};
    for (const std::string& k : kept) {
        const auto at = std::find(items.begin(), items.end(), k);
        ASSERT_NE(at, items.end());
        keeper.List1.setChecked(static_cast<int>(at - items.begin()), false);
    }
    keeper.cmdDelCookies.click();
    PumpPending();

    for (const std::string& p : items) {
        const bool keep = std::find(kept.begin(), kept.end(), p) != kept.end() || p == locked;
        EXPECT_EQ(Exists(p), keep) << p;
    }
    EXPECT_TRUE(Exists(kW + "\\cookies\\LOUD@EXAMPLE.TXT")) << "not a cookie: never touched";
    EXPECT_TRUE(Exists(kW + "\\cookies\\index.dat"));
    EXPECT_TRUE(Exists(kW + "\\profiles\\anna\\other\\not@example.txt"));

    // What is listed is what is left: the kept ones unchecked, the read-only one still checked.
    EXPECT_EQ(Sorted(keeper.List1.items()), Sorted({kept[0], kept[1], kept[2], locked}));
    for (int i = 0; i < keeper.List1.count(); ++i)
        EXPECT_EQ(keeper.List1.checked(i), keeper.List1.item(i) == locked) << keeper.List1.item(i);
    EXPECT_EQ(keeper.Label2.caption(), "4 Cookies");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);

    // Deleting again with only the read-only one checked removes nothing and keeps the count.
    keeper.cmdDelCookies.click();
    EXPECT_EQ(keeper.List1.count(), 4);
    EXPECT_EQ(keeper.Label2.caption(), "4 Cookies");
    EXPECT_TRUE(Exists(locked));
    keeper.cmdExt.click();
    PumpPending();

    // Reopened, the keeper lists what is on disk, each once.
    keeper.show();
    ASSERT_TRUE(PumpUntil([&] { return !keeper.Timer1.enabled(); }));
    EXPECT_EQ(Sorted(keeper.List1.items()), Sorted({kept[0], kept[1], kept[2], locked}));
    EXPECT_EQ(keeper.Label2.caption(), "4 Cookies");
    keeper.cmdExt.click();
}

}  // namespace
