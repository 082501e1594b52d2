// The main window as a user meets it: disclaimer, drag, estimate, panels, help, the choices kept
// for the next start; then the cookie keeper that it opens, and a clean run.
#include <windows.h>  // before the shell's headers, which build on it
#include <gtest/gtest.h>
#include <shellapi.h>

#include "tests/e2e/driver/driver.h"

namespace brisko::e2e {
namespace {

// Below the current user's folder, where the shell puts the browser's folders and the user's Temp.
std::string User(const std::string& below) {
    return std::getenv("USERPROFILE") + below;
}

TEST(MainWindow, DisclaimerEstimatePanelsHelpSavedChoicesAndACleanRun) {
    {
        Program brisko = StartBrisko();
        HWND disclaimer = WaitWindow(brisko.id(), "Disclaimer");
        ASSERT_TRUE(disclaimer);
        EXPECT_TRUE(
            Tick(Control(disclaimer, "I Accept and don't show me this message again", "Button")));
        SaveScreenshot(disclaimer, "disclaimer");
        Click(Control(disclaimer, "I &Accept", "Button"));
        HWND main = WaitWindow(brisko.id(), "Brisko");
        ASSERT_TRUE(main && WaitUntil([&] { return !Visible(disclaimer); }));
        RECT before{}, after{};
        GetWindowRect(main, &before);
        MouseDrag(Control(main, "Brisko", "Static"), 60, 40);
        EXPECT_TRUE(WaitUntil([&] {
            GetWindowRect(main, &after);
            return after.left == before.left + 60 && after.top == before.top + 40;
        })) << "dragged by its title text";

        // 324 + 70 + 200 + 250 + 400 bytes: no link followed, no index file, both Temps, the bin.
        for (const char* item : {"Temporary Internet Files", "All Cookies", "History",
                                 "Temp Folder", "Empty the Recycle Bin"})
            ASSERT_TRUE(Tick(Control(main, item, "Button"))) << item;
        ASSERT_TRUE(Control(main, "1.21 KB Wasted Space", "Static"));  // 1,244 bytes
        SaveScreenshot(main, "main");
        HWND temp = Control(main, "Temp Folder", "Button"), word = Control(main, "Word", "Button");
        Click(Control(main, "&Programs", "Button"));
        EXPECT_TRUE(WaitUntil([&] { return Visible(word) && !Visible(temp); }));
        EXPECT_TRUE(Tick(word));
        SaveScreenshot(main, "main-programs");
        Click(Control(main, "&About", "Button"));
        EXPECT_TRUE(WaitUntil([&] { return !Visible(word) && !Visible(temp); }));
        SaveScreenshot(main, "main-about");

        // The help caption button, found by its tip, shows the help modally, and its own closes it.
        MouseClick(Control(main, "Help me", "BriskoCaptionButton"));
        HWND help = WaitWindow(brisko.id(), "Brisko Help");
        ASSERT_TRUE(help && WaitUntil([&] { return !IsWindowEnabled(main); }));
        SaveScreenshot(help, "help-main");
        MouseClick(Control(help, "Close Me", "BriskoCaptionButton"));
        EXPECT_TRUE(WaitUntil([&] { return !Visible(help) && IsWindowEnabled(main); }));
        EXPECT_EQ(CloseMain(brisko, main), 0u);
    }
    // The next start: the ticks back; the cookie keeper lists both sites' cookies, deletes one.
    const Program brisko = StartBrisko();
    HWND main = WaitWindow(brisko.id(), "Brisko");
    ASSERT_TRUE(main);
    HWND temp = Control(main, "Temp Folder", "Button");
    EXPECT_TRUE(WaitUntil([&] { return Checked(temp) && Checked(Control(main, "Word")); }));
    ASSERT_TRUE(Tick(Control(main, "Select", "Button", 0)));  // which enables the button "Select"
    Click(Control(main, "Select", "Button", 1));
    HWND keeper = WaitWindow(brisko.id(), "Cookies");
    ASSERT_TRUE(keeper && Control(keeper, "2 Cookies", "Static", 0, 20s));
    const std::string windows = User("\\AppData\\Local\\Microsoft\\Windows\\");
    const std::string jar = windows + "INetCookies\\", cache = windows + "INetCache\\";
    const std::string a = jar + "K3J9X2QA.txt", b = jar + "Low\\P0L8M7NB.txt";
    HWND list = Controls(keeper, "ListBox").at(0);
    EXPECT_EQ(ListItems(list),
              (std::vector<std::string>{a + "  (a.example)", b + "  (b.example)"}));
    SaveScreenshot(keeper, "cookies");
    ASSERT_TRUE(ToggleEntry(list, b + "  (b.example)"));
    Click(Control(keeper, "&Delete Selected", "Button"));
    EXPECT_TRUE(Control(keeper, "1 Cookies", "Static", 0, 20s));
    EXPECT_TRUE(!Exists(a) && Exists(b));
    MouseClick(Control(keeper, "Close", "BriskoCaptionButton"));
    EXPECT_TRUE(WaitUntil([&] { return Visible(main) && !Visible(keeper); }));

    // A clean run: each folder emptied and kept, the links out of the cache and Temp not followed.
    ASSERT_TRUE(Tick(Control(main, "All Cookies", "Button")));     // the keeper's box unticked it
    ASSERT_TRUE(Control(main, "1.18 KB Wasted Space", "Static"));  // 35 bytes of cookies fewer
    Click(Control(main, "&Brisko", "Button"));
    EXPECT_TRUE(Control(main, "1.18 KB Reclaimed", "Static", 0, 60s));
    for (const std::string& gone :
         {cache + "IE", cache + "cache.dat", b, windows + "History\\h.dat",
          windows + "History\\History.IE5", User("\\Temp\\user.tmp"),
          std::string("C:\\windows\\temp\\setup.tmp"),
          std::string("C:\\windows\\temp\\sub")})  // its hidden read-only file and all
        EXPECT_FALSE(Exists(gone)) << gone;
    for (const std::string& kept :
         {jar, windows + "History", User("\\Temp"), std::string("C:\\windows\\temp"),
          std::string("C:\\cache_outside\\precious.dat"),
          std::string("C:\\keep_outside\\precious.txt")})
        EXPECT_TRUE(Exists(kept)) << kept;
    SHQUERYRBINFO bin{sizeof bin, 0, 0};
    EXPECT_TRUE(SUCCEEDED(SHQueryRecycleBinW(nullptr, &bin)) && bin.i64NumItems == 0);
    EXPECT_EQ(CloseMain(brisko, main), 0u);
}

}  // namespace
}  // namespace brisko::e2e
