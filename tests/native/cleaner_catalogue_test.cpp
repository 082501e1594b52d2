// The track catalogue: run order, what each item erases, and the folders it empties.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "cleaner/catalogue.h"

namespace {

using namespace brisko::cleaner;

TEST(CleanerCatalogue, TwentyThreeItemsInRunOrder) {
    const std::vector<std::string> expected = {
        "chkDocuments", "chkRunMenu", "chkUrls",    "chkTemp",   "chkCookies",    "chIECache",
        "chkHistory",   "chkWord",    "chkExcel",   "chkAccess", "chkPowerPoint", "chkRecBin",
        "chkMenu",      "chkFav",     "chkWzip1",   "chkWzip2",  "chkVb",         "NetScape1",
        "netscape2",    "netscape3",  "chkWordPad", "chkPbrush", "chkMediaPlayer"};
    const auto& items = Catalogue();
    ASSERT_EQ(items.size(), expected.size());
    int sized = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].position, static_cast<int>(i) + 1);
        EXPECT_EQ(items[i].checkbox, expected[i]);
        EXPECT_FALSE(items[i].actions.empty()) << expected[i];
        sized += items[i].hasItemSize;
    }
    EXPECT_EQ(sized, 8);
    EXPECT_EQ(items[16].caption, "Select All");
    EXPECT_EQ(items[13].caption, "Alphabetize Favorites");
}

const TrackItem& Item(std::string_view box) {
    for (const auto& item : Catalogue())
        if (item.checkbox == box) return item;
    throw std::runtime_error("no item");
}

TEST(CleanerCatalogue, OfficeItemsDeleteTheirValuesVersionByVersion) {
    const std::map<std::string, size_t> counts = {
        {"chkWord", 12}, {"chkExcel", 36}, {"chkAccess", 30}, {"chkPowerPoint", 21}};
    for (const auto& [box, count] : counts) {
        const auto steps = Steps(Item(box), {});
        ASSERT_EQ(steps.size(), count) << box;
        // All of 8.0 first, then 9.0, then 10.0, in equal shares.
        for (size_t i = 0; i < steps.size(); ++i) {
            const char* version = i < count / 3       ? "\\8.0\\"
                                  : i < 2 * count / 3 ? "\\9.0\\"
                                                      : "\\10.0\\";
            EXPECT_EQ(steps[i].kind, Step::Kind::DeleteValue);
            EXPECT_EQ(steps[i].root, brisko::platform::RegRoot::CurrentUser);
            EXPECT_EQ(steps[i].key.rfind("Software\\Microsoft\\Office" + std::string(version), 0),
                      0u)
                << box << " " << steps[i].key;
        }
    }
    const auto word = Steps(Item("chkWord"), {});
    EXPECT_EQ(
        word[0].key,
        "Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft Word\\Settings\\Insert "
        "Picture\\File Name MRU");
    EXPECT_EQ(word[3].key, "Software\\Microsoft\\Office\\8.0\\Word\\Data");
    EXPECT_EQ(word[3].name, "Settings");
    const auto access = Steps(Item("chkAccess"), {});
    EXPECT_EQ(access[7].name, "MRUFlags4");
    EXPECT_EQ(
        access[9].key,
        "Software\\Microsoft\\Office\\8.0\\Common\\Open Find\\Microsoft Access\\Settings\\Save "
        "As\\File Name MRU");
}

