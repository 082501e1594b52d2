// The exact-path rule and the in-memory file system's identities and aliases.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cleaner/file_pattern.h"
#include "cleaner/get_win_dir_size.h"
#include "platform/exact_path.h"
#include "platform/folder_entries.h"
#include "platform/memory/memory_platform.h"

using namespace brisko;
using platform::ExtendedForm;
using platform::HasNameEndingInDotOrSpace;
using platform::WithoutTrailingDotsAndSpaces;

TEST(ExactPath, OnlyNamesEndingInADotOrASpaceNeedTheExactForm) {
    EXPECT_TRUE(HasNameEndingInDotOrSpace(L"C:\\x\\trail."));
    EXPECT_TRUE(HasNameEndingInDotOrSpace(L"C:\\x\\space "));
    EXPECT_TRUE(HasNameEndingInDotOrSpace(L"C:\\dots.\\inner.txt"));
    EXPECT_TRUE(HasNameEndingInDotOrSpace(L"C:/dots./inner.txt"));
    EXPECT_TRUE(HasNameEndingInDotOrSpace(L"C:\\x\\..."));
    EXPECT_FALSE(HasNameEndingInDotOrSpace(L"C:\\x\\.\\y\\..\\z.txt"));
    EXPECT_FALSE(HasNameEndingInDotOrSpace(L"C:\\x\\"));
    EXPECT_FALSE(HasNameEndingInDotOrSpace(L"C:\\a b\\.hidden"));
    EXPECT_FALSE(HasNameEndingInDotOrSpace(L""));
}

TEST(ExactPath, TheExtendedFormKeepsEveryNameAndResolvesNavigation) {
    EXPECT_EQ(ExtendedForm(L"C:\\x\\trail."), L"\\\\?\\C:\\x\\trail.");
    EXPECT_EQ(ExtendedForm(L"c:/x//space \\"), L"\\\\?\\c:\\x\\space \\");
    EXPECT_EQ(ExtendedForm(L"C:\\x\\.\\y\\..\\dots.\\f"), L"\\\\?\\C:\\x\\dots.\\f");
    EXPECT_EQ(ExtendedForm(L"C:\\..\\..\\a"), L"\\\\?\\C:\\a");  // never above the root
    EXPECT_EQ(ExtendedForm(L"C:\\"), L"\\\\?\\C:\\");
    EXPECT_EQ(ExtendedForm(L"\\\\server\\share\\a.\\..\\b "), L"\\\\?\\UNC\\server\\share\\b ");
    EXPECT_EQ(ExtendedForm(L"\\\\server\\share\\..\\.."), L"\\\\?\\UNC\\server\\share");
    EXPECT_EQ(ExtendedForm(L"\\\\?\\C:\\as is\\.."), L"\\\\?\\C:\\as is\\..");
    // Nothing to anchor the path to: the caller makes it absolute first.
    EXPECT_EQ(ExtendedForm(L"relative\\x."), std::nullopt);
    EXPECT_EQ(ExtendedForm(L"C:drive-relative."), std::nullopt);
    EXPECT_EQ(ExtendedForm(L"\\rooted."), std::nullopt);
    EXPECT_EQ(ExtendedForm(L"\\\\.\\device"), std::nullopt);
    EXPECT_EQ(ExtendedForm(L"\\\\server"), std::nullopt);
    EXPECT_EQ(ExtendedForm(L"1:\\x"), std::nullopt);
    EXPECT_EQ(ExtendedForm(L""), std::nullopt);
}

TEST(ExactPath, AnExactPathSplitsIntoItsRootAndTheNamesBelowIt) {
    using Names = std::vector<std::wstring>;
    const struct {
        const wchar_t* path;
        const wchar_t* root;
        Names names;
    } cases[] = {
        {L"\\\\?\\C:\\adv\\spacedir \\m.bak", L"\\\\?\\C:\\", {L"adv", L"spacedir ", L"m.bak"}},
        {L"\\\\?\\C:\\x\\", L"\\\\?\\C:\\", {L"x"}},
        {L"\\\\?\\C:", L"\\\\?\\C:\\", {}},
        {L"\\\\?\\UNC\\srv\\share\\dots.\\f", L"\\\\?\\UNC\\srv\\share\\", {L"dots.", L"f"}},
        {L"\\\\?\\UNC\\srv\\share", L"\\\\?\\UNC\\srv\\share\\", {}},
    };
    for (const auto& c : cases) {
        const auto parts = platform::SplitExact(c.path);
        ASSERT_TRUE(parts) << c.path;
        EXPECT_EQ(parts->root, c.root);
        EXPECT_EQ(parts->names, c.names) << c.path;
    }
    for (const wchar_t* other : {L"C:\\a", L"\\\\?\\UNC\\srv", L"\\\\?\\UNC\\\\share\\a", L""})
        EXPECT_FALSE(platform::SplitExact(other)) << other;
}

TEST(ExactPath, TrimmingTheNamesIsWhatTheUsualHandlingDoes) {
    EXPECT_EQ(WithoutTrailingDotsAndSpaces(L"\\x\\dots.\\trail..\\space  "),
              L"\\x\\dots\\trail\\space");
    EXPECT_EQ(WithoutTrailingDotsAndSpaces(L"\\x\\.\\..\\a.b"), L"\\x\\.\\..\\a.b");
    EXPECT_EQ(WithoutTrailingDotsAndSpaces(L"\\x\\"), L"\\x\\");
}

