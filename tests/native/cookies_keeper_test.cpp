// The cookie keeper over the in-memory file tree, opened from the main window.
#include <gtest/gtest.h>

#include <memory>

#include "cookies/cookie_records.h"
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

TEST(CookieKeeper, UndeletableCookieKeepsItsCheckedEntryAndTheCountStaysTrue) {
    CookieFixture f;
    auto& fs = f.mem.files;
    fs.addFile("C:\\WINDOWS\\cookies\\a.txt", 1);
    fs.addFile("C:\\WINDOWS\\cookies\\locked.txt", 1, platform::kAttrReadOnly);
    fs.addFile("C:\\WINDOWS\\cookies\\busy.txt", 1).inUse = true;
    fs.addFile("C:\\WINDOWS\\cookies\\z.txt", 1);
    f.open();
    ASSERT_EQ(f.keeper->List1.count(), 4);
    // One file vanishes behind the keeper's back: its entry goes, as the file is gone.
    fs.deleteFile("C:\\WINDOWS\\cookies\\z.txt");
    fs.deleted.clear();
    f.keeper->cmdDelCookies.click();
    EXPECT_EQ(fs.deleted, std::vector<std::string>{"C:\\WINDOWS\\cookies\\a.txt"});
    EXPECT_EQ(f.entries(), (std::vector<std::string>{"C:\\WINDOWS\\cookies\\locked.txt",
                                                     "C:\\WINDOWS\\cookies\\busy.txt"}));
    EXPECT_EQ(f.checkedCount(), 2);
    EXPECT_EQ(f.keeper->Label2.caption(), "2 Cookies");
    EXPECT_TRUE(fs.exists("C:\\WINDOWS\\cookies\\locked.txt"));
    EXPECT_EQ(f.mem.trace.lines,
              (std::vector<std::string>{
                  "cookie keeper: could not delete C:\\WINDOWS\\cookies\\busy.txt",
                  "cookie keeper: could not delete C:\\WINDOWS\\cookies\\locked.txt"}));
}

// Records of nine lines; only well-formed ones name a site, and a broken one spoils no other.
TEST(CookieRecords, WellFormedTruncatedJunkAndEmpty) {
    const std::string one = "SID\nabc\nexample.com/\n1024\n3567587328\n30000000\n2000\n2900\n*\n";
    auto record = [](const std::string& where, const std::string& flags = "9") {
        return "a\nb\n" + where + "\n" + flags + "\n1\n2\n3\n4\n*\n";
    };
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> hosts;
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"one", one, {"example.com"}},
        {"CR LF, a longer path",
         "a\r\nb\r\nwww.site.org/shop/\r\n9\r\n1\r\n2\r\n3\r\n4\r\n*\r\n" + one,
         {"www.site.org", "example.com"}},
        {"cut off at the end", one + "X\ny\nhalf.example/\n1024\n", {"example.com"}},
        {"cut short before another", "X\ny\nhalf.example/\n*\n" + one, {"example.com"}},
        {"binary junk", std::string("\0\x01\xff\n\n\n\n\n\n\n\n*\n", 13) + one, {"example.com"}},
        {"no numbers", record("example.com/", "ten"), {}},
        {"no path", record("example.com"), {}},
        {"no printable host", record("ex ample.com/") + record("/x") + record("a\\b/"), {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> hosts;
        for (const auto& r : cookies::ParseCookieRecords(c.text)) hosts.push_back(r.host);
        EXPECT_EQ(hosts, c.hosts) << c.what;
    }
    const auto parsed = cookies::ParseCookieRecords(one);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].name + "=" + parsed[0].value + " " + parsed[0].path, "SID=abc /");
    EXPECT_EQ(cookies::CookieSites(one + record("other.net/") + one), "example.com, other.net");
}

// The user's cookie folder as the shell names it and every folder below it ("Low" too), links
// never entered; a name that tells no site shows the sites of its records; deletion takes exactly
// the checked files, whatever their entries read.
TEST(CookieKeeper, TheUsersOwnCookiesWithTheirSites) {
    CookieFixture f;
    auto& fs = f.mem.files;
    const std::string jar = "C:\\users\\ann\\AppData\\Local\\Microsoft\\Windows\\INetCookies\\";
    const std::string folder = jar.substr(0, jar.size() - 1);
    f.mem.shell.folders[platform::UserFolder::Cookies] = folder;
    auto record = [](const std::string& host) {
        return "id\nv\n" + host + "/\n1024\n1\n2\n3\n4\n*\n";
    };
    fs.addFileWithContent(jar + "K3J9X2QA.txt", record("example.com") + record("ads.example.net"));
    fs.addFileWithContent(jar + "Low\\P0L8M7NB.cookie", record("low.example.org"));
    fs.addFileWithContent(jar + "ann@named[1].txt", record("named.example"));
    fs.addFileWithContent(jar + "junk.txt", "\x01\x02");
    fs.addFile(jar + "index.dat", 10);
    fs.addFile("C:\\Outside\\far.txt", 1);
    fs.addLink(jar + "out", "C:\\Outside");
    fs.addFile("C:\\WINDOWS\\cookies\\old@site.txt", 1);  // the layout: not where the shell says
    f.open();
    EXPECT_EQ(f.entries(),
              (std::vector<std::string>{folder + "\\K3J9X2QA.txt  (example.com, ads.example.net)",
                                        folder + "\\ann@named[1].txt", folder + "\\junk.txt",
                                        folder + "\\Low\\P0L8M7NB.cookie  (low.example.org)"}));
    f.keeper->List1.setChecked(0, false);
    f.keeper->cmdDelCookies.click();
    EXPECT_EQ(fs.deleted,
              (std::vector<std::string>{folder + "\\Low\\P0L8M7NB.cookie", folder + "\\junk.txt",
                                        folder + "\\ann@named[1].txt"}));
    EXPECT_EQ(
        f.entries(),
        (std::vector<std::string>{folder + "\\K3J9X2QA.txt  (example.com, ads.example.net)"}));
    EXPECT_EQ(f.keeper->foundFiles(), std::vector<std::string>{folder + "\\K3J9X2QA.txt"});
}

}  // namespace
}  // namespace brisko::testing
