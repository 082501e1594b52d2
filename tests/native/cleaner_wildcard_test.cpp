// Matching of long file names and the deletion of the files of one folder by pattern.
#include <gtest/gtest.h>

#include <string>

#include "cleaner/clean_it.h"
#include "cleaner/file_pattern.h"
#include "cleaner/wildcard.h"
#include "platform/memory/memory_filesystem.h"
#include "platform/memory/memory_services.h"

namespace {

using namespace brisko;
using cleaner::WildcardMatch;

TEST(CleanerWildcard, MatchesLongNamesOnly) {
    EXPECT_TRUE(WildcardMatch("*.bak", "x.bak"));
    EXPECT_TRUE(WildcardMatch("*.BAK", "Report.Bak"));
    EXPECT_FALSE(WildcardMatch("*.bak", "x.bakery"));
    EXPECT_FALSE(WildcardMatch("*.bak", "x.bak.txt"));
    EXPECT_TRUE(WildcardMatch("*.bak", "archive.old.bak"));
    EXPECT_TRUE(WildcardMatch("cookies.txt", "COOKIES.TXT"));
    EXPECT_FALSE(WildcardMatch("cookies.txt", "cookies.txt.old"));
    EXPECT_TRUE(WildcardMatch("?.tmp", "a.tmp"));
    EXPECT_FALSE(WildcardMatch("?.tmp", "ab.tmp"));
    EXPECT_FALSE(WildcardMatch("?.tmp", ".tmp"));
    EXPECT_TRUE(WildcardMatch("a*b*c", "a-b-b-c"));
    EXPECT_FALSE(WildcardMatch("a*b*c", "a-b-b-d"));
    EXPECT_TRUE(WildcardMatch("*", ""));
    EXPECT_FALSE(WildcardMatch("", "a"));
}

TEST(CleanerWildcard, DotStarAlsoMatchesNamesWithoutExtension) {
    EXPECT_TRUE(WildcardMatch("*.*", "README"));
    EXPECT_TRUE(WildcardMatch("*.*", "index.dat"));
    EXPECT_TRUE(WildcardMatch("read*.*", "README"));
    EXPECT_FALSE(WildcardMatch("x.*", "README"));
}

TEST(CleanerWildcard, QuestionMarkIsOneCharacterNotOneByte) {
    EXPECT_TRUE(WildcardMatch("?.txt", "\xC3\xA4.txt"));                   // a-umlaut
    EXPECT_TRUE(WildcardMatch("??.txt", "\xE6\x97\xA5\xE6\x9C\xAC.txt"));  // two CJK letters
    EXPECT_FALSE(WildcardMatch("?.txt", "\xE6\x97\xA5\xE6\x9C\xAC.txt"));
    // A malformed byte counts as one character and breaks nothing.
    EXPECT_TRUE(WildcardMatch("?.txt", "\xFF.txt"));
}

TEST(CleanerWildcard, ManyStarsOnALongNameStayFast) {
    const std::string name(4000, 'a');
    EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*a*a*a*b", name));
    EXPECT_TRUE(WildcardMatch("*a*a*a*a*a*a*a*a*", name));
}

TEST(CleanerFilePattern, DeletesMatchingFilesOfOneFolderWhateverTheirHiddenOrSystemBits) {
    platform::MemoryFileSystem fs;
    platform::MemoryTrace trace;
    const std::string cache = "C:\\Program Files\\Netscape\\Users\\default\\cache\\";
    fs.addFile(cache + "a.htm", 10);
    fs.addFile(cache + "hidden.gif", 10, platform::kAttrHidden);
    fs.addFile(cache + "system.dat", 10, platform::kAttrSystem | platform::kAttrHidden);
    fs.addFile(cache + "locked.db", 10, platform::kAttrReadOnly);
    fs.addFile(cache + "inuse.db", 10).inUse = true;
    fs.addFile(cache + "NOEXT", 10);
    fs.addFile(cache + "sub\\inner.htm", 10);
    fs.addFile("C:\\Program Files\\Netscape\\Users\\default\\prefs.js", 10);

    cleaner::ClearNetscapeCache(fs, trace);

    EXPECT_FALSE(fs.exists(cache + "a.htm"));
    EXPECT_FALSE(fs.exists(cache + "hidden.gif"));
    EXPECT_FALSE(fs.exists(cache + "system.dat"));
    EXPECT_FALSE(fs.exists(cache + "NOEXT"));
    EXPECT_TRUE(fs.exists(cache + "locked.db"));  // read-only stays
    EXPECT_TRUE(fs.exists(cache + "inuse.db"));   // failed, and did not stop the others
    EXPECT_EQ(trace.lines, std::vector<std::string>{"file deletion: could not delete " + cache +
                                                    "inuse.db: read-only or in use"});
    EXPECT_TRUE(fs.exists(cache + "sub\\inner.htm"));
    EXPECT_TRUE(fs.exists(cache + "sub"));
    EXPECT_TRUE(fs.exists("C:\\Program Files\\Netscape\\Users\\default\\prefs.js"));
}

TEST(CleanerFilePattern, DataBearingFolderIsWalkedAndLinksLeadNowhere) {
    platform::MemoryFileSystem fs;
    platform::MemoryTrace trace;
    const std::string cloud = "C:\\Synced\\";
    fs.addReparseFolder("C:\\Synced", platform::kTagCloud | 0x3000);
    fs.addFile(cloud + "a.tmp", 10);
    fs.addFile(cloud + "packed.tmp", 10, platform::kAttrReparsePoint).reparseTag =
        platform::kTagWof;
    fs.addFile("C:\\Outside\\keep.tmp", 10);
    fs.addLink(cloud + "away.tmp", "C:\\Outside");
    EXPECT_EQ(cleaner::DeleteFilesByPattern(fs, cloud + "*.tmp", trace), 2);
    EXPECT_FALSE(fs.exists(cloud + "a.tmp"));
    EXPECT_FALSE(fs.exists(cloud + "packed.tmp"));
    EXPECT_TRUE(fs.exists(cloud + "away.tmp"));
    EXPECT_TRUE(fs.exists("C:\\Outside\\keep.tmp"));
    // Nor is anything deleted behind a link on the folder's path.
    fs.addLink("C:\\Linked", "C:\\Outside");
    EXPECT_EQ(cleaner::DeleteFilesByPattern(fs, "C:\\Linked\\*.tmp", trace), 0);
    EXPECT_TRUE(fs.exists("C:\\Outside\\keep.tmp"));
    EXPECT_EQ(trace.lines, std::vector<std::string>{"file deletion: could not delete "
                                                    "C:\\Linked\\keep.tmp: a folder on its path is "
                                                    "a link: C:\\Linked"});
}

TEST(CleanerFilePattern, MissingFolderOrFileIsNoError) {
    platform::MemoryFileSystem fs;
    platform::MemoryTrace trace;
    EXPECT_EQ(cleaner::DeleteFilesByPattern(fs, "C:\\Nowhere\\*.*", trace), 0);
    EXPECT_EQ(cleaner::DeleteFilesByPattern(fs, "C:\\", trace), 0);
    EXPECT_EQ(cleaner::DeleteFilesByPattern(fs, "no folder at all", trace), 0);
    fs.addFolder("C:\\Empty");
    EXPECT_EQ(cleaner::DeleteFilesByPattern(fs, "C:\\Empty\\x.txt", trace), 0);
    EXPECT_TRUE(fs.deleted.empty());
}

TEST(CleanerFilePattern, PatternWithoutWildcardsNamesOneFile) {
    platform::MemoryFileSystem fs;
    platform::MemoryTrace trace;
    fs.addFile("C:\\P\\cookies.txt", 5);
    fs.addFile("C:\\P\\cookies.txt.bak", 5);
    fs.addFile("C:\\P\\bookmarks.htm", 5);
    EXPECT_EQ(cleaner::DeleteFilesByPattern(fs, "C:\\P\\cookies.txt", trace), 1);
    EXPECT_FALSE(fs.exists("C:\\P\\cookies.txt"));
    EXPECT_TRUE(fs.exists("C:\\P\\cookies.txt.bak"));
    EXPECT_TRUE(fs.exists("C:\\P\\bookmarks.htm"));
}

TEST(CleanerFilePattern, MissingPrefsDoesNotKeepHistoryFromBeingDeleted) {
    platform::MemoryFileSystem fs;
    platform::MemoryTrace trace;
    const std::string profile = "C:\\Program Files\\Netscape\\Users\\default\\";
    fs.addFile(profile + "netscape.hst", 100);
    fs.addFile(profile + "bookmark.htm", 100);
    cleaner::ClearNetscapeTyped(fs, trace);
    EXPECT_FALSE(fs.exists(profile + "netscape.hst"));
    EXPECT_TRUE(fs.exists(profile + "bookmark.htm"));
}

}  // namespace
