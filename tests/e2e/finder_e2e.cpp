// The junk finder as a user drives it: filters chosen, C: searched, files removed for good and to
// the Recycle Bin, a long search cancelled and the long removal of what it found cancelled too;
// then the lookup that its "&Look Up" opens.
#include <gtest/gtest.h>

#include "platform/win32/win32_utf8.h"
#include "tests/e2e/driver/driver.h"

namespace brisko::e2e {
namespace {

// What "*.bak;*.jnk9;*.😀" finds in the set-up's tree (10,240 bytes), in the walk's order.
// clang-format off
const std::vector<std::string> kFound = {
    "C:\\Junk\\gamma\\Five.bak", "C:\\Junk\\gamma\\four.jnk9",
    "C:\\Junk\\Beta\\three.bak", "C:\\Junk\\alpha\\deeper\\two.JNK9",
    "C:\\Junk\\alpha\\one.bak",  "C:\\Junk\\.cache\\six.bak",
    "C:\\Junk\\a.bak",           "C:\\Junk\\B.bak",
    "C:\\Junk\\c.jnk9",          "C:\\Junk\\y.😀",
    "C:\\root.bak"};
// clang-format on
const std::string kKeepA = kFound[1], kReadOnly = kFound[2], kKeepB = kFound[7];

// Types `text` one WM_CHAR per UTF-16 unit, as the keyboard does; waits until the box shows it all.
bool Type(HWND box, const std::string& text) {
    const std::wstring units = win32::Wide(text);
    for (wchar_t unit : units) PostMessageW(box, WM_CHAR, unit, 1);
    return WaitUntil([&] {
        DWORD start = 0, end = 0;
        Send(box, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        return Text(box) == text && start == units.size() && end == units.size();
    });
}

TEST(Finder, SearchesRemovesRecyclesCancelsAndLooksUpAsTheUserDrivesIt) {
    const Session s = StartAccepted();
    Click(Control(s.main, "&Scan Drive", "Button"));
    HWND finder = WaitWindow(s.brisko.id(), "Brisko Scanner");
    ASSERT_TRUE(finder && WaitUntil([&] { return !Visible(s.main); }));
    HWND found = nullptr;  // the check-box list; the window's other list is hidden
    for (HWND list : Controls(finder, "ListBox"))
        if (GetWindowLongPtrW(list, GWL_STYLE) & LBS_OWNERDRAWFIXED) found = list;
    HWND search = Control(finder, "&Search"), exit = Control(finder, "E&xit");
    HWND filters = Control(finder, "Filters"), custom = Control(finder, "Custom Filters");
    ASSERT_TRUE(found && search && exit && filters && custom);

    ASSERT_TRUE(Tick(Control(finder, "*.bak")));
    Click(Control(finder, "&Advanced"));  // shows the custom filters in place of the boxes
    ASSERT_TRUE(Type(Controls(custom, "Edit").at(0), "*.jnk9;*.😀")) << "typed as it was typed";
    Click(Control(custom, "&Save"));
    ASSERT_TRUE(WaitUntil([&] { return Visible(filters) && !Visible(custom); }));
    // The set-up's wide, deep tree is walked first: long enough to be seen searching.
    Click(search);
    ASSERT_TRUE(WaitUntil([&] { return Text(exit) == "Cancel" && !IsWindowEnabled(search); }));
    SaveScreenshot(finder, "finder-searching");
    ASSERT_TRUE(WaitUntil([&] { return Text(search) == "&Reset"; }, 60s));
    EXPECT_EQ(ListItems(found), kFound);
    SaveScreenshot(finder, "finder-done");

    // The checked files removed as `option` says, the shell's questions answered, `left` listed
    // once the removal has ended (the buttons are enabled again).
    auto removeChecked = [&](const char* option, WPARAM left) {
        Click(Control(finder, option));
        Click(Control(finder, "&Delete "));
        return WaitUntil(
            [&] {
                if (HWND ask = WaitWindow(s.brisko.id(), "Confirm file deletion", 0ms))
                    Click(Control(ask, "&Yes", "Button", 0, 0ms));
                return Send(found, LB_GETCOUNT) == left && IsWindowEnabled(search);
            },
            30s);
    };
    // For good: all but two unchecked ones and the read-only file, which stays listed.
    ASSERT_TRUE(ToggleEntry(found, kKeepA) && ToggleEntry(found, kKeepB));
    ASSERT_TRUE(removeChecked("&Delete", 3));
    for (const std::string& path : kFound)
        EXPECT_EQ(Exists(path), path == kKeepA || path == kKeepB || path == kReadOnly) << path;
    // To the Recycle Bin: the two kept ones, which land in the desktop trash.
    ASSERT_TRUE(ToggleEntry(found, kReadOnly) && ToggleEntry(found, kKeepA) &&
                ToggleEntry(found, kKeepB));
    ASSERT_TRUE(removeChecked("&Recycle Bin", 1));
    EXPECT_TRUE(Exists("T:\\files\\four.jnk9") && Exists("T:\\files\\B.bak"));
    EXPECT_FALSE(Exists(kKeepA) || Exists(kKeepB) || !Exists(kReadOnly));

    // A new search with "*.b~k" too, cancelled early in the deep tree's 15,625 files.
    Click(search);
    ASSERT_TRUE(WaitUntil([&] { return Text(search) == "&Search" && Visible(filters); }));
    ASSERT_TRUE(Tick(Control(finder, "*.b~k")));
    Click(search);
    ASSERT_TRUE(
        WaitUntil([&] { return Text(exit) == "Cancel" && Send(found, LB_GETCOUNT) > 8000; }, 60s));
    Click(exit);
    ASSERT_TRUE(WaitUntil([&] { return Text(search) == "&Reset"; }, 60s));
    const auto listed = Send(found, LB_GETCOUNT);
    EXPECT_LT(listed, 15625u) << "the walk stopped early";
    // Removing them answers: the list shrinks as it goes, and Cancel stops it between files.
    Click(Control(finder, "&Delete"));
    Click(Control(finder, "&Delete "));
    ASSERT_TRUE(
        WaitUntil([&] { return Text(exit) == "Cancel" && Send(found, LB_GETCOUNT) < listed; }));
    SaveScreenshot(finder, "finder-removing");
    if (Text(exit) == "Cancel") Click(exit);
    ASSERT_TRUE(WaitUntil([&] { return Text(exit) == "E&xit" && IsWindowEnabled(search); }, 60s));
    EXPECT_LT(Send(found, LB_GETCOUNT), listed);

    // The lookup: the shipped database listed and counted, searched, cleared, another category.
    Click(Control(finder, "&Look Up", "Button"));
    HWND lookup = WaitWindow(s.brisko.id(), "Extensions");
    ASSERT_TRUE(lookup);
    HWND box = Controls(lookup, "Edit").at(0);
    const auto list = [&] {  // the full list or the results: they take turns in one place
        const std::vector<HWND> lists = Controls(lookup, "ListBox");
        return Visible(lists.front()) ? lists.front() : lists.back();
    };
    auto showsItsCount = [&] {  // the status line counts the category's full list, shown
        const auto count = Send(list(), LB_GETCOUNT);
        return count > 100 &&
               Control(lookup, std::to_string(count) + " of 3183 File Types", "Static", 0, 0ms);
    };
    ASSERT_TRUE(WaitUntil(showsItsCount)) << "A - I";
    const std::vector<std::string> full = ListItems(list());
    auto fullBack = [&] { return Text(box).empty() && Send(list(), LB_GETCOUNT) == full.size(); };
    ASSERT_TRUE(Type(box, "do"));
    const std::vector<std::string> some = ListItems(list());
    EXPECT_TRUE(!some.empty() && some.size() < full.size());
    for (const std::string& entry : some) EXPECT_EQ(_strnicmp(entry.c_str(), "do", 2), 0) << entry;
    SaveScreenshot(lookup, "extensions");
    PostMessageW(box, WM_CHAR, VK_RETURN, 1);
    EXPECT_TRUE(WaitUntil(fullBack));
    EXPECT_EQ(ListItems(list()), full);
    ASSERT_TRUE(Type(box, "do"));
    MouseClick(box);
    EXPECT_TRUE(WaitUntil(fullBack)) << "a click into the box";
    // "J - Q" has its own full list; its letter beyond ASCII is the database's Windows-1252 one.
    ASSERT_TRUE(Type(box, "b"));
    EXPECT_TRUE(Tick(Control(lookup, "J - Q", "Button")));
    EXPECT_TRUE(WaitUntil([&] { return Text(box).empty() && showsItsCount(); }));
    ASSERT_TRUE(Type(box, "m7"));
    EXPECT_EQ(ListItems(list()), std::vector<std::string>{"M7 - Thomson M\xC3\xA9mo7 cartridge"});
    MouseClick(Control(lookup, "Close", "BriskoCaptionButton"));
    EXPECT_TRUE(WaitUntil([&] { return !Visible(lookup) && Visible(finder); }));

    Click(exit);
    EXPECT_TRUE(WaitUntil([&] { return Visible(s.main) && !Visible(finder); }));
    EXPECT_EQ(CloseMain(s.brisko, s.main), 0u);
}

}  // namespace
}  // namespace brisko::e2e
