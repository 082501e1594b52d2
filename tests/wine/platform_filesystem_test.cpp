// The file system and the shell's deletion on drive C: of a Wine prefix, over the set-up's C:\fs.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "finder/junk_search.h"
#include "platform/folder_entries.h"
#include "platform/memory/memory_platform.h"
#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_utf8.h"

namespace {

namespace p = brisko::platform;

const std::string kPlain = "C:\\fs\\plain\\", kLinks = "C:\\fs\\links\\", kOdd = "C:\\fs\\odd\\",
                  kIds = "C:\\fs\\ids\\", kShell = "C:\\fs\\shell\\";

// A folder far beyond MAX_PATH whose name ends in a dot.
std::string Deep() {
    std::string deep = kOdd + "deep\\";
    for (int i = 0; i < 10; ++i)
        deep += "folder_with_a_long_name_number_" + std::to_string(i) + "\\";
    return deep + "last.\\";
}

class Win32FileSystem : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Exists(kPlain + "five.bin")) << "made by the set-up script";
    }
    bool Exists(const std::string& path) { return fs.attributes(path).has_value(); }
    std::map<std::string, p::FindData> List(const std::string& folder) {
        std::map<std::string, p::FindData> entries;
        p::FindData entry;
        auto listing = fs.enumerate(folder, entry);
        if (listing) do {
                entries[entry.name] = entry;
            } while (listing->next(entry));
        return entries;
    }
    // A file as a search lists it: its path and the identity its folder's listing gives.
    p::FoundFile Found(const std::string& folder, const std::string& name) {
        const auto entry = List(folder);
        if (!entry.count(name)) return {folder + name, {}};
        return p::Found(fs, p::VolumeSerialOf(fs, folder), folder + name, entry.at(name));
    }

    brisko::win32::Win32FileSystem fs;
};

// Exact names and whole 64-bit lengths; Wine shows a link to a file as the file it names.
TEST_F(Win32FileSystem, FilesAreReachedExactlyByPathAndInListings) {
    const struct {
        std::string folder, name;
        std::uint64_t length;
    } files[] = {
        {kPlain, "plain.txt", 10},   {kPlain, "a rather long file name.backup", 13},
        {kPlain, "Grüße ✓.txt", 14}, {kPlain, "five.bin", 5368709120u},
        {kOdd, "trail.", 3},         {kOdd, "trail", 5},
        {kOdd, "space ", 4},         {kOdd + "dots.\\", "in.txt", 2},
        {kOdd, "ελληνικά.txt", 12},  {kOdd, "中文.txt", 6},
        {Deep(), "深い.txt", 7},     {kLinks + "tree\\sub\\", "file_link.bin", 1000},
    };
    for (const auto& f : files) {
        const std::string path = f.folder + f.name;
        const auto listed = List(f.folder);
        ASSERT_EQ(listed.count(f.name), 1u) << path;
        EXPECT_EQ(listed.at(f.name).size(), f.length) << path;
        EXPECT_FALSE(listed.at(f.name).isLink() || listed.at(f.name).isDirectory()) << path;
        EXPECT_EQ(fs.fileLength(path), f.length) << path;
        EXPECT_FALSE(fs.attributes(path).value_or(p::kAttrDirectory) & p::kAttrDirectory) << path;
    }
    // A long path with a redundant part is normalised before its long form is used.
    EXPECT_EQ(fs.fileLength(Deep() + ".\\深い.txt"), 7u);
}

