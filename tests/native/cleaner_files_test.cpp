// The file rules: patterns, deletion by pattern, folder sizes, the link rule, exact paths.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "cleaner/clean_it.h"
#include "cleaner/file_pattern.h"
#include "cleaner/get_win_dir_size.h"
#include "cleaner/wildcard.h"
#include "platform/exact_path.h"
#include "platform/folder_entries.h"
#include "platform/links.h"
#include "platform/memory/memory_platform.h"

namespace brisko::testing {
namespace {

using cleaner::WildcardMatch;
using platform::kAttrDirectory;
using platform::kAttrHidden;
using platform::kAttrReparsePoint;
using platform::kAttrSystem;

// "?" is one character, a malformed byte too; "*.*" also matches names without extension.
TEST(Wildcard, MatchesLongNamesByCharacterWithDotStarForNamesWithoutExtension) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"*.bak", "x.bak", true}, {"*.BAK", "Report.Bak", true}, {"*.bak", "x.bakery", false},
        {"*.bak", "x.bak.txt", false}, {"*.bak", "archive.old.bak", true},
        {"cookies.txt", "COOKIES.TXT", true}, {"cookies.txt", "cookies.txt.old", false},
        {"?.tmp", "a.tmp", true}, {"?.tmp", "ab.tmp", false}, {"?.tmp", ".tmp", false},
        {"a*b*c", "a-b-b-c", true}, {"a*b*c", "a-b-b-d", false}, {"*", "", true}, {"", "a", false},
        {"*.*", "README", true}, {"*.*", "index.dat", true}, {"read*.*", "README", true},
        {"x.*", "README", false}, {"?.txt", "\xC3\xA4.txt", true}, {"?.txt", "\xFF.txt", true},
        {"??.txt", "\xE6\x97\xA5\xE6\x9C\xAC.txt", true},
        {"?.txt", "\xE6\x97\xA5\xE6\x9C\xAC.txt", false}, {"?.txt", "\xF0\x9F\x98\x80.txt", true},
        {"x?", "x\xC3\xA4", true}, {"??.txt", "\xC3(.txt", true}, {"az", "AZ", true},
        {"*b.*", "a.b", false}, {"\xC3\xA4.txt", "\xC3\xA5.txt", false},
        {"\xFF.txt", "\xFE.txt", false}};
    // clang-format on
    for (auto [pattern, name, match] : cases)
        EXPECT_EQ(WildcardMatch(pattern, name), match) << pattern << " " << name;
    const std::string name(4000, 'a');  // many stars on a long name end at once
    EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*a*a*a*b", name));
    EXPECT_TRUE(WildcardMatch("*a*a*a*a*a*a*a*a*", name));
}

struct FilesTest : ::testing::Test {
    platform::MemoryPlatform mem;
    platform::MemoryFileSystem& fs = mem.files;
    platform::MemoryTrace trace;
    double size(const std::string& path) { return cleaner::FolderSize(fs, mem.desktop, path); }
    int remove(const std::string& pattern) {
        return cleaner::DeleteFilesByPattern(fs, pattern, trace);
    }
};

