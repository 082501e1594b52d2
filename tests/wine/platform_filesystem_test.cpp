// The file system against the real drive C: of a Wine prefix.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <map>
#include <string>

#include "cleaner/get_win_dir_size.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_utf8.h"

namespace {

using brisko::cleaner::FolderSize;
using brisko::win32::UniqueFile;
using brisko::win32::Wide;
using brisko::win32::Win32Desktop;
using brisko::win32::Win32FileSystem;
using brisko::win32::Win32Shell;
namespace p = brisko::platform;

void MakeFolder(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryW(Wide(path).c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS)
        << path;
}

void MakeFile(const std::string& path, DWORD bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    UniqueFile file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                attributes, nullptr));
    ASSERT_TRUE(file) << path;
    const std::string data(bytes, 'x');
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file.get(), data.data(), bytes, &written, nullptr));
    ASSERT_EQ(written, bytes);
}

std::map<std::string, p::FindData> List(Win32FileSystem& fs, const std::string& folder) {
    std::map<std::string, p::FindData> entries;
    p::FindData entry;
    auto listing = fs.enumerate(folder, entry);
    if (!listing) return entries;
    do {
        entries[entry.name] = entry;
    } while (listing->next(entry));
    return entries;
}

class Win32FileSystemTest : public ::testing::Test {
  protected:
    double Size(const std::string& path) { return FolderSize(fs, desktop, path); }
    // Deletes what is at `path` now, as a removal of a file listed just before would.
    bool Delete(const std::string& path) {
        const auto id = fs.directoryId(path);
        return id && fs.deleteFoundFiles({{path, *id}})[0].result == p::RemovalResult::Removed;
    }

    Win32FileSystem fs;
    Win32Desktop desktop;
};

