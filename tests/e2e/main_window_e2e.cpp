// The main window as a user meets it: the disclaimer declined, then accepted for good; the window
// dragged, the estimate of each of the user's folders, the panels, the help, the choices kept for
// the next start; then the cookie keeper that it opens, and a clean run.
#include <gtest/gtest.h>

#include "tests/e2e/driver/driver.h"  // windows.h, which shellapi.h needs first

#include <shellapi.h>

#include "platform/win32/win32_utf8.h"

namespace brisko::e2e {
namespace {

// Below the current user's folder, where the shell puts the browser's folders and the user's Temp.
std::string User(const std::string& below) {
    char profile[MAX_PATH] = {};
    GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH);
    return profile + below;
}

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
        RECT before{}, after{};
        GetWindowRect(main, &before);
        MouseDrag(Control(main, "Brisko", "Static"), 60, 40);
        EXPECT_TRUE(WaitUntil([&] {
            GetWindowRect(main, &after);
            return after.left == before.left + 60 && after.top == before.top + 40;
        })) << "dragged by its title text";

        // Each item alone measures what its folders hold (see the set-up): no link followed, no
        // index file counted, both Temp folders, the Recycle Bin as the shell counts it.
        const std::pair<const char*, std::string> items[] = {
            {"Temporary Internet Files", "324 bytes"}, {"All Cookies", "70 bytes"},
            {"History", "200 bytes"}, {"Temp Folder", "250 bytes"},
            {"Empty the Recycle Bin", "400 bytes"}};
        for (const auto& [item, bytes] : items) {
            HWND box = Control(main, item, "Button");
            ASSERT_TRUE(Tick(box));
            EXPECT_TRUE(Control(main, bytes + " Wasted Space", "Static")) << item;
            Click(box);
            EXPECT_TRUE(Control(main, "0 bytes Wasted Space", "Static")) << item;
        }
        for (const auto& [item, bytes] : items) ASSERT_TRUE(Tick(Control(main, item, "Button")));
        HWND estimate = Control(main, "1.21 KB Wasted Space", "Static");  // 1,244 bytes
        ASSERT_TRUE(estimate);
        RECT r{};
        GetWindowRect(estimate, &r);
        SetCursorPos(r.left + 4, (r.top + r.bottom) / 2);
        Sleep(1500);  // for its tip, which names the folders measured
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
    // The next start: no disclaimer and the ticks back; the cookie keeper lists the user's
    // cookies by their sites (one in Low\) and deletes only the checked one.
    const Program brisko = StartBrisko();
    HWND main = WaitWindow(brisko.id(), "Brisko");
    ASSERT_TRUE(main);
    HWND temp = Control(main, "Temp Folder", "Button");
    EXPECT_TRUE(WaitUntil([&] { return Checked(temp) && Checked(Control(main, "Word")); }));
    ASSERT_TRUE(Control(main, "1.21 KB Wasted Space", "Static"));
    EXPECT_FALSE(WaitWindow(brisko.id(), "Disclaimer", 0ms));
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

    // A clean run, whose result waits for the removals: each folder emptied and kept, a file held
    // open with no sharing left and not counted, the links out of the cache and Temp not followed.
    ASSERT_TRUE(Tick(Control(main, "All Cookies", "Button")));  // the keeper's box unticked it
    ASSERT_TRUE(Control(main, "1.18 KB Wasted Space", "Static"));  // 35 bytes of cookies fewer
    win32::UniqueFile held(CreateFileW(win32::Wide(cache + "held.dat").c_str(), GENERIC_READ, 0,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    Click(Control(main, "&Brisko", "Button"));
    EXPECT_TRUE(Control(main, "1.16 KB Reclaimed", "Static", 0, 60s)) << "all but the held file";
    EXPECT_EQ(Stored("Presets", "CleanSave"), "1185");
    for (const std::string& gone :
         {cache + "IE", b, windows + "History\\h.dat", windows + "History\\History.IE5",
          User("\\Temp\\user.tmp"), std::string("C:\\windows\\temp\\setup.tmp"),
          std::string("C:\\windows\\temp\\sub")})  // its hidden read-only file and all
        EXPECT_FALSE(Exists(gone)) << gone;
    for (const std::string& kept :
         {cache + "held.dat", jar, windows + "History", User("\\Temp"),
          std::string("C:\\windows\\temp"), std::string("C:\\cache_outside\\precious.dat"),
          std::string("C:\\keep_outside\\precious.txt")})
        EXPECT_TRUE(Exists(kept)) << kept;
    SHQUERYRBINFO bin{sizeof bin, 0, 0};
    EXPECT_TRUE(SUCCEEDED(SHQueryRecycleBinW(nullptr, &bin)) && bin.i64NumItems == 0);
    EXPECT_EQ(CloseMain(brisko, main), 0u);
}

}  // namespace
}  // namespace brisko::e2e
