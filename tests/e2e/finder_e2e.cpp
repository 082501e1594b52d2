// The junk finder opened from the main window: filters ticked and a custom filter saved, the
// whole C: of the prefix searched (the set-up's tree of known junk, and a wide, deep tree walked
// first), the found list read in the walk's order, entries unchecked, files removed for good and
// through the Recycle Bin, the reclaimed total read from the store, a long search cancelled, and
// the way back to the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>

#include "platform/win32/win32_utf8.h"
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/help_check.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/settings_query.h"

namespace brisko::e2e {
namespace {

// What "*.bak;*.jnk9" finds, in the walk's order: the root's subfolders and C:\Junk's from the
// last in name order to the first with case ignored (gamma, Beta, alpha, .cache), a folder's own
// files after everything below it and in name order (a, B, c), the root's own files last.
const std::vector<std::string> kFound = {
    "C:\\Junk\\gamma\\Five.bak", "C:\\Junk\\gamma\\four.jnk9",
    "C:\\Junk\\Beta\\three.bak", "C:\\Junk\\alpha\\deeper\\two.JNK9",
    "C:\\Junk\\alpha\\one.bak",  "C:\\Junk\\.cache\\six.bak",
    "C:\\Junk\\a.bak",           "C:\\Junk\\B.bak",
    "C:\\Junk\\c.jnk9",          "C:\\root.bak"};
const std::string kReadOnly = "C:\\Junk\\Beta\\three.bak";
const std::string kTrash = "T:\\files\\";

// The set-up's deep tree, C:\zzdeep\dII\dJJ\dKK\f.b~k, in the walk's order.
std::vector<std::string> DeepTreeOrder() {
    std::vector<std::string> order;
    char path[64];
    for (int i = 24; i >= 0; --i)
        for (int j = 24; j >= 0; --j)
            for (int k = 24; k >= 0; --k) {
                std::snprintf(path, sizeof(path), "C:\\zzdeep\\d%02d\\d%02d\\d%02d\\f.b~k", i, j,
                              k);
                order.push_back(path);
            }
    return order;
}

long long Length(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(win32::Wide(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int Count(HWND list) {
    return static_cast<int>(Send(list, LB_GETCOUNT));
}

// Clicks the check glyph at the start of the entry that shows `path`, as the user does.
bool ToggleEntry(HWND list, const std::string& path) {
    const std::vector<std::string> items = ListItems(list);
    const auto it = std::find(items.begin(), items.end(), path);
    if (it == items.end()) return false;
    const auto index = static_cast<WPARAM>(it - items.begin());
    Send(list, LB_SETTOPINDEX, index);
    ClickEntry(list, static_cast<int>(index));
    // The list's caret follows the click: that shows the click has been handled.
    return WaitUntil([&] { return Send(list, LB_GETCURSEL) == index; });
}

// The finder's window and the controls the test reads.
struct Finder {
    HWND window = nullptr, found = nullptr, search = nullptr, exit = nullptr, remove = nullptr,
         selectAll = nullptr;
};

// The check-box list of found files (the window's other list is hidden).
HWND FoundList(HWND finder) {
    for (HWND list : Controls(finder, "ListBox"))
        if (GetWindowLongPtrW(list, GWL_STYLE) & LBS_OWNERDRAWFIXED) return list;
    return nullptr;
}

void Tick(HWND finder, const std::string& pattern) {
    HWND box = Control(finder, pattern, "Button");
    ASSERT_TRUE(box) << pattern;
    Click(box);
    ASSERT_TRUE(WaitUntil([&] { return Checked(box); })) << pattern;
}

// Presses "&Delete " and answers each of the shell's questions with "&Yes" until the list
// holds `left` entries.
void Remove(DWORD pid, const Finder& f, int left, bool answerShell) {
    Click(f.remove);
    EXPECT_TRUE(WaitUntil(
        [&] {
            if (answerShell)
                if (HWND ask = WaitWindow(pid, "Confirm file deletion", 0ms))
                    if (HWND yes = Control(ask, "&Yes", "Button", 0, 0ms)) Click(yes);
            return Count(f.found) == left;
        },
        30s))
        << "entries left: " << Count(f.found);
}

long long StoredTotal() {
    const auto filters = QuerySection("Filters");
    if (!filters || !filters->count("Scnsv")) return -1;
    return std::strtoll(filters->at("Scnsv").data.c_str(), nullptr, 10);
}

TEST(Finder, FindsRemovesCancelsAndCountsWhatItReclaimed) {
    ASSERT_TRUE(RegAdd(std::string(kStoreKey) + "\\Filters", "Scnsv", "1000"));
    std::vector<long long> lengths;
    for (const std::string& path : kFound) lengths.push_back(Length(path));
    ASSERT_EQ(std::accumulate(lengths.begin(), lengths.end(), 0LL), 10240) << "the set-up's tree";
    auto lengthOf = [&](const std::string& path) {
        return lengths[std::find(kFound.begin(), kFound.end(), path) - kFound.begin()];
    };

    const auto [brisko, main] = StartAccepted();
    ASSERT_TRUE(main);
    Click(Control(main, "&Scan Drive", "Button"));
    Finder f;
    f.window = WaitWindow(brisko.id(), "Brisko Scanner");
    ASSERT_TRUE(f.window);
    EXPECT_TRUE(WaitUntil([&] { return !Visible(main); })) << "the main window hides";

    // Ready: the first fixed drive and its volume line, the filters, nothing to remove yet.
    f.found = FoundList(f.window);
    f.search = Control(f.window, "&Search", "Button");
    f.exit = Control(f.window, "E&xit", "Button");
    f.remove = Control(f.window, "&Delete ", "Button");
    f.selectAll = Control(f.window, "&Select All", "Button");
    ASSERT_TRUE(f.found && f.search && f.exit && f.remove && f.selectAll);
    EXPECT_EQ(Text(Controls(f.window, "ComboBox").at(0)), "C:\\");
    EXPECT_TRUE(Control(f.window, "Select File Filters and Drive.", "Static"));
    EXPECT_FALSE(IsWindowEnabled(f.remove));
    EXPECT_EQ(Count(f.found), 0);
    SetCursorPos(0, 0);
    SaveScreenshot(f.window, "finder-ready");

    ASSERT_TRUE(CheckHelp(brisko.id(), f.window, "Help", "Scanner Help", "help-finder", "Close"));

    // "*.bak" ticked, "*.jnk9" saved as a custom filter through "&Advanced".
    Tick(f.window, "*.bak");
    HWND filtersPanel = Control(f.window, "Filters", "Button");
    HWND customPanel = Control(f.window, "Custom Filters", "Button");
    ASSERT_TRUE(filtersPanel && customPanel);
    Click(Control(f.window, "&Advanced", "Button"));
    ASSERT_TRUE(WaitUntil([&] { return Visible(customPanel) && !Visible(filtersPanel); }));
    HWND custom = Controls(customPanel, "Edit").at(0);
    SendMessageW(custom, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"*.jnk9"));
    Click(Control(customPanel, "&Save", "Button"));
    ASSERT_TRUE(WaitUntil([&] { return Visible(filtersPanel) && !Visible(customPanel); }));

    // The search: the deep tree first, long enough to be seen searching.
    Click(f.search);
    ASSERT_TRUE(WaitUntil([&] { return Text(f.exit) == "Cancel"; }));
    EXPECT_FALSE(IsWindowEnabled(f.search));
    EXPECT_FALSE(Visible(filtersPanel));
    SaveScreenshot(f.window, "finder-searching");
    ASSERT_TRUE(WaitUntil([&] { return Text(f.search) == "&Reset"; }, 60s));
    EXPECT_EQ(Text(f.exit), "E&xit");
    EXPECT_TRUE(IsWindowEnabled(f.remove));
    EXPECT_EQ(ListItems(f.found), kFound);
    EXPECT_TRUE(Control(f.window, "10.00 KB Wasted Space   10 Files found", "Static"));
    EXPECT_EQ(Text(f.selectAll), "&Select None") << "every found file checked";
    SetCursorPos(0, 0);
    SaveScreenshot(f.window, "finder-done");

    // For good: two entries unchecked; the read-only file survives and stays listed.
    const std::string keepA = "C:\\Junk\\gamma\\four.jnk9", keepB = "C:\\Junk\\B.bak";
    ASSERT_TRUE(ToggleEntry(f.found, keepA));
    ASSERT_TRUE(ToggleEntry(f.found, keepB));
    Click(Control(f.window, "&Delete", "Button"));
    Remove(brisko.id(), f, 3, false);
    EXPECT_EQ(ListItems(f.found), (std::vector<std::string>{keepA, kReadOnly, keepB}))
        << "the unchecked and the read-only entries, in their former order";
    long long deleted = 0;
    for (const std::string& path : kFound) {
        const bool kept = path == keepA || path == keepB || path == kReadOnly;
        EXPECT_EQ(Exists(path), kept) << path;
        if (!kept) deleted += lengthOf(path);
    }
    EXPECT_FALSE(Exists(kTrash + "Five.bak")) << "deleted for good, not sent to the trash";
    EXPECT_EQ(StoredTotal(), 1000 + deleted) << "grows by what was deleted, not what was found";

    // To the Recycle Bin: none checked, then the two kept ones; the shell asks for each.
    Click(f.selectAll);
    ASSERT_TRUE(WaitUntil([&] { return Text(f.selectAll) == "&Select All"; }));
    ASSERT_TRUE(ToggleEntry(f.found, keepA));
    ASSERT_TRUE(ToggleEntry(f.found, keepB));
    Click(Control(f.window, "&Recycle Bin", "Button"));
    Remove(brisko.id(), f, 1, true);
    EXPECT_EQ(ListItems(f.found), (std::vector<std::string>{kReadOnly}));
    EXPECT_FALSE(Exists(keepA));
    EXPECT_FALSE(Exists(keepB));
    EXPECT_EQ(Length(kTrash + "four.jnk9"), lengthOf(keepA)) << "in the desktop trash";
    EXPECT_EQ(Length(kTrash + "B.bak"), lengthOf(keepB));
    EXPECT_TRUE(Exists(kReadOnly));
    EXPECT_EQ(StoredTotal(), 1000 + deleted + lengthOf(keepA) + lengthOf(keepB));

    // A new search with "*.b~k" too, cancelled early in the deep tree: what was found stays,
    // in the walk's order, and the search ends as after a whole walk.
    Click(f.search);
    ASSERT_TRUE(WaitUntil([&] { return Text(f.search) == "&Search" && Visible(filtersPanel); }));
    EXPECT_EQ(Count(f.found), 0);
    EXPECT_FALSE(IsWindowEnabled(f.remove));
    Tick(f.window, "*.b~k");
    Click(f.search);
    ASSERT_TRUE(WaitUntil([&] { return Text(f.exit) == "Cancel" && Count(f.found) > 0; }));
    Click(f.exit);
    ASSERT_TRUE(WaitUntil([&] { return Text(f.search) == "&Reset"; }, 60s));
    const std::vector<std::string> deep = DeepTreeOrder(), partial = ListItems(f.found);
    EXPECT_LT(partial.size(), deep.size()) << "the walk stopped early";
    ASSERT_FALSE(partial.empty());
    EXPECT_TRUE(std::equal(partial.begin(), partial.end(), deep.begin()))
        << "the first entries of the deep tree's order; last: " << partial.back();
    EXPECT_EQ(Text(f.selectAll), "&Select None");

    // "E&xit" back to the main window; the choices are stored.
    Click(f.exit);
    EXPECT_TRUE(
        WaitUntil([&] { return Visible(main) && !HasWindow(brisko.id(), "Brisko Scanner"); }));
    const auto stored = QuerySection("Filters");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->at("Used").data, "*.bak;*.b~k") << "a box's click drops the custom filters";
    EXPECT_EQ(stored->at("Custom").data, "*.jnk9");
    EXPECT_EQ(stored->at("chkBAK").data, "1");
    EXPECT_EQ(stored->at("chkBAK2").data, "1");
    EXPECT_EQ(stored->at("chkTMP").data, "0");
    EXPECT_EQ(stored->at("optRecycle").data, "True");
    EXPECT_EQ(stored->at("optDelete").data, "False");
    EXPECT_EQ(CloseMain(brisko, main), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace brisko::e2e
