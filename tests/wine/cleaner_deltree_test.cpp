// deltree.exe under Wine, started hidden in its folder as the clean run starts it.
#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_process.h"

namespace {

bool Exists(const std::string& path) {  // by its exact path
    return brisko::win32::Win32FileSystem().attributes(path).has_value();
}

// The exit code of DELTREE /Y<arguments>, tried again where a loaded Wine failed to start cmd (-1).
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

// Exact names, read-only files and paths beyond MAX_PATH go; "F\*.*" keeps F; no link is followed
// (Wine cannot remove one as the link: it stays, reported); a file in use fails; so do roots.
TEST(CleanerDeltree, RemovesWhatItIsGivenExactlyAndNothingALinkLeadsTo) {
    ASSERT_TRUE(Exists("C:\\brisko\\deltree.exe"));
    brisko::win32::UniqueFile open(CreateFileW(L"C:\\brisko_dt\\busy\\open.txt", GENERIC_WRITE, 0,
                                               nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(open);
    const std::string dt = "C:\\brisko_dt\\";
    const auto in = [&](const std::string& name) { return " \"" + dt + name + "\""; };
    const struct {
        std::string arguments;
        long code;
        std::vector<std::string> gone, kept;
    } cases[] = {
        {in("kept\\*.*"), 0, {dt + "kept\\readonly.txt", dt + "kept\\deep"}, {dt + "kept"}},
        {in("plain\\"), 0, {dt + "plain"}, {}},
        {in("tree\\"),
         1,
         {dt + "tree\\top.txt", dt + "tree\\sub\\readonly.txt", dt + "tree\\deep"},
         {dt + "tree\\away", dt + "outside\\keep\\precious.txt", dt + "outside\\file.txt"}},
        {in("linked\\"), 1, {}, {dt + "outside\\keep\\precious.txt"}},
        {in("linked\\*.*"), 1, {}, {dt + "outside\\file.txt"}},
        // Nor one below a link: the link on its path refuses it, and deltree says so.
        {in("via\\keep\\") + " 2>" + dt + "via.txt", 1, {}, {dt + "outside\\keep"}},
        {in("odd\\"), 0, {dt + "odd"}, {}},
        {in("named.\\"), 0, {dt + "named."}, {dt + "named\\keep.txt"}},
        {in("busy"), 1, {}, {dt + "busy\\open.txt"}},
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
    EXPECT_EQ(Deltree(in("busy")), 0);
    EXPECT_FALSE(Exists(dt + "busy"));
}

// Values longer than a first guess at their length, empty and unset ones; nothing to start.
TEST(Win32Processes, ReadTheEnvironmentAndStartNothingFromNothing) {
    brisko::win32::Win32Processes processes;
    const std::string longValue(300, 'v');
    SetEnvironmentVariableA("BRISKO_LONG", longValue.c_str());
    SetEnvironmentVariableA("BRISKO_EMPTY", "");
    EXPECT_EQ(processes.environment("BRISKO_LONG"), longValue);
    EXPECT_EQ(processes.environment("BRISKO_EMPTY"), "");
    EXPECT_EQ(processes.environment("BRISKO_UNSET"), std::nullopt);
    EXPECT_FALSE(processes.startHidden("", "C:\\brisko"));
    EXPECT_FALSE(processes.startHidden("C:\\no\\such.exe", "C:\\brisko"));
}

}  // namespace