TEST_F(Win32FileSystem, ListingsGiveEveryEntryTheirIdsAndTellFoldersFromLinks) {
    for (const auto& [name, attribute] : {std::pair{"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
                                          std::pair{"system.txt", FILE_ATTRIBUTE_SYSTEM}})
        ASSERT_TRUE(SetFileAttributesW(brisko::win32::Wide(kPlain + name).c_str(), attribute));
    const auto plain = List(kPlain);
    EXPECT_EQ(plain.size(), 10u) << "\".\", \"..\" and eight entries";
    EXPECT_EQ(List("C:\\fs\\plain").size(), plain.size()) << "without the trailing backslash";
    EXPECT_NE(plain.at("hidden.txt").attributes & p::kAttrHidden, 0u);
    EXPECT_NE(plain.at("system.txt").attributes & p::kAttrSystem, 0u);
    EXPECT_NE(fs.attributes(kPlain + "hidden.txt").value_or(0) & p::kAttrHidden, 0u);

    // Folder links made on the Linux side are reparse points with tag 0: links by the rule.
    for (const auto& [folder, name, link] : {std::tuple{"tree\\sub\\", "loop", true},
                                             {"tree\\sub\\", "absolute_loop", true},
                                             {"tree\\", "away", true},
                                             {"tree\\", "sub", false}}) {
        const auto entries = List(kLinks + folder);
        ASSERT_EQ(entries.count(name), 1u) << name;
        EXPECT_TRUE(entries.at(name).isDirectory()) << name;
        EXPECT_EQ(entries.at(name).isLink(), link) << name;
        EXPECT_EQ((entries.at(name).attributes & p::kAttrReparsePoint) != 0, link) << name;
    }
    EXPECT_EQ(List(kOdd + "dots.").size(), 3u) << "the folder named, not the one it is cut to";
    EXPECT_EQ(List(kOdd + "dots").size(), 2u);

    // Listings give directoryId's ids: a hard link's is its file's, a folder link's its target's.
    const auto ids = List(kIds), real = List(kIds + "real"), odd = List(kOdd);
    const auto realId = fs.directoryId(kIds + "real");
    ASSERT_TRUE(realId);
    EXPECT_EQ(realId->volumeSerial, fs.volumeInformation("C:\\").value_or(p::VolumeInfo{}).serial);
    EXPECT_EQ(ids.at("real").fileId, realId->index);
    EXPECT_EQ(real.at(".").fileId, realId->index);
    EXPECT_EQ(real.at("..").fileId, fs.directoryId(kIds)->index);
    EXPECT_EQ(real.at("inner").fileId, fs.directoryId(kIds + "real\\inner\\")->index);
    EXPECT_NE(ids.at("other").fileId, realId->index);
    EXPECT_EQ(odd.at("dots.").fileId, fs.directoryId(kOdd + "dots.")->index);
    EXPECT_NE(odd.at("dots.").fileId, odd.at("dots").fileId);
    EXPECT_EQ(ids.at("hard.txt").fileId, real.at("file.txt").fileId);
    EXPECT_EQ(fs.directoryId(kIds + "link"), realId);

    // Nothing to list, or nothing there: no listing, no attributes, no length, no id.
    p::FindData first;
    for (const std::string& none :
         {kPlain + "missing\\", kPlain + "plain.txt", kLinks + "locked", std::string()})
        EXPECT_EQ(fs.enumerate(none, first), nullptr) << none;
    for (const std::string& none : {kPlain + "missing.txt", std::string()})
        EXPECT_FALSE(fs.attributes(none) || fs.fileLength(none) || fs.directoryId(none)) << none;
    EXPECT_EQ(fs.fileLength(kPlain + "sub"), std::nullopt) << "a folder has no file length";
    EXPECT_EQ(fs.fileLength(kLinks + "locked\\secret.bin"), std::nullopt);
}

TEST_F(Win32FileSystem, DrivesAndVolumesOfThePrefix) {
    EXPECT_EQ(fs.windowsDirectory(), "C:\\windows") << "without a trailing backslash";
    EXPECT_EQ(fs.driveType("Q:\\"), p::DriveType::NoRoot);
    const auto space = fs.diskSpace("C:\\").value_or(p::DiskSpace{});
    EXPECT_GT(space.total, 0u);
    EXPECT_LE(std::max(space.totalFree, space.availableToCaller), space.total);
    EXPECT_FALSE(fs.volumeInformation("C:\\").value_or(p::VolumeInfo{}).fileSystem.empty());
    for (const char* none : {"Q:\\", ""})
        EXPECT_FALSE(fs.diskSpace(none) || fs.volumeInformation(none)) << none;
}

// A removal takes the very file found, through no link, or nothing (Wine deletes a link's target).
TEST_F(Win32FileSystem, ARemovalTakesExactlyTheFileFoundOrNothing) {
    using R = p::RemovalResult;
    const std::string away = kLinks + "tree\\away", link = kLinks + "tree\\sub\\file_link.bin";
    EXPECT_EQ(fs.linkOnPath(away + "\\through.bin"), away);
    EXPECT_EQ(fs.linkOnPath(kOdd + "spacedir \\m.bak"), std::nullopt);
    // Replaced as programs replace a file: one made anew could get the freed index (inode).
    const p::FoundFile replaced = Found(kIds, "replaced.txt");
    std::ofstream(kIds + "new.txt") << "new";
    ASSERT_TRUE(MoveFileExW(L"C:\\fs\\ids\\new.txt", L"C:\\fs\\ids\\replaced.txt",
                            MOVEFILE_REPLACE_EXISTING));
    const struct {
        p::FoundFile file;
        R result;
        std::string why;
    } cases[] = {
        {Found(kPlain, "plain.txt"), R::Removed, ""},
        {Found(kOdd, "trail."), R::Removed, ""},
        {Found(kOdd, "space "), R::Removed, ""},
        {Found(kOdd + "dots.\\", "in.txt"), R::Removed, ""},
        {Found(kOdd + "spacedir \\", "m.bak"), R::Removed, ""},
        {Found(kOdd, "ελληνικά.txt"), R::Removed, ""},
        {Found(Deep(), "深い.txt"), R::Removed, ""},
        {Found(kPlain, "readonly.txt"), R::Refused, "cannot be deleted"},
        {Found(kLinks + "tree\\sub\\", "file_link.bin"), R::Refused, "a link to another file"},
        {replaced, R::Refused, "another file is in its place"},
        // Found when a plain folder stood at tree\away, and even as the file behind the link.
        {{away + "\\through.bin", Found(kLinks + "found\\", "through.bin").id},
         R::Refused,
         "a folder on its path is a link: " + away},
        {{away + "\\through.bin", Found(kLinks + "outside\\", "through.bin").id},
         R::Refused,
         "a folder on its path is a link: " + away},
    };
    std::vector<p::FoundFile> files, removed, refused;
    for (const auto& c : cases) {
        files.push_back(c.file);
        // To the Recycle Bin a read-only file goes as before: the shell asks the user about it.
        if (c.result == R::Removed) removed.push_back(c.file);
        if (c.result == R::Refused && c.why != "cannot be deleted") refused.push_back(c.file);
    }
    const auto removals = fs.deleteFoundFiles(files);
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(removals[i].result, cases[i].result) << files[i].path << removals[i].reason;
        EXPECT_NE(removals[i].reason.find(cases[i].why), std::string::npos) << removals[i].reason;
        EXPECT_EQ(Exists(files[i].path), cases[i].result != R::Removed) << files[i].path;
    }
    EXPECT_EQ(removals[0].length, 10u);
    // Gone already ("trail" is not taken for "trail."), and nothing else touched.
    for (const auto& again : fs.deleteFoundFiles(removed)) EXPECT_EQ(again.result, R::Gone);
    for (const auto& [path, length] :
         {std::pair{kPlain + "readonly.txt", 3}, std::pair{link, 1000},
          std::pair{kLinks + "outside\\big.bin", 1000}, std::pair{kOdd + "trail", 5},
          std::pair{kLinks + "outside\\through.bin", 3},
          std::pair{kLinks + "found\\through.bin", 4}, std::pair{kIds + "replaced.txt", 3}})
        EXPECT_EQ(fs.fileLength(path), static_cast<std::uint64_t>(length)) << path;

    // What is refused never reaches the shell; the path's folders stay held while it moves a file.
    brisko::win32::Win32Shell shell;
    std::vector<std::string> handedOver;
    DWORD renameError = 0;
    refused.push_back(Found(kIds, "binned.txt"));
    const auto binned = fs.recycleFoundFiles(refused, [&](const std::string& path) {
        handedOver.push_back(path);
        if (!MoveFileW(L"C:\\fs\\ids", L"C:\\fs\\moved")) renameError = GetLastError();
        shell.deleteFiles(0, {path}, FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT);
    });
    for (std::size_t i = 0; i + 1 < binned.size(); ++i) EXPECT_EQ(binned[i].result, R::Refused);
    EXPECT_EQ(binned.back().result, R::Removed) << binned.back().reason;
    EXPECT_EQ(binned.back().length, 8u);
    EXPECT_EQ(handedOver, std::vector<std::string>{kIds + "binned.txt"});
    EXPECT_EQ(renameError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

// The shell takes no exact paths: "trail." would send "trail" to the bin, so it is not handed over.
TEST_F(Win32FileSystem, TheShellDeletesAsAskedAndIsNeverHandedANameItWouldCut) {
    brisko::win32::Win32Shell shell;
    const unsigned quiet = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    const auto bytes = shell.recycleBinBytes();
    EXPECT_EQ(shell.deleteFiles(0, {kShell + "a.txt", kShell + "b.txt"}, quiet), 0);
    EXPECT_NE(shell.deleteFiles(0, {kShell + "trail."}, quiet | p::kFofAllowUndo), 0);
    EXPECT_EQ(shell.recycleBinBytes(), bytes) << "deleted for good, and nothing binned";
    for (const char* name : {"a.txt", "b.txt", "trail.", "trail"})
        EXPECT_EQ(Exists(kShell + name), name[0] == 't') << name;
}

// The junk search shows the same, folder by folder, whether walker threads read the drive ahead
// or not: links (to a folder, to a file, dangling, looping back) and an unreadable folder.
TEST_F(Win32FileSystem, TheSearchShowsTheSameWithAndWithoutReadAhead) {
    p::MemoryPlatform mem;
    p::Services services{mem.settings,  mem.registry, fs,          mem.shell,
                         mem.processes, mem.media,    mem.desktop, mem.trace};
    struct Recorder : brisko::finder::SearchSink {
        std::vector<std::string> shown;
        void positioned(const std::string& folder) override { shown.push_back("> " + folder); }
        bool found(const p::FoundFile& file, std::uint64_t length) override {
            shown.push_back(file.path + " " + std::to_string(length));
            return true;
        }
    };
    auto search = [&](int walkers) {
        Recorder sink;
        bool active = false;
        mem.trace.lines.clear();
        brisko::finder::SearchFolder(services, "C:\\fs\\links", "*.bin", active, sink, {walkers});
        sink.shown.insert(sink.shown.end(), mem.trace.lines.begin(), mem.trace.lines.end());
        return sink.shown;
    };
    const auto alone = search(0);
    const auto has = [&](const std::string& line) {
        return std::find(alone.begin(), alone.end(), line) != alone.end();
    };
    EXPECT_TRUE(has(kLinks + "tree\\sub\\data.bin 100") && has(kLinks + "tree\\top.bin 20"));
    EXPECT_TRUE(!has(kLinks + "tree\\away\\big.bin 1000") && has(kLinks + "outside\\big.bin 1000"));
    EXPECT_TRUE(has("junk search: could not list " + kLinks + "locked"));
    for (const int walkers : {1, 2, 3}) EXPECT_EQ(search(walkers), alone) << walkers;
}

}  // namespace
