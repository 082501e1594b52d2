#include <gtest/gtest.h>

#include "main_window_fixture.h"

using namespace brisko;
using brisko::testing::MainWindowFixture;

TEST(MainWindowStartUp, EmptyStoreShowsDefaultsAndTheDisclaimer) {
    MainWindowFixture f;
    f.start();
    for (controls::CheckBox* box : f.form->restoreOrder())
        EXPECT_EQ(box->value(), 0) << box->name();
    EXPECT_EQ(f.form->lblSize.caption(), "0 bytes Wasted Space");
    EXPECT_EQ(f.form->Label8.caption(), "0 bytes Wasted Space");
    EXPECT_EQ(f.form->Label2.caption(), "0 bytes Cleaned so far");
    EXPECT_EQ(f.mem.desktop.modalRuns, 1);
    EXPECT_TRUE(f.form->visible());
    EXPECT_TRUE(f.form->Frame1.visible());
    EXPECT_FALSE(f.form->Frame2.visible());
    EXPECT_FALSE(f.form->Frame3.visible());
    EXPECT_FALSE(f.form->lblSize.visible());
    EXPECT_EQ(f.stored("TotSav"), "0 bytes");
    // Accepting with the box unticked stores "0": the disclaimer comes again next time.
    EXPECT_EQ(f.stored("Disclaimer"), "0");
}

TEST(MainWindowStartUp, StateValuesFromTheWindowsDirectory) {
    struct Case {
        std::string dir, drv, winder, letter;
    };
    for (const Case& c :
         {Case{"C:\\WINNT", "c:", "WINNT", "C:"}, Case{"C:\\WINDOWS", "c:", "WINDOWS", "C:"},
          Case{"D:\\WIN", "d:", "WIN", "D:"}, Case{"", "", "", ""}, Case{"C:\\", "c:", "", "C:"}}) {
        MainWindowFixture f;
        f.mem.files.setWindowsDirectory(c.dir);
        f.startAccepted();
        EXPECT_EQ(f.form->lblWin.caption(), c.dir);
        EXPECT_EQ(f.form->lblDrv.caption(), c.drv);
        EXPECT_EQ(f.form->Winder.caption(), c.winder);
        EXPECT_EQ(f.form->DrvLetter.caption(), c.letter);
    }
    EXPECT_EQ(app::trim_data("abc", 3, 0), "");
    EXPECT_EQ(app::trim_data("C:\\WINNT", 3, 0), "WINNT");
    EXPECT_EQ(app::trim_data("abcdef", 1, 2), "bcd");
}

TEST(MainWindowStartUp, StoredSelectAllTicksTheWholePanelWhateverTheirOwnKeys) {
    MainWindowFixture f;
    f.store("Check1", "1");
    f.store("chkTemp", "0");
    f.store("chkVb", "1");
    f.startAccepted();
    auto& w = *f.form;
    for (controls::CheckBox* box :
         {&w.chkDocuments, &w.chkRunMenu, &w.chkUrls, &w.chkTemp, &w.chkRecBin, &w.chkCookies,
          &w.chkMenu, &w.chIECache, &w.chkHistory})
        EXPECT_EQ(box->value(), 1) << box->name();
    EXPECT_EQ(w.chkFav.value(), 0);
    EXPECT_EQ(w.chkCookiesSel.value(), 0);
    EXPECT_EQ(w.Check1.caption(), "Clear All");
    EXPECT_EQ(w.chkVb.caption(), "Clear All");
    EXPECT_EQ(w.chkPowerPoint.value(), 1);
    EXPECT_EQ(f.mem.desktop.modalRuns, 0);
    EXPECT_TRUE(w.lblSize.visible());
}

TEST(MainWindowStartUp, MalformedSettingsLeaveTheirBoxesAndNeverStopStartUp) {
    MainWindowFixture f;
    f.store("chkTemp", "yes");
    f.store("chkWord", "1.5");
    f.store("chkExcel", "7");
    f.store("chkAccess", " 1 ");
    f.store("Disclaimer", "true");
    f.store("CleanSave", "lots");
    f.store("Scnsv", "2048 bytes", "Filters");
    f.start();
    EXPECT_EQ(f.form->chkTemp.value(), 0);
    EXPECT_EQ(f.form->chkWord.value(), 0);
    EXPECT_EQ(f.form->chkExcel.value(), 0);
    EXPECT_EQ(f.form->chkAccess.value(), 1);
    EXPECT_EQ(f.mem.desktop.modalRuns, 1);  // not accepted: the disclaimer shows
    EXPECT_EQ(f.form->Label2.caption(), "2.00 KB Cleaned so far");
    // Each box that kept its value says so in the trace, the accepted " 1 " does not.
    EXPECT_EQ(f.mem.trace.lines.size(), 4u);
    EXPECT_EQ(f.mem.trace.lines.front(), "settings: chkTemp holds \"yes\"; kept as it was");
}