TEST_F(Win32FileSystemTest, ListingGivesLongNamesHiddenAndSystemEntriesWithAttributes) {
    const std::string dir = "C:\\brisko_attrs";
    MakeFolder(dir);
    MakeFile(dir + "\\plain.txt", 10);
    MakeFile(dir + "\\hidden.txt", 11, FILE_ATTRIBUTE_HIDDEN);
    MakeFile(dir + "\\system.txt", 12, FILE_ATTRIBUTE_SYSTEM);
    MakeFile(dir + "\\a rather long file name.backup", 13);
    MakeFile(dir + "\\Grüße ✓.txt", 14);
    MakeFolder(dir + "\\sub");
    MakeFile(dir + "\\sub\\inner.txt", 5, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    const auto entries = List(fs, dir + "\\");
    ASSERT_EQ(entries.size(), 8u);  // ".", ".." and the six made above
    EXPECT_TRUE(entries.at(".").isDirectory());
    EXPECT_TRUE(entries.at("..").isDirectory());
    EXPECT_EQ(entries.at("plain.txt").size(), 10u);
    EXPECT_NE(entries.at("hidden.txt").attributes & p::kAttrHidden, 0u);
    EXPECT_EQ(entries.at("hidden.txt").size(), 11u);
    EXPECT_NE(entries.at("system.txt").attributes & p::kAttrSystem, 0u);
    EXPECT_EQ(entries.at("a rather long file name.backup").size(), 13u);
    EXPECT_EQ(entries.at("Grüße ✓.txt").size(), 14u);
    EXPECT_TRUE(entries.at("sub").isDirectory());
    EXPECT_EQ(entries.at("sub").attributes & p::kAttrReparsePoint, 0u);
    for (const auto& [name, entry] : entries) {
        EXPECT_FALSE(entry.isLink()) << name;
        EXPECT_EQ(entry.reparseTag, 0u) << name;
    }

    // The folder may be given without its trailing backslash.
    EXPECT_EQ(List(fs, dir).size(), 8u);

    EXPECT_EQ(fs.attributes(dir + "\\hidden.txt").value_or(0) & p::kAttrHidden, p::kAttrHidden);
    EXPECT_EQ(fs.attributes(dir + "\\sub").value_or(0) & p::kAttrDirectory, p::kAttrDirectory);
    EXPECT_EQ(fs.fileLength(dir + "\\Grüße ✓.txt"), 14u);
    EXPECT_EQ(fs.fileLength(dir + "\\sub"), std::nullopt);  // a folder has no file length
    EXPECT_EQ(fs.attributes(dir + "\\missing.txt"), std::nullopt);
    EXPECT_EQ(fs.fileLength(dir + "\\missing.txt"), std::nullopt);
    EXPECT_EQ(fs.attributes(""), std::nullopt);

    EXPECT_EQ(Size(dir), 10 + 11 + 12 + 13 + 14 + 5);
    EXPECT_EQ(Size(dir + "\\hidden.txt"), 11);

    p::FindData first;
    EXPECT_EQ(fs.enumerate(dir + "\\missing\\", first), nullptr);
    EXPECT_EQ(fs.enumerate(dir + "\\plain.txt", first), nullptr);  // a file is no folder
    EXPECT_EQ(fs.enumerate("", first), nullptr);
}

TEST_F(Win32FileSystemTest, FilesOfFiveGibibytesKeepTheirHighHalf) {
    const std::string dir = "C:\\brisko_big";
    MakeFolder(dir);
    const std::string path = dir + "\\five.bin";
    {
        // Extending with SetEndOfFile leaves a sparse file on the Linux side: no 5 GiB written.
        UniqueFile file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER size;
        size.QuadPart = 5368709120LL;
        ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.get()));
    }
    MakeFile(dir + "\\small.bin", 7);
    const auto entries = List(fs, dir);
    ASSERT_EQ(entries.count("five.bin"), 1u);
    EXPECT_EQ(entries.at("five.bin").sizeHigh, 1u);
    EXPECT_EQ(entries.at("five.bin").sizeLow, 1073741824u);
    EXPECT_EQ(entries.at("five.bin").size(), 5368709120u);
    EXPECT_EQ(fs.fileLength(path), 5368709120u);
    EXPECT_EQ(Size(dir), 5368709120.0 + 7);
    EXPECT_TRUE(Delete(path));
    EXPECT_EQ(fs.attributes(path), std::nullopt);
}

