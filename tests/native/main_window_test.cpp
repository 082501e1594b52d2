// The main window: start-up, the estimate, selection, closing, descriptions, disclaimer and help.
#include <gtest/gtest.h>

#include <array>

#include "fixtures.h"

namespace brisko::testing {
namespace {

using app::SizedItem;
constexpr const char* kDefault = "Move the mouse over each item for a description";

struct MainWindow : MainWindowFixture, ::testing::Test {};

TEST_F(MainWindow, EmptyStoreShowsDefaultsAndTheDisclaimer) {
    auto& w = start();
    for (controls::CheckBox* box : w.restoreOrder()) EXPECT_EQ(box->value(), 0) << box->name();
    EXPECT_EQ(Captions({&w.lblSize, &w.Label8, &w.Label2}),
              (Texts{"0 bytes Wasted Space", "0 bytes Wasted Space", "0 bytes Cleaned so far"}));
    EXPECT_TRUE(mem.desktop.modalRuns == 1 && w.visible() && w.Frame1.visible());
    ExpectVisible({&w.Frame2, &w.Frame3, &w.lblSize, &w.Label6, &w.Label7, &w.Animation1,
                   &w.chkMenu, &w.chkFav, &w.Check2, &w.lblWin, &w.lblTotSav, &w.Label1},
                  false);
    EXPECT_FALSE(w.chameleonButton2.enabled());
    // The window's own texts, one of each kind.
    EXPECT_EQ(Captions({&w.lblCaption, &w.Frame1, &w.Frame2, &w.Frame3, &w.Label6, &w.Label7,
                        &w.chameleonButton1}),
              (Texts{"Brisko", "Clean Windows Items", "Clean Programs Items", "About Brisko",
                     "Cleaning ... Please Wait", "Cleaning ... Please Wait", "&Scan Drive"}));
    EXPECT_EQ(w.chameleonButton1.toolTip, "Scan Drive for junk files");
    EXPECT_EQ(stored("TotSav"), "0 bytes");
    // Accepting with the box unticked stores "0": the disclaimer comes again next time.
    EXPECT_EQ(stored("Disclaimer"), "0");
}

TEST(MainWindowStartUp, StateValuesFromTheWindowsDirectoryAndTheRunningTotalAtEachShowing) {
    for (const Texts& c : {Texts{"C:\\WINNT", "c:", "WINNT", "C:"},
                           {"C:\\WINDOWS", "c:", "WINDOWS", "C:"},
                           {"D:\\WIN", "d:", "WIN", "D:"},
                           {"", "", "", ""},
                           {"C:\\", "c:", "", "C:"}}) {
        MainWindowFixture f;
        f.mem.files.setWindowsDirectory(c[0]);
        auto& w = f.startAccepted();
        EXPECT_EQ(Captions({&w.lblWin, &w.lblDrv, &w.Winder, &w.DrvLetter}), c);
    }
    EXPECT_EQ(app::trim_data("abcdef", 1, 2), "bcd");
    // A broken stored total counts as nothing; two whose sum overflows still give a figure.
    using Case = std::tuple<const char*, const char*, const char*>;
    for (const auto& [scnsv, cleanSave, shown] : {Case{"23", "1000", "1023 bytes"},
                                                  {"-1", "-1", "0 bytes"},
                                                  {"-5", "100", "100 bytes"},
                                                  {"1e999", "7", "7 bytes"},
                                                  {"1e308", "1.7e308", " YB"}}) {
        MainWindowFixture f;
        f.store("Scnsv", scnsv, "Filters");
        f.store("CleanSave", cleanSave);
        f.startAccepted();
        const std::string caption = f.form->Label2.caption(), end = " Cleaned so far";
        if (*shown == ' ')  // "<digits> YB": a figure, whatever its digits
            EXPECT_TRUE(caption.ends_with(shown + end)) << caption;
        else
            EXPECT_EQ(caption, shown + end);
    }
    MainWindowFixture f;
    f.store("CleanSave", "1000");
    f.startAccepted();
    f.form->hide();  // the finder is open and removes 24 bytes
    f.store("Scnsv", "24", "Filters");
    f.form->show();
    EXPECT_EQ(f.form->Label2.caption(), "1.00 KB Cleaned so far");
}

TEST_F(MainWindow, MalformedSettingsLeaveTheirBoxesAndNeverStopStartUp) {
    // clang-format off
    for (auto [key, value] : {std::pair{"chkTemp", "yes"}, {"chkWord", "1.5"}, {"chkExcel", "7"},
             {"chkAccess", " 1 "}, {"Disclaimer", "true"}, {"CleanSave", "lots"}})
        store(key, value);
    // clang-format on
    store("Scnsv", "2048 bytes", "Filters");
    auto& w = start();
    EXPECT_EQ(Values({&w.chkTemp, &w.chkWord, &w.chkExcel, &w.chkAccess}), "0001");
    EXPECT_EQ(mem.desktop.modalRuns, 1);  // not accepted: the disclaimer shows
    EXPECT_EQ(w.Label2.caption(), "2.00 KB Cleaned so far");
    // Each box that kept its value says so in the trace, the accepted " 1 " does not.
    EXPECT_EQ(mem.trace.lines.size(), 4u);
    EXPECT_EQ(mem.trace.lines.front(), "settings: chkTemp holds \"yes\"; kept as it was");
}

TEST_F(MainWindow, TickingMeasuresUntickingEmptiesAndClicksDuringAMeasurementCount) {
    mem.files.addFile("C:\\WINDOWS\\Temp\\x.tmp", 1593836);
    auto& w = startAccepted();
    w.chkTemp.setValue(1);
    EXPECT_EQ(Captions({&w.lblSize, &w.Label8}),
              (Texts{"1.52 MB Wasted Space", "1.52 MB Wasted Space"}));
    EXPECT_TRUE(stored("TotSav") == "1.52 MB" && w.itemSize(SizedItem::Temp) == 1593836.0);
    w.chkTemp.setValue(0);
    EXPECT_FALSE(w.itemSize(SizedItem::Temp).has_value());
    EXPECT_TRUE(w.lblSize.caption() == "0 bytes Wasted Space" && w.lblSize.visible());
    MainWindowFixture g;  // a start-up estimate of exactly 65 bytes reads zero
    for (auto [file, bytes] : {std::pair{"Temp\\a.tmp", 60}, {"Temp\\b.tmp", 5}, {"History\\h", 1}})
        g.mem.files.addFile(std::string("C:\\WINDOWS\\") + file, bytes);
    g.store("chkTemp", "1");
    auto& v = g.startAccepted();
    EXPECT_EQ(Captions({&v.lblSize, &v.Label8, &v.lblTotSav}),
              (Texts{"0 bytes Wasted Space", "0 bytes Wasted Space", "65 bytes"}));
    EXPECT_EQ(g.stored("TotSav"), "65 bytes");
    // A click while the Temp folder is measured starts its own measurement.
    v.chkTemp.setValue(0);
    bool clicked = false;
    g.mem.desktop.onYield = [&] {
        if (!std::exchange(clicked, true)) v.chkHistory.setValue(1);
    };
    v.chkTemp.setValue(1);
    EXPECT_EQ(v.lblTotSav.caption(), "66 bytes");
}

// The shell's folders, else each kind's layout; each less its index file; the tip names them.
TEST(MainWindowEstimate, EachItemMeasuresItsFoldersLessTheirIndexFiles) {
    using Sizes = std::vector<std::pair<SizedItem, std::optional<double>>>;
    struct Case {
        std::string windows;
        bool shellNames;
        std::vector<std::pair<std::string, std::uint64_t>> files;
        Sizes sizes;
        const char* total;
    };
    const std::string ie5 = "C:\\WINDOWS\\Temporary Internet Files\\Content.IE5\\";
    const std::string ns = "C:\\Program Files\\Netscape\\Users\\";
    const std::string nt = "C:\\Documents and Settings\\";
    const std::string win = "C:\\users\\ann\\AppData\\Local\\Microsoft\\Windows\\";
    using enum SizedItem;
    // clang-format off
    const Case cases[] = {
        {"C:\\WINDOWS", true,
         {{win + "INetCache\\Content.IE5\\index.dat", 100}, {win + "INetCache\\IE\\x.htm", 1000},
          {win + "INetCookies\\index.dat", 9}, {win + "INetCookies\\Low\\k.cookie", 20},
          {win + "History\\History.IE5\\index.dat", 7}, {win + "History\\h", 3},
          {"C:\\users\\ann\\Temp\\t", 40}, {"C:\\WINDOWS\\Temp\\w", 2},
          {"C:\\WINDOWS\\Cookies\\not-the-users.txt", 900}},
         {{IeCache, 1000}, {Cookies, 20}, {History, 3}, {Temp, 42}, {RecycleBin, 5000}},
         "5.92 KB Wasted Space"},
        {"C:\\WINDOWS", false,
         {{ie5 + "index.dat", 100}, {ie5 + "page.htm", 1000},
          {"C:\\WINDOWS\\Cookies\\index.dat", 10},
          {"C:\\WINDOWS\\Cookies\\user@site.txt", 20}, {"C:\\WINDOWS\\History\\History.IE5\\x", 3},
          {"C:\\WINDOWS\\History\\History.IE5\\index.dat", 7}, {"C:\\Recycled\\d1", 2000},
          {ns + "default\\prefs.js", 5}, {ns + "default\\cache\\c1", 50},
          {ns + "user\\cookies.txt", 9}},
         {{IeCache, 1000}, {Cookies, 20}, {History, 3}, {RecycleBin, 2000}, {NetscapeTyped, 55},
          {NetscapeCache, 50}, {NetscapeCookies, 9}, {Temp, 0}},
         "3.06 KB Wasted Space"},
        {"C:\\WINNT", false,
         {{nt + "Administrator\\Cookies\\index.dat", 16},
          {nt + "Administrator\\Cookies\\a.txt", 100},
          {nt + "Default User\\Cookies\\index.dat", 16}, {nt + "Default User\\Cookies\\b.txt", 200},
          {nt + "Administrator\\Local Settings\\History\\index.dat", 1},
          {nt + "Administrator\\Local Settings\\History\\h", 4}, {"C:\\WINNT\\Temp\\t", 8}},
         {{Cookies, 100}, {History, 4}, {Temp, 8}}, "112 bytes Wasted Space"},
        {"D:\\WIN", false, {{"D:\\WIN\\Temp\\t", 8}, {"D:\\WIN\\Cookies\\c.txt", 8}},
         {{IeCache, {}}, {Cookies, {}}, {History, {}}, {Temp, 8}, {RecycleBin, 0}},
         "8 bytes Wasted Space"}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windows);
        MainWindowFixture f;
        f.mem.files.setWindowsDirectory(c.windows);
        if (c.shellNames) {
            f.mem.shell.folders = {{platform::UserFolder::InternetCache, win + "INetCache"},
                                   {platform::UserFolder::Cookies, win + "INetCookies"},
                                   {platform::UserFolder::History, win + "History"}};
            f.mem.shell.binBytes = 5000;
            f.mem.processes.temp = "C:\\users\\ann\\Temp";
        }
        for (const auto& [path, bytes] : c.files) f.mem.files.addFile(path, bytes);
        auto& w = f.startAccepted();
        w.Check1.setValue(1);
        w.chkVb.setValue(1);
        for (const auto& [item, bytes] : c.sizes)
            EXPECT_EQ(w.itemSize(item), bytes) << static_cast<int>(item);
        EXPECT_EQ(w.lblSize.caption(), c.total);
        if (!c.shellNames) continue;
        EXPECT_EQ(w.Label8.toolTip,
                  "Measured:\r\n" + win + "INetCache\\\r\n" + win +
                      "INetCookies\\\r\nC:\\WINDOWS\\Temp\\\r\nC:\\users\\ann\\Temp\\\r\n" + win +
                      "History\\\r\nthe Recycle Bins of all drives\r\n" + ns +
                      "default\\cache\\\r\n" + ns + "user\\\r\n" + ns + "default\\");
        EXPECT_EQ(w.lblSize.toolTip, w.Label8.toolTip);
        w.Check1.setValue(0);
        w.chkVb.setValue(0);
        EXPECT_EQ(w.lblSize.toolTip, "");
    }
}

TEST_F(MainWindow, CaptionsMembersStoredChoiceAndTheCookieSelection) {
    auto& w = startAccepted();
    w.chkCookiesSel.setValue(1);
    w.Check1.setValue(1);
    EXPECT_EQ(w.Check1.caption() + Values({&w.chkMenu, &w.chkCookiesSel, &w.chkFav}),
              "Clear All110");
    w.Check1.setValue(0);
    EXPECT_EQ(w.Check1.caption() + Values({&w.chkTemp, &w.chkMenu}), "Select All00");
    w.chkVb.setValue(1);
    EXPECT_EQ(w.chkVb.caption() + Values({&w.chkWzip2, &w.chkTemp}), "Clear All10");
    w.chkVb.setValue(0);
    EXPECT_EQ(w.chkVb.caption() + Values({&w.netscape3}), "Select All0");
    // Choosing cookies one by one excludes removing them all.
    w.chkCookiesSel.setValue(0);
    w.chkCookies.setValue(1);
    EXPECT_FALSE(w.chameleonButton2.enabled());
    w.chkCookiesSel.setValue(1);
    EXPECT_TRUE(Values({&w.chkCookies, &w.chkCookiesSel}) == "01" && w.chameleonButton2.enabled());
    w.chkCookiesSel.setValue(0);
    EXPECT_FALSE(w.chameleonButton2.enabled());
    // A stored select-all ticks its whole panel whatever the members' own keys.
    MainWindowFixture g;
    for (auto [key, value] : {std::pair{"Check1", "1"}, {"chkTemp", "0"}, {"chkVb", "1"}})
        g.store(key, value);
    auto& v = g.startAccepted();
    EXPECT_EQ(Values({&v.chkDocuments, &v.chkRunMenu, &v.chkUrls, &v.chkTemp, &v.chkRecBin,
                      &v.chkCookies, &v.chkMenu, &v.chIECache, &v.chkHistory, &v.chkPowerPoint,
                      &v.chkFav, &v.chkCookiesSel}),
              "111111111100");
    EXPECT_EQ(Captions({&v.Check1, &v.chkVb}), (Texts{"Clear All", "Clear All"}));
    EXPECT_TRUE(g.mem.desktop.modalRuns == 0 && v.lblSize.visible());
}

TEST_F(MainWindow, SavesTheTwentyFourBoxesInOrderTwiceThenEndsAndAFailingStoreIsIgnored) {
    startAccepted();
    form->chkTemp.setValue(1);
    mem.settings.saves.clear();
    EXPECT_THROW(form->Command2.click(), platform::ProgramEnded);
    EXPECT_TRUE(mem.desktop.ended);
    // Close saves the boxes in save order, then the main window's unload saves them again.
    const auto boxes = form->saveOrder();
    ASSERT_EQ(mem.settings.saves.size(), 48u);
    for (size_t i = 0; i < 48; ++i)
        EXPECT_EQ(mem.settings.saves[i].section + "|" + mem.settings.saves[i].key,
                  "Presets|" + boxes[i % 24]->name());
    EXPECT_EQ((Texts{stored("chkTemp"), stored("chkWord"), stored("chkFav"), stored("Check2")}),
              (Texts{"1", "0", "<missing>", "<missing>"}));
    MainWindowFixture g;
    g.startAccepted().chkUrls.setValue(1);
    EXPECT_THROW(g.form->onSystemClose(), platform::ProgramEnded);
    EXPECT_EQ(g.stored("chkUrls"), "1");
    EXPECT_EQ(g.mem.settings.saves.size(), 24u + 1u);  // the estimate's save is not among the 24
    MainWindowFixture h;
    h.startAccepted();
    h.mem.settings.failSaves = true;
    EXPECT_THROW(h.form->onSystemClose(), platform::ProgramEnded);
}

// Each item in its panel's label; the buttons in all three; the backgrounds reset their labels.
TEST_F(MainWindow, DescriptionsPanelsAndTheWebButtons) {
    auto& w = startAccepted();
    EXPECT_EQ(w.lblInfo.caption(), kDefault);
    w.chkTemp.onMouseMove();
    // Straight onto the next item: no default text in between.
    Texts seen;
    w.lblInfo.viewHook = [&](controls::Widget& l, controls::Change, int) {
        seen.push_back(l.caption());
    };
    w.chkHistory.onMouseMove();
    EXPECT_EQ(seen, (Texts{"", "Deletes Web Surfing History"}));
    w.lblInfo.viewHook = nullptr;
    using Row = std::tuple<controls::Widget*, controls::Label*, const char*>;
    for (auto [item, label, text] :
         {Row{&w.chkUrls, &w.lblInfo, "Remove all Url's typed in IE's address bar"},
          Row{&w.chkExcel, &w.Label4, "Removes recently opened and saved files (MS - Office 97"},
          Row{&w.chkWzip2, &w.Label4, "Removes items from the 'Extract To' menu"},
          Row{&w.Command6, &w.Label5, "Get notified of new releases"},
          Row{&w.Image1, &w.Label5, "Show me your Disclaimer again."}}) {
        item->onMouseMove();
        EXPECT_TRUE(label->caption().starts_with(text)) << label->caption();
    }
    EXPECT_EQ(w.lblInfo.caption(), "Remove all Url's typed in IE's address bar");
    // The select-all boxes describe what they will do.
    for (int value : {0, 1, 0}) {
        w.Check1.setValue(value);
        w.Check1.onMouseMove();
        EXPECT_EQ(w.lblInfo.caption(),
                  value ? "Remove check to clear all" : "Select all items in this Window");
    }
    w.chkVb.setValue(1);
    w.chkVb.onMouseMove();
    EXPECT_EQ(w.Label4.caption(), "Remove check to clear all");
    w.Command4.click();
    w.Command1.onMouseMove();
    EXPECT_EQ(w.Label4.caption(), "Clean all selected items now");
    w.Command3.click();
    EXPECT_EQ(w.lblInfo.caption(), "Clean all selected items now");
    // Over a control without a description the text stays.
    EXPECT_FALSE(w.chameleonButton1.onMouseMove);
    w.Frame2.onMouseMove();
    EXPECT_EQ(Captions({&w.Label4, &w.lblInfo}), (Texts{kDefault, "Clean all selected items now"}));
    w.Frame1.onMouseMove();
    EXPECT_EQ(w.lblInfo.caption(), kDefault);
    w.Command2.onMouseMove();
    w.Label3.onMouseMove();
    EXPECT_EQ(Captions({&w.lblInfo, &w.Label4, &w.Label5}), (Texts{kDefault, kDefault, kDefault}));
    w.Command5.onMouseMove();
    w.onMouseMove();
    EXPECT_EQ(Captions({&w.lblInfo, &w.Label4, &w.Label5}), (Texts{kDefault, kDefault, kDefault}));
    // One panel at a time; the web buttons open the maker's pages.
    const auto panels = [&] {
        return std::array{w.Frame1.visible(), w.Frame2.visible(), w.Frame3.visible()};
    };
    w.Command4.click();
    EXPECT_EQ(panels(), (std::array{false, true, false}));
    w.Command5.click();
    EXPECT_EQ(panels(), (std::array{false, false, true}));
    w.Command3.click();
    EXPECT_EQ(panels(), (std::array{true, false, false}));
    w.hwnd = 77;
    w.Command7.click();
    w.Command6.click();
    EXPECT_EQ(mem.shell.calls,
              (Texts{"ShellExecute(77, open, https://www.brisko.example/, , 1)",
                     "ShellExecute(77, open, https://www.brisko.example/newsletter, , 1)"}));
}

TEST_F(MainWindow, TickingAndAcceptingSkipsItNextTimeOnlyOneTicksItAndDecliningStoresNothing) {
    mem.desktop.onModal = [&] {
        EXPECT_EQ(disclaimer->chkDisc.value(), 0);
        EXPECT_EQ(disclaimer->Label1.caption().substr(0, 30), "I have thoroughly tested this ");
        disclaimer->chkDisc.setValue(1);
        EXPECT_EQ(stored("Disclaimer"), "1");  // each change is stored at once
        disclaimer->Command1.click();
    };
    form->show();
    EXPECT_FALSE(disclaimer->loaded());
    EXPECT_EQ(form->Check2.value(), 0);  // read before the disclaimer was shown
    MainWindowFixture next;
    EXPECT_TRUE(next.startAccepted().Check2.value() == 1 && next.mem.desktop.modalRuns == 0);
    for (const char* stored : {"2", "abc", "", "-1"}) {
        MainWindowFixture g;
        g.store("Disclaimer", stored);
        g.mem.desktop.onModal = [&] {
            EXPECT_EQ(g.disclaimer->chkDisc.value(), 0) << stored;
            g.disclaimer->Command1.click();
        };
        g.form->show();
        EXPECT_EQ(g.mem.desktop.modalRuns, 1);
    }
    // Declining leaves no settings and ends before the total is shown.
    MainWindowFixture d;
    d.store("CleanSave", "5000");
    d.store("Scnsv", "5", "Filters");
    d.mem.desktop.onModal = [&] {
        d.disclaimer->chkDisc.setValue(1);
        d.disclaimer->Command2.click();
    };
    EXPECT_THROW(d.form->show(), platform::ProgramEnded);
    EXPECT_TRUE(d.mem.settings.size() == 0u && d.form->Label2.caption() == "");
}

TEST_F(MainWindow, ShownAgainFromTheAboutPanelWithTheStoredChoice) {
    startAccepted();
    int shown = 0;
    mem.desktop.onModal = [&] {
        ++shown;
        // The first time the stored "1", the second time the "0" stored by the first.
        EXPECT_EQ(disclaimer->chkDisc.value(), shown == 1 ? 1 : 0);
        EXPECT_TRUE(disclaimer->modal());
        disclaimer->chkDisc.onMouseMove();
        EXPECT_EQ(disclaimer->chkDisc.foreColor, controls::rgb(255, 0, 0));
        disclaimer->onMouseMove();
        EXPECT_EQ(disclaimer->chkDisc.foreColor, controls::rgb(0, 0, 192));
        disclaimer->chkDisc.setValue(0);
        disclaimer->Command1.click();
    };
    form->Image1.onClick();
    form->Image1.onClick();
    EXPECT_TRUE(shown == 2 && stored("Disclaimer") == "0");
}

TEST(HelpDialogs, EachShowsModallyWithItsTextsAndOnlyTheMainHelpIsKept) {
    ProgramFixture f;
    auto& p = f.program;
    using Case = std::tuple<controls::Form&, app::HelpDialog&, const char*, std::size_t>;
    for (const auto& [owner, dialog, title, paragraphs] :
         {Case{p.main, p.mainHelp, "Brisko Help", 3},
          Case{p.finder, p.finderHelp, "Scanner Help", 3},
          Case{p.cookies, p.cookiesHelp, "Cookies Help", 1}}) {
        bool blocked = false;
        f.mem.desktop.onModal = [&] {
            blocked = dialog.visible() && dialog.modal();
            dialog.chameleonButton1.click();
        };
        owner.onHelp();
        EXPECT_TRUE(blocked) << title;
        EXPECT_EQ(dialog.title(), title);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(dialog.Label[i].visible(), i < paragraphs) << title << " " << i;
    }
    EXPECT_TRUE(p.cookiesHelp.Label[0].caption().ends_with("before clicking \"Delete Selected\""));
    EXPECT_TRUE(p.mainHelp.Label[1].caption().ends_with("over 3,100 file types.  "));
    EXPECT_EQ(p.extensHelp.chameleonButton1.toolTip, "Close Me");
    EXPECT_EQ(p.finderHelp.chameleonButton1.caption(), "Close");
    // Every text lies inside its dialog, and above the close button.
    for (app::HelpDialog* d : {&p.mainHelp, &p.finderHelp, &p.extensHelp, &p.cookiesHelp})
        for (const auto& label : d->Label)
            EXPECT_TRUE(!label.visible() ||
                        (label.rect.left + label.rect.width <= d->clientWidth &&
                         label.rect.top + label.rect.height <= d->chameleonButton1.rect.top))
                << d->name();
    f.mem.desktop.onModal = [&] { p.mainHelp.onSystemClose(); };
    p.main.onHelp();
    EXPECT_TRUE(p.mainHelp.loaded() && !p.mainHelp.visible());
    p.main.onHelp();  // the same dialog again
    EXPECT_EQ(f.mem.desktop.modalRuns, 5);
    f.mem.desktop.onModal = [&] { p.finderHelp.onSystemClose(); };
    p.finder.onHelp();
    EXPECT_FALSE(p.finderHelp.loaded());
    // Unloading the main help takes every window with it (the main window ends the program).
    p.finder.show();
    EXPECT_THROW(p.mainHelp.unload(), platform::ProgramEnded);
    EXPECT_FALSE(p.main.loaded());
}

}  // namespace
}  // namespace brisko::testing