struct MemoryIdsTest : ::testing::Test {
    platform::MemoryPlatform mem;
    platform::MemoryFileSystem& fs = mem.files;

    // name -> fileId of the folder's entries, dot entries included.
    std::map<std::string, std::uint64_t> ids(const std::string& folder) {
        std::map<std::string, std::uint64_t> result;
        platform::FindData entry;
        auto listing = fs.enumerate(folder, entry);
        if (!listing) return result;
        do {
            result[entry.name] = entry.fileId;
        } while (listing->next(entry));
        return result;
    }
};

TEST_F(MemoryIdsTest, EveryNodeHasItsOwnIdInListingsAndDirectoryId) {
    fs.addFile("C:\\T\\a.txt", 1);
    fs.addFile("C:\\T\\Sub\\b.txt", 2);
    fs.addLink("C:\\T\\Link", "C:\\T\\Sub");
    const auto t = ids("C:\\T");
    const auto sub = ids("C:\\T\\Sub\\");
    std::set<std::uint64_t> distinct;
    for (const auto& [name, id] : t) {
        EXPECT_NE(id, 0u) << name;
        if (name != "." && name != "..") distinct.insert(id);
    }
    EXPECT_EQ(distinct.size(), 3u);
    EXPECT_NE(t.at("Link"), t.at("Sub"));  // a link is an entry of its own
    EXPECT_EQ(sub.at("."), t.at("Sub"));
    EXPECT_EQ(sub.at(".."), t.at("."));

    const auto subId = fs.directoryId("C:\\T\\Sub");
    ASSERT_TRUE(subId);
    EXPECT_EQ(subId->index, t.at("Sub"));
    EXPECT_EQ(subId->volumeSerial, platform::MemoryFileSystem::kDefaultSerial);
    EXPECT_EQ(fs.directoryId("C:\\T\\a.txt")->index, t.at("a.txt"));
    EXPECT_EQ(fs.directoryId("C:\\missing"), std::nullopt);
    EXPECT_EQ(fs.directoryIds, 3);

    fs.volumes["D:\\"] = {"Data", "NTFS", 0x1234ABCD};
    fs.addFolder("D:\\Dir");
    EXPECT_EQ(fs.directoryId("d:\\Dir")->volumeSerial, 0x1234ABCDu);
    EXPECT_LT(*fs.directoryId("C:\\T"), *fs.directoryId("C:\\T\\Sub"));

    fs.idsInListings = false;
    for (const auto& [name, id] : ids("C:\\T")) EXPECT_EQ(id, 0u) << name;
    EXPECT_EQ(fs.directoryId("C:\\T\\Sub")->index, subId->index);
}

TEST_F(MemoryIdsTest, AnAliasIsAPlainFolderShowingTheSameDirectory) {
    fs.addFile("C:\\Data\\x.bin", 5);
    fs.addAlias("C:\\Mount", "C:\\Data");
    const auto root = ids("C:\\");
    EXPECT_EQ(root.at("Mount"), root.at("Data"));
    const auto attributes = fs.attributes("C:\\Mount");
    ASSERT_TRUE(attributes);
    EXPECT_EQ(*attributes & platform::kAttrReparsePoint, 0u);
    EXPECT_NE(*attributes & platform::kAttrDirectory, 0u);
    EXPECT_EQ(ids("C:\\Mount"), ids("C:\\Data"));
    EXPECT_EQ(fs.directoryId("C:\\Mount"), fs.directoryId("C:\\Data"));
    EXPECT_EQ(fs.fileLength("C:\\Mount\\x.bin"), 5u);
    // An alias is no link: deleting through it deletes the one file there is.
    const platform::FoundFile file{"C:\\Mount\\x.bin", *fs.directoryId("C:\\Data\\x.bin")};
    EXPECT_EQ(fs.deleteFoundFiles({file})[0].result, platform::RemovalResult::Removed);
    EXPECT_FALSE(fs.exists("C:\\Data\\x.bin"));
}

TEST_F(MemoryIdsTest, AnAliasLoopNeitherHangsNorCountsTwice) {
    fs.addFile("C:\\T\\a.tmp", 10);
    fs.addFile("C:\\T\\Sub\\b.tmp", 5);
    fs.addAlias("C:\\T\\Sub\\Again", "C:\\T");  // a bind mount of T inside T
    fs.addAlias("C:\\T\\SubToo", "C:\\T\\Sub");
    fs.addFolder("C:\\T\\Empty");
    EXPECT_EQ(cleaner::FolderSize(fs, mem.desktop, "C:\\T"), 15);
    // Entered from below, the loop still ends, every folder counted once.
    EXPECT_EQ(cleaner::FolderSize(fs, mem.desktop, "C:\\T\\Sub"), 15);
    const int before = fs.enumerations;
    EXPECT_EQ(cleaner::FolderSize(fs, mem.desktop, "C:\\T\\"), 15);
    EXPECT_EQ(fs.enumerations - before, 3);  // T, Sub and Empty, each listed once

    // Pattern deletion lists one folder and never descends: the loop is no concern there.
    platform::MemoryTrace trace;
    EXPECT_EQ(cleaner::DeleteFilesByPattern(fs, "C:\\T\\Sub\\Again\\*.tmp", trace), 1);
    EXPECT_FALSE(fs.exists("C:\\T\\a.tmp"));
    EXPECT_TRUE(fs.exists("C:\\T\\Sub\\b.tmp"));
}