TEST_F(Win32FileSystemTest, LinksAreReparsePointsAndMeasurementsNeitherLoopNorLeaveTheTree) {
    const std::string base = "C:\\brisko_links";
    ASSERT_TRUE(fs.attributes(base + "\\tree"))
        << "the links are made by platform_filesystem_test.setup.sh; run through run-in-prefix.sh";

    const auto loop = fs.attributes(base + "\\tree\\sub\\loop");
    ASSERT_TRUE(loop);
    EXPECT_NE(*loop & p::kAttrReparsePoint, 0u);
    EXPECT_NE(*loop & p::kAttrDirectory, 0u);

    // Folder links made on the Linux side are reparse points with tag 0, links by the rule.
    const auto sub = List(fs, base + "\\tree\\sub\\");
    const auto tree = List(fs, base + "\\tree\\");
    for (const auto& [entries, name] :
         {std::pair{&sub, "loop"}, std::pair{&sub, "absolute_loop"}, std::pair{&tree, "away"}}) {
        ASSERT_EQ(entries->count(name), 1u) << name;
        const p::FindData& link = entries->at(name);
        EXPECT_NE(link.attributes & p::kAttrReparsePoint, 0u) << name;
        EXPECT_TRUE(link.isDirectory()) << name;
        EXPECT_TRUE(link.isLink()) << name;
    }
    ASSERT_EQ(tree.count("sub"), 1u);
    EXPECT_FALSE(tree.at("sub").isLink());

    // Wine shows a link to a file as the file it names (no reparse attribute), so it counts as
    // an ordinary file: once, with the target's length. Only folder links can loop.
    ASSERT_EQ(sub.count("file_link.bin"), 1u);
    EXPECT_EQ(sub.at("file_link.bin").size(), 1000u);
    EXPECT_FALSE(sub.at("file_link.bin").isLink());

    // Each file once (20 + 100 + the file link's 1000); nothing from the looping links, from the
    // folder that "away" leads to, or from the link that leads nowhere.
    EXPECT_EQ(Size(base + "\\tree"), 1120);
    EXPECT_EQ(Size(base + "\\outside"), 1000);

    // Wine would delete the target through such a link: the deletion is refused and both stay.
    // Nor is a file deleted through a folder link on its path.
    EXPECT_FALSE(Delete(base + "\\tree\\sub\\file_link.bin"));
    EXPECT_EQ(fs.fileLength(base + "\\outside\\big.bin"), 1000u);
    EXPECT_TRUE(fs.attributes(base + "\\tree\\sub\\file_link.bin"));
    MakeFile(base + "\\outside\\through.bin", 3);
    EXPECT_FALSE(Delete(base + "\\tree\\away\\through.bin"));
    EXPECT_EQ(fs.fileLength(base + "\\outside\\through.bin"), 3u);

    // A folder that cannot be listed measures nothing.
    const std::string locked = base + "\\locked";
    ASSERT_TRUE(fs.attributes(locked));
    p::FindData first;
    EXPECT_EQ(fs.enumerate(locked, first), nullptr);
    EXPECT_EQ(Size(locked), 0);
    EXPECT_EQ(fs.fileLength(locked + "\\secret.bin"), std::nullopt);
}

TEST_F(Win32FileSystemTest, PathsLongerThanMaxPathWork) {
    std::string path = "C:\\brisko_deep";
    MakeFolder(path);
    // Eight levels of 40 characters: well past 260.
    for (int level = 0; level < 8; ++level) {
        path +=
            "\\" + std::string(38, static_cast<char>('a' + level)) + "_" + std::to_string(level);
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + Wide(path)).c_str(), nullptr)) << path;
    }
    ASSERT_GT(path.size(), 300u);
    const std::string file = path + "\\deep file.txt";
    MakeFile("\\\\?\\" + file, 42);

    EXPECT_EQ(fs.attributes(path).value_or(0) & p::kAttrDirectory, p::kAttrDirectory);
    EXPECT_EQ(fs.fileLength(file), 42u);
    const auto entries = List(fs, path + "\\");
    ASSERT_EQ(entries.count("deep file.txt"), 1u);
    EXPECT_EQ(entries.at("deep file.txt").size(), 42u);

    EXPECT_EQ(Size("C:\\brisko_deep"), 42);
    // A long path with a redundant part is normalised before the long form is used.
    const std::string dotted = path + "\\.\\deep file.txt";
    EXPECT_EQ(fs.fileLength(dotted), 42u);

    EXPECT_TRUE(Delete(file));
    EXPECT_EQ(fs.attributes(file), std::nullopt);
    EXPECT_FALSE(Delete(file));
}