TEST(MainWindowStartUp, RunningTotalFollowsTheFindersRemovalsWhenShownAgain) {
    MainWindowFixture f;
    f.store("CleanSave", "1000");
    f.startAccepted();
    ASSERT_EQ(f.form->Label2.caption(), "1000 bytes Cleaned so far");
    f.form->hide();  // the finder is open and removes 24 bytes
    f.store("Scnsv", "24", "Filters");
    f.form->show();
    EXPECT_EQ(f.form->Label2.caption(), "1.00 KB Cleaned so far");
}

TEST(MainWindowStartUp, RunningTotalAddsBothStoredTotalsAndBrokenOnesStayShowable) {
    struct Case {
        const char *scnsv, *cleanSave, *shown;
    };
    for (const auto& [scnsv, cleanSave, shown] :
         {Case{"23", "1000", "1023 bytes Cleaned so far"},
          Case{"-1", "-1", "0 bytes Cleaned so far"}, Case{"-5", "100", "100 bytes Cleaned so far"},
          Case{"1e999", "7", "7 bytes Cleaned so far"}}) {
        MainWindowFixture f;
        f.store("Scnsv", scnsv, "Filters");
        f.store("CleanSave", cleanSave);
        f.startAccepted();
        EXPECT_EQ(f.form->Label2.caption(), shown) << scnsv << " + " << cleanSave;
    }
    // Two huge totals whose sum overflows still give a figure.
    MainWindowFixture f;
    f.store("Scnsv", "1e308", "Filters");
    f.store("CleanSave", "1.7e308");
    f.startAccepted();
    EXPECT_TRUE(f.form->Label2.caption().ends_with(" YB Cleaned so far"))
        << f.form->Label2.caption();
}

TEST(MainWindowStartUp, SixtyFiveByteEstimateReadsZero) {
    MainWindowFixture f;
    f.mem.files.addFile("C:\\WINDOWS\\Temp\\a.tmp", 60);
    f.mem.files.addFile("C:\\WINDOWS\\Temp\\b.tmp", 5);
    f.store("chkTemp", "1");
    f.startAccepted();
    EXPECT_EQ(f.form->lblSize.caption(), "0 bytes Wasted Space");
    EXPECT_EQ(f.form->Label8.caption(), "0 bytes Wasted Space");
    EXPECT_EQ(f.form->lblTotSav.caption(), "65 bytes");
    EXPECT_EQ(f.stored("TotSav"), "65 bytes");
}

TEST(MainWindowEstimate, TickingMeasuresAndUntickingEmpties) {
    MainWindowFixture f;
    f.mem.files.addFile("C:\\WINDOWS\\Temp\\x.tmp", 1593836);
    f.startAccepted();
    auto& w = *f.form;
    w.chkTemp.setValue(1);
    EXPECT_TRUE(w.lblSize.visible());
    EXPECT_EQ(w.lblSize.caption(), "1.52 MB Wasted Space");
    EXPECT_EQ(w.Label8.caption(), "1.52 MB Wasted Space");
    EXPECT_EQ(f.stored("TotSav"), "1.52 MB");
    EXPECT_EQ(w.itemSize(app::SizedItem::Temp), 1593836.0);
    w.chkTemp.setValue(0);
    EXPECT_FALSE(w.itemSize(app::SizedItem::Temp).has_value());
    EXPECT_EQ(w.lblSize.caption(), "0 bytes Wasted Space");
    EXPECT_TRUE(w.lblSize.visible());
}

