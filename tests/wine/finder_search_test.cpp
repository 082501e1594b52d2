// The junk finder's window model over the real file system and shell of a Wine prefix: drive J:
// shows the set-up's tree (links out and back up, a read-only file, a path beyond MAX_PATH, names
// outside the ANSI code page or ending in a dot or a space, a sparse file of 3 GiB), which is
// searched, partly sent to the Recycle Bin and then removed for good; and its custom-filter box in
// a real window, typed into as a keyboard does it.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "controls/program_windows.h"
#include "finder/win_seek.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_utf8.h"
#include "tests/wine/program_folder.h"
#include "tests/wine/wine_helpers.h"
#include "views/binding.h"
#include "views/view_text.h"

namespace {

using namespace brisko;
using wine_test::Attributes;
using Paths = std::vector<std::string>;

// While it lives, answers the shell's question before a file goes to the Recycle Bin with "&No",
// as a user who changed their mind. Without a display the shell asks nothing and removes
// nothing: the file survives either way.
class RefuseRecycling {
  public:
    RefuseRecycling()
        : thread_([this] {
              while (!stop_) {
                  if (HWND dialog = FindWindowW(nullptr, L"Confirm file deletion")) {
                      // A click reaches the button only once the dialog is on the screen.
                      HWND no = FindWindowExW(dialog, nullptr, L"Button", L"&No");
                      if (no && IsWindowVisible(dialog)) PostMessageW(no, BM_CLICK, 0, 0);
                  }
                  Sleep(20);
              }
          }) {}
    ~RefuseRecycling() {
        stop_ = true;
        thread_.join();
    }
    RefuseRecycling(const RefuseRecycling&) = delete;
    RefuseRecycling& operator=(const RefuseRecycling&) = delete;

  private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

constexpr const char* kLong =
    "J:\\long\\folder_with_a_long_name_number_0\\folder_with_a_long_name_number_1"
    "\\folder_with_a_long_name_number_2\\folder_with_a_long_name_number_3"
    "\\folder_with_a_long_name_number_4\\folder_with_a_long_name_number_5"
    "\\folder_with_a_long_name_number_6\\folder_with_a_long_name_number_7"
    "\\folder_with_a_long_name_number_8\\folder_with_a_long_name_number_9\\deep.tmp";
const std::string kReadOnly = "J:\\ro\\locked.tmp";
const std::string kDotFolder = "J:\\dots.\\a.tmp";
const std::string kPlainFolder = "J:\\dots\\a.tmp";
const std::string kGreek = "J:\\intl\\ελληνικά.tmp";
const std::string kHuge = "J:\\big\\huge.tmp";
const std::string kFileLink = "J:\\Links\\linked.tmp";

struct Finder {
    win32::Win32Platform real;
    // A program folder without media, so that the end of a search plays nothing.
    wine_test::ProgramFolder processes{"C:\\no_media"};
    platform::Services services = real.services(processes);
    controls::ProgramWindows windows;
    controls::Form main{"Form1", "Brisko"};
    finder::WinSeek seek{services, windows};

