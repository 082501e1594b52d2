// The registry primitives and the list rules of the track-item routines, over the in-memory
// registry that records every call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cleaner/clean_it.h"
#include "cleaner/reg32.h"
#include "platform/memory/memory_platform.h"

namespace {

using namespace brisko;
using platform::RegRoot;

constexpr const char* kTyped = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kRunMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const char* kPaint =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List";
constexpr const char* kUrlList = "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList";
constexpr const char* kVb = "Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles";

std::vector<std::string> Numbered(const std::string& prefix, int first, int last) {
    std::vector<std::string> names;
    for (int i = first; i <= last; ++i) names.push_back(prefix + std::to_string(i));
    return names;
}

TEST(CleanerReg32, ReadRegStringReadsOnlyTextValuesAndStopsAtNul) {
    platform::MemoryRegistry reg;
    reg.set(RegRoot::CurrentUser, "K", "plain", "hello");
    reg.set(RegRoot::CurrentUser, "K", "nul", std::string("ab\0cd", 5));
    reg.set(RegRoot::CurrentUser, "K", "expand", "%TEMP%", platform::kRegExpandSz);
    reg.set(RegRoot::CurrentUser, "K", "bin", "\x01\x02", platform::kRegBinary);
    reg.set(RegRoot::CurrentUser, "K", "empty", "");

    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::CurrentUser, "K", "plain"), "hello");
    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::CurrentUser, "k", "PLAIN"), "hello");
    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::CurrentUser, "K", "nul"), "ab");
    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::CurrentUser, "K", "expand"), "");
    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::CurrentUser, "K", "bin"), "");
    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::CurrentUser, "K", "empty"), "");
    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::CurrentUser, "K", "missing"), "");
    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::Users, "K", "plain"), "");
    EXPECT_EQ(cleaner::ReadRegString(reg, RegRoot::CurrentUser, "Nowhere", "plain"), "");
    EXPECT_EQ(reg.openHandles(), 0u);
    EXPECT_FALSE(reg.hasKey(RegRoot::CurrentUser, "Nowhere"));
}

TEST(CleanerReg32, DeleteRegValueRemovesOneValueAndKeepsTheKey) {
    platform::MemoryRegistry reg;
    reg.set(RegRoot::CurrentUser, "K", "a", "1");
    reg.set(RegRoot::CurrentUser, "K", "b", "2");
    cleaner::DeleteRegValue(reg, RegRoot::CurrentUser, "K", "a");
    EXPECT_EQ(reg.valueNames(RegRoot::CurrentUser, "K"), std::vector<std::string>{"b"});
    cleaner::DeleteRegValue(reg, RegRoot::CurrentUser, "K", "b");
    EXPECT_TRUE(reg.hasKey(RegRoot::CurrentUser, "K"));
    EXPECT_TRUE(reg.valueNames(RegRoot::CurrentUser, "K").empty());
    cleaner::DeleteRegValue(reg, RegRoot::CurrentUser, "Missing\\Key", "a");
    EXPECT_FALSE(reg.hasKey(RegRoot::CurrentUser, "Missing"));
    EXPECT_EQ(reg.openHandles(), 0u);
}

TEST(CleanerRules, StopAtGapDeletesUpToTheFirstGapAndNoFurther) {
    platform::MemoryRegistry reg;
    for (const char* name : {"url1", "url2", "url3", "url5"})
        reg.set(RegRoot::CurrentUser, kTyped, name, std::string("http://") + name);
    cleaner::ClearTypedUrls(reg);
    EXPECT_EQ(reg.deletions(RegRoot::CurrentUser, kTyped),
              (std::vector<std::string>{"url1", "url2", "url3", "url4"}));
    EXPECT_EQ(reg.valueNames(RegRoot::CurrentUser, kTyped), std::vector<std::string>{"url5"});
}

TEST(CleanerRules, StopAtGapTreatsANonTextFirstValueAsTheGap) {
    for (auto type : {platform::kRegBinary, platform::kRegExpandSz}) {
        platform::MemoryRegistry reg;
        reg.set(RegRoot::CurrentUser, kTyped, "url1", "data", type);
        reg.set(RegRoot::CurrentUser, kTyped, "url2", "http://b");
        cleaner::ClearTypedUrls(reg);
        EXPECT_EQ(reg.deletions(RegRoot::CurrentUser, kTyped), std::vector<std::string>{"url1"});
        EXPECT_EQ(reg.valueNames(RegRoot::CurrentUser, kTyped), std::vector<std::string>{"url2"});
    }
}

