// The real Brisko.exe in a fresh prefix: the disclaimer on the first start, the estimate of the
// Temp folders and the user's browser folders of known sizes, the three panels, and the choices
// saved on close and restored on the next start.
#include <gtest/gtest.h>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/help_check.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/settings_query.h"

namespace brisko::e2e {
namespace {

// Accepts the disclaimer with "don't show me this message again" ticked.
HWND AcceptDisclaimer(const Program& brisko) {
    HWND disclaimer = WaitWindow(brisko.id(), "Disclaimer");
    if (!disclaimer) return nullptr;
    HWND box = Control(disclaimer, "I Accept and don't show me this message again", "Button");
    Click(box);
    WaitUntil([&] { return Checked(box); });
    SaveScreenshot(disclaimer, "disclaimer");
    Click(Control(disclaimer, "I &Accept", "Button"));
    WaitUntil([&] { return !HasWindow(brisko.id(), "Disclaimer"); });
    return disclaimer;
}

TEST(MainWindow, EstimatesTheTempFolderSavesOnCloseAndRestoresOnTheNextStart) {
    {
        Program brisko = StartBrisko();
        ASSERT_TRUE(AcceptDisclaimer(brisko)) << "the disclaimer shows on the first start";
        HWND main = WaitWindow(brisko.id(), "Brisko");
        ASSERT_TRUE(main);

        // Dragged by its title text with the real mouse, the window follows the pointer.
        RECT before{}, after{};
        GetWindowRect(main, &before);
        MouseDrag(Control(main, "Brisko", "Static"), 60, 40);
        EXPECT_TRUE(WaitUntil([&] {
            GetWindowRect(main, &after);
            return after.left == before.left + 60 && after.top == before.top + 40;
        })) << "moved to "
            << after.left << "," << after.top << " from " << before.left << "," << before.top;

        HWND temp = Control(main, "Temp Folder", "Button");
        ASSERT_TRUE(temp);
        EXPECT_FALSE(Checked(temp));
        Click(temp);
        // The measured folders: 1,000,000 + 593,835 bytes in C:\windows\Temp, 3,317 in the user's.
        EXPECT_TRUE(Control(main, "1.52 MB Wasted Space", "Static"))
            << "the estimate of the Temp folders after ticking Temp Folder";
        EXPECT_TRUE(Checked(temp));
        // The user's own cache, cookies and history as the shell names them.
        for (const char* item : {"Temporary Internet Files", "All Cookies", "History"})
            Click(Control(main, item, "Button"));
        HWND estimate = Control(main, "2.00 MB Wasted Space", "Static");
        EXPECT_TRUE(estimate) << "the estimate with the browser's folders";
        // Pointed at, the estimate's tip names the folders measured.
        RECT r{};
        GetWindowRect(estimate, &r);
        SetCursorPos(r.left + 4, (r.top + r.bottom) / 2);
        Pause(1500ms);
        SaveScreenshot(main, "main");

        Click(Control(main, "&Programs", "Button"));
        HWND word = Control(main, "Word", "Button");
        ASSERT_TRUE(word);
        EXPECT_TRUE(WaitUntil([&] { return Visible(word) && !Visible(temp); }));
        Click(word);
        EXPECT_TRUE(WaitUntil([&] { return Checked(word); }));
        SaveScreenshot(main, "main-programs");
        Click(Control(main, "&About", "Button"));
        EXPECT_TRUE(WaitUntil([&] { return !Visible(word) && !Visible(temp); }));
        SaveScreenshot(main, "main-about");
        Click(Control(main, "&Windows", "Button"));
        EXPECT_TRUE(WaitUntil([&] { return Visible(temp); }));

        // The help caption button, found by its tip, opens "Brisko Help"; the dialog's own
        // close caption button ("Close Me") hides it. Shown again, it is the same dialog, and
        // its chameleon button closes it too.
        HWND help = CheckHelp(brisko.id(), main, "Help me", "Brisko Help", "help-main", "Close Me");
        ASSERT_TRUE(help);
        EXPECT_EQ(CheckHelp(brisko.id(), main, "Help me", "Brisko Help", "", nullptr), help);

        EXPECT_EQ(CloseMain(brisko, main), std::optional<DWORD>(0));
    }

    const auto presets = QuerySection("Presets");
    ASSERT_TRUE(presets) << "the store's Presets key after close";
    auto value = [&](const std::string& name) {
        auto it = presets->find(name);
        return it == presets->end() ? StoredValue{"missing", ""} : it->second;
    };
    EXPECT_EQ(value("chkTemp").type, "REG_SZ");
    EXPECT_EQ(value("chkTemp").data, "1");
    EXPECT_EQ(value("chkWord").data, "1");
    EXPECT_EQ(value("chkExcel").data, "0");
    EXPECT_EQ(value("chIECache").data, "1");
    EXPECT_EQ(value("Disclaimer").data, "1");

    // The next start shows no disclaimer and brings the ticks back.
    Program again = StartBrisko();
    HWND main = WaitWindow(again.id(), "Brisko");
    ASSERT_TRUE(main);
    HWND temp = Control(main, "Temp Folder", "Button");
    EXPECT_TRUE(WaitUntil([&] { return Checked(temp); }));
    EXPECT_TRUE(Control(main, "2.00 MB Wasted Space", "Static"));
    EXPECT_FALSE(HasWindow(again.id(), "Disclaimer"));
    EXPECT_EQ(CloseMain(again, main), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace brisko::e2e