TEST_F(FilesTest, PatternDeletionTakesOneFolderWhateverTheBitsAndGoesOnPastFailures) {
    const std::string cache = "C:\\Program Files\\Netscape\\Users\\default\\cache\\";
    fs.addFile(cache + "a.htm", 10);
    fs.addFile(cache + "hidden.gif", 10, kAttrHidden);
    fs.addFile(cache + "system.dat", 10, kAttrSystem | kAttrHidden);
    fs.addFile(cache + "locked.db", 10, platform::kAttrReadOnly);
    fs.addFile(cache + "inuse.db", 10).inUse = true;
    fs.addFile(cache + "NOEXT", 10);
    fs.addFile(cache + "sub\\inner.htm", 10);
    fs.addFile("C:\\Program Files\\Netscape\\Users\\default\\prefs.js", 10);
    cleaner::ClearNetscapeCache(fs, trace);
    for (const char* gone : {"a.htm", "hidden.gif", "system.dat", "NOEXT"})
        EXPECT_FALSE(fs.exists(cache + gone)) << gone;
    for (const char* kept : {"locked.db", "inuse.db", "sub\\inner.htm", "sub"})
        EXPECT_TRUE(fs.exists(cache + kept)) << kept;
    EXPECT_TRUE(fs.exists("C:\\Program Files\\Netscape\\Users\\default\\prefs.js"));
    EXPECT_EQ(trace.lines, std::vector<std::string>{"file deletion: could not delete " + cache +
                                                    "inuse.db: read-only or in use"});
    // A data-bearing folder is walked like any other; a link leads nowhere.
    fs.addReparseFolder("C:\\Synced", platform::kTagCloud | 0x3000);
    fs.addFile("C:\\Synced\\a.tmp", 10);
    fs.addFile("C:\\Synced\\packed.tmp", 10, kAttrReparsePoint).reparseTag = platform::kTagWof;
    fs.addFile("C:\\Outside\\keep.tmp", 10);
    fs.addLink("C:\\Synced\\away.tmp", "C:\\Outside");
    EXPECT_EQ(remove("C:\\Synced\\*.tmp"), 2);
    EXPECT_TRUE(fs.exists("C:\\Synced\\away.tmp") && fs.exists("C:\\Outside\\keep.tmp"));
    // Nor is anything deleted behind a link on the folder's path.
    fs.addLink("C:\\Linked", "C:\\Outside");
    EXPECT_TRUE(remove("C:\\Linked\\*.tmp") == 0 && fs.exists("C:\\Outside\\keep.tmp"));
    EXPECT_EQ(trace.lines.back(),
              "file deletion: could not delete C:\\Linked\\keep.tmp: a folder on "
              "its path is a link: C:\\Linked");
    // Without wildcards the pattern names one file; nothing there is no error.
    fs.addFile("C:\\P\\cookies.txt", 5);
    fs.addFile("C:\\P\\cookies.txt.bak", 5);
    EXPECT_TRUE(remove("C:\\P\\cookies.txt") == 1 && fs.exists("C:\\P\\cookies.txt.bak"));
    fs.deleted.clear();
    fs.addFolder("C:\\Empty");
    for (const char* nothing : {"C:\\Nowhere\\*.*", "C:\\", "no folder at all", "C:\\Empty\\x.txt"})
        EXPECT_EQ(remove(nothing), 0) << nothing;
    EXPECT_TRUE(fs.deleted.empty());
    // A missing prefs file does not keep the history from going.
    const std::string profile = "C:\\Program Files\\Netscape\\Users\\default\\";
    fs.removeTree(profile + "prefs.js");
    fs.addFile(profile + "netscape.hst", 100);
    fs.addFile(profile + "bookmark.htm", 100);
    cleaner::ClearNetscapeTyped(fs, trace);
    EXPECT_TRUE(!fs.exists(profile + "netscape.hst") && fs.exists(profile + "bookmark.htm"));
}

TEST_F(FilesTest, FolderSizeCountsEveryDepthAndSixtyFourBitSizesYieldingAfterEachEntry) {
    fs.addFolder("C:\\Empty");
    fs.addFile("C:\\one.bin", 42);
    // clang-format off
    for (auto [path, bytes] : {std::pair{"C:\\Empty", 0.0}, {"C:\\one.bin", 42.0},
                               {"C:\\nothing-here", 0.0}, {"", 0.0}, {"\\Temp", 0.0}})
        EXPECT_EQ(size(path), bytes) << path;
    // clang-format on
    for (int i = 0; i < 5; ++i) fs.addFile("C:\\Y\\f" + std::to_string(i), 1);
    int served = 0;
    mem.desktop.onYield = [&] { ++served; };
    EXPECT_EQ(size("C:\\Y"), 5);
    EXPECT_GE(served, 5);  // after every entry, and while a listing is awaited
    fs.addFile("C:\\T\\a.txt", 10);
    fs.addFile("C:\\T\\Sub\\b.txt", 5);
    EXPECT_EQ(size("C:\\T\\"), 15);
    fs.addFile("C:\\T\\Sub\\Deeper\\h.dat", 100, kAttrHidden);
    fs.addFile("C:\\T\\s.sys", 1000, kAttrSystem | kAttrHidden);
    fs.addFolder("C:\\T\\HiddenDir", kAttrHidden);
    fs.addFile("C:\\T\\HiddenDir\\x", 7);
    fs.addFile("C:\\T\\Locked\\secret", 50);
    fs.find("C:\\T\\Locked")->unlistable = true;  // counts nothing, and the walk goes on
    EXPECT_TRUE(size("C:\\T") == 1122 && size("C:\\T\\Locked") == 0);
    fs.addFile("C:\\Big\\huge.iso", 5368709120ull);
    fs.addFile("C:\\Big\\small", 1);
    EXPECT_EQ(size("C:\\Big"), 5368709121.0);
}