TEST(CleanerRules, StopAtGapOnAFullListEndsAtOneHundred) {
    platform::MemoryRegistry reg;
    for (const auto& name : Numbered("url", 1, 101))
        reg.set(RegRoot::CurrentUser, kTyped, name, "x");
    cleaner::ClearTypedUrls(reg);
    EXPECT_EQ(reg.deletions(RegRoot::CurrentUser, kTyped), Numbered("url", 1, 100));
    EXPECT_EQ(reg.valueNames(RegRoot::CurrentUser, kTyped), std::vector<std::string>{"url101"});
}

TEST(CleanerRules, MediaPlayerUrlsStartAtZero) {
    platform::MemoryRegistry reg;
    reg.set(RegRoot::CurrentUser, kUrlList, "URL1", "mms://a");
    cleaner::ClearMediaPlayerUrls(reg);
    EXPECT_EQ(reg.deletions(RegRoot::CurrentUser, kUrlList), std::vector<std::string>{"URL0"});
    EXPECT_TRUE(reg.hasValue(RegRoot::CurrentUser, kUrlList, "URL1"));

    platform::MemoryRegistry full;
    full.set(RegRoot::CurrentUser, kUrlList, "URL0", "mms://a");
    full.set(RegRoot::CurrentUser, kUrlList, "URL1", "mms://b");
    cleaner::ClearMediaPlayerUrls(full);
    EXPECT_EQ(full.deletions(RegRoot::CurrentUser, kUrlList),
              (std::vector<std::string>{"URL0", "URL1", "URL2"}));
    EXPECT_TRUE(full.valueNames(RegRoot::CurrentUser, kUrlList).empty());
}

TEST(CleanerRules, FirstEntryRuleDependsOnFileOneAlone) {
    platform::MemoryRegistry gap;
    gap.set(RegRoot::CurrentUser, kPaint, "File2", "C:\\b.bmp");
    cleaner::ClearPaintList(gap);
    EXPECT_EQ(gap.deletions(RegRoot::CurrentUser, kPaint), std::vector<std::string>{"File1"});
    EXPECT_TRUE(gap.hasValue(RegRoot::CurrentUser, kPaint, "File2"));

    platform::MemoryRegistry present;
    present.set(RegRoot::CurrentUser, kPaint, "File1", "C:\\a.bmp");
    present.set(RegRoot::CurrentUser, kPaint, "File3", "C:\\c.bmp");
    present.set(RegRoot::CurrentUser, kPaint, "File100", "C:\\z.bmp");
    present.set(RegRoot::CurrentUser, kPaint, "File101", "C:\\beyond.bmp");
    cleaner::ClearPaintList(present);
    EXPECT_EQ(present.deletions(RegRoot::CurrentUser, kPaint), Numbered("File", 1, 100));
    EXPECT_EQ(present.valueNames(RegRoot::CurrentUser, kPaint),
              std::vector<std::string>{"File101"});
}

TEST(CleanerRules, MruListDeletesTheNamedLettersThenTheList) {
    platform::MemoryRegistry reg;
    reg.set(RegRoot::CurrentUser, kRunMru, "MRUList", "cab");
    for (const char* name : {"a", "b", "c", "d"})
        reg.set(RegRoot::CurrentUser, kRunMru, name, std::string("cmd ") + name);
    cleaner::ClearRunMru(reg);
    EXPECT_EQ(reg.deletions(RegRoot::CurrentUser, kRunMru),
              (std::vector<std::string>{"c", "a", "b", "MRUList"}));
    EXPECT_EQ(reg.valueNames(RegRoot::CurrentUser, kRunMru), std::vector<std::string>{"d"});

    platform::MemoryRegistry repeated;
    repeated.set(RegRoot::CurrentUser, kRunMru, "MRUList", "a1a");
    cleaner::ClearRunMru(repeated);
    EXPECT_EQ(repeated.deletions(RegRoot::CurrentUser, kRunMru),
              (std::vector<std::string>{"a", "1", "a", "MRUList"}));

    platform::MemoryRegistry missing;
    missing.set(RegRoot::CurrentUser, kRunMru, "a", "notepad");
    cleaner::ClearRunMru(missing);
    EXPECT_EQ(missing.deletions(RegRoot::CurrentUser, kRunMru),
              std::vector<std::string>{"MRUList"});
    EXPECT_TRUE(missing.hasValue(RegRoot::CurrentUser, kRunMru, "a"));
}

