#include <gtest/gtest.h>

#include <vector>

#include "cleaner/get_win_dir_size.h"
#include "platform/folder_entries.h"
#include "platform/links.h"
#include "platform/memory/memory_platform.h"

using namespace brisko;
using platform::kAttrDirectory;
using platform::kAttrHidden;
using platform::kAttrReparsePoint;
using platform::kAttrSystem;

struct FolderSizeTest : ::testing::Test {
    platform::MemoryPlatform mem;
    double size(const std::string& path) {
        return cleaner::FolderSize(mem.files, mem.desktop, path);
    }
};

TEST_F(FolderSizeTest, CountsFilesAtEveryDepthHiddenAndSystemIncludedYieldingAfterEach) {
    mem.files.addFolder("C:\\Empty");
    EXPECT_EQ(size("C:\\Empty"), 0);
    // Events are served after every entry, the dot entries too.
    for (int i = 0; i < 5; ++i) mem.files.addFile("C:\\Y\\f" + std::to_string(i), 1);
    int served = 0;
    mem.desktop.onYield = [&] { ++served; };
    EXPECT_EQ(size("C:\\Y"), 5);
    EXPECT_EQ(served, 7);
    mem.desktop.onYield = nullptr;
    mem.files.addFile("C:\\T\\a.txt", 10);
    mem.files.addFile("C:\\T\\Sub\\b.txt", 5);
    EXPECT_EQ(size("C:\\T"), 15);
    EXPECT_EQ(size("C:\\T\\"), 15);
    mem.files.addFile("C:\\T\\Sub\\Deeper\\h.dat", 100, kAttrHidden);
    mem.files.addFile("C:\\T\\s.sys", 1000, kAttrSystem | kAttrHidden);
    mem.files.addFolder("C:\\T\\HiddenDir", kAttrHidden);
    mem.files.addFile("C:\\T\\HiddenDir\\x", 7);
    EXPECT_EQ(size("C:\\T"), 1122);
}

TEST_F(FolderSizeTest, FilesMissingPathsAndSixtyFourBitSizes) {
    mem.files.addFile("C:\\one.bin", 42);
    EXPECT_EQ(size("C:\\one.bin"), 42);
    EXPECT_EQ(size("C:\\nothing-here"), 0);
    EXPECT_EQ(size(""), 0);
    EXPECT_EQ(size("\\Temp"), 0);
    mem.files.addFile("C:\\Big\\huge.iso", 5368709120ull);
    mem.files.addFile("C:\\Big\\small", 1);
    EXPECT_EQ(size("C:\\Big"), 5368709121.0);
}

TEST(LinkRule, AReparsePointIsALinkUnlessItsTagBearsData) {
    constexpr std::uint32_t folder = kAttrDirectory | kAttrReparsePoint;
    constexpr std::uint32_t file = kAttrReparsePoint;
    struct Case {
        std::uint32_t tag;
        bool link;
    };
    const Case cases[] = {
        {0, true},  // how Wine reports every folder link
        {platform::kTagSymlink, true},
        {platform::kTagMountPoint, true},
        {platform::kTagAppExecLink, true},
        {0x12345678, true},  // unknown
        {platform::kTagCloud, false},
        {0x9000101A, false},  // the first and last of the cloud variants
        {0x9000F01A, false},
        {0x9001001A, true},  // outside the variant bits
        {0x9000001B, true},
        {platform::kTagDedup, false},
        {platform::kTagWof, false},
        {platform::kTagSis, false},
        {platform::kTagHsm, false},
        {platform::kTagHsm2, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::IsLink(folder, c.tag), c.link) << std::hex << c.tag;
        EXPECT_EQ(platform::IsLink(file, c.tag), c.link) << std::hex << c.tag;
        // Without the reparse attribute the tag means nothing.
        EXPECT_FALSE(platform::IsLink(kAttrDirectory, c.tag)) << std::hex << c.tag;
        platform::FindData entry;
        entry.attributes = folder;
        entry.reparseTag = c.tag;
        EXPECT_EQ(entry.isLink(), c.link) << std::hex << c.tag;
    }
    static_assert(platform::IsLink(kAttrReparsePoint, 0));
}