TEST_F(FilesTest, FolderSizeNeverFollowsLinksAndWalksLoopsAndDataBearingFoldersOnce) {
    fs.addFile("C:\\Outside\\keep.dat", 1000);
    fs.addFile("C:\\W\\Temp\\a", 3);
    fs.addLink("C:\\W\\Temp\\out", "C:\\Outside");
    fs.addLink("C:\\W\\Temp\\loop", "C:\\W");
    fs.addLink("C:\\W\\Temp\\junction", "C:\\Outside", platform::kTagMountPoint);
    fs.addLink("C:\\W\\Temp\\symlink", "C:\\W", platform::kTagSymlink);
    fs.addFile("C:\\W\\Temp\\file_link", 1000, kAttrReparsePoint);  // holds no data of its own
    EXPECT_EQ(size("C:\\W\\Temp"), 3);
    fs.addFile("C:\\D\\a", 1);
    fs.addReparseFolder("C:\\D\\OneCloud", 0x9000701A);
    fs.addFile("C:\\D\\OneCloud\\doc", 20);
    fs.addReparseFolder("C:\\D\\OneCloud\\Deeper", platform::kTagCloud);
    fs.addFile("C:\\D\\OneCloud\\Deeper\\x", 300);
    fs.addFile("C:\\D\\packed.dll", 4000, kAttrReparsePoint).reparseTag = platform::kTagWof;
    fs.addFile("C:\\D\\dedup.vhd", 50000, kAttrReparsePoint).reparseTag = platform::kTagDedup;
    int yields = 0;
    mem.desktop.onYield = [&] { ++yields; };
    EXPECT_TRUE(size("C:\\D") == 54321 && yields >= 4 + 2 + 1);
    // Bind mounts that loop: every folder counted and listed once, from above or below.
    fs.addFile("C:\\T\\a.tmp", 10);
    fs.addFile("C:\\T\\Sub\\b.tmp", 5);
    fs.addAlias("C:\\T\\Sub\\Again", "C:\\T");
    fs.addAlias("C:\\T\\SubToo", "C:\\T\\Sub");
    fs.addFolder("C:\\T\\Empty");
    EXPECT_EQ(size("C:\\T\\Sub"), 15);
    const int before = fs.enumerations;
    EXPECT_TRUE(size("C:\\T") == 15 && fs.enumerations - before == 3);
    // Pattern deletion lists one folder and never descends: the loop is no concern there.
    EXPECT_TRUE(remove("C:\\T\\Sub\\Again\\*.tmp") == 1 && fs.exists("C:\\T\\Sub\\b.tmp"));
}