TEST(MainWindowEstimate, NineFamilyFoldersLessTheirIndexFiles) {
    MainWindowFixture f;
    auto& fs = f.mem.files;
    fs.addFile("C:\\WINDOWS\\Temporary Internet Files\\Content.IE5\\index.dat", 100);
    fs.addFile("C:\\WINDOWS\\Temporary Internet Files\\Content.IE5\\page.htm", 1000);
    fs.addFile("C:\\WINDOWS\\Cookies\\index.dat", 10);
    fs.addFile("C:\\WINDOWS\\Cookies\\user@site.txt", 20);
    fs.addFile("C:\\WINDOWS\\History\\History.IE5\\index.dat", 7);
    fs.addFile("C:\\WINDOWS\\History\\History.IE5\\x", 3);
    fs.addFile("C:\\Recycled\\d1", 2000);
    fs.addFile("C:\\Program Files\\Netscape\\Users\\default\\prefs.js", 5);
    fs.addFile("C:\\Program Files\\Netscape\\Users\\default\\cache\\c1", 50);
    fs.addFile("C:\\Program Files\\Netscape\\Users\\user\\cookies.txt", 9);
    f.startAccepted();
    auto& w = *f.form;
    w.chIECache.setValue(1);
    EXPECT_EQ(w.itemSize(app::SizedItem::IeCache), 1000.0);
    w.chkCookies.setValue(1);
    EXPECT_EQ(w.itemSize(app::SizedItem::Cookies), 20.0);
    w.chkHistory.setValue(1);
    EXPECT_EQ(w.itemSize(app::SizedItem::History), 3.0);
    w.chkRecBin.setValue(1);
    EXPECT_EQ(w.itemSize(app::SizedItem::RecycleBin), 2000.0);
    w.NetScape1.setValue(1);
    w.netscape2.setValue(1);
    w.netscape3.setValue(1);
    // The typed item measures the whole default profile, cache included: it counts twice.
    EXPECT_EQ(w.itemSize(app::SizedItem::NetscapeTyped), 55.0);
    EXPECT_EQ(w.itemSize(app::SizedItem::NetscapeCache), 50.0);
    EXPECT_EQ(w.itemSize(app::SizedItem::NetscapeCookies), 9.0);
    EXPECT_EQ(w.lblSize.caption(), "3.06 KB Wasted Space");  // 3137 bytes
}

// The current user's folders as the shell names them, each less its index file; the user's Temp
// beside the Windows one; the Recycle Bin as the shell counts it. The tip names them all.
TEST(MainWindowEstimate, TheShellsFoldersForTheCurrentUser) {
    MainWindowFixture f;
    auto& fs = f.mem.files;
    const std::string win = "C:\\users\\ann\\AppData\\Local\\Microsoft\\Windows\\";
    f.mem.shell.folders = {{platform::UserFolder::InternetCache, win + "INetCache"},
                           {platform::UserFolder::Cookies, win + "INetCookies"},
                           {platform::UserFolder::History, win + "History"}};
    f.mem.shell.binBytes = 5000;
    f.mem.processes.temp = "C:\\users\\ann\\Temp";
    for (const auto& [path, bytes] : std::initializer_list<std::pair<std::string, int>>{
             {win + "INetCache\\Content.IE5\\index.dat", 100},
             {win + "INetCache\\IE\\x.htm", 1000},
             {win + "INetCookies\\Low\\k.cookie", 20},
             {win + "History\\History.IE5\\index.dat", 7},
             {win + "History\\h", 3},
             {"C:\\users\\ann\\Temp\\t", 40},
             {"C:\\WINDOWS\\Temp\\w", 2},
             {"C:\\WINDOWS\\Cookies\\not-the-users.txt", 900}})
        fs.addFile(path, bytes);
    f.startAccepted();
    auto& w = *f.form;
    w.Check1.setValue(1);
    for (const auto& [item, bytes] : {std::pair{app::SizedItem::IeCache, 1000.0},
                                      {app::SizedItem::Cookies, 20.0},
                                      {app::SizedItem::History, 3.0},
                                      {app::SizedItem::Temp, 42.0},
                                      {app::SizedItem::RecycleBin, 5000.0}})
        EXPECT_EQ(w.itemSize(item), bytes) << static_cast<int>(item);
    EXPECT_EQ(w.lblSize.toolTip,
              "Measured:\r\n" + win + "INetCache\\\r\n" + win +
                  "INetCookies\\\r\nC:\\WINDOWS\\Temp\\\r\nC:\\users\\ann\\Temp\\\r\n" + win +
                  "History\\\r\nthe Recycle Bins of all drives");
    EXPECT_EQ(w.Label8.toolTip, w.lblSize.toolTip);
    w.Check1.setValue(0);
    EXPECT_EQ(w.lblSize.toolTip, "");
}