TEST_F(Win32FileSystemTest, DeletingFailsSafelyOnReadOnlyAndMissingFiles) {
    const std::string dir = "C:\\brisko_delete";
    MakeFolder(dir);
    MakeFile(dir + "\\gone.tmp", 3);
    MakeFile(dir + "\\kept.tmp", 3, FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(Delete(dir + "\\gone.tmp"));
    EXPECT_FALSE(fs.attributes(dir + "\\gone.tmp"));
    EXPECT_FALSE(Delete(dir + "\\kept.tmp"));
    EXPECT_EQ(fs.fileLength(dir + "\\kept.tmp"), 3u);
    EXPECT_FALSE(Delete(dir + "\\never.tmp"));
    EXPECT_FALSE(Delete(""));
}

TEST_F(Win32FileSystemTest, DrivesAndVolumesOfThePrefix) {
    wchar_t windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
    EXPECT_EQ(fs.windowsDirectory(), brisko::win32::Utf8(windows));
    EXPECT_EQ(fs.windowsDirectory(), "C:\\windows") << "without a trailing backslash";

    const auto roots = fs.driveRoots();
    ASSERT_FALSE(roots.empty());
    EXPECT_EQ(roots.front().size(), 3u);
    bool sawC = false;
    for (const auto& root : roots) {
        EXPECT_EQ(root.substr(1), ":\\") << root;
        EXPECT_NE(root, "Z:\\") << "the prefix must not map the host's root";
        if (root == "C:\\" || root == "c:\\") sawC = true;
    }
    EXPECT_TRUE(sawC);
    EXPECT_EQ(fs.driveType("C:\\"), p::DriveType::Fixed);
    EXPECT_EQ(fs.driveType("Q:\\"), p::DriveType::NoRoot);

    const auto space = fs.diskSpace("C:\\");
    ASSERT_TRUE(space);
    EXPECT_GT(space->total, 0u);
    EXPECT_LE(space->totalFree, space->total);
    EXPECT_LE(space->availableToCaller, space->total);
    EXPECT_FALSE(fs.diskSpace("Q:\\"));
    EXPECT_FALSE(fs.diskSpace(""));

    const auto volume = fs.volumeInformation("C:\\");
    ASSERT_TRUE(volume);
    EXPECT_FALSE(volume->fileSystem.empty());
    EXPECT_FALSE(fs.volumeInformation("Q:\\"));
}

// Wine lists names that end in a dot or a space exactly, as NTFS holds them, but the usual path
// handling cuts them ("trail." opens "trail"): they are reached through the exact form.
TEST_F(Win32FileSystemTest, NamesEndingInADotOrASpaceAreReachedExactly) {
    const std::string odd = "C:\\brisko_odd";
    ASSERT_TRUE(fs.attributes(odd)) << "made by platform_filesystem_test.setup.sh";
    const auto entries = List(fs, odd);
    for (const auto& [name, size] : std::map<std::string, std::uint64_t>{
             {"trail.", 3}, {"trail", 5}, {"space ", 4}, {"ελληνικά.txt", 12}, {"中文.txt", 6}}) {
        ASSERT_EQ(entries.count(name), 1u) << name;
        EXPECT_EQ(entries.at(name).size(), size) << name;
        EXPECT_FALSE(entries.at(name).isLink()) << name;
        EXPECT_EQ(fs.fileLength(odd + "\\" + name), size) << name;
        EXPECT_EQ(fs.attributes(odd + "\\" + name).value_or(p::kAttrDirectory) & p::kAttrDirectory,
                  0u)
            << name;
    }
    ASSERT_EQ(entries.count("dots."), 1u);
    EXPECT_TRUE(entries.at("dots.").isDirectory());
    EXPECT_NE(entries.at("dots.").fileId, entries.at("dots").fileId);
    const auto dots = List(fs, odd + "\\dots.\\");
    EXPECT_EQ(dots.size(), 3u);
    ASSERT_EQ(dots.count("in.txt"), 1u);
    EXPECT_EQ(dots.at("in.txt").size(), 2u);
    EXPECT_EQ(List(fs, odd + "\\dots").size(), 2u);  // the other one, empty
    EXPECT_EQ(fs.directoryId(odd + "\\dots.")->index, entries.at("dots.").fileId);

    // Beyond MAX_PATH, ending in a folder "last.", holding a name outside the code page.
    std::string deep = odd + "\\deep";
    for (int i = 0; i < 10; ++i) deep += "\\folder_with_a_long_name_number_" + std::to_string(i);
    deep += "\\last.";
    ASSERT_GT(deep.size(), 300u);
    const auto last = List(fs, deep);
    ASSERT_EQ(last.count("深い.txt"), 1u);
    EXPECT_EQ(last.at("深い.txt").size(), 7u);
    EXPECT_EQ(fs.fileLength(deep + "\\深い.txt"), 7u);

    EXPECT_EQ(Size(odd), 3 + 5 + 4 + 2 + 12 + 6 + 7 + (1 + 2 + 3));
    EXPECT_EQ(Size(odd + "\\trail."), 3);

    // Each deletion takes the file named and no other.
    for (const std::string name :
         {"trail.", "space ", "dots.\\in.txt", "ελληνικά.txt", "中文.txt"}) {
        EXPECT_TRUE(Delete(odd + "\\" + name)) << name;
        EXPECT_EQ(fs.attributes(odd + "\\" + name), std::nullopt) << name;
    }
    EXPECT_TRUE(Delete(deep + "\\深い.txt"));
    EXPECT_EQ(List(fs, deep).size(), 2u);
    EXPECT_EQ(fs.fileLength(odd + "\\trail"), 5u);
    EXPECT_FALSE(Delete(odd + "\\trail."));  // gone already: "trail" is not taken instead
    EXPECT_EQ(fs.fileLength(odd + "\\trail"), 5u);
}

TEST_F(Win32FileSystemTest, ListingsGiveTheIdsThatDirectoryIdGives) {
    const std::string ids = "C:\\brisko_ids";
    ASSERT_TRUE(fs.attributes(ids)) << "made by platform_filesystem_test.setup.sh";
    const auto entries = List(fs, ids + "\\");
    const auto real = List(fs, ids + "\\real");
    const auto volume = fs.volumeInformation("C:\\");
    ASSERT_TRUE(volume);

    const auto realId = fs.directoryId(ids + "\\real");
    ASSERT_TRUE(realId);
    EXPECT_EQ(realId->volumeSerial, volume->serial);
    EXPECT_NE(realId->index, 0u);
    EXPECT_EQ(entries.at("real").fileId, realId->index);
    EXPECT_EQ(real.at(".").fileId, realId->index);  // the listed folder itself
    EXPECT_EQ(real.at("..").fileId, fs.directoryId(ids)->index);
    EXPECT_EQ(real.at("inner").fileId, fs.directoryId(ids + "\\real\\inner\\")->index);
    EXPECT_NE(entries.at("other").fileId, realId->index);
    // One file under two names is one id; a folder opened through a link is its target.
    EXPECT_EQ(entries.at("hard.txt").fileId, real.at("file.txt").fileId);
    EXPECT_EQ(fs.directoryId(ids + "\\link"), realId);
    EXPECT_EQ(fs.directoryId("C:\\")->volumeSerial, volume->serial);
    EXPECT_EQ(fs.directoryId(ids + "\\missing"), std::nullopt);
    EXPECT_EQ(fs.directoryId(""), std::nullopt);
}

// The shell trims names that end in a dot or a space and takes no exact paths on Windows: such a
// path would send another file to the bin, so it is not handed over at all.
TEST_F(Win32FileSystemTest, RecycleBinIsNeverHandedANameItWouldCut) {
    Win32Shell shell;
    const std::string dir = "C:\\brisko_odd\\shell";
    ASSERT_TRUE(fs.attributes(dir + "\\trail.")) << "made by platform_filesystem_test.setup.sh";
    const unsigned quiet = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    EXPECT_NE(shell.deleteFiles(0, {dir + "\\trail."}, quiet), 0);
    EXPECT_EQ(fs.fileLength(dir + "\\trail."), 1u);
    EXPECT_EQ(fs.fileLength(dir + "\\trail"), 2u);
    EXPECT_EQ(shell.deleteFiles(0, {dir + "\\plain.txt"}, quiet), 0);
    EXPECT_EQ(fs.attributes(dir + "\\plain.txt"), std::nullopt);
    EXPECT_EQ(fs.fileLength(dir + "\\trail"), 2u);
}

}  // namespace