    Finder() {
        windows.main = &main;
        windows.finder = &seek;
    }
    std::string stored(const std::string& key) {
        return real.settings.get("Brisko", "Filters", key, "<missing>");
    }
    int indexOf(const std::string& path) {
        const Paths& items = seek.lstFoundFiles.items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == path) return static_cast<int>(i);
        return -1;
    }
    bool exists(const std::string& path) { return real.files.attributes(path).has_value(); }
    // Chooses the mapped drive J: as a user would; Wine lists it as a fixed drive.
    bool chooseJ() {
        const auto& drives = seek.Combo1.items;
        const auto j = std::find(drives.begin(), drives.end(), "J:\\");
        if (j == drives.end()) return false;
        seek.Combo1.setListIndex(static_cast<int>(j - drives.begin()));
        return seek.Label3.caption() == "J:\\";
    }
};

TEST(FinderSearchWine, TheTreeOfDriveJIsSearchedInOrderAndRemovedExactly) {
    // Hidden and system files are made so from Windows; Wine hides names starting with a dot.
    for (const auto& [name, attribute] : {std::pair{"J:\\hide\\hidden.tmp", FILE_ATTRIBUTE_HIDDEN},
                                          std::pair{"J:\\hide\\system.tmp", FILE_ATTRIBUTE_SYSTEM}})
        ASSERT_TRUE(SetFileAttributesW(win32::Wide(name).c_str(), attribute)) << name;
    for (const char* name : {"J:\\hide\\hidden.tmp", "J:\\hide\\.dotted.tmp"})
        ASSERT_TRUE(Attributes(name) & FILE_ATTRIBUTE_HIDDEN) << name;
    ASSERT_TRUE(Attributes("J:\\hide\\system.tmp") & FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(Attributes(kReadOnly) & FILE_ATTRIBUTE_READONLY) << "chmod 444 in the set-up";
    ASSERT_GT(std::string(kLong).size(), 260u);

    Finder f;
    f.real.settings.save("Brisko", "Filters", "Custom", "*.tmp;*.bak");
    f.main.show();
    f.main.hide();
    f.seek.show();
    ASSERT_EQ(f.seek.txtSearchSpec.text(), "*.tmp;*.bak");
    ASSERT_TRUE(f.chooseJ());

    f.seek.cmdSearch.click();

    // Subfolders from the last in name order to the first, case ignored (ro, long, Links, intl,
    // hide, "dots.", dots, big, bak), a folder's own files after everything below it. Folder links
    // are not entered, so nothing outside the tree and nothing twice. Wine shows a link to a file
    // as the file it names: "linked.tmp" is an ordinary file here, of its target's length. Hidden
    // and system files, "x.bakery", "junk.tmp." and "space.tmp " are not junk of these patterns.
    const Paths expected = {kReadOnly,
                            kLong,
                            kFileLink,
                            kGreek,
                            "J:\\intl\\中文.tmp",
                            "J:\\hide\\shown.tmp",
                            kDotFolder,
                            kPlainFolder,
                            kHuge,
                            "J:\\bak\\x.bak",
                            "J:\\junk.tmp",
                            "J:\\root.tmp",
                            "J:\\x .tmp"};
    ASSERT_EQ(f.seek.lstFoundFiles.items(), expected);
    EXPECT_EQ(f.seek.cmdSearch.caption(), "&Reset");
    EXPECT_EQ(f.seek.lblCount.caption(), " 13");
    for (int i = 0; i < f.seek.lstFoundFiles.count(); ++i)
        EXPECT_TRUE(f.seek.lstFoundFiles.checked(i)) << i;
    // The sparse file's whole 64-bit length, the long path's file and every other one counted.
    const long long small = 60 + 50 + 1000 + 40 + 41 + 73 + 30 + 31 + 20 + 13 + 10 + 11;
    const long long huge = 3221225472LL;
    const std::string sum = std::string(" ").append(std::to_string(huge + small));
    EXPECT_EQ(f.seek.txtSize.text(), sum);
    EXPECT_EQ(f.seek.Text2.text(), f.seek.txtSize.text());
    EXPECT_EQ(f.seek.Message.caption(), std::string("3")
                                            .append(f.services.desktop.decimalSeparator())
                                            .append("00 GB Wasted Space   13 Files found"));

    // The Recycle Bin: a name the shell would cut is never handed to it, and the read-only file's
    // removal is refused at the shell's question. Both survive, listed and checked.
    f.seek.optRecycle.setValue(true);
    f.seek.Check1.setValue(0);
    f.seek.lstFoundFiles.setChecked(f.indexOf(kReadOnly), true);
    f.seek.lstFoundFiles.setChecked(f.indexOf(kDotFolder), true);
    {
        RefuseRecycling refuse;
        f.seek.cmdDelete.click();
    }
    EXPECT_EQ(f.seek.lstFoundFiles.items(), expected);
    EXPECT_TRUE(f.seek.lstFoundFiles.checked(f.indexOf(kReadOnly)));
    EXPECT_TRUE(f.seek.lstFoundFiles.checked(f.indexOf(kDotFolder)));
    EXPECT_TRUE(f.exists(kReadOnly));
    EXPECT_EQ(f.real.files.fileLength(kDotFolder), 30u);
    EXPECT_EQ(f.stored("Scnsv"), "0");

    // For good: everything but the plain "dots" folder's file, the dotted folder's look-alike.
    f.seek.optDelete.setValue(true);
    ASSERT_FALSE(f.seek.optRecycle.value());
    f.seek.Check1.setValue(1);
    f.seek.lstFoundFiles.setChecked(f.indexOf(kPlainFolder), false);
    f.seek.cmdDelete.click();

    // The read-only file and the file link survive, listed and checked, and are not counted as
    // reclaimed: Wine would delete the link's target outside the tree, so the link is left.
    const Paths survivors = {kReadOnly, kFileLink, kPlainFolder};
    EXPECT_EQ(f.seek.lstFoundFiles.items(), survivors);
    EXPECT_TRUE(f.seek.lstFoundFiles.checked(0));
    EXPECT_TRUE(f.seek.lstFoundFiles.checked(1));
    EXPECT_FALSE(f.seek.lstFoundFiles.checked(2));
    EXPECT_EQ(f.stored("Scnsv"), std::to_string(huge + small - 60 - 1000 - 31));
    for (const std::string& gone : expected) {
        if (std::find(survivors.begin(), survivors.end(), gone) == survivors.end()) {
            EXPECT_FALSE(f.exists(gone)) << gone;
        }
    }
    EXPECT_TRUE(f.exists(kFileLink));
    EXPECT_EQ(f.real.files.fileLength("C:\\finder_outside\\far.tmp"), 1000u);
    // Each name removed exactly: the names it would be cut to, or that merely resemble it, stay.
    EXPECT_EQ(f.real.files.fileLength(kPlainFolder), 31u);
    EXPECT_EQ(f.real.files.fileLength("J:\\junk.tmp."), 12u);
    EXPECT_EQ(f.real.files.fileLength("J:\\space.tmp "), 14u);
    EXPECT_EQ(f.real.files.fileLength("J:\\bak\\x.bakery"), 21u);
    EXPECT_EQ(f.real.files.fileLength("J:\\intl\\ελληνικά.tmp.txt"), 42u);
    for (const char* kept :
         {"J:\\hide\\hidden.tmp", "J:\\hide\\system.tmp", "J:\\hide\\.dotted.tmp",
          "J:\\Links\\away", "J:\\Links\\loop", "C:\\finder_outside\\inner\\farther.tmp"})
        EXPECT_TRUE(f.exists(kept)) << kept;
    // The figures of the search stay; the volume line is shown again for J:.
    EXPECT_EQ(f.seek.txtSize.text(), sum);
    EXPECT_EQ(f.seek.Label3.caption(), "J:\\");
    EXPECT_FALSE(f.seek.Text1.text().empty());
}

// A keyboard sends a character beyond U+FFFF as two WM_CHAR, one per UTF-16 half. The custom-filter
// box keeps what is typed and its caret; its model takes whole characters only, and the search
// finds the name.
TEST(FinderSearchWine, ACustomFilterTypedHalfByHalfStaysAsTypedAndFindsItsName) {
    Finder f;
    for (const char* key : {"Custom", "Used"}) f.real.settings.save("Brisko", "Filters", key, "");
    views::Binding binding(GetModuleHandleW(nullptr), f.services);
    binding.attach(f.seek);
    f.seek.show();
    f.seek.cmdAdvanced.click();
    HWND panel =
        FindWindowExW(reinterpret_cast<HWND>(f.seek.hwnd), nullptr, L"Button", L"Custom Filters");
    HWND box = FindWindowExW(panel, nullptr, L"Edit", nullptr);
    ASSERT_TRUE(box);

    const std::wstring keys = L"*.тмп;*.😀";
    for (size_t n = 1; n <= keys.size(); ++n) {
        SendMessageW(box, WM_CHAR, keys[n - 1], 1);
        EXPECT_EQ(views::WindowText(box), keys.substr(0, n));
        DWORD start = 0, end = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, n) << "the caret stays after what was typed";
        EXPECT_EQ(end, n);
        EXPECT_EQ(f.seek.txtCustom.text().find("\xEF\xBF\xBD"), std::string::npos) << n;
    }
    EXPECT_EQ(f.seek.txtCustom.text(), "*.тмп;*.😀");

    f.seek.Command1.click();
    ASSERT_TRUE(f.chooseJ());
    f.seek.cmdSearch.click();
    EXPECT_EQ(f.seek.lstFoundFiles.items(), Paths{"J:\\intl\\y.😀"});
}

}  // namespace
