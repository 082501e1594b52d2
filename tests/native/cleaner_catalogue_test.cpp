// The track catalogue: run order, what each item erases, and the folders by system kind.
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

TEST(CleanerCatalogue, FolderItemsByLayout) {
    const Where nine{SystemKind::Nine, "C:\\WINDOWS", "C:"};
    const Where nt{SystemKind::Nt, "D:\\WINNT", "D:"};
    const Where neither{SystemKind::Neither, "D:\\WIN", "D:"};
    auto paths = [](std::string_view box, const Where& where) {
        std::vector<std::string> out;
        for (const auto& step : Steps(Item(box), where)) {
            EXPECT_EQ(step.kind, Step::Kind::RemoveTree);
            out.push_back(step.path);
        }
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(paths("chkTemp", nine), V{"C:\\WINDOWS\\Temp\\"});
    EXPECT_EQ(paths("chkCookies", nine), V{"C:\\WINDOWS\\Cookies\\"});
    EXPECT_EQ(paths("chIECache", nine), V{"C:\\WINDOWS\\Temporary Internet Files\\"});
    EXPECT_EQ(paths("chkHistory", nine), V{"C:\\WINDOWS\\History\\"});
    EXPECT_EQ(paths("chkTemp", nt), V{"D:\\WINNT\\Temp\\"});
    EXPECT_EQ(paths("chkCookies", nt), (V{"D:\\Documents and Settings\\Administrator\\Cookies\\",
                                          "D:\\Documents and Settings\\Default User\\Cookies\\"}));
    EXPECT_EQ(paths("chIECache", nt),
              V{"D:\\Documents and Settings\\Administrator\\Local Settings\\Temporary Internet "
                "Files\\"});
    EXPECT_EQ(paths("chkHistory", nt),
              V{"D:\\Documents and Settings\\Administrator\\Local Settings\\History\\"});
    for (auto box : {"chkTemp", "chkCookies", "chIECache", "chkHistory"})
        EXPECT_TRUE(paths(box, neither).empty()) << box;
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
