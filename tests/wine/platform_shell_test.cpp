// The shell's Recycle Bin, deletion and the user's folders, and the hidden processes, against a
// Wine prefix.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/win32_process.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_utf8.h"
#include "tests/wine/wine_helpers.h"

namespace {

using brisko::wine_test::Exists;
namespace p = brisko::platform;

const std::string kDir = "C:\\shell\\";

// What the desktop trash holds, as the shell counts it.
LONGLONG InTheBin() {
    SHQUERYRBINFO bin{sizeof bin, 0, 0};
    EXPECT_EQ(SHQueryRecycleBinW(nullptr, &bin), S_OK);
    return bin.i64NumItems;
}

// The user's own folders, as Wine lays them out as Windows 10 does.
std::string UserFolder(const char* below) {
    return *brisko::win32::Win32Processes().environment("USERPROFILE") + below;
}

TEST(Win32Shell, DeletesToTheBinOnlyWhenAskedEmptiesItAndNeverTakesANameItWouldCut) {
    brisko::win32::Win32Shell shell;
    ASSERT_TRUE(Exists(kDir + "binned.txt")) << "made by platform_shell_test.setup.sh";
    const unsigned quiet = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    const LONGLONG before = InTheBin();
    const auto bytes = shell.recycleBinBytes();
    ASSERT_TRUE(bytes);
    EXPECT_EQ(shell.deleteFiles(0, {kDir + "binned.txt"}, quiet | p::kFofAllowUndo), 0);
    EXPECT_EQ(InTheBin(), before + 1);
    EXPECT_EQ(shell.recycleBinBytes(), *bytes + 11) << "\"binned.txt\" and its line end";
    EXPECT_EQ(shell.deleteFiles(0, {kDir + "a.txt", kDir + "b.txt"}, quiet), 0);
    EXPECT_EQ(InTheBin(), before + 1) << "deleted for good";
    for (const char* gone : {"binned.txt", "a.txt", "b.txt"}) EXPECT_FALSE(Exists(kDir + gone));

    // The shell trims names that end in a dot or a space and takes no exact paths: such a path
    // would send another file to the bin, so it is not handed over at all.
    EXPECT_NE(shell.deleteFiles(0, {kDir + "trail."}, quiet | p::kFofAllowUndo), 0);
    EXPECT_TRUE(Exists("\\\\?\\" + kDir + "trail.") && Exists(kDir + "trail"));

    EXPECT_EQ(shell.emptyRecycleBin(
                  0, p::kRecycleNoConfirmation | p::kRecycleNoProgressUi | p::kRecycleNoSound),
              S_OK);
    EXPECT_EQ(InTheBin(), 0);
    EXPECT_EQ(shell.recycleBinBytes(), 0u);

    const std::string windows = UserFolder("\\AppData\\Local\\Microsoft\\Windows\\");
    EXPECT_EQ(shell.userFolder(p::UserFolder::InternetCache), windows + "INetCache");
    EXPECT_EQ(shell.userFolder(p::UserFolder::Cookies), windows + "INetCookies");
    EXPECT_EQ(shell.userFolder(p::UserFolder::History), windows + "History");
}

TEST(Win32Processes, StartsHiddenInTheFolderGivenAndReadsTheEnvironment) {
    brisko::win32::Win32Processes processes;
    const auto comspec = processes.environment("COMSPEC");
    ASSERT_TRUE(comspec);
    const auto made = processes.startHidden(*comspec + " /C echo made>made.txt&exit 3", "C:\\shell");
    ASSERT_TRUE(made);
    for (int i = 0; i < 100 && !made->exitCode(); ++i) Sleep(100);
    EXPECT_EQ(made->exitCode(), 3);
    EXPECT_TRUE(Exists(kDir + "made.txt")) << "made in the working folder";
    EXPECT_FALSE(processes.startHidden("", "C:\\shell"));
    EXPECT_FALSE(processes.startHidden("C:\\no\\such.exe", "C:\\shell"));

    const std::string longValue(300, 'v');
    SetEnvironmentVariableW(L"BRISKO_LONG", brisko::win32::Wide(longValue).c_str());
    SetEnvironmentVariableW(L"BRISKO_EMPTY", L"");
    EXPECT_EQ(processes.environment("BRISKO_LONG"), longValue);
    EXPECT_EQ(processes.environment("BRISKO_EMPTY"), "");
    EXPECT_EQ(processes.environment("BRISKO_UNSET"), std::nullopt);
    EXPECT_EQ(processes.tempFolder(), UserFolder("\\Temp"));
}

}  // namespace
