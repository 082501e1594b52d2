// deltree.exe under Wine, started as the clean run starts it (hidden, COMSPEC /C DELTREE /Y "F\*.*"
// in the folder that holds it), over the trees of cleaner_deltree_test.setup.sh.
#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_utf8.h"
#include "tests/wine/wine_helpers.h"

namespace {

using brisko::wine_test::Exists;

// The exit code of "DELTREE /Y<arguments>", waited for here (the program itself never waits). A
// loaded Wine now and then fails to start the command processor (-1): that is tried again.
long Deltree(const std::string& arguments) {
    brisko::win32::Win32Processes processes;
    const std::string command = processes.environment("COMSPEC").value_or("") + " /C DELTREE /Y";
    long code = -1;
    for (int attempt = 0; attempt < 3 && code == -1; ++attempt) {
        const auto started = processes.startHidden(command + arguments, "C:\\brisko");
        for (int wait = 0; started && wait < 1200 && !started->exitCode(); ++wait) Sleep(50);
        code = started ? started->exitCode().value_or(-2) : -1;
    }
    return code;
}

// Read-only files, paths beyond MAX_PATH and names ending in a dot or a space go; "F\*.*" empties F
// and keeps it; a link inside the tree or named for removal or emptying is never followed (Wine
// cannot remove a link as the link, so there it stays and is reported); a file in use fails the
// removal until it is closed; roots and bad usage are refused.
TEST(CleanerDeltree, RemovesWhatItIsGivenExactlyAndNothingALinkLeadsTo) {
    ASSERT_TRUE(Exists("C:\\brisko\\deltree.exe"));
    brisko::win32::UniqueFile open(CreateFileW(L"C:\\brisko_dt\\busy\\open.txt", GENERIC_WRITE, 0,
                                               nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(open);
    const std::string dt = "C:\\brisko_dt\\";
    const struct {
        std::string arguments;
        long code;
        std::vector<std::string> gone, kept;
    } cases[] = {
        {" \"" + dt + "kept\\*.*\"",
         0,
         {dt + "kept\\readonly.txt", dt + "kept\\deep"},
         {dt + "kept"}},
        {" \"" + dt + "plain\\\"", 0, {dt + "plain"}, {}},
        {" \"" + dt + "tree\\\"",
         1,
         {dt + "tree\\top.txt", dt + "tree\\sub\\readonly.txt", dt + "tree\\deep"},
         {dt + "tree\\away", dt + "outside\\keep\\precious.txt", dt + "outside\\file.txt"}},
        {" \"" + dt + "linked\\\"", 1, {}, {dt + "outside\\keep\\precious.txt"}},
        {" \"" + dt + "linked\\*.*\"", 1, {}, {dt + "outside\\file.txt"}},
        // Nor one below a link: the link on its path refuses it, and deltree says so.
        {" \"" + dt + "via\\keep\\\" 2>" + dt + "via.txt", 1, {}, {dt + "outside\\keep"}},
        {" \"" + dt + "odd\\\"", 0, {dt + "odd"}, {}},
        {" \"" + dt + "named.\\\"", 0, {dt + "named."}, {dt + "named\\keep.txt"}},
        {" " + dt + "busy", 1, {}, {dt + "busy\\open.txt"}},
        {" \"C:\\no such folder\\\"", 0, {}, {}},
        {"", 2, {}, {}},
        {" \"C:\\\"", 1, {}, {"C:\\windows"}},
        {" \"C:\\*.*\"", 1, {}, {"C:\\windows"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Deltree(c.arguments), c.code) << c.arguments;
        for (const auto& path : c.gone) EXPECT_FALSE(Exists(path)) << path;
        for (const auto& path : c.kept) EXPECT_TRUE(Exists(path)) << path;
    }
    std::ifstream said(dt + "via.txt");
    EXPECT_NE(
        std::string(std::istreambuf_iterator<char>(said), {}).find("via on its path is a link"),
        std::string::npos);
    open.reset();
    EXPECT_EQ(Deltree(" " + dt + "busy"), 0);
    EXPECT_FALSE(Exists(dt + "busy"));
}

// Values longer than a first guess at their length, empty and unset ones; nothing to start.
TEST(Win32Processes, ReadTheEnvironmentAndStartNothingFromNothing) {
    brisko::win32::Win32Processes processes;
    const std::string longValue(300, 'v');
    SetEnvironmentVariableW(L"BRISKO_LONG", brisko::win32::Wide(longValue).c_str());
    SetEnvironmentVariableW(L"BRISKO_EMPTY", L"");
    EXPECT_EQ(processes.environment("BRISKO_LONG"), longValue);
    EXPECT_EQ(processes.environment("BRISKO_EMPTY"), "");
    EXPECT_EQ(processes.environment("BRISKO_UNSET"), std::nullopt);
    EXPECT_FALSE(processes.startHidden("", "C:\\brisko"));
    EXPECT_FALSE(processes.startHidden("C:\\no\\such.exe", "C:\\brisko"));
}

}  // namespace