TEST(CleanerRules, FullSweepMakesOneHundredAttemptsEvenOnAnEmptyKey) {
    platform::MemoryRegistry reg;
    reg.createKey(RegRoot::CurrentUser, kVb);
    cleaner::ClearVbRecentFiles(reg);
    EXPECT_EQ(reg.deletions(RegRoot::CurrentUser, kVb), Numbered("", 1, 100));
    EXPECT_TRUE(reg.hasKey(RegRoot::CurrentUser, kVb));

    platform::MemoryRegistry runMru;
    runMru.set(RegRoot::CurrentUser, kRunMru, "url7", "x");
    runMru.set(RegRoot::CurrentUser, kRunMru, "url99", "y");
    runMru.set(RegRoot::CurrentUser, kRunMru, "a", "notepad");
    cleaner::ClearRunMruUrls(runMru);
    EXPECT_EQ(runMru.deletions(RegRoot::CurrentUser, kRunMru), Numbered("url", 1, 100));
    EXPECT_EQ(runMru.valueNames(RegRoot::CurrentUser, kRunMru), std::vector<std::string>{"a"});
}

TEST(CleanerRules, DefaultHivePassesAddressTheDefaultUser) {
    platform::MemoryRegistry reg;
    const std::string typed = std::string(".DEFAULT\\") + kTyped;
    const std::string runMru = std::string(".DEFAULT\\") + kRunMru;
    reg.set(RegRoot::Users, typed, "url1", "http://a");
    reg.set(RegRoot::Users, runMru, "url3", "b");
    reg.set(RegRoot::CurrentUser, kTyped, "url1", "http://mine");
    cleaner::ClearDefaultTypedUrls(reg);
    cleaner::ClearDefaultRunMruUrls(reg);
    EXPECT_FALSE(reg.hasValue(RegRoot::Users, typed, "url1"));
    EXPECT_FALSE(reg.hasValue(RegRoot::Users, runMru, "url3"));
    EXPECT_TRUE(reg.hasValue(RegRoot::CurrentUser, kTyped, "url1"));
    EXPECT_EQ(reg.deletions(RegRoot::Users, typed), (std::vector<std::string>{"url1", "url2"}));
}

TEST(CleanerRules, NoRoutineCreatesAMissingKey) {
    platform::MemoryPlatform p;
    auto services = p.services();
    for (int r = 0; r <= static_cast<int>(cleaner::Routine::ClearMediaPlayerUrls); ++r)
        cleaner::RunRoutine(static_cast<cleaner::Routine>(r), services, 7);
    EXPECT_FALSE(p.registry.hasKey(RegRoot::CurrentUser, "Software"));
    EXPECT_FALSE(p.registry.hasKey(RegRoot::Users, ".DEFAULT"));
    EXPECT_EQ(p.registry.openHandles(), 0u);
    // Every attempt was still made: the sweeps alone make three hundred.
    EXPECT_GE(p.registry.deletions().size(), 300u);
}

TEST(CleanerRules, PlatformCallsUseTheNullDocumentAndQuietFlags) {
    platform::MemoryShell shell;
    cleaner::ClearRecentDocuments(shell);
    cleaner::EmptyRecycleBin(shell, 0x1234);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"SHAddToRecentDocs(0, null)",
                                                     "SHEmptyRecycleBin(4660, null, 7)",
                                                     "SHUpdateRecycleBinIcon()"}));
}

TEST(CleanerRules, SingleValueRoutinesDeleteOnlyOrder) {
    platform::MemoryRegistry reg;
    const std::string fav =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Favorites";
    reg.set(RegRoot::CurrentUser, fav, "Order", "bin", platform::kRegBinary);
    reg.set(RegRoot::CurrentUser, fav, "Other", "keep");
    cleaner::ResetFavoritesOrder(reg);
    EXPECT_EQ(reg.valueNames(RegRoot::CurrentUser, fav), std::vector<std::string>{"Other"});
}

}  // namespace