// Tag 0 is how Wine reports every folder link.
TEST(LinkRule, AReparsePointIsALinkUnlessItsTagBearsDataAndExactPathsKeepTheirNames) {
    // clang-format off
    const std::pair<std::uint32_t, bool> cases[] = {
        {0, true}, {platform::kTagSymlink, true}, {platform::kTagMountPoint, true},
        {platform::kTagAppExecLink, true}, {0x12345678, true}, {platform::kTagCloud, false},
        {0x9000101A, false}, {0x9000F01A, false}, {0x9001001A, true}, {0x9000001B, true},
        {platform::kTagDedup, false}, {platform::kTagWof, false}, {platform::kTagSis, false},
        {platform::kTagHsm, false}, {platform::kTagHsm2, false}};
    // clang-format on
    for (auto [tag, link] : cases) {
        EXPECT_EQ(platform::IsLink(kAttrDirectory | kAttrReparsePoint, tag), link) << tag;
        EXPECT_EQ(platform::IsLink(kAttrReparsePoint, tag), link) << tag;
        EXPECT_FALSE(platform::IsLink(kAttrDirectory, tag)) << tag;
        platform::FindData entry;
        entry.attributes = kAttrDirectory | kAttrReparsePoint;
        entry.reparseTag = tag;
        EXPECT_EQ(entry.isLink(), link) << tag;
    }
    platform::MemoryFileSystem fs;  // the walk over one folder skips the dot entries
    fs.addFile("C:\\F\\a", 1);
    fs.addFolder("C:\\F\\b");
    std::vector<std::string> names;
    int listed = 0;
    EXPECT_TRUE(platform::ForEachEntry(
        fs, "C:\\F", [&](const platform::FindData& e) { names.push_back(e.name); },
        [&] { ++listed; }));
    EXPECT_TRUE((names == std::vector<std::string>{"a", "b"} && listed == 4));
    fs.find("C:\\F\\b")->unlistable = true;
    EXPECT_FALSE(platform::ForEachEntry(fs, "C:\\F\\b", [&](const auto&) { ADD_FAILURE(); }));
    EXPECT_FALSE(platform::ForEachEntry(fs, "C:\\Nowhere", [&](const auto&) { ADD_FAILURE(); }));
    // The extended form never climbs above the root, nor anchors a path that has none.
    // clang-format off
    for (auto [path, needs] : {std::pair{L"C:\\x\\trail.", true}, {L"C:\\x\\space ", true},
             {L"C:\\dots.\\inner.txt", true}, {L"C:/dots./inner.txt", true}, {L"C:\\x\\...", true},
             {L"C:\\x\\.\\y\\..\\z.txt", false}, {L"C:\\x\\", false}, {L"C:\\a b\\.hidden", false},
             {L"", false}})
        EXPECT_EQ(platform::HasNameEndingInDotOrSpace(path), needs);
    const std::pair<const wchar_t*, std::optional<std::wstring>> extended[] = {
        {L"C:\\x\\trail.", L"\\\\?\\C:\\x\\trail."}, {L"c:/x//space \\", L"\\\\?\\c:\\x\\space \\"},
        {L"C:\\x\\.\\y\\..\\dots.\\f", L"\\\\?\\C:\\x\\dots.\\f"},
        {L"C:\\..\\..\\a", L"\\\\?\\C:\\a"}, {L"C:\\", L"\\\\?\\C:\\"},
        {L"\\\\server\\share\\a.\\..\\b ", L"\\\\?\\UNC\\server\\share\\b "},
        {L"\\\\server\\share\\..\\..", L"\\\\?\\UNC\\server\\share"},
        {L"\\\\?\\C:\\as is\\..", L"\\\\?\\C:\\as is\\.."}, {L"relative\\x.", {}},
        {L"C:drive-relative.", {}}, {L"\\rooted.", {}}, {L"\\\\.\\device", {}}, {L"\\\\server", {}},
        {L"1:\\x", {}}, {L"", {}}};
    // clang-format on
    for (const auto& [path, form] : extended) EXPECT_EQ(platform::ExtendedForm(path), form);
    // An exact path's root and the names below it, for a walk from the root down.
    const std::tuple<const wchar_t*, const wchar_t*, std::vector<std::wstring>> split[] = {
        {L"\\\\?\\C:\\adv\\spacedir \\m.bak", L"\\\\?\\C:\\", {L"adv", L"spacedir ", L"m.bak"}},
        {L"\\\\?\\C:\\x\\", L"\\\\?\\C:\\", {L"x"}},
        {L"\\\\?\\C:", L"\\\\?\\C:\\", {}},
        {L"\\\\?\\UNC\\srv\\share\\dots.\\f", L"\\\\?\\UNC\\srv\\share\\", {L"dots.", L"f"}},
        {L"\\\\?\\UNC\\srv\\share", L"\\\\?\\UNC\\srv\\share\\", {}}};
    for (const auto& [path, root, names] : split) {
        const auto parts = platform::SplitExact(path);
        EXPECT_TRUE(parts && parts->root == root && parts->names == names) << path;
    }
    for (const wchar_t* other : {L"C:\\a", L"\\\\?\\UNC\\srv", L"\\\\?\\UNC\\\\share\\a", L""})
        EXPECT_FALSE(platform::SplitExact(other)) << other;
    for (auto [path, trimmed] :
         {std::pair{L"\\x\\dots.\\trail..\\space  ", L"\\x\\dots\\trail\\space"},
          {L"\\x\\.\\..\\a.b", L"\\x\\.\\..\\a.b"},
          {L"\\x\\", L"\\x\\"}})
        EXPECT_EQ(platform::WithoutTrailingDotsAndSpaces(path), trimmed);
    for (auto [path, joined] : {std::pair{"C:", "C:\\"}, {"C:\\x\\", "C:\\x\\"}, {"", "\\"}})
        EXPECT_EQ(cleaner::AddBackslash(path), joined);
    EXPECT_EQ(cleaner::DrivePrefix("C:\\WINNT", true) + "|" + cleaner::DrivePrefix("D"), "c:\\|d");
}

}  // namespace
}  // namespace brisko::testing
