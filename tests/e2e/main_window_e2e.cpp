// The main window as a user meets it: the disclaimer declined, then accepted for good; the window
// dragged, the panels, the help, the choices kept for the next start, a clean run of the Temp
// folder. And the cookie keeper that it opens: the cookies listed, two kept, the rest deleted.
#include <gtest/gtest.h>

#include "tests/e2e/driver/driver.h"

namespace brisko::e2e {
namespace {

TEST(MainWindow, DisclaimerEstimatePanelsHelpSavedChoicesAndACleanRun) {
    {
        Program brisko = StartBrisko();
        HWND disclaimer = WaitWindow(brisko.id(), "Disclaimer");
        ASSERT_TRUE(disclaimer && WaitWindow(brisko.id(), "Brisko") && WaitUntil(StoreExists));
        Click(Control(disclaimer, "I &Do Not Accept", "Button"));
        EXPECT_TRUE(brisko.waitExit().has_value()) << "declining ends the program";
        EXPECT_FALSE(StoreExists()) << "and deletes the store that its start wrote";
    }
    {
        Program brisko = StartBrisko();
        HWND disclaimer = WaitWindow(brisko.id(), "Disclaimer");
        ASSERT_TRUE(disclaimer) << "shown again after declining";
        EXPECT_TRUE(
            Tick(Control(disclaimer, "I Accept and don't show me this message again", "Button")));
        SaveScreenshot(disclaimer, "disclaimer");
        Click(Control(disclaimer, "I &Accept", "Button"));
        HWND main = WaitWindow(brisko.id(), "Brisko");
        ASSERT_TRUE(main && WaitUntil([&] { return !Visible(disclaimer); }));
        SaveScreenshot(main, "main");
        RECT before{}, after{};
        GetWindowRect(main, &before);
        MouseDrag(Control(main, "Brisko", "Static"), 60, 40);
        EXPECT_TRUE(WaitUntil([&] {
            GetWindowRect(main, &after);
            return after.left == before.left + 60 && after.top == before.top + 40;
        })) << "dragged by its title text";

        HWND temp = Control(main, "Temp Folder", "Button"), word = Control(main, "Word", "Button");
        ASSERT_TRUE(Tick(temp));
        EXPECT_TRUE(Control(main, "1.52 MB Wasted Space", "Static")) << "1,593,835 bytes in Temp";
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
    // The next start: no disclaimer, the ticks back, and a clean run of the Temp folder.
    const Program brisko = StartBrisko();
    HWND main = WaitWindow(brisko.id(), "Brisko");
    ASSERT_TRUE(main);
    HWND temp = Control(main, "Temp Folder", "Button");
    EXPECT_TRUE(WaitUntil([&] { return Checked(temp) && Checked(Control(main, "Word")); }));
    ASSERT_TRUE(Control(main, "1.52 MB Wasted Space", "Static"));
    EXPECT_FALSE(WaitWindow(brisko.id(), "Disclaimer", 0ms));
    Click(Control(main, "&Brisko", "Button"));
    EXPECT_TRUE(Control(main, "1.52 MB Reclaimed", "Static", 0, 30s)) << "the end of the run";
    EXPECT_EQ(Stored("Presets", "CleanSave"), "1593835");
    EXPECT_TRUE(WaitUntil([] { return !Exists("C:\\windows\\temp\\setup.tmp"); }, 60s));
    EXPECT_TRUE(WaitUntil([] { return !Exists("C:\\windows\\temp\\sub"); }, 30s))
        << "its hidden read-only file and all";
    EXPECT_TRUE(Exists("C:\\keep_outside\\precious.txt")) << "the link out of Temp not followed";
    EXPECT_EQ(CloseMain(brisko, main), 0u);
}

TEST(CookieKeeper, OpensFromTheMainWindowAndDeletesOnlyTheCheckedCookies) {
    const auto [brisko, main] = StartAccepted();
    ASSERT_TRUE(Tick(Control(main, "Select", "Button", 0)));  // which enables the button "Select"
    Click(Control(main, "Select", "Button", 1));
    HWND keeper = WaitWindow(brisko.id(), "Cookies");
    ASSERT_TRUE(keeper && Control(keeper, "5 Cookies", "Static", 0, 20s)) << "index.dat is none";
    SaveScreenshot(keeper, "cookies");
    const std::string cookies = "C:\\windows\\cookies\\", two = cookies + "two@example.txt";
    const std::string five = "C:\\windows\\profiles\\user\\cookies\\five@example.txt";
    HWND list = Controls(keeper, "ListBox").at(0);
    ASSERT_TRUE(ToggleEntry(list, two) && ToggleEntry(list, five));
    Click(Control(keeper, "&Delete Selected", "Button"));
    EXPECT_TRUE(Control(keeper, "3 Cookies", "Static", 0, 20s)) << "the read-only one stays listed";
    for (const std::string& kept :
         {two, five, cookies + "locked@example.txt", cookies + "index.dat"})
        EXPECT_TRUE(Exists(kept)) << kept;
    EXPECT_FALSE(Exists(cookies + "one@example.txt") || Exists(cookies + "three@example.txt"));

    MouseClick(Control(keeper, "Close", "BriskoCaptionButton"));
    EXPECT_TRUE(WaitUntil([&] { return Visible(main) && !Visible(keeper); }));
    EXPECT_EQ(CloseMain(brisko, main), 0u);
}

}  // namespace
}  // namespace brisko::e2e