// The folders each item empties (and the estimate measures, index files left out): the shell's
// for the current user, the layouts only where it names none, the user's Temp once and never a
// folder that holds far more than traces.
TEST(CleanerCatalogue, FoldersOfEachItem) {
    const std::string local = "C:\\users\\ann\\AppData\\Local\\";
    const std::string win = local + "Microsoft\\Windows\\";
    Where shell{SystemKind::Nine,       "C:\\windows",       "C:",
                win + "INetCache",      win + "INetCookies", win + "History",
                "C:\\users\\ann\\Temp", "C:\\users\\ann"};
    auto with = [](Where w, auto change) {
        change(w);
        return w;
    };
    // Where the shell names none.
    const Where nine{SystemKind::Nine, "C:\\WINDOWS", "C:", {}, {}, {}, {}, {}};
    const Where nt{SystemKind::Nt, "D:\\WINNT", "D:", {}, {}, {}, {}, {}};
    const std::string admin = "D:\\Documents and Settings\\Administrator\\";
    using V = std::vector<std::string>;
    struct Case {
        const char* what;
        Where where;
        const char* box;
        V folders;  // each followed by its index file, "" for none
    };
    const Case cases[] = {
        {"shell", shell, "chIECache", {win + "INetCache\\", "Content.IE5\\index.dat"}},
        {"shell", shell, "chkCookies", {win + "INetCookies\\", "index.dat"}},
        {"shell", shell, "chkHistory", {win + "History\\", "History.IE5\\index.dat"}},
        {"shell", shell, "chkTemp", {"C:\\windows\\Temp\\", "", "C:\\users\\ann\\Temp\\", ""}},
        {"nine",
         nine,
         "chIECache",
         {"C:\\WINDOWS\\Temporary Internet Files\\", "Content.IE5\\index.dat"}},
        {"nine", nine, "chkCookies", {"C:\\WINDOWS\\Cookies\\", "index.dat"}},
        {"nine", nine, "chkHistory", {"C:\\WINDOWS\\History\\", "History.IE5\\index.dat"}},
        {"nine", nine, "chkTemp", {"C:\\WINDOWS\\Temp\\", ""}},
        {"nt: the Administrator's only", nt, "chkCookies", {admin + "Cookies\\", "index.dat"}},
        {"nt",
         nt,
         "chIECache",
         {admin + "Local Settings\\Temporary Internet Files\\", "Content.IE5\\index.dat"}},
        {"nt", nt, "chkHistory", {admin + "Local Settings\\History\\", "index.dat"}},
        {"nt", nt, "chkTemp", {"D:\\WINNT\\Temp\\", ""}},
    };
    static const std::map<std::string_view, Folder> folders = {{"chkTemp", Folder::Temp},
                                                               {"chkCookies", Folder::Cookies},
                                                               {"chIECache", Folder::IeCache},
                                                               {"chkHistory", Folder::History}};
    auto check = [&](const Case& c) {
        V emptied, measured, expectedEmptied;
        for (const auto& step : Steps(Item(c.box), c.where)) emptied.push_back(step.path);
        for (const ItemFolder& f : FoldersOf(folders.at(c.box), c.where)) {
            measured.push_back(f.folder);
            measured.push_back(f.index);
        }
        for (size_t i = 0; i < c.folders.size(); i += 2) expectedEmptied.push_back(c.folders[i]);
        EXPECT_EQ(measured, c.folders) << c.what << " " << c.box;
        EXPECT_EQ(emptied, expectedEmptied) << c.what << " " << c.box;
    };
    for (const Case& c : cases) check(c);
    // The user's Temp left out: the Windows Temp or inside it, inside another item's folder
    // (which empties it), holding one, the profile, the Windows folder, a root, no full path.
    for (const std::string& temp :
         {std::string("c:\\Windows\\TEMP\\"), std::string("C:\\windows\\Temp\\a"),
          win + "INetCache\\Temp", local, std::string("C:\\users\\ann"), std::string("C:\\windows"),
          std::string("C:\\"), std::string("Temp")})
        check({temp.c_str(),
               with(shell, [&](Where& w) { w.userTemp = temp; }),
               "chkTemp",
               {"C:\\windows\\Temp\\", ""}});
    // A shell folder that is the profile or a share's root is not emptied.
    check({"profile",
           with(shell, [](Where& w) { w.cookies = "C:\\users\\ann\\"; }),
           "chkCookies",
           {}});
    check({"share", with(shell, [](Where& w) { w.cache = "\\\\s\\c"; }), "chIECache", {}});
    EXPECT_TRUE(Steps(Item("chkTemp"), with(shell, [](Where& w) { w.kind = SystemKind::Neither; }))
                    .empty());
}

TEST(CleanerCatalogue, SystemKindIgnoresLetterCaseOnly) {
    EXPECT_EQ(SystemKindOf("WINDOWS"), SystemKind::Nine);
    EXPECT_EQ(SystemKindOf("windows"), SystemKind::Nine);
    EXPECT_EQ(SystemKindOf("WinNT"), SystemKind::Nt);
    EXPECT_EQ(SystemKindOf("WIN"), SystemKind::Neither);
    EXPECT_EQ(SystemKindOf("WINDOWS "), SystemKind::Neither);
    EXPECT_EQ(SystemKindOf(""), SystemKind::Neither);
}

TEST(CleanerCatalogue, MenuOrderIsDeletedTwiceAndMediaPlayerFilesComeFirst) {
    const auto menu = Steps(Item("chkMenu"), {});
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].routine, Routine::ResetStartMenuOrder);
    EXPECT_EQ(menu[1].name, "Order");
    EXPECT_EQ(menu[1].key,
              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start "
              "Menu\\&Programs\\Menu");

    const auto media = Steps(Item("chkMediaPlayer"), {});
    ASSERT_EQ(media.size(), 7u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(media[i].name, "File" + std::to_string(i));
    EXPECT_EQ(media[6].routine, Routine::ClearMediaPlayerUrls);

    const auto urls = Steps(Item("chkUrls"), {});
    std::vector<std::string_view> names;
    for (const auto& s : urls) names.push_back(RoutineName(s.routine));
    EXPECT_EQ(names, (std::vector<std::string_view>{"ClearTypedUrls", "ClearDefaultTypedUrls",
                                                    "ClearRunMruUrls", "ClearDefaultRunMruUrls"}));

    const auto cookies = Steps(Item("netscape3"), {});
    ASSERT_EQ(cookies.size(), 1u);
    EXPECT_EQ(cookies[0].path, "C:\\Program Files\\Netscape\\Users\\user\\cookies.txt");
}

}  // namespace