TEST(MainWindowEstimate, NtFamilyCountsTheAdministratorsCookiesOnly) {
    MainWindowFixture f;
    f.mem.files.setWindowsDirectory("C:\\WINNT");
    auto& fs = f.mem.files;
    fs.addFile("C:\\Documents and Settings\\Administrator\\Cookies\\index.dat", 16);
    fs.addFile("C:\\Documents and Settings\\Administrator\\Cookies\\a.txt", 100);
    fs.addFile("C:\\Documents and Settings\\Default User\\Cookies\\index.dat", 16);
    fs.addFile("C:\\Documents and Settings\\Default User\\Cookies\\b.txt", 200);
    fs.addFile("C:\\Documents and Settings\\Administrator\\Local Settings\\History\\index.dat", 1);
    fs.addFile("C:\\Documents and Settings\\Administrator\\Local Settings\\History\\h", 4);
    fs.addFile("C:\\WINNT\\Temp\\t", 8);
    f.startAccepted();
    f.form->chkCookies.setValue(1);
    EXPECT_EQ(f.form->itemSize(app::SizedItem::Cookies), 100.0);
    f.form->chkHistory.setValue(1);
    EXPECT_EQ(f.form->itemSize(app::SizedItem::History), 4.0);
    f.form->chkTemp.setValue(1);
    EXPECT_EQ(f.form->itemSize(app::SizedItem::Temp), 8.0);
}

TEST(MainWindowEstimate, UnknownSystemKindMeasuresOnlyTheKindFreeItems) {
    MainWindowFixture f;
    f.mem.files.setWindowsDirectory("D:\\WIN");
    f.mem.files.addFile("D:\\WIN\\Temp\\t", 8);
    f.mem.files.addFile("D:\\WIN\\Cookies\\c.txt", 8);
    f.startAccepted();
    auto& w = *f.form;
    w.Check1.setValue(1);
    EXPECT_FALSE(w.itemSize(app::SizedItem::IeCache).has_value());
    EXPECT_FALSE(w.itemSize(app::SizedItem::Cookies).has_value());
    EXPECT_FALSE(w.itemSize(app::SizedItem::History).has_value());
    EXPECT_EQ(w.itemSize(app::SizedItem::Temp), 8.0);
    EXPECT_EQ(w.itemSize(app::SizedItem::RecycleBin), 0.0);
}

TEST(MainWindowEstimate, ClicksDuringAMeasurementStartTheirOwn) {
    MainWindowFixture f;
    for (int i = 0; i < 3; ++i) f.mem.files.addFile("C:\\WINDOWS\\Temp\\f" + std::to_string(i), 10);
    f.mem.files.addFile("C:\\WINDOWS\\History\\h", 1);
    f.startAccepted();
    bool clicked = false;
    f.mem.desktop.onYield = [&] {
        if (!clicked) {
            clicked = true;
            f.form->chkHistory.setValue(1);
        }
    };
    f.form->chkTemp.setValue(1);
    EXPECT_EQ(f.form->lblSize.caption(), "31 bytes Wasted Space");
}

TEST(MainWindowSelectAll, CaptionsMembersAndTheCookieSelection) {
    MainWindowFixture f;
    f.startAccepted();
    auto& w = *f.form;
    w.chkCookiesSel.setValue(1);
    w.Check1.setValue(1);
    EXPECT_EQ(w.Check1.caption(), "Clear All");
    EXPECT_EQ(w.chkMenu.value(), 1);
    EXPECT_EQ(w.chkFav.value(), 0);
    EXPECT_EQ(w.chkCookiesSel.value(), 1);
    w.Check1.setValue(0);
    EXPECT_EQ(w.Check1.caption(), "Select All");
    EXPECT_EQ(w.chkTemp.value(), 0);
    EXPECT_EQ(w.chkMenu.value(), 0);
    w.chkVb.setValue(1);
    EXPECT_EQ(w.chkVb.caption(), "Clear All");
    EXPECT_EQ(w.chkWzip2.value(), 1);
    EXPECT_EQ(w.chkTemp.value(), 0);
    w.chkVb.setValue(0);
    EXPECT_EQ(w.chkVb.caption(), "Select All");
    EXPECT_EQ(w.netscape3.value(), 0);

    // Choosing cookies one by one excludes removing them all.
    w.chkCookiesSel.setValue(0);
    w.chkCookies.setValue(1);
    EXPECT_FALSE(w.chameleonButton2.enabled());
    w.chkCookiesSel.setValue(1);
    EXPECT_EQ(w.chkCookies.value(), 0);
    EXPECT_TRUE(w.chameleonButton2.enabled());
    EXPECT_EQ(w.chkCookiesSel.value(), 1);
    w.chkCookiesSel.setValue(0);
    EXPECT_FALSE(w.chameleonButton2.enabled());
}

