// The track catalogue, the registry primitives and the list rules of the track items.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cleaner/catalogue.h"
#include "cleaner/clean_it.h"
#include "cleaner/reg32.h"
#include "platform/memory/memory_platform.h"

namespace brisko::testing {
namespace {

using namespace cleaner;
using platform::RegRoot;
using Texts = std::vector<std::string>;

constexpr const char* kTyped = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kRunMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

const TrackItem& Item(std::string_view box) {
    for (const auto& item : Catalogue())
        if (item.checkbox == box) return item;
    throw std::runtime_error("no item");
}

// Office items go version by version, the menu order twice, Media Player files first.
TEST(CleanerCatalogue, TheItemsStepsAndFoldersEachOnceAndNoneThatHoldsMoreThanTraces) {
    int sized = 0;
    for (const TrackItem& item : Catalogue()) sized += item.hasItemSize;
    EXPECT_EQ(sized, 8);
    // clang-format off
    for (const auto& [box, count] : {std::pair{"chkWord", 12u}, {"chkExcel", 36u},
                                     {"chkAccess", 30u}, {"chkPowerPoint", 21u}}) {
        // clang-format on
        const auto steps = Steps(Item(box), {});
        ASSERT_EQ(steps.size(), count) << box;
        for (size_t i = 0; i < steps.size(); ++i) {
            const char* version = i < count / 3 ? "8.0\\" : i < 2 * count / 3 ? "9.0\\" : "10.0\\";
            EXPECT_TRUE(steps[i].kind == Step::Kind::DeleteValue &&
                        steps[i].root == RegRoot::CurrentUser);
            EXPECT_TRUE(
                steps[i].key.starts_with("Software\\Microsoft\\Office\\" + std::string(version)))
                << box << " " << steps[i].key;
        }
    }
    const auto menu = Steps(Item("chkMenu"), {});
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_TRUE(menu[0].routine == Routine::ResetStartMenuOrder && menu[1].name == "Order");
    const auto media = Steps(Item("chkMediaPlayer"), {});
    ASSERT_EQ(media.size(), 7u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(media[i].name, "File" + std::to_string(i));
    EXPECT_EQ(media[6].routine, Routine::ClearMediaPlayerUrls);
    std::vector<std::string_view> names;
    for (const auto& s : Steps(Item("chkUrls"), {})) names.push_back(RoutineName(s.routine));
    EXPECT_EQ(names, (std::vector<std::string_view>{"ClearTypedUrls", "ClearDefaultTypedUrls",
                                                    "ClearRunMruUrls", "ClearDefaultRunMruUrls"}));
    // The system kind ignores letter case only.
    using enum SystemKind;
    // clang-format off
    for (auto [winder, kind] : {std::pair{"WINDOWS", Nine}, {"windows", Nine}, {"WinNT", Nt},
                                {"WIN", Neither}, {"WINDOWS ", Neither}, {"", Neither}})
        // clang-format on
        EXPECT_EQ(SystemKindOf(winder), kind) << winder;
    // The user's Temp only where not emptied twice; no folder that holds more than traces.
    const std::string local = "C:\\users\\ann\\AppData\\Local\\";
    const std::string win = local + "Microsoft\\Windows\\";
    Where shell{SystemKind::Nine,    "C:\\windows",   "C:", win + "INetCache",
                win + "INetCookies", win + "History", {},   "C:\\users\\ann"};
    for (const std::string& temp :
         Texts{"c:\\Windows\\TEMP\\", "C:\\windows\\Temp\\a", win + "INetCache\\Temp", local,
               "C:\\users\\ann", "C:\\windows", "C:\\", "Temp", "D:\\Temp"}) {
        shell.userTemp = temp;
        Texts folders;
        for (const ItemFolder& f : FoldersOf(Folder::Temp, shell)) folders.push_back(f.folder);
        Texts expected{"C:\\windows\\Temp\\"};
        if (temp == "D:\\Temp") expected.push_back("D:\\Temp\\");  // its own
        EXPECT_EQ(folders, expected) << temp;
    }
    shell.cookies = "C:\\users\\ann\\";
    shell.cache = "\\\\server\\share";
    EXPECT_TRUE(FoldersOf(Folder::Cookies, shell).empty());
    EXPECT_TRUE(FoldersOf(Folder::IeCache, shell).empty());
    // The Windows Temp under another name is the Windows Temp too.
    platform::MemoryPlatform p;
    p.files.setWindowsDirectory("C:\\windows");
    p.files.addFolder("C:\\windows\\Temp");
    p.files.addAlias("C:\\users\\ann\\Temp", "C:\\windows\\Temp");
    p.processes.temp = "C:\\users\\ann\\Temp";
    auto services = p.services();
    EXPECT_FALSE(ReadWhere(services, "windows", "C:").userTemp);
}

TEST(CleanerReg32, ReadRegStringReadsOnlyTextValuesAndStopsAtNul) {
    constexpr RegRoot CU = RegRoot::CurrentUser;
    platform::MemoryRegistry reg;
    reg.set(CU, "K", "plain", "hello");
    reg.set(CU, "K", "nul", std::string("ab\0cd", 5));
    reg.set(CU, "K", "expand", "%TEMP%", platform::kRegExpandSz);
    reg.set(CU, "K", "bin", "\x01\x02", platform::kRegBinary);
    reg.set(CU, "K", "empty", "");
    using Case = std::tuple<RegRoot, const char*, const char*, const char*>;
    // clang-format off
    for (auto [root, key, name, read] :
            {Case{CU, "K", "plain", "hello"}, {CU, "k", "PLAIN", "hello"},
             {CU, "K", "nul", "ab"}, {CU, "K", "expand", ""}, {CU, "K", "bin", ""},
             {CU, "K", "empty", ""}, {CU, "K", "missing", ""}, {RegRoot::Users, "K", "plain", ""},
             {CU, "Nowhere", "plain", ""}})
        EXPECT_EQ(ReadRegString(reg, root, key, name), read) << key << " " << name;
    // clang-format on
    EXPECT_FALSE(reg.hasKey(CU, "Nowhere"));
    // A value that turns into another type between the probe and the read is not read as text.
    struct Changing : platform::MemoryRegistry {
        platform::RegQuery queryValue(platform::RegHandle key, const std::string& name,
                                      bool withData) override {
            auto query = MemoryRegistry::queryValue(key, name, withData);
            if (withData) query.type = platform::kRegBinary;
            return query;
        }
    } changing;
    changing.set(RegRoot::CurrentUser, "K", "plain", "hello");
    EXPECT_EQ(ReadRegString(changing, RegRoot::CurrentUser, "K", "plain"), "");
    EXPECT_EQ(reg.openHandles(), 0u);
}

Texts Numbered(const std::string& prefix, int first, int last) {
    Texts names;
    for (int i = first; i <= last; ++i) names.push_back(prefix + std::to_string(i));
    return names;
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
    Texts deleted, left;
};

std::vector<Value> Values(const Texts& names) {
    std::vector<Value> out;
    for (const auto& n : names) out.push_back({n});
    return out;
}

TEST(CleanerRules, EachListRuleDeletesItsNamesInOrderKeepsTheKeyAndCreatesNone) {
    const std::string fav =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Favorites";
    const std::string paint =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List";
    const std::string urls = "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList";
    const std::string vb = "Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles";
    const auto binary = platform::kRegBinary;
    // clang-format off
    const ListCase cases[] = {
        {"stop at gap: up to the first gap and no further", ClearTypedUrls, kTyped,
         Values({"url1", "url2", "url3", "url5"}), {"url1", "url2", "url3", "url4"}, {"url5"}},
        {"stop at gap: a binary first value is the gap", ClearTypedUrls, kTyped,
         {{"url1", "data", binary}, {"url2"}}, {"url1"}, {"url2"}},
        {"stop at gap: an expandable first value is the gap", ClearTypedUrls, kTyped,
         {{"url1", "data", platform::kRegExpandSz}, {"url2"}}, {"url1"}, {"url2"}},
        {"stop at gap: a full list ends at one hundred", ClearTypedUrls, kTyped,
         Values(Numbered("url", 1, 101)), Numbered("url", 1, 100), {"url101"}},
        {"media player URLs start at zero", ClearMediaPlayerUrls, urls, Values({"URL1"}), {"URL0"},
         {"URL1"}},
        {"media player URLs up to the gap", ClearMediaPlayerUrls, urls, Values({"URL0", "URL1"}),
         {"URL0", "URL1", "URL2"}, {}},
        {"first entry: File1 missing stops at once", ClearPaintList, paint, Values({"File2"}),
         {"File1"}, {"File2"}},
        {"first entry: File1 present sweeps a hundred", ClearPaintList, paint,
         Values({"File1", "File3", "File100", "File101"}), Numbered("File", 1, 100), {"File101"}},
        {"MRU list: the named letters, then the list", ClearRunMru, kRunMru,
         {{"MRUList", "cab"}, {"a"}, {"b"}, {"c"}, {"d"}}, {"c", "a", "b", "MRUList"}, {"d"}},
        {"MRU list: a repeated letter is deleted again", ClearRunMru, kRunMru,
         {{"MRUList", "a1a"}}, {"a", "1", "a", "MRUList"}, {}},
        {"MRU list: no list deletes only the list", ClearRunMru, kRunMru, Values({"a"}),
         {"MRUList"}, {"a"}},
        {"full sweep: a hundred attempts on an empty key", ClearVbRecentFiles, vb, {},
         Numbered("", 1, 100), {}},
        {"full sweep: the run menu's URLs only", ClearRunMruUrls, kRunMru,
         Values({"url7", "url99", "a"}), Numbered("url", 1, 100), {"a"}},
        {"single value: only the order", ResetFavoritesOrder, fav,
         {{"Order", "bin", binary}, {"Other"}}, {"Order"}, {"Other"}}};
    // clang-format on
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.what);
        platform::MemoryRegistry reg;
        reg.createKey(RegRoot::CurrentUser, c.key);
        for (const Value& v : c.seeded)
            reg.set(RegRoot::CurrentUser, c.key, v.name, v.data, v.type);
        c.clear(reg);
        EXPECT_EQ(reg.deletions(RegRoot::CurrentUser, c.key), c.deleted);
        EXPECT_EQ(reg.valueNames(RegRoot::CurrentUser, c.key), c.left);
        EXPECT_TRUE(reg.hasKey(RegRoot::CurrentUser, c.key) && reg.openHandles() == 0u);
    }
    // The default hive's passes address the default user; no routine creates a key.
    platform::MemoryRegistry reg;
    const std::string typed = std::string(".DEFAULT\\") + kTyped;
    const std::string runMru = std::string(".DEFAULT\\") + kRunMru;
    reg.set(RegRoot::Users, typed, "url1", "http://a");
    reg.set(RegRoot::Users, runMru, "url3", "b");
    reg.set(RegRoot::CurrentUser, kTyped, "url1", "http://mine");
    ClearDefaultTypedUrls(reg);
    ClearDefaultRunMruUrls(reg);
    EXPECT_FALSE(reg.hasValue(RegRoot::Users, typed, "url1"));
    EXPECT_FALSE(reg.hasValue(RegRoot::Users, runMru, "url3"));
    EXPECT_TRUE(reg.hasValue(RegRoot::CurrentUser, kTyped, "url1"));
    EXPECT_EQ(reg.deletions(RegRoot::Users, typed), (Texts{"url1", "url2"}));
    platform::MemoryPlatform p;
    auto services = p.services();
    for (int r = 0; r <= static_cast<int>(Routine::ClearMediaPlayerUrls); ++r)
        RunRoutine(static_cast<Routine>(r), services, 0x1234);
    EXPECT_FALSE(p.registry.hasKey(RegRoot::CurrentUser, "Software"));
    EXPECT_TRUE(!p.registry.hasKey(RegRoot::Users, ".DEFAULT") && p.registry.openHandles() == 0u);
    // Every attempt was still made: the sweeps alone make three hundred.
    EXPECT_GE(p.registry.deletions().size(), 300u);
}

}  // namespace
}  // namespace brisko::testing