TEST(FolderEntries, SkipsTheDotEntriesAndTellsAnUnlistableFolder) {
    platform::MemoryFileSystem fs;
    fs.addFile("C:\\F\\a", 1);
    fs.addFolder("C:\\F\\b");
    std::vector<std::string> names;
    int listed = 0;
    EXPECT_TRUE(platform::ForEachEntry(
        fs, "C:\\F", [&](const platform::FindData& e) { names.push_back(e.name); },
        [&] { ++listed; }));
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(listed, 4);  // the dot entries are listed, just not visited
    fs.find("C:\\F\\b")->unlistable = true;
    EXPECT_FALSE(platform::ForEachEntry(fs, "C:\\F\\b", [&](const auto&) { ADD_FAILURE(); }));
    EXPECT_FALSE(platform::ForEachEntry(fs, "C:\\Nowhere", [&](const auto&) { ADD_FAILURE(); }));
}

TEST_F(FolderSizeTest, NeverFollowsLinksSoLoopsEndAndTargetsAreNotCounted) {
    mem.files.addFile("C:\\Outside\\keep.dat", 1000);
    mem.files.addFile("C:\\W\\Temp\\a", 3);
    mem.files.addLink("C:\\W\\Temp\\out", "C:\\Outside");
    mem.files.addLink("C:\\W\\Temp\\loop", "C:\\W");
    mem.files.addLink("C:\\W\\Temp\\junction", "C:\\Outside", platform::kTagMountPoint);
    mem.files.addLink("C:\\W\\Temp\\symlink", "C:\\W", platform::kTagSymlink);
    // A link to a file holds no data of its own.
    mem.files.addFile("C:\\W\\Temp\\file_link", 1000, kAttrReparsePoint);
    EXPECT_EQ(size("C:\\W\\Temp"), 3);
}

TEST_F(FolderSizeTest, DataBearingReparsePointsAreOrdinaryFilesAndFolders) {
    mem.files.addFile("C:\\T\\a", 1);
    mem.files.addReparseFolder("C:\\T\\OneCloud", 0x9000701A);
    mem.files.addFile("C:\\T\\OneCloud\\doc", 20);
    mem.files.addReparseFolder("C:\\T\\OneCloud\\Deeper", platform::kTagCloud);
    mem.files.addFile("C:\\T\\OneCloud\\Deeper\\x", 300);
    mem.files.addFile("C:\\T\\packed.dll", 4000, kAttrReparsePoint).reparseTag = platform::kTagWof;
    mem.files.addFile("C:\\T\\dedup.vhd", 50000, kAttrReparsePoint).reparseTag =
        platform::kTagDedup;
    int yields = 0;
    mem.desktop.onYield = [&] { ++yields; };
    EXPECT_EQ(size("C:\\T"), 54321);
    EXPECT_EQ(yields, 6 + 4 + 3);  // every entry of the three folders, their dot entries too
}

TEST_F(FolderSizeTest, UnlistableFolderCountsZeroAndTheWalkGoesOn) {
    mem.files.addFile("C:\\T\\a", 4);
    mem.files.addFile("C:\\T\\Locked\\secret", 50).size = 50;
    mem.files.find("C:\\T\\Locked")->unlistable = true;
    mem.files.addFile("C:\\T\\z", 6);
    EXPECT_EQ(size("C:\\T"), 10);
    EXPECT_EQ(size("C:\\T\\Locked"), 0);
}

TEST(PathHelpers, AddBackslashAndDrivePrefix) {
    EXPECT_EQ(cleaner::AddBackslash("C:"), "C:\\");
    EXPECT_EQ(cleaner::AddBackslash("C:\\x\\"), "C:\\x\\");
    EXPECT_EQ(cleaner::AddBackslash(""), "\\");
    EXPECT_EQ(cleaner::DrivePrefix("C:\\WINNT"), "c:");
    EXPECT_EQ(cleaner::DrivePrefix("C:\\WINNT", true), "c:\\");
    EXPECT_EQ(cleaner::DrivePrefix("D"), "d");
}