TEST(MainWindowPanels, ButtonsShowOnePanelAtATime) {
    MainWindowFixture f;
    f.startAccepted();
    auto& w = *f.form;
    w.Command4.click();
    EXPECT_TRUE(w.Frame2.visible());
    EXPECT_FALSE(w.Frame1.visible());
    EXPECT_FALSE(w.Frame3.visible());
    w.Command5.click();
    EXPECT_TRUE(w.Frame3.visible());
    EXPECT_FALSE(w.Frame2.visible());
    w.Command3.click();
    EXPECT_TRUE(w.Frame1.visible());
    EXPECT_FALSE(w.Frame3.visible());
}

TEST(MainWindowClose, SavesTheTwentyFourBoxesInOrderThenEnds) {
    MainWindowFixture f;
    f.startAccepted();
    f.form->chkTemp.setValue(1);
    f.mem.settings.saves.clear();
    EXPECT_THROW(f.form->Command2.click(), platform::ProgramEnded);
    EXPECT_TRUE(f.mem.desktop.ended);
    const std::vector<std::string> order = {
        "Check1",        "chkDocuments", "chkMediaPlayer", "chkPbrush",    "chkRecBin",
        "chkRunMenu",    "chkTemp",      "chkUrls",        "chkVb",        "chkCookies",
        "chkCookiesSel", "chIECache",    "chkHistory",     "chkWordPad",   "chkWzip1",
        "chkWzip2",      "NetScape1",    "netscape2",      "netscape3",    "chkMenu",
        "chkWord",       "chkExcel",     "chkAccess",      "chkPowerPoint"};
    // Close saves once, then the main window's unload saves the same keys again and ends.
    ASSERT_EQ(f.mem.settings.saves.size(), 48u);
    for (size_t i = 0; i < 48; ++i) {
        EXPECT_EQ(f.mem.settings.saves[i].key, order[i % 24]);
        EXPECT_EQ(f.mem.settings.saves[i].section, "Presets");
    }
    EXPECT_EQ(f.stored("chkTemp"), "1");
    EXPECT_EQ(f.stored("chkWord"), "0");
    EXPECT_EQ(f.stored("chkFav"), "<missing>");
    EXPECT_EQ(f.stored("Check2"), "<missing>");
}

TEST(MainWindowClose, SystemCloseUnloadsAndAFailingStoreIsIgnored) {
    MainWindowFixture f;
    f.startAccepted();
    f.mem.settings.failSaves = true;
    EXPECT_THROW(f.form->onSystemClose(), platform::ProgramEnded);
    f.mem.settings.failSaves = false;
    MainWindowFixture g;
    g.startAccepted();
    g.form->chkUrls.setValue(1);
    EXPECT_THROW(g.form->onSystemClose(), platform::ProgramEnded);
    EXPECT_EQ(g.stored("chkUrls"), "1");
    EXPECT_EQ(g.mem.settings.saves.size(), 24u + 1u);  // the estimate's save is not among the 24
}

TEST(MainWindowWeb, ButtonsOpenTheMakersPages) {
    MainWindowFixture f;
    f.startAccepted();
    f.form->hwnd = 77;
    f.form->Command7.click();
    f.form->Command6.click();
    ASSERT_EQ(f.mem.shell.calls.size(), 2u);
    EXPECT_EQ(f.mem.shell.calls[0], "ShellExecute(77, open, https://www.brisko.example/, , 1)");
    EXPECT_EQ(f.mem.shell.calls[1],
              "ShellExecute(77, open, https://www.brisko.example/newsletter, , 1)");
}
