// deltree.exe under Wine, started as the clean run starts it (the command interpreter from
// COMSPEC, "/C DELTREE /Y "F\"", in the folder that holds deltree.exe) or on its own, over the
// trees of cleaner_deltree_test.setup.sh.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"
#include "tests/wine/wine_helpers.h"

namespace {

using brisko::wine_test::Exists;

// Runs a command line hidden in C:\brisko and waits for it here (the program itself never waits).
DWORD RunWaited(std::wstring command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        L"C:\\brisko", &startup, &started))
        return 0xFFFFFFFF;
    brisko::win32::UniqueKernel process(started.hProcess), thread(started.hThread);
    WaitForSingleObject(process.get(), 60000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

std::wstring ThroughComspec(const std::wstring& folder) {
    wchar_t comspec[MAX_PATH] = {};
    GetEnvironmentVariableW(L"COMSPEC", comspec, MAX_PATH);
    return std::wstring(comspec) + L" /C DELTREE /Y \"" + folder + L"\\\"";
}

std::wstring Alone(const std::wstring& arguments) {
    return L"C:\\brisko\\deltree.exe /Y" + arguments;
}

// Read-only files, paths beyond MAX_PATH and names ending in a dot or a space go; a link inside
// the tree or named for removal is never followed (Wine cannot remove a link as the link, so
// there it stays and is reported); roots and bad usage are refused.
TEST(CleanerDeltree, RemovesWhatItIsGivenExactlyAndNothingALinkLeadsTo) {
    const std::wstring dt = L"C:\\brisko_dt\\";
    ASSERT_TRUE(Exists(L"C:\\brisko\\deltree.exe") && Exists(dt + L"plain\\readonly.txt"));
    const struct {
        std::wstring command;
        DWORD code;
        std::vector<std::wstring> gone, kept;
    } cases[] = {
        {ThroughComspec(dt + L"plain"), 0, {dt + L"plain"}, {}},
        {ThroughComspec(dt + L"tree"),
         1,
         {dt + L"tree\\top.txt", dt + L"tree\\sub\\readonly.txt", dt + L"tree\\deep"},
         {dt + L"tree\\away", dt + L"outside\\keep\\precious.txt", dt + L"outside\\file.txt"}},
        {Alone(L" \"" + dt + L"linked\\\""), 1, {}, {dt + L"outside\\keep\\precious.txt"}},
        {ThroughComspec(dt + L"odd"), 0, {dt + L"odd"}, {}},
        {Alone(L" \"" + dt + L"named.\\\""),
         0,
         {L"\\\\?\\" + dt + L"named."},
         {dt + L"named\\keep.txt"}},
        {Alone(L" \"C:\\no such folder\\\""), 0, {}, {}},
        {Alone(L""), 2, {}, {}},
        {Alone(L" \"C:\\\""), 1, {}, {L"C:\\windows"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunWaited(c.command), c.code) << c.command;
        for (const auto& path : c.gone) EXPECT_FALSE(Exists(path)) << path;
        for (const auto& path : c.kept) EXPECT_TRUE(Exists(path)) << path;
    }
}

TEST(CleanerDeltree, AFileInUseFailsTheRemovalUntilItIsClosed) {
    ASSERT_TRUE(CreateDirectoryW(L"C:\\brisko_dt\\busy", nullptr));
    brisko::win32::UniqueFile open(CreateFileW(L"C:\\brisko_dt\\busy\\open.txt", GENERIC_WRITE, 0,
                                               nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(open);
    EXPECT_EQ(RunWaited(Alone(L" C:\\brisko_dt\\busy")), 1u);
    open.reset();
    EXPECT_EQ(RunWaited(Alone(L" C:\\brisko_dt\\busy")), 0u);
    EXPECT_FALSE(Exists(L"C:\\brisko_dt\\busy"));
}

}  // namespace
