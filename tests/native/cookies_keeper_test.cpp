// The cookie keeper over the in-memory file tree, opened from the main window.
#include <gtest/gtest.h>

#include "cookies/cookie_records.h"
#include "cookies/frm_cookies.h"
#include "fixtures.h"

namespace brisko::testing {
namespace {

const std::string kCookies = "C:\\WINDOWS\\cookies\\";
const std::string kProfiles = "C:\\WINDOWS\\profiles\\";
// One record of nine lines for the site `where`.
std::string Record(const std::string& where, const std::string& flags = "9") {
    return "a\nb\n" + where + "\n" + flags + "\n1\n2\n3\n4\n*\n";
}

struct CookieFixture : MainWindowFixture {
    std::unique_ptr<cookies::FrmCookies> keeper;
    platform::MemoryFileSystem& fs = mem.files;
    CookieFixture() {
        fs.setWindowsDirectory("C:\\WINDOWS");
        fs.addFolder("C:\\WINDOWS");
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
    Texts entries() { return keeper->List1.items(); }
};

struct CookieKeeper : CookieFixture, ::testing::Test {};

TEST_F(CookieKeeper, NoCookiesOrNoWindowsFolderGiveAnEmptyListAndItsMessage) {
    auto& k = *keeper;
    fs.addFile(kCookies + "index.dat", 10);
    form->hide();
    k.show();
    EXPECT_TRUE(k.visible() && !k.Check1.visible());
    EXPECT_EQ(k.Label1.caption(), "Scanning For Cookies... Please Wait");
    EXPECT_EQ(k.List1.horizontalExtent(), 770);  // 5775 twips / 15 * 2
    k.Timer1.tick();
    EXPECT_TRUE(!k.Timer1.enabled() && k.List1.count() == 0 && k.Check1.visible());
    EXPECT_EQ(Captions({&k.Label1, &k.Label2, &k.Check1}),
              (Texts{"There were no Cookies found.", "0 Cookies", "&Select None"}));
    EXPECT_EQ(k.mousePointer(), controls::kPointerDefault);
    // Toggle and delete on an empty list change nothing and do not fail.
    k.Check1.setValue(0);
    k.cmdDelCookies.click();
    EXPECT_TRUE(k.Label2.caption() == "0 Cookies" && fs.deleted.empty());
    // The caption's close shows the main window again.
    k.onSystemClose();
    EXPECT_TRUE(!k.loaded() && form->visible());
    CookieFixture g;
    g.fs.setWindowsDirectory("");
    g.open();
    EXPECT_TRUE(g.entries().empty() && g.keeper->Label1.caption() == k.Label1.caption());
}

// ".txt" case-sensitively, no folders; one level below profiles and into "cookies" folders.
TEST_F(CookieKeeper, ScansTheFoldersInOrderWithACaseSensitiveNameTest) {
    for (const std::string& file :
         {kCookies + "user@site.txt", kCookies + "USER@LOUD.TXT", kCookies + "old.txt.bak",
          kCookies + "index.dat", kCookies + "deep\\cookies\\d@x.txt",
          kCookies + "deep\\cookies\\sub\\cookies\\no.txt", kProfiles + "direct@p.txt",
          kProfiles + "anna\\cookies\\anna@a.txt", kProfiles + "anna\\cookies\\anna@b.txt",
          kProfiles + "anna\\notcookies\\x.txt", kProfiles + "carl\\cookies\\c@c.txt"})
        fs.addFile(file, 1);
    fs.addFolder(kCookies + "nested.txt");
    fs.addFolder(kProfiles + "bob");
    open();
    EXPECT_EQ(entries(), (Texts{kCookies + "user@site.txt", kCookies + "old.txt.bak",
                                kCookies + "deep\\cookies\\d@x.txt", kProfiles + "direct@p.txt",
                                kProfiles + "anna\\cookies\\anna@a.txt",
                                kProfiles + "anna\\cookies\\anna@b.txt",
                                kProfiles + "carl\\cookies\\c@c.txt"}));
    EXPECT_TRUE(CheckedCount(keeper->List1) == 7 && keeper->List1.listIndex() == 0);
    EXPECT_EQ(Captions({&keeper->Label1, &keeper->Label2}),
              (Texts{"Remove Checks from Cookies to keep", "7 Cookies"}));
}

// Links are not followed, placeholders are; a looping bind mount ends at the scan's depth.
TEST_F(CookieKeeper, LinksAreNotScannedPlaceholdersAndBindMountsAre) {
    fs.addFile("C:\\Elsewhere\\cookies\\far@away.txt", 1);
    fs.addLink(kProfiles + "linked", "C:\\Elsewhere");
    fs.addLink(kCookies + "junction", "C:\\Elsewhere", platform::kTagMountPoint);
    fs.addReparseFolder(kProfiles + "synced", platform::kTagCloud);
    fs.addFile(kProfiles + "synced\\cookies\\s@s.txt", 1);
    open();
    EXPECT_EQ(entries(), (Texts{kProfiles + "synced\\cookies\\s@s.txt"}));
    CookieFixture g;
    g.fs.addFile(kProfiles + "anna\\cookies\\anna@a.txt", 1);
    g.fs.addAlias(kProfiles + "anna\\cookies\\loop", kProfiles);
    g.fs.addAlias(kProfiles + "again", kProfiles);
    g.fs.addAlias("C:\\WINDOWS\\cookies", kProfiles + "anna\\cookies");
    g.open();
    EXPECT_EQ(g.entries(),
              (Texts{kCookies + "anna@a.txt", kProfiles + "anna\\cookies\\anna@a.txt"}));
}

TEST_F(CookieKeeper, KeepingThreeOfTenDeletesSevenAndReopeningListsEachOnce) {
    auto& k = *keeper;
    for (int i = 0; i < 10; ++i) fs.addFile(kCookies + "c" + std::to_string(i) + ".txt", 1);
    open();
    ASSERT_EQ(k.List1.count(), 10);
    for (int i : {2, 5, 9}) k.List1.setChecked(i, false);
    k.cmdDelCookies.click();
    const Texts kept = {kCookies + "c2.txt", kCookies + "c5.txt", kCookies + "c9.txt"};
    EXPECT_TRUE(entries() == kept && k.Label2.caption() == "3 Cookies" && fs.deleted.size() == 7u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(fs.exists(kCookies + "c" + std::to_string(i) + ".txt"),
                  i == 2 || i == 5 || i == 9);
    // The toggle unchecks and rechecks with its captions; the status stays until rechecked.
    k.Label1.setCaption("kept");
    k.Check1.setValue(0);
    EXPECT_EQ(CheckedCount(k.List1), 0);
    EXPECT_EQ(Captions({&k.Check1, &k.Label1}), (Texts{"&Select All", "kept"}));
    EXPECT_EQ(k.List1.listIndex(), 0);
    // Deleting with nothing checked removes nothing and rewrites the count.
    k.Label2.setCaption("stale");
    k.cmdDelCookies.click();
    EXPECT_TRUE(fs.deleted.size() == 7u && k.Label2.caption() == "3 Cookies");
    k.Check1.setValue(1);
    EXPECT_EQ(CheckedCount(k.List1), 3);
    EXPECT_EQ(Captions({&k.Check1, &k.Label1}),
              (Texts{"&Select None", "Remove Checks from Cookies to keep"}));
    // Exit shows the main window again, resets and closes the keeper.
    k.cmdExt.click();
    EXPECT_TRUE(!k.loaded() && form->visible() && k.List1.count() == 0 && !k.Check1.visible());
    // Reopening starts from the design state and lists every remaining file once.
    k.Check1.setValue(0);
    open();
    EXPECT_TRUE(k.List1.count() == 3 && CheckedCount(k.List1) == 3);
    EXPECT_EQ(Captions({&k.Check1, &k.Label2}), (Texts{"&Select None", "3 Cookies"}));
}

// A deletion takes each listed file through no link, or nothing; the rest stay checked.
TEST_F(CookieKeeper, UndeletableCookieKeepsItsCheckedEntryAndTheCountStaysTrue) {
    for (const char* name : {"a.txt", "b.txt", "z.txt"}) fs.addFile(kCookies + name, 1);
    fs.addFile(kCookies + "locked.txt", 1, platform::kAttrReadOnly);
    fs.addFile(kCookies + "busy.txt", 1).inUse = true;
    fs.addFile(kProfiles + "anna\\cookies\\x.txt", 1);
    open();
    ASSERT_EQ(keeper->List1.count(), 6);
    // Meanwhile: z.txt goes, another b.txt takes its place, anna's folder becomes a link.
    fs.removeTree(kCookies + "z.txt");
    fs.removeTree(kCookies + "b.txt");
    fs.addFile(kCookies + "b.txt", 7);
    fs.removeTree(kProfiles + "anna");
    fs.addFile("C:\\elsewhere\\cookies\\x.txt", 7);
    fs.addLink(kProfiles + "anna", "C:\\elsewhere");
    keeper->cmdDelCookies.click();
    EXPECT_EQ(fs.deleted, Texts{kCookies + "a.txt"});
    const Texts kept = {kCookies + "b.txt", kCookies + "locked.txt", kCookies + "busy.txt",
                        kProfiles + "anna\\cookies\\x.txt"};
    EXPECT_TRUE(entries() == kept && CheckedCount(keeper->List1) == 4);
    EXPECT_EQ(keeper->Label2.caption(), "4 Cookies");
    EXPECT_EQ(fs.fileLength("C:\\elsewhere\\cookies\\x.txt"), 7u);
    const char* why[] = {"a folder on its path is a link: C:\\WINDOWS\\profiles\\anna",
                         "read-only or in use", "read-only or in use",
                         "another file is in its place"};
    ASSERT_EQ(mem.trace.lines.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(mem.trace.lines[i],
                  "cookie keeper: could not delete " + kept[3 - i] + ": " + why[i]);
}

// The shell's cookie folder and below, never through a link; sites shown; checked ones go.
TEST_F(CookieKeeper, TheUsersOwnCookiesWithTheSitesOfTheirWellFormedRecords) {
    const std::string jar = "C:\\users\\ann\\AppData\\Local\\Microsoft\\Windows\\INetCookies";
    mem.shell.folders[platform::UserFolder::Cookies] = jar;
    fs.addFileWithContent(jar + "\\K3J9X2QA.txt", Record("a.example/") + Record("b.example/"));
    fs.addFileWithContent(jar + "\\Low\\P0L8M7NB.cookie", Record("low.example/"));
    fs.addFileWithContent(jar + "\\ann@named[1].txt", Record("named.example/"));
    fs.addFileWithContent(jar + "\\junk.txt", "\x01\x02");
    fs.addFile(jar + "\\index.dat", 10);
    fs.addFile("C:\\Outside\\far.txt", 1);
    fs.addLink(jar + "\\out", "C:\\Outside");
    fs.addFile(kCookies + "old@site.txt", 1);
    open();
    EXPECT_EQ(entries(),
              (Texts{jar + "\\K3J9X2QA.txt  (a.example, b.example)", jar + "\\ann@named[1].txt",
                     jar + "\\junk.txt", jar + "\\Low\\P0L8M7NB.cookie  (low.example)"}));
    keeper->List1.setChecked(0, false);
    keeper->cmdDelCookies.click();
    EXPECT_EQ(fs.deleted, (Texts{jar + "\\Low\\P0L8M7NB.cookie", jar + "\\junk.txt",
                                 jar + "\\ann@named[1].txt"}));
    ASSERT_EQ(keeper->foundFiles().size(), 1u);
    EXPECT_EQ(keeper->foundFiles()[0].path, jar + "\\K3J9X2QA.txt");
    // Records of nine lines: only well-formed ones name a site, and a broken one spoils no other.
    const std::string one = "SID\nabc\nexample.com/\n1024\n3567587328\n30000000\n2000\n2900\n*\n";
    const std::pair<std::string, const char*> cases[] = {
        {"", ""},
        {one + Record("other.net/") + one, "example.com, other.net"},
        {"a\r\nb\r\nwww.site.org/shop/\r\n9\r\n1\r\n2\r\n3\r\n4\r\n*\r\n" + one,
         "www.site.org, example.com"},
        {one + "X\ny\nhalf.example/\n1024\n", "example.com"},  // cut off at the end
        {"X\ny\nhalf.example/\n*\n" + one, "example.com"},     // cut short before another
        {std::string("\0\x01\xff\n\n\n\n\n\n\n\n*\n", 13) + one, "example.com"},
        {Record("example.com/", "ten") + Record("example.com") + Record("ex ample.com/") +
             Record("/x") + Record("a\\b/"),
         ""}};  // no numbers, no path, no printable host
    for (const auto& [text, sites] : cases) EXPECT_EQ(cookies::CookieSites(text), sites) << text;
    const auto parsed = cookies::ParseCookieRecords(one);
    ASSERT_EQ(parsed.size(), 1u);
    EXPECT_EQ(parsed[0].name + "=" + parsed[0].value + " " + parsed[0].path, "SID=abc /");
}

}  // namespace
}  // namespace brisko::testing
