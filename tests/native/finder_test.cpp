// The junk finder over the in-memory platform: filters, drives, the walk, removal and the window.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "finder/drives.h"
#include "finder/junk_search.h"
#include "finder/win_seek.h"
#include "fixtures.h"

namespace brisko::testing {
namespace {

using platform::DriveType;
using namespace std::chrono_literals;

struct FinderFixture {
    platform::MemoryPlatform mem;
    platform::Services services = mem.services();
    platform::MemoryFileSystem& fs = mem.files;
    controls::ProgramWindows windows;
    controls::Form main{"Form1", "Brisko"};
    controls::Form extens{"Extens", "Extensions"};
    finder::WinSeek seek{services, windows};
    FinderFixture() {
        windows.main = &main;
        windows.extens = &extens;
        windows.finder = &seek;
        fs.volumes["C:\\"] = {"", "NTFS", 1};
        fs.spaces["C:\\"] = {0, 10737418240ull, 4294967296ull};
    }
    void store(std::initializer_list<std::pair<const char*, std::string>> values) {
        for (const auto& [key, value] : values) mem.settings.save("Brisko", "Filters", key, value);
    }
    std::string stored(const std::string& key) {
        return mem.settings.get("Brisko", "Filters", key, "<missing>");
    }
    void open() {
        main.show();
        main.hide();
        seek.show();
    }
    // Opens the window with `patterns` as the only filters and searches the whole of C:.
    void search(const std::string& patterns) {
        store({{"Custom", patterns}});
        open();
        seek.cmdSearch.click();
    }
    void addFiles(std::initializer_list<std::string> paths, std::uint64_t size = 1) {
        for (const auto& path : paths) fs.addFile(path, size);
    }
    Texts found() { return seek.lstFoundFiles.items(); }
    int checkedCount() { return CheckedCount(seek.lstFoundFiles); }
    // The last message box as "title: text".
    std::string message() {
        const auto& m = mem.desktop.messages;
        return m.empty() ? "" : m.back().title + ": " + m.back().text;
    }
    // The keys written under "Filters", in order, since the last call.
    Texts savedKeys() {
        Texts keys;
        for (const auto& s : mem.settings.saves)
            if (s.section == "Filters") keys.push_back(s.key);
        mem.settings.saves.clear();
        return keys;
    }
};

struct Finder : FinderFixture, ::testing::Test {};

TEST_F(Finder, TheSearchPatternsFollowTheBoxesAndTheCustomFilters) {
    open();
    auto& w = seek;
    EXPECT_EQ(w.txtSearchSpec.text(), "");
    w.chkBAK2.setValue(1);
    EXPECT_EQ(w.txtSearchSpec.text() + "|" + stored("Used"), "*.b~k|*.b~k");  // stored at once
    w.chkBAK2.setValue(0);
    w.chkSelectAll.setValue(1);
    EXPECT_EQ(w.txtSearchSpec.text(),
              "*.gid;*.tmp;*.bak;*.b~k;*.syd;*.old;*.chk;*.fts;*.diz;*.ftg");
    EXPECT_EQ(w.chkSelectAll.caption(), "Select None");
    w.chkFTS.setValue(0);
    EXPECT_EQ(w.txtSearchSpec.text(), "*.gid;*.tmp;*.bak;*.b~k;*.syd;*.old;*.chk;*.diz;*.ftg");
    EXPECT_EQ(w.chkSelectAll.value(), 1);
    w.chkSelectAll.setValue(0);
    EXPECT_EQ(w.txtSearchSpec.text() + "|" + w.chkSelectAll.caption(), "|Select All");
    // Custom filters join the boxes' patterns; a save with nothing typed drops them again.
    for (auto* box : {&w.chkGID, &w.chkTMP}) box->setValue(1);
    w.cmdAdvanced.click();
    EXPECT_TRUE(!w.Filters.visible() && w.Custom.visible());
    w.txtCustom.setText("*.abc;*.xyz");
    w.Command1.click();
    EXPECT_TRUE(w.txtSearchSpec.text() == "*.gid;*.tmp;*.abc;*.xyz" && w.Filters.visible());
    w.Command2.click();
    EXPECT_EQ(w.txtCustom.text(), "");
    w.Command1.click();
    EXPECT_EQ(w.txtSearchSpec.text(), "*.gid;*.tmp");
    for (auto* box : {&w.chkGID, &w.chkTMP}) box->setValue(0);
    w.txtCustom.setText("*.a bc;;*.x");  // accepted as typed, with no ";" in front
    w.Command1.click();
    EXPECT_EQ(w.txtSearchSpec.text(), "*.a bc;;*.x");
    // A leading or trailing semicolon is refused: the message, and the typed text goes.
    for (const char* custom : {";*.abc", "*.abc;"}) {
        FinderFixture g;
        g.open();
        g.seek.chkTMP.setValue(1);
        g.seek.cmdAdvanced.click();
        g.seek.txtCustom.setText(custom);
        g.seek.Command1.click();
        ASSERT_EQ(g.mem.desktop.messages.size(), 1u);
        EXPECT_EQ(g.mem.desktop.messages[0].title, "Syntax Error");
        EXPECT_EQ(g.mem.desktop.messages[0].flags, platform::kMbIconExclamation);
        EXPECT_EQ(g.seek.txtCustom.text() + "|" + g.seek.txtSearchSpec.text(), "|*.tmp");
        EXPECT_TRUE(g.seek.Custom.visible());
    }
}

TEST_F(Finder, LoadRestoresBoxesThenJoinsTheCustomFilters) {
    // clang-format off
    store({{"chkGID", "1"}, {"chkTMP", "yes"}, {"Custom", "*.abc"}, {"Used", "*.old"},
           {"optDelete", "True"}, {"optRecycle", "False"}});
    // clang-format on
    open();
    EXPECT_EQ(seek.txtSearchSpec.text(), "*.gid;*.abc");
    EXPECT_EQ(seek.chkTMP.value(), 0);  // not a number: left as it was, and traced
    EXPECT_TRUE(mem.trace.lines.size() == 1u && seek.optDelete.value() && !seek.optRecycle.value());
    // No box changed: the saved patterns stay, with the custom filters after them.
    FinderFixture g;
    g.store({{"Used", "*.old"}, {"Custom", "*.abc"}});
    g.open();
    EXPECT_EQ(g.seek.txtSearchSpec.text(), "*.old;*.abc");
    EXPECT_TRUE(g.seek.optRecycle.value());  // the default choice
}

TEST_F(Finder, FixedDrivesAreListedAndTheVolumeLineIsExact) {
    fs.roots = {"A:\\", "c:\\", "D:\\", "E:\\"};
    // clang-format off
    fs.types = {{"A:\\", DriveType::Removable}, {"C:\\", DriveType::Fixed},
                  {"D:\\", DriveType::Fixed}, {"E:\\", DriveType::CdRom}};
    // clang-format on
    fs.volumes["D:\\"] = {"DATA", "FAT32", 2};
    open();
    EXPECT_TRUE((seek.Combo1.items == Texts{"C:\\", "D:\\"} && seek.Label3.caption() == "C:\\"));
    const std::string gap(10, ' ');
    const std::string line = gap + "10.00 GB" + gap + "6.00 GB" + gap + "4.00 GB" + gap + "NTFS";
    EXPECT_EQ(seek.Text1.text(), line);
    // A volume that cannot be read: the message, the old line; the root still changes.
    fs.volumes.erase("D:\\");
    seek.Combo1.setListIndex(1);
    EXPECT_EQ(mem.desktop.messages.size(), 1u);
    EXPECT_EQ(message(), "Error Reading Disk: No Disk In Drive!");
    EXPECT_EQ((Texts{seek.Label3.caption(), seek.Text1.text()}), (Texts{"D:\\", line}));
    EXPECT_EQ(finder::DriveTypeName(fs, "A:") + "|" + finder::DriveTypeName(fs, "E:\\") + "|" +
                  finder::DriveTypeName(fs, "Q:\\"),
              "Removable|CD-ROM|Unrecognized");
    // Halves with their top bit set are unsigned.
    EXPECT_EQ(finder::LargeToDouble(-1, 0), 4294967295.0);
    EXPECT_EQ(finder::LargeToDouble(static_cast<std::int32_t>(0x80000000u), 2), 10737418240.0);
}

TEST_F(Finder, WalksSubfoldersLastFirstAndListsEachFolderAfterWhatIsBelowIt) {
    addFiles({"C:\\root.tmp", "C:\\A\\x.tmp", "C:\\b\\x.tmp", "C:\\C\\x.tmp",
              "C:\\C\\Inner\\deep.TMP", "C:\\A\\x.tmpx", "C:\\Hidden\\h.tmp"});
    fs.addFile("C:\\C\\hidden.tmp", 1, platform::kAttrHidden);
    fs.addFile("C:\\C\\system.tmp", 1, platform::kAttrSystem);
    fs.addFolder("C:\\Hidden", platform::kAttrHidden);
    // The window answers while the sound plays on its own thread (the sum after it), and no
    // press starts anything meanwhile.
    std::atomic<bool> answered = false;
    mem.media.onPlay = [&](auto&) {
        for (int i = 0; i < 5000 && !answered; ++i) std::this_thread::sleep_for(1ms);
    };
    int walkYields = 0;
    mem.desktop.onYield = [&] {
        walkYields += seek.cmdExit.caption() == "Cancel";
        if (seek.cmdSearch.caption() != "&Reset" || answered) return;
        seek.cmdSearch.click();
        seek.cmdExit.click();
        answered = seek.Message.caption().empty();
    };
    search("*.tmp;*.TMP");
    EXPECT_TRUE(answered && seek.visible());
    EXPECT_EQ(found(), (Texts{"C:\\Hidden\\h.tmp", "C:\\C\\Inner\\deep.TMP", "C:\\C\\x.tmp",
                              "C:\\b\\x.tmp", "C:\\A\\x.tmp", "C:\\root.tmp"}));
    EXPECT_EQ(
        Captions({&seek.lblCount, &seek.Label2, &seek.Message, &seek.cmdSearch, &seek.cmdExit}),
        (Texts{" 6", "Searching ... This can take several minutes.  Files found so far  6",
               "6 bytes Wasted Space   6 Files found", "&Reset", "E&xit"}));
    EXPECT_TRUE(checkedCount() == 6 && seek.cmdDelete.enabled());
    // One yield per folder entered: the root, A, b, C, C\Inner, Hidden.
    EXPECT_EQ(walkYields, 6);
    EXPECT_EQ(mem.media.played.back(), "C:\\Program Files\\Brisko\\Alarm.wav");
}

// Each file once; a link's target only where it is; a bind mount's folder once.
TEST_F(Finder, LinksBindMountsUnreadableFoldersAndOddFilesNeitherStopNorRepeatTheWalk) {
    fs.addFile("C:\\Data\\a.bak", 1536);
    fs.addFile("C:\\Data\\x.bakery", 5);
    fs.addFile("C:\\Data\\big.bak", 3221225472ull);
    fs.addLink("C:\\Data\\Loop", "C:\\Data");
    fs.addLink("C:\\Home", "C:\\Elsewhere");
    fs.addFile("C:\\Elsewhere\\far.bak", 1);
    fs.addFolder("C:\\System Volume Information").unlistable = true;
    search("*.bak;*.ba?");
    EXPECT_EQ(found(), (Texts{"C:\\Elsewhere\\far.bak", "C:\\Data\\a.bak", "C:\\Data\\big.bak"}));
    EXPECT_EQ(seek.Message.caption(), "3.00 GB Wasted Space   3 Files found");
    EXPECT_EQ(seek.txtSize.text(), " 3221227009");
    EXPECT_EQ(mem.trace.lines, Texts{"junk search: could not list C:\\System Volume Information"});
    EXPECT_FALSE(mem.desktop.ended);
    for (const bool idsInListings : {true, false}) {
        FinderFixture g;
        g.fs.idsInListings = idsInListings;
        g.fs.addFile("C:\\Data\\a.tmp", 1);
        g.fs.addAlias("C:\\Data\\Again", "C:\\Data");
        g.fs.addAlias("C:\\Mirror", "C:\\Data");
        g.search("*.tmp");
        EXPECT_TRUE(g.found().size() == 1u && g.mem.trace.lines.size() == 2u) << idsInListings;
    }
}

// Nothing to search or nothing found end with their message; a full list abandons the walk.
TEST_F(Finder, SearchesThatFindNothingOrTooMuchEndWithTheirMessage) {
    fs.addFile("C:\\keep.txt", 1);
    search("*.tmp");
    EXPECT_TRUE(found().empty() && seek.Check1.value() == 1);
    EXPECT_EQ(Captions({&seek.lblCount, &seek.Message}), (Texts{"0", ""}));
    FinderFixture g;
    g.open();
    g.seek.cmdSearch.click();
    EXPECT_EQ(g.message(), "Nothing Selected: You have to select at least one filter");
    EXPECT_TRUE(g.mem.desktop.yields == 0 && !g.seek.Label10.visible());
    FinderFixture h;
    for (int i = 0; i < 70; ++i) h.fs.roots.push_back("C:\\");  // too long for the listing
    EXPECT_TRUE(finder::FixedDrives(h.fs).empty());
    h.fs.roots = {};
    h.search("*.tmp");
    EXPECT_TRUE(h.seek.Combo1.items.empty());
    EXPECT_EQ(h.message(), "Nothing Selected: No fixed drive to search");
    EXPECT_EQ(h.seek.cmdSearch.caption(), "&Search");
    FinderFixture full;
    full.addFiles({"C:\\a.tmp", "C:\\b.tmp", "C:\\c.tmp"});
    full.seek.lstFoundFiles.capacity = 2;
    full.search("*.tmp");
    EXPECT_TRUE(full.found().size() == 2u && full.mem.desktop.messages.size() == 1u);
    EXPECT_EQ(full.message(), "Brisko: You've filled the list box. Abandoning search...");
    EXPECT_EQ(full.seek.cmdSearch.caption(), "&Reset");
}

TEST_F(Finder, CancelDuringAYieldEndsTheWalkAndKeepsWhatWasFound) {
    addFiles({"C:\\A\\x.tmp", "C:\\B\\x.tmp", "C:\\C\\x.tmp", "C:\\root.tmp"});
    // Cancel while B is being entered: C is done, B, A and the root's own files are not.
    int walkYields = 0;
    mem.desktop.onYield = [&] {
        walkYields += seek.cmdExit.caption() == "Cancel";
        if (seek.Label1.caption() != "C:\\B" || seek.Label8.visible()) return;
        EXPECT_TRUE(seek.cmdExit.caption() == "Cancel" && !seek.cmdSearch.enabled());
        seek.cmdSearch.click();  // disabled: nothing
        seek.cmdExit.click();
        EXPECT_TRUE(seek.Label8.visible());
        seek.cmdSearch.click();  // enabled again, but no second search inside the walk
    };
    search("*.tmp");
    EXPECT_EQ(found(), Texts{"C:\\C\\x.tmp"});
    EXPECT_TRUE(checkedCount() == 1 && seek.cmdSearch.caption() == "&Reset");
    EXPECT_FALSE(seek.Label8.visible());
    EXPECT_EQ(walkYields, 3);  // root, C, B
    // Closing the window by its caption stops the search too.
    FinderFixture c;
    c.addFiles({"C:\\A\\x.tmp", "C:\\B\\x.tmp"});
    c.mem.desktop.onYield = [&] {
        if (c.seek.visible()) c.seek.onSystemClose();
    };
    c.search("*.tmp");
    EXPECT_TRUE(c.found().empty() && !c.seek.visible() && c.main.visible());
    // The dots run through seventeen states, and start again from anything else.
    FinderFixture d;
    d.open();
    EXPECT_EQ(d.seek.lblDots.caption(), "Scanning ");
    d.seek.tmrDots.setEnabled(true);
    std::string dots = "Scanning ";
    for (int i = 1; i <= 17; ++i) {
        d.seek.tmrDots.tick();
        dots = i == 17 ? "Scanning " : dots + " .";
        EXPECT_EQ(d.seek.lblDots.caption(), dots) << i;
    }
    d.seek.lblDots.setCaption("Scanning ..");
    d.seek.tmrDots.tick();
    EXPECT_EQ(d.seek.lblDots.caption(), "Scanning ");
}

TEST_F(Finder, CheckedFilesGoAndTheReclaimedTotalGrowsByWhatWasRemoved) {
    addFiles({"C:\\J\\a.tmp", "C:\\J\\b.tmp", "C:\\J\\c.tmp", "C:\\J\\d.tmp", "C:\\J\\e.tmp"}, 100);
    fs.addFile("C:\\J\\locked.tmp", 1000, platform::kAttrReadOnly);
    store({{"Scnsv", ""}, {"optDelete", "True"}, {"optRecycle", "False"}});
    search("*.tmp");
    ASSERT_EQ(found().size(), 6u);
    seek.lstFoundFiles.setChecked(1, false);  // b
    seek.lstFoundFiles.setChecked(3, false);  // d
    fs.removeTree("C:\\J\\c.tmp");  // gone since the search: it leaves the list, adds nothing
    // The window answers after each file, the count and the wasted space shrinking as files go;
    // nothing else starts meanwhile.
    Texts progress;
    auto busy = [&] { return !seek.Check1.enabled() && !seek.lstFoundFiles.enabled(); };
    mem.desktop.onYield = [&] {
        progress.push_back(seek.Message.caption());
        seek.cmdSearch.click();
        seek.cmdDelete.click();
        EXPECT_TRUE(busy() && !seek.Combo1.enabled() && seek.cmdExit.caption() == "Cancel");
    };
    seek.cmdDelete.click();
    mem.desktop.onYield = nullptr;
    EXPECT_EQ(
        progress,
        (Texts{"1.46 KB Wasted Space   6 Files found", "1.37 KB Wasted Space   5 Files found",
               "1.27 KB Wasted Space   4 Files found", "1.17 KB Wasted Space   3 Files found"}));
    // The read-only file survives, listed and checked; the two kept ones keep their order.
    EXPECT_EQ(found(), (Texts{"C:\\J\\b.tmp", "C:\\J\\d.tmp", "C:\\J\\locked.tmp"}));
    EXPECT_TRUE(seek.lstFoundFiles.checked(2));
    EXPECT_EQ(mem.trace.lines,
              Texts{"junk finder: could not remove C:\\J\\locked.tmp: read-only or in use"});
    EXPECT_TRUE(!fs.exists("C:\\J\\a.tmp") && fs.exists("C:\\J\\b.tmp"));
    EXPECT_EQ(stored("Scnsv"), "200");
    EXPECT_TRUE(!busy() && seek.cmdExit.caption() == "E&xit" && seek.cmdDelete.enabled());
    // A second removal adds only what it removes.
    seek.lstFoundFiles.setChecked(0, true);
    seek.cmdDelete.click();
    EXPECT_TRUE(stored("Scnsv") == "300" && seek.mousePointer() == controls::kPointerDefault);
    seek.Check1.setValue(0);
    EXPECT_TRUE(checkedCount() == 0 && seek.Check1.caption() == "&Select All");
    // To the Bin: one "allow undo" call per file; what the shell left stays listed.
    FinderFixture g;
    g.fs.addFile("C:\\a.tmp", 10);
    g.fs.addFile("C:\\b.tmp", 20);
    g.store({{"Scnsv", "-1"}});
    g.search("*.tmp");
    g.mem.shell.deleteResult = 0;
    g.seek.cmdDelete.click();
    const auto& requests = g.mem.shell.deleteRequests;
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[0].paths == Texts{"C:\\b.tmp"} && requests[1].paths == Texts{"C:\\a.tmp"});
    EXPECT_TRUE(requests[0].flags == 0x40u && requests[0].owner == 0u && g.found().size() == 2u);
    EXPECT_EQ(g.stored("Scnsv"), "0");
}

TEST_F(Finder, CancelOrCloseStopsARemovalBetweenFilesAndKeepsTheRestChecked) {
    addFiles({"C:\\a.tmp", "C:\\b.tmp", "C:\\c.tmp"}, 10);
    store({{"Scnsv", ""}, {"optDelete", "True"}, {"optRecycle", "False"}});
    search("*.tmp");
    mem.desktop.onYield = [&] { seek.cmdExit.click(); };  // Cancel after the first file
    seek.cmdDelete.click();
    EXPECT_TRUE(found() == (Texts{"C:\\a.tmp", "C:\\b.tmp"}) && checkedCount() == 2);
    EXPECT_TRUE(stored("Scnsv") == "10" && seek.visible());
    // Closing waits for the file under way, then closes with what is left listed and checked.
    savedKeys();
    mem.desktop.onYield = [&] {
        seek.onSystemClose();
        EXPECT_TRUE(seek.visible() && savedKeys().empty());
    };
    seek.cmdDelete.click();
    EXPECT_TRUE(found() == Texts{"C:\\a.tmp"} && checkedCount() == 1 && stored("Scnsv") == "20");
    EXPECT_TRUE(!seek.visible() && main.visible() && savedKeys().size() > 2u);
    EXPECT_EQ(seek.Message.caption(), "10 bytes Wasted Space   1 Files found");
}

TEST_F(Finder, LeavingSavesItsRowsAndTheNextOpeningRunsNoLoad) {
    fs.addFile("C:\\a.tmp", 1);
    open();
    seek.chkTMP.setValue(1);
    seek.cmdSearch.click();
    ASSERT_EQ(found().size(), 1u);
    // The close caption keeps the search; the next opening finds it as it was.
    savedKeys();
    seek.onSystemClose();
    const Texts filters = {"Used",   "Custom",  "chkSelectAll", "chkGID", "chkTMP",
                           "chkBAK", "chkBAK2", "chkSYD",       "chkOLD", "chkCHK",
                           "chkFTS", "chkDIZ",  "chkFTG"};
    Texts exitRow = filters;
    exitRow.insert(exitRow.end(), {"optDelete", "optRecycle"});
    EXPECT_TRUE(savedKeys() == exitRow && !seek.visible() && main.visible());
    main.hide();
    seek.show();
    EXPECT_TRUE(found().size() == 1u && seek.cmdSearch.caption() == "&Reset");
    // Exit resets, saves the same row and goes back to the main window.
    seek.cmdExit.click();
    EXPECT_EQ(savedKeys(), exitRow);
    EXPECT_TRUE(found().empty() && !seek.cmdDelete.enabled() && main.visible());
    EXPECT_EQ(seek.cmdSearch.caption(), "&Search");
    ExpectVisible({&seek.Label10, &seek.Filters}, true);
    const int enumerations = fs.enumerations;
    seek.show();
    EXPECT_TRUE(seek.chkTMP.value() == 1 && fs.enumerations == enumerations);
    // Unloading saves the filters but not the deletion choice, and ends the program.
    EXPECT_THROW(seek.unload(), platform::ProgramEnded);
    EXPECT_EQ(savedKeys(), filters);
}

TEST_F(Finder, TheDescriptionFollowsTheMouseLookUpOpensTheLookupAndControlsFit) {
    open();
    const std::string idle = "Move your mouse cursor over each item for a brief description.";
    EXPECT_EQ(seek.Label10.caption(), idle);
    seek.cmdSearch.onMouseMove();
    EXPECT_EQ(seek.Label10.caption(), "Search selected drive for junk files");
    EXPECT_FALSE(seek.Combo1.onMouseMove);  // no description: the text stays
    seek.onMouseMove();
    EXPECT_EQ(seek.Label10.caption(), idle);
    seek.chkBAK2.onMouseMove();
    EXPECT_EQ(seek.Label10.caption(), "Backup of the Backup file above");
    seek.chameleonButton1.click();
    EXPECT_TRUE(extens.visible() && seek.visible());
    // Controls fit their panels; the bottom row's controls do not overlap.
    for (const controls::Widget* w : seek.widgets) {
        const controls::Widget* panel = w->parent();
        if (!panel) continue;
        EXPECT_TRUE(w->rect.left >= 0 && w->rect.top >= 0 &&
                    w->rect.left + w->rect.width <= panel->rect.width &&
                    w->rect.top + w->rect.height <= panel->rect.height)
            << w->name();
    }
    const std::vector<const controls::Widget*> row = {
        &seek.cmdSearch,  &seek.cmdDelete,        &seek.Check1, &seek.optDelete,
        &seek.optRecycle, &seek.chameleonButton1, &seek.cmdExit};
    for (std::size_t i = 0; i < row.size(); ++i) {
        const controls::Rect& r = row[i]->rect;
        EXPECT_LE(r.left + r.width, seek.clientWidth) << row[i]->name();
        EXPECT_LE(r.left + r.width, i + 1 < row.size() ? row[i + 1]->rect.left : r.left + r.width)
            << row[i]->name();
    }
}

}  // namespace
}  // namespace brisko::testing
