// A clean run as a user makes it: the recently-used lists seeded with the registry tool, three
// items ticked, "&Brisko" pressed; afterwards the lists, the Temp folder and the running total
// are checked from outside the program.
#include <gtest/gtest.h>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/settings_query.h"

namespace brisko::e2e {
namespace {

const std::string kTyped = "HKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
const std::string kRunMru = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

bool HasValue(const std::string& key, const std::string& name) {
    return RunCommand("reg.exe query \"" + key + "\" /v " + name).exitCode == 0;
}

TEST(CleanRun, ClearsTheTickedListsAndTheTempFolderAndCountsWhatItReclaimed) {
    for (const char* n : {"url1", "url2", "url3", "url5"})
        ASSERT_TRUE(RegAdd(kTyped, n, "http://example.test/"));
    ASSERT_TRUE(RegAdd(kRunMru, "MRUList", "cab"));
    for (const char* n : {"a", "b", "c", "d"}) ASSERT_TRUE(RegAdd(kRunMru, n, "notepad\\1"));
    ASSERT_TRUE(RegAdd(std::string(kStoreKey) + "\\Presets", "CleanSave", "1000"));

    const auto [brisko, main] = StartAccepted();
    ASSERT_TRUE(main);
    for (const char* item :
         {"Temp Folder", "Recent Items From Run Menu", "Internet Typed Web Address"}) {
        HWND box = Control(main, item, "Button");
        ASSERT_TRUE(box) << item;
        Click(box);
        EXPECT_TRUE(WaitUntil([&] { return Checked(box); })) << item;
    }
    ASSERT_TRUE(Control(main, "1.52 MB Wasted Space", "Static"));

    Click(Control(main, "&Brisko", "Button"));
    EXPECT_TRUE(Control(main, "1.52 MB Reclaimed", "Static", 0, 30s)) << "the end of the run";
    SaveScreenshot(main, "clean-run");

    // url1 to url3 up to the gap; url5 stays. "MRUList" names c, a and b; d stays.
    for (const char* n : {"url1", "url2", "url3"}) EXPECT_FALSE(HasValue(kTyped, n)) << n;
    EXPECT_TRUE(HasValue(kTyped, "url5"));
    for (const char* n : {"MRUList", "a", "b", "c"}) EXPECT_FALSE(HasValue(kRunMru, n)) << n;
    EXPECT_TRUE(HasValue(kRunMru, "d"));

    const auto presets = QuerySection("Presets");
    ASSERT_TRUE(presets);
    EXPECT_EQ(presets->at("CleanSave").data, "1594835");  // 1000 before, 1,593,835 now

    // The result waits for the removal: what it shows is gone, the folder itself kept.
    EXPECT_FALSE(Exists("C:\\windows\\temp\\setup.tmp"));
    EXPECT_FALSE(Exists("C:\\windows\\temp\\sub")) << "read-only file and all";
    EXPECT_TRUE(Exists("C:\\windows\\temp"));
    EXPECT_TRUE(Exists("C:\\keep_outside\\precious.txt"))
        << "the link out of Temp was not followed";

    EXPECT_EQ(CloseMain(brisko, main), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace brisko::e2e
