// Removing the files a listing found, in a real prefix (the tree of
// platform_found_files_test.setup.sh): for good and to the Recycle Bin, only the file found goes,
// reached through no link. A Windows program cannot turn a folder into a link under Wine
// (renaming a link moves its target), so the set-up made C:\adv\swap a link to files of the same
// names outside the drive, and the files found are those of C:\adv\found, as a search had listed
// them when a plain folder stood at C:\adv\swap.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/folder_entries.h"
#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_shell.h"
#include "tests/wine/wine_helpers.h"

namespace {

using namespace brisko;
using platform::FoundFile;
using Result = platform::RemovalResult;
using wine_test::Exists;

std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct FoundFilesWine : ::testing::Test {
    win32::Win32FileSystem fs;
    win32::Win32Shell shell;

    // A file as a search lists it: its path and the identity its folder's listing gives.
    FoundFile listed(const std::string& folder, const std::string& name) {
        const std::uint32_t serial = platform::VolumeSerialOf(fs, folder);
        FoundFile found{folder + "\\" + name, {}};
        platform::ForEachEntry(fs, folder, [&](const platform::FindData& entry) {
            if (entry.name == name) found = platform::Found(fs, serial, found.path, entry);
        });
        return found;
    }
    // The Recycle Bin as the finder hands it a file, without the shell's question.
    void recycle(const std::string& path) {
        shell.deleteFiles(0, {path},
                          FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI);
    }
};

TEST_F(FoundFilesWine, AFolderThatBecameALinkSendsNoRemovalIntoItsTarget) {
    EXPECT_EQ(fs.linkOnPath("C:\\adv\\swap\\w0.tmp"), "C:\\adv\\swap") << "made by the set-up";
    EXPECT_EQ(fs.linkOnPath("C:\\adv\\spacedir \\m.bak"), std::nullopt);
    std::vector<FoundFile> files;
    for (const std::string name : {"w0.tmp", "w1.tmp", "w2.tmp"}) {
        // Identities as found in the plain folder, and even those of the files behind the link.
        for (const std::string folder : {"C:\\adv\\found", "C:\\adv\\swap"}) {
            files.push_back({"C:\\adv\\swap\\" + name, listed(folder, name).id});
            ASSERT_NE(files.back().id.index, 0u) << folder << name;
        }
    }
    std::vector<std::string> handedOver;
    for (const bool toBin : {false, true}) {
        const auto removals = toBin ? fs.recycleFoundFiles(files,
                                                           [&](const std::string& path) {
                                                               handedOver.push_back(path);
                                                               recycle(path);
                                                           })
                                    : fs.deleteFoundFiles(files);
        for (const auto& removal : removals) {
            EXPECT_EQ(removal.result, Result::Refused);
            EXPECT_EQ(removal.reason, "a folder on its path is a link: C:\\adv\\swap");
        }
    }
    EXPECT_TRUE(handedOver.empty());
    for (const std::string n : {"0", "1", "2"}) {
        EXPECT_EQ(Content("C:\\adv\\swap\\w" + n + ".tmp"), "outside " + n);
        EXPECT_EQ(Content("C:\\adv\\found\\w" + n + ".tmp"), "found " + n);
    }
}

TEST_F(FoundFilesWine, EachFileFoundGoesAndNoOtherWhateverItsName) {
    const FoundFile space = listed("C:\\adv\\spacedir ", "m.bak");
    const FoundFile dot = listed("C:\\adv\\dotdir.", "m.tmp");
    const FoundFile fileLink = listed("C:\\adv", "flink.tmp");
    const FoundFile replaced = listed("C:\\adv\\plain", "r.tmp");
    const FoundFile toBin = listed("C:\\adv\\plain", "p.tmp");
    // Another file takes the place of one found, written beside it and moved over it as programs
    // replace a file. (Deleted first and made anew, it could get the freed index back: Linux
    // reuses inode numbers at once, and under Wine they are the index.)
    std::ofstream("C:\\adv\\plain\\r.new", std::ios::binary) << "new";
    ASSERT_TRUE(
        MoveFileExW(L"C:\\adv\\plain\\r.new", L"C:\\adv\\plain\\r.tmp", MOVEFILE_REPLACE_EXISTING));

    const auto removals = fs.deleteFoundFiles({space, dot, fileLink, replaced});
    const Result expected[] = {Result::Removed, Result::Removed, Result::Refused, Result::Refused};
    for (std::size_t i = 0; i < removals.size(); ++i)
        EXPECT_EQ(removals[i].result, expected[i]) << i << ": " << removals[i].reason;
    EXPECT_EQ(removals[0].length, 1u);
    EXPECT_FALSE(Exists("\\\\?\\C:\\adv\\spacedir \\m.bak"));
    EXPECT_FALSE(Exists("\\\\?\\C:\\adv\\dotdir.\\m.tmp"));
    EXPECT_EQ(removals[2].reason, "it is a link to another file");
    EXPECT_EQ(Content("C:\\adv\\flink.tmp"), "outside target");
    EXPECT_EQ(removals[3].reason, "another file is in its place");
    EXPECT_EQ(Content("C:\\adv\\plain\\r.tmp"), "new");

    // To the Recycle Bin: the folders on the path stay held while the shell moves the file, so
    // that no Win32 program renames or replaces them meanwhile.
    DWORD renameError = 0;
    const auto binned = fs.recycleFoundFiles({toBin}, [&](const std::string& path) {
        if (!MoveFileW(L"C:\\adv\\plain", L"C:\\adv\\moved")) renameError = GetLastError();
        recycle(path);
    });
    EXPECT_EQ(binned[0].result, Result::Removed) << binned[0].reason;
    EXPECT_EQ(renameError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(Exists(toBin.path));
    EXPECT_EQ(Content("C:\\adv\\plain\\r.tmp"), "new");
}

}  // namespace
