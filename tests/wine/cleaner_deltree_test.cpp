// deltree.exe under Wine, started as the clean run starts it (COMSPEC /C DELTREE /Y "F\*.*" in the
// folder that holds it), over the trees of cleaner_deltree_test.setup.sh.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32/win32_handles.h"
#include "tests/wine/wine_helpers.h"

namespace {

using brisko::wine_test::Exists;

// Runs "DELTREE /Y <arguments>" and waits for it here (the program itself never waits). A loaded
// Wine now and then fails to start the command processor (-1): that is tried again.
int Deltree(const std::wstring& arguments) {
    int code = -1;
    for (int attempt = 0; attempt < 3 && code == -1; ++attempt)
        code = _wsystem((L"DELTREE /Y" + arguments).c_str());
    return code;
}

// Read-only files, paths beyond MAX_PATH and names ending in a dot or a space go; "F\*.*" empties F
// and keeps it; a link inside the tree or named for removal or emptying is never followed (Wine
// cannot remove a link as the link, so there it stays and is reported); roots and bad usage are
// refused.
TEST(CleanerDeltree, RemovesWhatItIsGivenExactlyAndNothingALinkLeadsTo) {
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\brisko") && Exists(L"C:\\brisko\\deltree.exe"));
    const std::wstring dt = L"C:\\brisko_dt\\";
    const struct {
        std::wstring arguments;
        int code;
        std::vector<std::wstring> gone, kept;
    } cases[] = {
        {L" \"" + dt + L"kept\\*.*\"", 0, {dt + L"kept\\readonly.txt", dt + L"kept\\deep"}, {dt + L"kept"}},
        {L" \"" + dt + L"plain\\\"", 0, {dt + L"plain"}, {}},
        {L" \"" + dt + L"tree\\\"",
         1,
         {dt + L"tree\\top.txt", dt + L"tree\\sub\\readonly.txt", dt + L"tree\\deep"},
         {dt + L"tree\\away", dt + L"outside\\keep\\precious.txt", dt + L"outside\\file.txt"}},
        {L" \"" + dt + L"linked\\\"", 1, {}, {dt + L"outside\\keep\\precious.txt"}},
        {L" \"" + dt + L"linked\\*.*\"", 1, {}, {dt + L"outside\\file.txt"}},
        // Nor one below a link: the link on its path refuses it, and deltree says so.
        {L" \"" + dt + L"via\\keep\\\" 2>" + dt + L"via.txt", 1, {}, {dt + L"outside\\keep"}},
        {L" \"" + dt + L"odd\\\"", 0, {dt + L"odd"}, {}},
        {L" \"" + dt + L"named.\\\"", 0, {L"\\\\?\\" + dt + L"named."}, {dt + L"named\\keep.txt"}},
        {L" \"C:\\no such folder\\\"", 0, {}, {}},
        {L"", 2, {}, {}},
        {L" \"C:\\\"", 1, {}, {L"C:\\windows"}},
        {L" \"C:\\*.*\"", 1, {}, {L"C:\\windows"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Deltree(c.arguments), c.code) << c.arguments;
        for (const auto& path : c.gone) EXPECT_FALSE(Exists(path)) << path;
        for (const auto& path : c.kept) EXPECT_TRUE(Exists(path)) << path;
    }
    std::ifstream said("C:\\brisko_dt\\via.txt");
    EXPECT_NE(
        std::string(std::istreambuf_iterator<char>(said), {}).find("via on its path is a link"),
        std::string::npos);
}

TEST(CleanerDeltree, AFileInUseFailsTheRemovalUntilItIsClosed) {
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\brisko") && CreateDirectoryW(L"C:\\busy", nullptr));
    brisko::win32::UniqueFile open(
        CreateFileW(L"C:\\busy\\open.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(open);
    EXPECT_EQ(Deltree(L" C:\\busy"), 1);
    open.reset();
    EXPECT_EQ(Deltree(L" C:\\busy"), 0);
    EXPECT_FALSE(Exists(L"C:\\busy"));
}

}  // namespace
