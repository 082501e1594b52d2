// The cookie keeper over the in-memory file tree, opened from the main window.
#include <gtest/gtest.h>

#include <memory>

#include "cookies/frm_cookies.h"
#include "main_window_fixture.h"

namespace brisko::testing {
namespace {

struct CookieFixture : MainWindowFixture {
    std::unique_ptr<cookies::FrmCookies> keeper;
    CookieFixture() {
        mem.files.setWindowsDirectory("C:\\WINDOWS");
        mem.files.addFolder("C:\\WINDOWS");
        keeper = std::make_unique<cookies::FrmCookies>(services, windows);
        windows.cookies = keeper.get();
        start();
    }
    // What the main window's "Select" does, then the start timer's tick.
    void open() {
        form->hide();
        keeper->show();
        ASSERT_TRUE(keeper->Timer1.enabled());
        keeper->Timer1.tick();
    }
    std::vector<std::string> entries() { return keeper->List1.items(); }
    int checkedCount() {
        int n = 0;
        for (int i = 0; i < keeper->List1.count(); ++i) n += keeper->List1.checked(i);
        return n;
    }
};

TEST(CookieKeeper, NoCookiesOrNoWindowsFolderGiveAnEmptyListAndItsMessage) {
    CookieFixture f;
    f.mem.files.addFolder("C:\\WINDOWS\\cookies");
    f.mem.files.addFile("C:\\WINDOWS\\cookies\\index.dat", 10);
    f.form->hide();
    f.keeper->show();
    EXPECT_TRUE(f.keeper->visible());
    EXPECT_EQ(f.keeper->Label1.caption(), "Scanning For Cookies... Please Wait");
    EXPECT_FALSE(f.keeper->Check1.visible());
    EXPECT_EQ(f.keeper->List1.horizontalExtent(), 770);  // 5775 twips / 15 * 2
    f.keeper->Timer1.tick();
    EXPECT_FALSE(f.keeper->Timer1.enabled());
    EXPECT_EQ(f.keeper->List1.count(), 0);
    EXPECT_EQ(f.keeper->Label1.caption(), "There were no Cookies found.");
    EXPECT_EQ(f.keeper->Label2.caption(), "0 Cookies");
    EXPECT_TRUE(f.keeper->Check1.visible());
    EXPECT_EQ(f.keeper->Check1.caption(), "&Select None");
    EXPECT_EQ(f.keeper->mousePointer(), controls::kPointerDefault);
    // Toggle and delete on an empty list change nothing and do not fail.
    f.keeper->Check1.setValue(0);
    f.keeper->cmdDelCookies.click();
    EXPECT_EQ(f.keeper->Label2.caption(), "0 Cookies");
    EXPECT_TRUE(f.mem.files.deleted.empty());
    // The caption's close shows the main window again.
    f.keeper->onSystemClose();
    EXPECT_FALSE(f.keeper->loaded());
    EXPECT_TRUE(f.form->visible());

    // No Windows folder at all: nothing found either.
    CookieFixture g;
    g.mem.files.setWindowsDirectory("");
    g.open();
    EXPECT_EQ(g.keeper->List1.count(), 0);
    EXPECT_EQ(g.keeper->Label1.caption(), "There were no Cookies found.");
}

TEST(CookieKeeper, ScansTheFoldersInOrderWithACaseSensitiveNameTest) {
    CookieFixture f;
    auto& fs = f.mem.files;
    fs.addFile("C:\\WINDOWS\\cookies\\user@site.txt", 1);
    fs.addFile("C:\\WINDOWS\\cookies\\USER@LOUD.TXT", 1);  // capitals: not a cookie
    fs.addFile("C:\\WINDOWS\\cookies\\old.txt.bak", 1);    // contains ".txt": listed
    fs.addFile("C:\\WINDOWS\\cookies\\index.dat", 1);
    fs.addFolder("C:\\WINDOWS\\cookies\\nested.txt");  // a folder is never a cookie
    fs.addFile("C:\\WINDOWS\\cookies\\deep\\cookies\\d@x.txt", 1);
    fs.addFile("C:\\WINDOWS\\cookies\\deep\\cookies\\sub\\cookies\\no.txt",
               1);  // two levels: not examined
    fs.addFile("C:\\WINDOWS\\profiles\\direct@p.txt", 1);
    fs.addFile("C:\\WINDOWS\\profiles\\anna\\cookies\\anna@a.txt", 1);
    fs.addFile("C:\\WINDOWS\\profiles\\anna\\cookies\\anna@b.txt", 1);
    fs.addFile("C:\\WINDOWS\\profiles\\anna\\notcookies\\x.txt", 1);
    fs.addFolder("C:\\WINDOWS\\profiles\\bob");  // no cookies folder
    fs.addFile("C:\\WINDOWS\\profiles\\carl\\cookies\\c@c.txt", 1);
    f.open();
    EXPECT_EQ(f.entries(), (std::vector<std::string>{
                               "C:\\WINDOWS\\cookies\\user@site.txt",
                               "C:\\WINDOWS\\cookies\\old.txt.bak",
                               "C:\\WINDOWS\\cookies\\deep\\cookies\\d@x.txt",
                               "C:\\WINDOWS\\profiles\\direct@p.txt",
                               "C:\\WINDOWS\\profiles\\anna\\cookies\\anna@a.txt",
                               "C:\\WINDOWS\\profiles\\anna\\cookies\\anna@b.txt",
                               "C:\\WINDOWS\\profiles\\carl\\cookies\\c@c.txt",
                           }));
    EXPECT_EQ(f.checkedCount(), 7);
    EXPECT_EQ(f.keeper->List1.listIndex(), 0);
    EXPECT_EQ(f.keeper->Label1.caption(), "Remove Checks from Cookies to keep");
    EXPECT_EQ(f.keeper->Label2.caption(), "7 Cookies");
}

TEST(CookieKeeper, LinkedProfilesAreNotScannedButPlaceholderFoldersAre) {
    CookieFixture f;
    auto& fs = f.mem.files;
    fs.addFile("C:\\Elsewhere\\cookies\\far@away.txt", 1);
    fs.addLink("C:\\WINDOWS\\profiles\\linked", "C:\\Elsewhere");
    fs.addLink("C:\\WINDOWS\\cookies\\junction", "C:\\Elsewhere", platform::kTagMountPoint);
    fs.addReparseFolder("C:\\WINDOWS\\profiles\\synced", platform::kTagCloud);
    fs.addFile("C:\\WINDOWS\\profiles\\synced\\cookies\\s@s.txt", 1);
    f.open();
    EXPECT_EQ(f.entries(),
              (std::vector<std::string>{"C:\\WINDOWS\\profiles\\synced\\cookies\\s@s.txt"}));
    EXPECT_TRUE(fs.exists("C:\\Elsewhere\\cookies\\far@away.txt"));
}

// A bind mount is a plain folder, no link; the scan reaches one level below the profiles only, so
// a bind mount that loops back ends there too.
TEST(CookieKeeper, BindMountsThatLoopEndTheScanAllTheSame) {
    CookieFixture f;
    auto& fs = f.mem.files;
    fs.addFile("C:\\WINDOWS\\profiles\\anna\\cookies\\anna@a.txt", 1);
    fs.addAlias("C:\\WINDOWS\\profiles\\anna\\cookies\\loop", "C:\\WINDOWS\\profiles");
    fs.addAlias("C:\\WINDOWS\\profiles\\again", "C:\\WINDOWS\\profiles");
    fs.addAlias("C:\\WINDOWS\\cookies", "C:\\WINDOWS\\profiles\\anna\\cookies");
    f.open();
    EXPECT_EQ(f.entries(), (std::vector<std::string>{
                               "C:\\WINDOWS\\cookies\\anna@a.txt",
                               "C:\\WINDOWS\\profiles\\anna\\cookies\\anna@a.txt",
                           }));
}

TEST(CookieKeeper, KeepingThreeOfTenDeletesSevenAndReopeningListsEachOnce) {
    CookieFixture f;
    for (int i = 0; i < 10; ++i)
        f.mem.files.addFile("C:\\WINDOWS\\cookies\\c" + std::to_string(i) + ".txt", 1);
    f.open();
    ASSERT_EQ(f.keeper->List1.count(), 10);
    for (int i : {2, 5, 9}) f.keeper->List1.setChecked(i, false);
    f.keeper->cmdDelCookies.click();
    EXPECT_EQ(f.mem.files.deleted.size(), 7u);
    EXPECT_EQ(f.entries(), (std::vector<std::string>{"C:\\WINDOWS\\cookies\\c2.txt",
                                                     "C:\\WINDOWS\\cookies\\c5.txt",
                                                     "C:\\WINDOWS\\cookies\\c9.txt"}));
    EXPECT_EQ(f.keeper->Label2.caption(), "3 Cookies");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(f.mem.files.exists("C:\\WINDOWS\\cookies\\c" + std::to_string(i) + ".txt"),
                  i == 2 || i == 5 || i == 9);

    // Deleting with nothing checked removes nothing and rewrites the count.
    f.keeper->Check1.setValue(0);
    f.keeper->Label2.setCaption("stale");
    f.keeper->cmdDelCookies.click();
    EXPECT_EQ(f.mem.files.deleted.size(), 7u);
    EXPECT_EQ(f.keeper->Label2.caption(), "3 Cookies");

    // Exit shows the main window again, resets and closes the keeper.
    f.keeper->cmdExt.click();
    EXPECT_FALSE(f.keeper->loaded());
    EXPECT_TRUE(f.form->visible());
    EXPECT_EQ(f.keeper->List1.count(), 0);
    EXPECT_FALSE(f.keeper->Check1.visible());

    // Reopening starts from the design state and lists every remaining file once.
    f.open();
    EXPECT_EQ(f.keeper->List1.count(), 3);
    EXPECT_EQ(f.checkedCount(), 3);
    EXPECT_EQ(f.keeper->Check1.caption(), "&Select None");
    EXPECT_EQ(f.keeper->Label2.caption(), "3 Cookies");
}

TEST(CookieKeeper, ToggleUnchecksAndRechecksWithItsCaptions) {
    CookieFixture f;
    for (int i = 0; i < 4; ++i)
        f.mem.files.addFile("C:\\WINDOWS\\cookies\\t" + std::to_string(i) + ".txt", 1);
    f.open();
    f.keeper->Label1.setCaption("kept");
    f.keeper->Check1.setValue(0);
    EXPECT_EQ(f.checkedCount(), 0);
    EXPECT_EQ(f.keeper->Check1.caption(), "&Select All");
    EXPECT_EQ(f.keeper->Label1.caption(), "kept");  // the status stays as it was
    EXPECT_EQ(f.keeper->List1.listIndex(), 0);
    f.keeper->Check1.setValue(1);
    EXPECT_EQ(f.checkedCount(), 4);
    EXPECT_EQ(f.keeper->Check1.caption(), "&Select None");
    EXPECT_EQ(f.keeper->Label1.caption(), "Remove Checks from Cookies to keep");
}

// The list may sit for hours: a deletion takes each file that was listed, reached through no
// link, or nothing. What it does not delete keeps its entry, still checked.
TEST(CookieKeeper, UndeletableCookieKeepsItsCheckedEntryAndTheCountStaysTrue) {
    CookieFixture f;
    auto& fs = f.mem.files;
    const std::string w = "C:\\WINDOWS\\";
    fs.addFile(w + "cookies\\a.txt", 1);
    fs.addFile(w + "cookies\\b.txt", 1);
    fs.addFile(w + "cookies\\locked.txt", 1, platform::kAttrReadOnly);
    fs.addFile(w + "cookies\\busy.txt", 1).inUse = true;
    fs.addFile(w + "cookies\\z.txt", 1);
    fs.addFile(w + "profiles\\anna\\cookies\\x.txt", 1);
    f.open();
    ASSERT_EQ(f.keeper->List1.count(), 6);
    // Behind the keeper's back: one file vanishes (its entry goes, as the file is gone), another
    // takes b.txt's place, and anna's folder becomes a link to files of the same names.
    fs.removeTree(w + "cookies\\z.txt");
    fs.removeTree(w + "cookies\\b.txt");
    fs.addFile(w + "cookies\\b.txt", 7);
    fs.removeTree(w + "profiles\\anna");
    fs.addFile("C:\\elsewhere\\cookies\\x.txt", 7);
    fs.addLink(w + "profiles\\anna", "C:\\elsewhere");
    f.keeper->cmdDelCookies.click();
    EXPECT_EQ(fs.deleted, std::vector<std::string>{w + "cookies\\a.txt"});
    const std::vector<std::string> kept = {w + "cookies\\b.txt", w + "cookies\\locked.txt",
                                           w + "cookies\\busy.txt",
                                           w + "profiles\\anna\\cookies\\x.txt"};
    EXPECT_EQ(f.entries(), kept);
    EXPECT_EQ(f.checkedCount(), 4);
    EXPECT_EQ(f.keeper->Label2.caption(), "4 Cookies");
    EXPECT_EQ(fs.fileLength("C:\\elsewhere\\cookies\\x.txt"), 7u);
    const char* why[] = {"a folder on its path is a link: C:\\WINDOWS\\profiles\\anna",
                         "read-only or in use", "read-only or in use",
                         "another file is in its place"};
    ASSERT_EQ(f.mem.trace.lines.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(f.mem.trace.lines[i],
                  "cookie keeper: could not delete " + kept[3 - i] + ": " + why[i]);
}

}  // namespace
}  // namespace brisko::testing
