#include <gtest/gtest.h>

#include "cleaner/get_win_dir_size.h"
#include "platform/memory/memory_platform.h"

using namespace brisko;
using platform::kAttrHidden;
using platform::kAttrSystem;

struct FolderSizeTest : ::testing::Test {
    platform::MemoryPlatform mem;
    double size(const std::string& path) {
        return cleaner::FolderSize(mem.files, mem.desktop, path);
    }
};

TEST_F(FolderSizeTest, CountsFilesAtEveryDepthHiddenAndSystemIncluded) {
    mem.files.addFolder("C:\\Empty");
    EXPECT_EQ(size("C:\\Empty"), 0);
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

TEST_F(FolderSizeTest, NeverFollowsLinksSoLoopsEndAndTargetsAreNotCounted) {
    mem.files.addFile("C:\\Outside\\keep.dat", 1000);
    mem.files.addFile("C:\\W\\Temp\\a", 3);
    mem.files.addLink("C:\\W\\Temp\\out", "C:\\Outside");
    mem.files.addLink("C:\\W\\Temp\\loop", "C:\\W");
    EXPECT_EQ(size("C:\\W\\Temp"), 3);
}

TEST_F(FolderSizeTest, UnlistableFolderCountsZeroAndTheWalkGoesOn) {
    mem.files.addFile("C:\\T\\a", 4);
    mem.files.addFile("C:\\T\\Locked\\secret", 50).size = 50;
    mem.files.find("C:\\T\\Locked")->unlistable = true;
    mem.files.addFile("C:\\T\\z", 6);
    EXPECT_EQ(size("C:\\T"), 10);
    EXPECT_EQ(size("C:\\T\\Locked"), 0);
}

TEST_F(FolderSizeTest, YieldsAfterEveryEntryAndServesEventsDuringTheWalk) {
    for (int i = 0; i < 5; ++i) mem.files.addFile("C:\\T\\f" + std::to_string(i), 1);
    int served = 0;
    mem.desktop.onYield = [&] { ++served; };
    EXPECT_EQ(size("C:\\T"), 5);
    EXPECT_EQ(served, 7);  // ".", ".." and five files
}

TEST(PathHelpers, AddBackslashAndDrivePrefix) {
    EXPECT_EQ(cleaner::AddBackslash("C:"), "C:\\");
    EXPECT_EQ(cleaner::AddBackslash("C:\\x\\"), "C:\\x\\");
    EXPECT_EQ(cleaner::AddBackslash(""), "\\");
    EXPECT_EQ(cleaner::DrivePrefix("C:\\WINNT"), "c:");
    EXPECT_EQ(cleaner::DrivePrefix("C:\\WINNT", true), "c:\\");
    EXPECT_EQ(cleaner::DrivePrefix("D"), "d");
}
