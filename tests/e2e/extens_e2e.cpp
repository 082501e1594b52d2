// The file-type lookup window as the junk finder opens it: the window over the real platform,
// with real controls and the program's message loop on a thread of its own, driven from the
// test's thread as a user drives it (typed characters, clicks) and read back through the
// controls' own messages. The expectations come from the database files themselves.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/help_dialog.h"
#include "controls/program_windows.h"
#include "filetypes/extens.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_utf8.h"
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/help_check.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/wine/program_folder.h"
#include "views/binding.h"

namespace brisko::e2e {
namespace {

// The lookup window and its own user-interface thread, which runs the message loop until the
// window closes (or this object ends it).
class LookupWindow {
  public:
    LookupWindow() : thread_([this] { run(); }) {}
    ~LookupWindow() {
        WaitUntil([this] { return threadId_ != 0; }, 10s);
        if (threadId_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }

    // Whether the message loop has returned.
    bool ended() const { return ended_; }

  private:
    void run() {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, for WM_QUIT
        threadId_ = GetCurrentThreadId();

        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        win32::Win32Platform platform;
        // The window runs inside this test program, but it reads its database where Brisko is
        // installed: C:\brisko, which the set-up fills as a user's installation.
        wine_test::ProgramFolder processes(kProgramFolder);
        platform::Services services = platform.services(processes);
        controls::ProgramWindows windows;
        filetypes::Extens extens(services, windows);
        app::HelpDialog extensHelp(app::ExtensHelp(), windows);
        windows.extens = &extens;
        windows.extensHelp = &extensHelp;
        windows.all = {&extens, &extensHelp};
        views::Binding binding(GetModuleHandleW(nullptr), services);
        binding.attach(extens);
        binding.attach(extensHelp);
        extens.show();
        binding.run();
        ended_ = true;
    }

    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> ended_{false};
    std::thread thread_;
};

// The entries of a category file as the window is to list them: a line ends at CR or CR LF (a
// lone LF stays in the entry), a final terminator adds no empty entry, and the single-byte text
// of the system's code page is shown as such.
std::vector<std::string> Entries(const std::string& fileName) {
    const std::string path = std::string(kProgramFolder) + "\\" + fileName;
    std::ifstream in(std::filesystem::path(win32::Wide(path)), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> entries;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            line += bytes[i];
            continue;
        }
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        entries.push_back(line);
        line.clear();
    }
    if (!line.empty()) entries.push_back(line);
    for (std::string& e : entries) {
        const int n =
            MultiByteToWideChar(CP_ACP, 0, e.data(), static_cast<int>(e.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, e.data(), static_cast<int>(e.size()), wide.data(), n);
        e = win32::Utf8(wide);
    }
    return entries;
}

// The entries whose beginning is `typed`, letter case aside, in file order.
std::vector<std::string> Matching(const std::vector<std::string>& entries,
                                  const std::string& typed) {
    std::vector<std::string> found;
    for (const std::string& e : entries)
        if (!typed.empty() && _strnicmp(e.c_str(), typed.c_str(), typed.size()) == 0)
            found.push_back(e);
    return found;
}

std::string Status(std::size_t count) {
    return std::to_string(count) + " of 3183 File Types";
}

// Types `text` as the keyboard does, one posted WM_CHAR a character, and waits until the box
// has taken them all: a selection posted behind them shows when the box has got that far.
void Type(HWND box, const std::string& text) {
    for (char c : text) PostMessageW(box, WM_CHAR, static_cast<unsigned char>(c), 1);
    PostMessageW(box, EM_SETSEL, 0, -1);
    WaitUntil([&] {
        DWORD start = 1, end = 0;
        Send(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const auto length = Send(box, WM_GETTEXTLENGTH);
        return length > 0 && start == 0 && end == length;
    });
    const auto length = Send(box, WM_GETTEXTLENGTH);
    Send(box, EM_SETSEL, length, length);
}

// A click into the box, pressed and released inside it.
void ClickInto(HWND box) {
    const LPARAM at = MAKELPARAM(4, 4);
    PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(box, WM_LBUTTONUP, 0, at);
}

struct Window {
    HWND window = nullptr, search = nullptr;
    // The full list and the result list, in one place: one of them is on screen.
    std::vector<HWND> lists;
    HWND list() const {
        for (HWND l : lists)
            if (Visible(l)) return l;
        return nullptr;
    }
};

// The window and its controls once it shows the "A - I" list.
Window Open(const std::vector<std::string>& first) {
    Window c;
    c.window = WaitWindow(GetCurrentProcessId(), "Extensions");
    if (!c.window) return c;
    c.lists = brisko::e2e::Controls(c.window, "ListBox");
    const std::vector<HWND> boxes = brisko::e2e::Controls(c.window, "Edit");
    if (c.lists.size() != 2 || boxes.size() != 1) return {};
    c.search = boxes[0];
    WaitUntil([&] { return c.list() && Send(c.list(), LB_GETCOUNT) == first.size(); });
    return c;
}

// Whether the list on screen holds `entries` and the search box is empty: the full list is back.
bool ShowsFullList(const Window& c, const std::vector<std::string>& entries) {
    return Text(c.search).empty() && Visible(c.list()) &&
           Send(c.list(), LB_GETCOUNT) == entries.size();
}

// Whether the status text reads `text`, shown on the window.
bool ShowsStatus(HWND window, const std::string& text) {
    HWND label = Control(window, text, "Static", 0, 10s);
    return label && Visible(label);
}

TEST(LookupWindow, ListsSearchesAndSwitchesCategoriesAsTheUserDrivesIt) {
    const std::vector<std::string> atoI = Entries("ext11.vxl"), rtoZ = Entries("ext31.vxl");
    ASSERT_GT(atoI.size(), 100u) << "ext11.vxl in " << kProgramFolder;
    ASSERT_GT(rtoZ.size(), 100u) << "ext31.vxl in " << kProgramFolder;

    LookupWindow lookup;
    const Window c = Open(atoI);
    ASSERT_TRUE(c.window && c.list() && c.search);
    EXPECT_TRUE(ShowsStatus(c.window, Status(atoI.size())));
    EXPECT_TRUE(Checked(Control(c.window, "A - I", "Button")));
    EXPECT_TRUE(Visible(c.list()));
    EXPECT_EQ(ListItems(c.list()), atoI) << "every line of ext11.vxl, in file order";
    EXPECT_TRUE(Control(c.window, "Search Extensions", "Static"));
    // The styled frame: its caption as a text of the window, its three caption buttons.
    EXPECT_TRUE(Control(c.window, "Extensions", "Static"));
    for (const char* tip : {"Help", "Minimize", "Close"})
        EXPECT_TRUE(Control(c.window, tip, "BriskoCaptionButton")) << tip;

    // Lower-case letters find the capitalised extensions.
    Type(c.search, "do");
    ASSERT_EQ(Text(c.search), "do");
    const std::vector<std::string> expected = Matching(atoI, "do");
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(Visible(c.list()));
    const std::vector<std::string> found = ListItems(c.list());
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(ShowsStatus(c.window, Status(atoI.size()))) << "a search keeps the count";
    SetCursorPos(0, 0);  // no list tip over the picture
    SaveScreenshot(c.window, "extensions");

    // Enter empties the box and brings the full list back; capitals find the same entries.
    PostMessageW(c.search, WM_CHAR, VK_RETURN, 1);
    EXPECT_TRUE(WaitUntil([&] { return ShowsFullList(c, atoI); }));
    EXPECT_EQ(ListItems(c.list()), atoI);
    Type(c.search, "DO");
    EXPECT_EQ(ListItems(c.list()), expected);

    // A click into the box clears the search too.
    ClickInto(c.search);
    EXPECT_TRUE(WaitUntil([&] { return ShowsFullList(c, atoI); }));

    // No more than 20 characters go in; a text longer than every entry finds nothing.
    const std::string typed = "abcdefghijklmnopqrstuvwxy";
    Type(c.search, typed);
    EXPECT_EQ(Text(c.search), typed.substr(0, 20));
    EXPECT_TRUE(ListItems(c.list()).empty());
    EXPECT_TRUE(Visible(c.list())) << "an empty result list is shown, not the full list";
    ClickInto(c.search);
    EXPECT_TRUE(WaitUntil([&] { return ShowsFullList(c, atoI); }));

    // "R - Z" replaces the full list by ext31.vxl, and the count follows.
    Type(c.search, "r");
    HWND rToZ = Control(c.window, "R - Z", "Button");
    ASSERT_TRUE(rToZ);
    Click(rToZ);
    EXPECT_TRUE(ShowsStatus(c.window, Status(rtoZ.size())));
    EXPECT_FALSE(Control(c.window, Status(atoI.size()), "Static", 0, 0ms));
    EXPECT_TRUE(Checked(rToZ));
    EXPECT_FALSE(Checked(Control(c.window, "A - I", "Button")));
    EXPECT_EQ(Text(c.search), "") << "a new category empties the search";
    EXPECT_TRUE(Visible(c.list()));
    EXPECT_EQ(ListItems(c.list()), rtoZ);
    Type(c.search, "zi");
    EXPECT_EQ(ListItems(c.list()), Matching(rtoZ, "zi")) << "the search now looks in R - Z";

    // The frame's help caption button shows "Extensions Help" modally; its "&Close" button
    // closes it and the lookup window stays open.
    EXPECT_TRUE(CheckHelp(GetCurrentProcessId(), c.window, "Help", "Extensions Help", "", nullptr));
    EXPECT_TRUE(IsWindow(c.window));

    // Closing the window ends its message loop.
    PostMessageW(c.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return lookup.ended(); }));
    EXPECT_FALSE(IsWindow(c.window));
}

// The full list and the result list take turns in one place on screen: a search shows only its
// results there, and Enter brings back the full list where the user left it, scrolled and
// selected as it was; a new category starts at its top with nothing selected. The database is
// text in the system's code page: its letters beyond ASCII reach the list as the same letters.
TEST(LookupWindow, FullListComesBackAsTheUserLeftItAndCategoriesShowTheirOwnLetters) {
    const std::vector<std::string> atoI = Entries("ext11.vxl"), jtoQ = Entries("ext21.vxl");
    ASSERT_TRUE(std::any_of(jtoQ.begin(), jtoQ.end(), [](const std::string& e) {
        return std::any_of(e.begin(), e.end(), [](char ch) { return (ch & 0x80) != 0; });
    })) << "ext21.vxl holds an entry with a letter beyond ASCII";
    LookupWindow lookup;
    const Window c = Open(atoI);
    ASSERT_TRUE(c.window && c.list() && c.search);

    // The user scrolls down three pages and clicks the second entry in view.
    for (int page = 0; page < 3; ++page) Send(c.list(), WM_VSCROLL, SB_PAGEDOWN);
    const auto top = static_cast<int>(Send(c.list(), LB_GETTOPINDEX));
    ASSERT_GT(top, 0);
    ClickEntry(c.list(), top + 1);
    ASSERT_TRUE(
        WaitUntil([&] { return Send(c.list(), LB_GETCURSEL) == static_cast<DWORD_PTR>(top + 1); }));

    Type(c.search, "b");
    const std::vector<std::string> found = Matching(atoI, "b");
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(ListItems(c.list()), found);
    EXPECT_EQ(static_cast<LRESULT>(Send(c.list(), LB_GETCURSEL)), LB_ERR) << "no result selected";
    EXPECT_EQ(Send(c.list(), LB_GETTOPINDEX), 0u);
    ClickEntry(c.list(), 0);  // a result chosen does not carry over to the full list
    ASSERT_TRUE(WaitUntil([&] { return Send(c.list(), LB_GETCURSEL) == 0u; }));

    PostMessageW(c.search, WM_CHAR, VK_RETURN, 1);
    ASSERT_TRUE(WaitUntil([&] { return ShowsFullList(c, atoI); }));
    EXPECT_EQ(ListItems(c.list()), atoI);
    EXPECT_EQ(Send(c.list(), LB_GETCURSEL), static_cast<DWORD_PTR>(top + 1));
    EXPECT_EQ(Send(c.list(), LB_GETTOPINDEX), static_cast<DWORD_PTR>(top));

    // Searching again and choosing "J - Q" from the results: its full list, from the top.
    Type(c.search, "b");
    Click(Control(c.window, "J - Q", "Button"));
    ASSERT_TRUE(WaitUntil([&] { return ShowsFullList(c, jtoQ); }));
    EXPECT_TRUE(ShowsStatus(c.window, Status(jtoQ.size())));
    EXPECT_EQ(ListItems(c.list()), jtoQ);
    EXPECT_EQ(static_cast<LRESULT>(Send(c.list(), LB_GETCURSEL)), LB_ERR);
    EXPECT_EQ(Send(c.list(), LB_GETTOPINDEX), 0u);
}

}  // namespace
}  // namespace brisko::e2e
