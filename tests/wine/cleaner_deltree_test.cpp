// deltree.exe under Wine, started the way the clean run starts it: the command interpreter from
// COMSPEC, "/C DELTREE /Y "F\"", in the folder that holds deltree.exe. The tree comes from
// cleaner_deltree_test.setup.sh.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/wine/wine_helpers.h"

namespace {

using brisko::wine_test::Exists;

// Runs a command line hidden in C:\brisko and waits for it here (the program itself never waits).
DWORD RunWaited(const std::wstring& commandLine) {
    std::wstring command = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        L"C:\\brisko", &startup, &started))
        return 0xFFFFFFFF;
    WaitForSingleObject(started.hProcess, 60000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hProcess);
    CloseHandle(started.hThread);
    return code;
}

std::wstring Comspec() {
    wchar_t buffer[MAX_PATH] = {};
    GetEnvironmentVariableW(L"COMSPEC", buffer, MAX_PATH);
    return buffer;
}

TEST(CleanerDeltree, RemovesReadOnlyFilesAndPathsBeyondMaxPath) {
    ASSERT_TRUE(Exists(L"C:\\brisko\\deltree.exe"));
    ASSERT_TRUE(Exists(L"C:\\brisko_dt\\plain\\readonly.txt"));
    // "\*.*" empties the folder and keeps it.
    EXPECT_EQ(RunWaited(Comspec() + L" /C DELTREE /Y \"C:\\brisko_dt\\plain\\*.*\""), 0u);
    EXPECT_TRUE(Exists(L"C:\\brisko_dt\\plain"));
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\plain\\readonly.txt"));
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\plain\\deep"));
    EXPECT_EQ(RunWaited(Comspec() + L" /C DELTREE /Y \"C:\\brisko_dt\\plain\\\""), 0u);
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\plain"));
}

// Wine cannot remove a symbolic link as the link (and would delete a linked file's target), so
// there the links stay and are reported; whatever they point at is never touched.
TEST(CleanerDeltree, NeverRemovesWhatALinkInsideTheTreePointsAt) {
    const DWORD code = RunWaited(Comspec() + L" /C DELTREE /Y \"C:\\brisko_dt\\tree\\\"");
    EXPECT_EQ(code, 1u);
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\tree\\top.txt"));
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\tree\\sub\\readonly.txt"));
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\tree\\deep"));
    EXPECT_TRUE(Exists(L"C:\\brisko_dt\\tree\\away"));  // the link itself, left and reported
    // Nor is a link named for removal followed.
    RunWaited(L"C:\\brisko\\deltree.exe /Y \"C:\\brisko_dt\\linked\\\"");
    EXPECT_TRUE(Exists(L"C:\\brisko_dt\\outside\\keep\\precious.txt"));
    // Nor emptied through.
    EXPECT_EQ(RunWaited(L"C:\\brisko\\deltree.exe /Y \"C:\\brisko_dt\\linked\\*.*\""), 1u);
    EXPECT_TRUE(Exists(L"C:\\brisko_dt\\outside\\file.txt"));
    EXPECT_TRUE(Exists(L"C:\\brisko_dt\\outside\\file.txt"));
}

TEST(CleanerDeltree, MissingFolderIsNoFailureButUsageAndRootsAre) {
    EXPECT_EQ(RunWaited(L"C:\\brisko\\deltree.exe /Y \"C:\\no such folder\\\""), 0u);
    EXPECT_EQ(RunWaited(L"C:\\brisko\\deltree.exe /Y"), 2u);
    EXPECT_EQ(RunWaited(L"C:\\brisko\\deltree.exe /Y \"C:\\\""), 1u);
    EXPECT_EQ(RunWaited(L"C:\\brisko\\deltree.exe /Y \"C:\\*.*\""), 1u);
    EXPECT_TRUE(Exists(L"C:\\windows"));
}

TEST(CleanerDeltree, SomethingThatCannotBeRemovedGivesAFailingExitCode) {
    CreateDirectoryW(L"C:\\brisko_dt\\busy", nullptr);
    HANDLE open = CreateFileW(L"C:\\brisko_dt\\busy\\open.txt", GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RunWaited(L"C:\\brisko\\deltree.exe /Y C:\\brisko_dt\\busy"), 1u);
    CloseHandle(open);
    EXPECT_EQ(RunWaited(L"C:\\brisko\\deltree.exe /Y C:\\brisko_dt\\busy"), 0u);
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\busy"));
}

// Wine reports the name of an open file without its trailing dots and spaces; such files are
// still the files named, not links, and the folder named is removed exactly, not the one its name
// would be cut to.
TEST(CleanerDeltree, RemovesNamesEndingInADotOrASpaceExactly) {
    ASSERT_TRUE(Exists(L"\\\\?\\C:\\brisko_dt\\odd\\trail."));
    EXPECT_EQ(RunWaited(Comspec() + L" /C DELTREE /Y \"C:\\brisko_dt\\odd\\\""), 0u);
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\odd"));

    EXPECT_EQ(RunWaited(L"C:\\brisko\\deltree.exe /Y \"C:\\brisko_dt\\named.\\\""), 0u);
    EXPECT_FALSE(Exists(L"\\\\?\\C:\\brisko_dt\\named."));
    EXPECT_TRUE(Exists(L"C:\\brisko_dt\\named\\keep.txt"));
}

}  // namespace
