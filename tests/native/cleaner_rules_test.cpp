// The registry primitives and the list rules of the track-item routines, over the in-memory
// registry that records every call.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
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

// One list rule over one seeded key: which names it deletes, in order, and what it leaves.
struct Value {
    std::string name, data = "x";
    std::uint32_t type = platform::kRegSz;
};
struct ListCase {
    const char* what;
    void (*clear)(platform::Registry&);
    std::string key;
    std::vector<Value> seeded;
    std::vector<std::string> deleted, left;
    ListCase(const char* w, void (*c)(platform::Registry&), std::string k, std::vector<Value> s,
             std::vector<std::string> d, std::vector<std::string> l)
        : what(w),
          clear(c),
          key(std::move(k)),
          seeded(std::move(s)),
          deleted(std::move(d)),
          left(std::move(l)) {}
};

std::vector<Value> Values(const std::vector<std::string>& names) {
    std::vector<Value> out;
    for (const auto& n : names) out.push_back({n});
    return out;
}

TEST(CleanerRules, EachListRuleDeletesItsNamesInOrderAndKeepsTheKey) {
    const std::string fav =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Favorites";
    const ListCase cases[] = {
        ListCase("stop at gap: up to the first gap and no further", cleaner::ClearTypedUrls, kTyped,
                 Values({"url1", "url2", "url3", "url5"}), {"url1", "url2", "url3", "url4"},
                 {"url5"}),
        ListCase("stop at gap: a binary first value is the gap", cleaner::ClearTypedUrls, kTyped,
                 {{"url1", "data", platform::kRegBinary}, {"url2"}}, {"url1"}, {"url2"}),
        ListCase("stop at gap: an expandable first value is the gap", cleaner::ClearTypedUrls,
                 kTyped, {{"url1", "data", platform::kRegExpandSz}, {"url2"}}, {"url1"}, {"url2"}),
        ListCase("stop at gap: a full list ends at one hundred", cleaner::ClearTypedUrls, kTyped,
                 Values(Numbered("url", 1, 101)), Numbered("url", 1, 100), {"url101"}),
        ListCase("media player URLs start at zero", cleaner::ClearMediaPlayerUrls, kUrlList,
                 Values({"URL1"}), {"URL0"}, {"URL1"}),
        ListCase("media player URLs up to the gap", cleaner::ClearMediaPlayerUrls, kUrlList,
                 Values({"URL0", "URL1"}), {"URL0", "URL1", "URL2"}, {}),
        ListCase("first entry: File1 missing stops at once", cleaner::ClearPaintList, kPaint,
                 Values({"File2"}), {"File1"}, {"File2"}),
        ListCase("first entry: File1 present sweeps a hundred", cleaner::ClearPaintList, kPaint,
                 Values({"File1", "File3", "File100", "File101"}), Numbered("File", 1, 100),
                 {"File101"}),
        ListCase("MRU list: the named letters, then the list", cleaner::ClearRunMru, kRunMru,
                 {{"MRUList", "cab"}, {"a"}, {"b"}, {"c"}, {"d"}}, {"c", "a", "b", "MRUList"},
                 {"d"}),
        ListCase("MRU list: a repeated letter is deleted again", cleaner::ClearRunMru, kRunMru,
                 {{"MRUList", "a1a"}}, {"a", "1", "a", "MRUList"}, {}),
        ListCase("MRU list: no list deletes only the list", cleaner::ClearRunMru, kRunMru,
                 Values({"a"}), {"MRUList"}, {"a"}),
        ListCase("full sweep: a hundred attempts on an empty key", cleaner::ClearVbRecentFiles, kVb,
                 {}, Numbered("", 1, 100), {}),
        ListCase("full sweep: the run menu's URLs only", cleaner::ClearRunMruUrls, kRunMru,
                 Values({"url7", "url99", "a"}), Numbered("url", 1, 100), {"a"}),
        ListCase("single value: only the order", cleaner::ResetFavoritesOrder, fav,
                 {{"Order", "bin", platform::kRegBinary}, {"Other"}}, {"Order"}, {"Other"}),
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.what);
        platform::MemoryRegistry reg;
        reg.createKey(RegRoot::CurrentUser, c.key);
        for (const Value& v : c.seeded)
            reg.set(RegRoot::CurrentUser, c.key, v.name, v.data, v.type);
        c.clear(reg);
        EXPECT_EQ(reg.deletions(RegRoot::CurrentUser, c.key), c.deleted);
        EXPECT_EQ(reg.valueNames(RegRoot::CurrentUser, c.key), c.left);
        EXPECT_TRUE(reg.hasKey(RegRoot::CurrentUser, c.key));
        EXPECT_EQ(reg.openHandles(), 0u);
    }
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

}  // namespace
