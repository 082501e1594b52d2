// The junk finder over the in-memory platform: filters, drives, the walk, removal and the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "finder/drives.h"
#include "finder/junk_search.h"
#include "finder/win_seek.h"
#include "platform/memory/memory_platform.h"

namespace brisko::testing {
namespace {

using platform::DriveType;

struct FinderFixture {
    platform::MemoryPlatform mem;
    platform::Services services = mem.services();
    controls::ProgramWindows windows;
    controls::Form main{"Form1", "Brisko"};
    controls::Form extens{"Extens", "Extensions"};
    finder::WinSeek seek{services, windows};

    FinderFixture() {
        windows.main = &main;
        windows.extens = &extens;
        windows.finder = &seek;
        mem.files.volumes["C:\\"] = {"", "NTFS", 1};
        mem.files.spaces["C:\\"] = {0, 10737418240ull, 4294967296ull};
    }
    void store(const std::string& key, const std::string& value) {
        mem.settings.save("Brisko", "Filters", key, value);
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
        store("Custom", patterns);
        open();
        seek.cmdSearch.click();
    }
    std::vector<std::string> found() { return seek.lstFoundFiles.items(); }
    int checkedCount() {
        int n = 0;
        for (int i = 0; i < seek.lstFoundFiles.count(); ++i) n += seek.lstFoundFiles.checked(i);
        return n;
    }
    // The keys written under "Filters", in order, since the last call.
    std::vector<std::string> savedKeys() {
        std::vector<std::string> keys;
        for (const auto& s : mem.settings.saves)
            if (s.section == "Filters") keys.push_back(s.key);
        mem.settings.saves.clear();
        return keys;
    }
};

const std::vector<std::string> kFilterKeys = {"chkGID", "chkTMP", "chkBAK", "chkBAK2", "chkSYD",
                                              "chkOLD", "chkCHK", "chkFTS", "chkDIZ",  "chkFTG"};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(FinderFilters, TheSpecificationFollowsTheBoxesAndTheCustomFilters) {
    FinderFixture f;
    f.open();
    auto& w = f.seek;
    EXPECT_EQ(w.txtSearchSpec.text(), "");
    w.chkBAK2.setValue(1);
    EXPECT_EQ(w.txtSearchSpec.text(), "*.b~k");
    EXPECT_EQ(f.stored("Used"), "*.b~k");  // written at every change
    w.chkBAK2.setValue(0);
    w.chkSelectAll.setValue(1);
    EXPECT_EQ(w.txtSearchSpec.text(),
              "*.gid;*.tmp;*.bak;*.b~k;*.syd;*.old;*.chk;*.fts;*.diz;*.ftg");
    EXPECT_EQ(w.chkSelectAll.caption(), "Select None");
    w.chkFTS.setValue(0);
    EXPECT_EQ(w.txtSearchSpec.text(), "*.gid;*.tmp;*.bak;*.b~k;*.syd;*.old;*.chk;*.diz;*.ftg");
    EXPECT_EQ(w.chkSelectAll.value(), 1);
    w.chkSelectAll.setValue(0);
    EXPECT_EQ(w.txtSearchSpec.text(), "");
    EXPECT_EQ(w.chkSelectAll.caption(), "Select All");

    // Custom filters join the boxes' patterns; a save with nothing typed drops them again.
    w.chkGID.setValue(1);
    w.chkTMP.setValue(1);
    w.cmdAdvanced.click();
    EXPECT_FALSE(w.Filters.visible());
    EXPECT_TRUE(w.Custom.visible());
    w.txtCustom.setText("*.abc;*.xyz");
    w.Command1.click();
    EXPECT_EQ(w.txtSearchSpec.text(), "*.gid;*.tmp;*.abc;*.xyz");
    EXPECT_TRUE(w.Filters.visible());
    w.Command2.click();
    EXPECT_EQ(w.txtCustom.text(), "");
    w.Command1.click();
    EXPECT_EQ(w.txtSearchSpec.text(), "*.gid;*.tmp");
    w.chkGID.setValue(0);
    w.chkTMP.setValue(0);
    w.txtCustom.setText("*.a bc;;*.x");  // accepted as typed, with no ";" in front
    w.Command1.click();
    EXPECT_EQ(w.txtSearchSpec.text(), "*.a bc;;*.x");
}

TEST(FinderFilters, ALeadingOrTrailingSemicolonIsRefused) {
    for (const char* custom : {";*.abc", "*.abc;"}) {
        FinderFixture f;
        f.open();
        f.seek.chkTMP.setValue(1);
        f.seek.cmdAdvanced.click();
        f.seek.txtCustom.setText(custom);
        f.seek.Command1.click();
        ASSERT_EQ(f.mem.desktop.messages.size(), 1u);
        EXPECT_EQ(f.mem.desktop.messages[0].title, "Syntax Error");
        EXPECT_EQ(f.mem.desktop.messages[0].flags, platform::kMbIconExclamation);
        EXPECT_EQ(f.seek.txtCustom.text(), "");
        EXPECT_EQ(f.seek.txtSearchSpec.text(), "*.tmp");
        EXPECT_TRUE(f.seek.Custom.visible());
    }
}

TEST(FinderFilters, LoadRestoresBoxesThenJoinsTheCustomFilters) {
    FinderFixture f;
    f.store("chkGID", "1");
    f.store("chkTMP", "yes");  // not a number: left as it was, and traced
    f.store("Custom", "*.abc");
    f.store("Used", "*.old");
    f.store("optDelete", "True");
    f.store("optRecycle", "False");
    f.open();
    EXPECT_EQ(f.seek.txtSearchSpec.text(), "*.gid;*.abc");
    EXPECT_EQ(f.seek.chkTMP.value(), 0);
    EXPECT_TRUE(f.seek.optDelete.value());
    EXPECT_FALSE(f.seek.optRecycle.value());
    EXPECT_EQ(f.mem.trace.lines.size(), 1u);

    // No box changed: the saved specification stays, with the custom filters after it.
    FinderFixture g;
    g.store("Used", "*.old");
    g.store("Custom", "*.abc");
    g.open();
    EXPECT_EQ(g.seek.txtSearchSpec.text(), "*.old;*.abc");
    EXPECT_TRUE(g.seek.optRecycle.value());  // the default choice
}

TEST(FinderDrives, FixedDrivesAreListedAndTheVolumeLineIsExact) {
    FinderFixture f;
    auto& fs = f.mem.files;
    fs.roots = {"A:\\", "c:\\", "D:\\", "E:\\"};
    fs.types = {{"A:\\", DriveType::Removable},
                {"C:\\", DriveType::Fixed},
                {"D:\\", DriveType::Fixed},
                {"E:\\", DriveType::CdRom}};
    fs.volumes["D:\\"] = {"DATA", "FAT32", 2};
    f.open();
    EXPECT_EQ(f.seek.Combo1.items, (std::vector<std::string>{"C:\\", "D:\\"}));
    EXPECT_EQ(f.seek.Label3.caption(), "C:\\");
    const std::string gap(10, ' ');
    const std::string volumeLine =
        gap + "10.00 GB" + gap + "6.00 GB" + gap + "4.00 GB" + gap + "NTFS";
    EXPECT_EQ(f.seek.Text1.text(), volumeLine);

    // A volume that cannot be read: the message, the old line; the root still changes.
    fs.volumes.erase("D:\\");
    f.seek.Combo1.setListIndex(1);
    ASSERT_EQ(f.mem.desktop.messages.size(), 1u);
    EXPECT_EQ(f.mem.desktop.messages[0].text, "No Disk In Drive!");
    EXPECT_EQ(f.mem.desktop.messages[0].title, "Error Reading Disk");
    EXPECT_EQ(f.seek.Label3.caption(), "D:\\");
    EXPECT_EQ(f.seek.Text1.text(), volumeLine);

    EXPECT_EQ(finder::DriveTypeName(fs, "A:"), "Removable");
    EXPECT_EQ(finder::DriveTypeName(fs, "E:\\"), "CD-ROM");
    EXPECT_EQ(finder::DriveTypeName(fs, "Q:\\"), "Unrecognized");
    // Halves with their top bit set are unsigned.
    EXPECT_EQ(finder::LargeToDouble(-1, 0), 4294967295.0);
    EXPECT_EQ(finder::LargeToDouble(static_cast<std::int32_t>(0x80000000u), 2), 10737418240.0);
}

TEST(FinderDrives, TooManyRootsForTheListingGiveNoDriveAndNoSearch) {
    FinderFixture f;
    f.mem.files.roots.clear();
    for (int i = 0; i < 70; ++i) f.mem.files.roots.push_back("C:\\");  // 281 characters
    EXPECT_TRUE(finder::FixedDrives(f.mem.files).empty());
    f.mem.files.roots = {};
    f.search("*.tmp");
    EXPECT_TRUE(f.seek.Combo1.items.empty());
    ASSERT_FALSE(f.mem.desktop.messages.empty());
    EXPECT_EQ(f.mem.desktop.messages.back().title, "Nothing Selected");
    EXPECT_EQ(f.mem.desktop.messages.back().text, "No fixed drive to search");
    EXPECT_EQ(f.seek.cmdSearch.caption(), "&Search");
}

TEST(FinderSearch, WalksSubfoldersLastFirstAndListsEachFolderAfterWhatIsBelowIt) {
    FinderFixture f;
    auto& fs = f.mem.files;
    fs.addFile("C:\\root.tmp", 1);
    for (const char* folder : {"A", "b", "C"})
        fs.addFile(std::string("C:\\") + folder + "\\x.tmp", 1);
    fs.addFile("C:\\C\\Inner\\deep.TMP", 1);
    fs.addFile("C:\\C\\hidden.tmp", 1, platform::kAttrHidden);
    fs.addFile("C:\\C\\system.tmp", 1, platform::kAttrSystem);
    fs.addFile("C:\\A\\x.tmpx", 1);
    fs.addFile("C:\\Hidden\\h.tmp", 1).attributes |= 0;
    fs.addFolder("C:\\Hidden", platform::kAttrHidden);
    f.search("*.tmp;*.TMP");
    EXPECT_EQ(f.found(), (std::vector<std::string>{"C:\\Hidden\\h.tmp", "C:\\C\\Inner\\deep.TMP",
                                                   "C:\\C\\x.tmp", "C:\\b\\x.tmp", "C:\\A\\x.tmp",
                                                   "C:\\root.tmp"}));
    EXPECT_EQ(f.seek.lblCount.caption(), " 6");
    EXPECT_EQ(f.seek.Label2.caption(),
              "Searching ... This can take several minutes.  Files found so far  6");
    EXPECT_EQ(f.seek.Message.caption(), "6 bytes Wasted Space   6 Files found");
    EXPECT_EQ(f.checkedCount(), 6);
    // One yield per folder entered: the root, A, b, C, C\Inner, Hidden.
    EXPECT_EQ(f.mem.desktop.yields, 6);
    EXPECT_EQ(f.seek.cmdSearch.caption(), "&Reset");
    EXPECT_EQ(f.seek.cmdExit.caption(), "E&xit");
    EXPECT_TRUE(f.seek.cmdDelete.enabled());
    EXPECT_EQ(f.mem.media.played.back(), "C:\\Program Files\\Brisko\\Alarm.wav");
}

TEST(FinderSearch, LinksUnreadableFoldersAndOddFilesNeitherStopNorRepeatTheWalk) {
    FinderFixture f;
    auto& fs = f.mem.files;
    fs.addFile("C:\\Data\\a.bak", 1536);
    fs.addFile("C:\\Data\\x.bakery", 5);
    fs.addFile("C:\\Data\\big.bak", 3221225472ull);
    fs.addLink("C:\\Data\\Loop", "C:\\Data");
    fs.addLink("C:\\Home", "C:\\Elsewhere");
    fs.addFile("C:\\Elsewhere\\far.bak", 1);
    fs.addFolder("C:\\System Volume Information").unlistable = true;
    f.search("*.bak;*.ba?");
    // Each file once, though it matches both patterns; the links' targets only where they are.
    EXPECT_EQ(f.found(), (std::vector<std::string>{"C:\\Elsewhere\\far.bak", "C:\\Data\\a.bak",
                                                   "C:\\Data\\big.bak"}));
    EXPECT_EQ(f.seek.Message.caption(), "3.00 GB Wasted Space   3 Files found");
    EXPECT_EQ(f.seek.txtSize.text(), " 3221227009");
    EXPECT_EQ(f.mem.trace.lines, std::vector<std::string>{
                                     "junk search: could not list C:\\System Volume Information"});
    EXPECT_FALSE(f.mem.desktop.ended);
}

TEST(FinderSearch, AFolderSeenThroughABindMountIsWalkedOnce) {
    for (const bool idsInListings : {true, false}) {
        FinderFixture f;
        auto& fs = f.mem.files;
        fs.idsInListings = idsInListings;  // without them, each folder is asked for its id
        fs.addFile("C:\\Data\\a.tmp", 1);
        fs.addAlias("C:\\Data\\Again", "C:\\Data");  // a bind mount of a folder inside itself
        fs.addAlias("C:\\Mirror", "C:\\Data");
        f.search("*.tmp");
        EXPECT_EQ(f.found().size(), 1u) << idsInListings;
        EXPECT_EQ(f.mem.trace.lines.size(), 2u) << idsInListings;
        EXPECT_FALSE(f.mem.desktop.ended);
    }
}

TEST(FinderSearch, PatternsMatchNamesOutsideTheBmpCharacterByCharacter) {
    FinderFixture f;
    for (const char* name : {"y.😀", "y.😁", "x.😁", "x.ab", "y.tmp"})
        f.mem.files.addFile(std::string("C:\\") + name, 1);
    f.search("*.😀;x.?");  // "?" is one character, also one of two UTF-16 units
    EXPECT_EQ(f.found(), (std::vector<std::string>{"C:\\x.😁", "C:\\y.😀"}));
}

TEST(FinderSearch, NothingFoundLeavesTheResultLineEmpty) {
    FinderFixture f;
    f.mem.files.addFile("C:\\keep.txt", 1);
    f.search("*.tmp");
    EXPECT_TRUE(f.found().empty());
    EXPECT_EQ(f.seek.lblCount.caption(), "0");
    EXPECT_EQ(f.seek.Message.caption(), "");
    EXPECT_EQ(f.seek.Check1.value(), 1);
    // No filter at all: the message, and no walk.
    FinderFixture g;
    g.open();
    g.seek.cmdSearch.click();
    ASSERT_EQ(g.mem.desktop.messages.size(), 1u);
    EXPECT_EQ(g.mem.desktop.messages[0].text, "You have to select at least one filter");
    EXPECT_EQ(g.mem.desktop.yields, 0);
    EXPECT_FALSE(g.seek.Label10.visible());
}

TEST(FinderSearch, CancelDuringAYieldEndsTheWalkAndKeepsWhatWasFound) {
    FinderFixture f;
    auto& fs = f.mem.files;
    for (const char* folder : {"A", "B", "C"})
        fs.addFile(std::string("C:\\") + folder + "\\x.tmp", 1);
    fs.addFile("C:\\root.tmp", 1);
    // Cancel while B is being entered: C is done, B, A and the root's own files are not.
    f.mem.desktop.onYield = [&] {
        if (f.seek.Label1.caption() == "C:\\B") {
            EXPECT_EQ(f.seek.cmdExit.caption(), "Cancel");
            EXPECT_FALSE(f.seek.cmdSearch.enabled());
            f.seek.cmdSearch.click();  // disabled: nothing
            f.seek.cmdExit.click();
            EXPECT_TRUE(f.seek.Label8.visible());
            f.seek.cmdSearch.click();  // enabled again, but no second search inside the walk
        }
    };
    f.search("*.tmp");
    EXPECT_EQ(f.found(), std::vector<std::string>{"C:\\C\\x.tmp"});
    EXPECT_EQ(f.checkedCount(), 1);
    EXPECT_EQ(f.seek.cmdSearch.caption(), "&Reset");
    EXPECT_FALSE(f.seek.Label8.visible());
    EXPECT_EQ(f.mem.desktop.yields, 3);  // root, C, B
}

TEST(FinderSearch, AFullListAbandonsTheWalkWithItsMessage) {
    FinderFixture f;
    for (const char* name : {"a", "b", "c"})
        f.mem.files.addFile(std::string("C:\\") + name + ".tmp", 1);
    f.seek.lstFoundFiles.capacity = 2;
    f.search("*.tmp");
    EXPECT_EQ(f.found().size(), 2u);
    ASSERT_EQ(f.mem.desktop.messages.size(), 1u);
    EXPECT_EQ(f.mem.desktop.messages[0].text, "You've filled the list box. Abandoning search...");
    EXPECT_EQ(f.mem.desktop.messages[0].title, "Brisko");
    EXPECT_EQ(f.seek.cmdSearch.caption(), "&Reset");
}

TEST(FinderSearch, DotsRunThroughSeventeenStates) {
    FinderFixture f;
    f.open();
    f.seek.tmrDots.setEnabled(true);
    std::vector<std::string> seen;
    for (int i = 0; i < 18; ++i) {
        seen.push_back(f.seek.lblDots.caption());
        f.seek.tmrDots.tick();
    }
    EXPECT_EQ(seen[0], "Scanning ");
    EXPECT_EQ(seen[2], "Scanning  . .");
    std::string sixteen = "Scanning ";
    for (int i = 0; i < 16; ++i) sixteen += " .";
    EXPECT_EQ(seen[16], sixteen);
    EXPECT_EQ(seen[17], "Scanning ");
    f.seek.lblDots.setCaption("Scanning ..");
    f.seek.tmrDots.tick();
    EXPECT_EQ(f.seek.lblDots.caption(), "Scanning ");
}

TEST(FinderRemoval, CheckedFilesGoAndTheReclaimedTotalGrowsByWhatWasRemoved) {
    FinderFixture f;
    auto& fs = f.mem.files;
    for (const char* name : {"a", "b", "c", "d", "e"})
        fs.addFile(std::string("C:\\J\\") + name + ".tmp", 100);
    fs.addFile("C:\\J\\locked.tmp", 1000, platform::kAttrReadOnly);
    f.store("Scnsv", "");
    f.store("optDelete", "True");
    f.store("optRecycle", "False");
    f.search("*.tmp");
    ASSERT_EQ(f.found().size(), 6u);
    f.seek.lstFoundFiles.setChecked(1, false);  // b
    f.seek.lstFoundFiles.setChecked(3, false);  // d
    f.seek.cmdDelete.click();
    // The read-only file survives, listed and checked; the two kept ones keep their order.
    EXPECT_EQ(f.found(),
              (std::vector<std::string>{"C:\\J\\b.tmp", "C:\\J\\d.tmp", "C:\\J\\locked.tmp"}));
    EXPECT_TRUE(f.seek.lstFoundFiles.checked(2));
    EXPECT_FALSE(fs.exists("C:\\J\\a.tmp"));
    EXPECT_TRUE(fs.exists("C:\\J\\b.tmp"));
    EXPECT_EQ(f.stored("Scnsv"), "300");
    EXPECT_EQ(f.seek.Message.caption(), "1.46 KB Wasted Space   6 Files found");
    // A second removal adds only what it removes.
    f.seek.lstFoundFiles.setChecked(0, true);
    f.seek.cmdDelete.click();
    EXPECT_EQ(f.stored("Scnsv"), "400");
    EXPECT_EQ(f.seek.mousePointer(), controls::kPointerDefault);

    // Check1 toggles every entry and its caption.
    f.seek.Check1.setValue(0);
    EXPECT_EQ(f.checkedCount(), 0);
    EXPECT_EQ(f.seek.Check1.caption(), "&Select All");
}

TEST(FinderRemoval, TheRecycleBinGetsOneShellCallPerFileWithOnlyAllowUndo) {
    FinderFixture f;
    auto& fs = f.mem.files;
    fs.addFile("C:\\a.tmp", 10);
    fs.addFile("C:\\b.tmp", 20);
    f.store("Scnsv", "-1");  // a broken stored total counts as nothing
    f.search("*.tmp");
    f.mem.shell.deleteResult = 0;
    f.seek.cmdDelete.click();  // the in-memory shell removes nothing: the entries stay
    ASSERT_EQ(f.mem.shell.deleteRequests.size(), 2u);
    EXPECT_EQ(f.mem.shell.deleteRequests[0].paths, std::vector<std::string>{"C:\\b.tmp"});
    EXPECT_EQ(f.mem.shell.deleteRequests[1].paths, std::vector<std::string>{"C:\\a.tmp"});
    EXPECT_EQ(f.mem.shell.deleteRequests[0].flags, 0x40u);
    EXPECT_EQ(f.mem.shell.deleteRequests[0].owner, 0u);
    EXPECT_EQ(f.found().size(), 2u);
    EXPECT_EQ(f.stored("Scnsv"), "0");
}

TEST(FinderWindow, LeavingSavesItsRowsAndTheNextOpeningRunsNoLoad) {
    FinderFixture f;
    f.mem.files.addFile("C:\\a.tmp", 1);
    f.open();
    f.seek.chkTMP.setValue(1);
    f.savedKeys();
    f.seek.cmdSearch.click();
    ASSERT_EQ(f.found().size(), 1u);
    // The close caption keeps the search; the next opening finds it as it was.
    f.savedKeys();
    f.seek.onSystemClose();
    const auto exitRow = Concat(Concat({"Used", "Custom", "chkSelectAll"}, kFilterKeys),
                                {"optDelete", "optRecycle"});
    EXPECT_EQ(f.savedKeys(), exitRow);
    EXPECT_FALSE(f.seek.visible());
    EXPECT_TRUE(f.main.visible());
    f.main.hide();
    f.seek.show();
    EXPECT_EQ(f.found().size(), 1u);
    EXPECT_EQ(f.seek.cmdSearch.caption(), "&Reset");

    // Exit resets, saves the same row and goes back to the main window.
    f.seek.cmdExit.click();
    EXPECT_EQ(f.savedKeys(), exitRow);
    EXPECT_TRUE(f.found().empty());
    EXPECT_EQ(f.seek.cmdSearch.caption(), "&Search");
    EXPECT_FALSE(f.seek.cmdDelete.enabled());
    EXPECT_TRUE(f.seek.Label10.visible());
    EXPECT_TRUE(f.seek.Filters.visible());
    EXPECT_TRUE(f.main.visible());
    const int enumerations = f.mem.files.enumerations;
    f.seek.show();
    EXPECT_EQ(f.seek.chkTMP.value(), 1);
    EXPECT_EQ(f.mem.files.enumerations, enumerations);

    // Unloading saves the filters but not the deletion choice, and ends the program.
    EXPECT_THROW(f.seek.unload(), platform::ProgramEnded);
    EXPECT_EQ(f.savedKeys(), Concat({"Used", "Custom", "chkSelectAll"}, kFilterKeys));
}

TEST(FinderWindow, TheDescriptionLabelFollowsTheMouseAndLookUpOpensTheLookup) {
    FinderFixture f;
    f.open();
    const std::string idle = "Move your mouse cursor over each item for a brief description.";
    EXPECT_EQ(f.seek.Label10.caption(), idle);
    f.seek.cmdSearch.onMouseMove();
    EXPECT_EQ(f.seek.Label10.caption(), "Search selected drive for junk files");
    f.seek.Combo1.onMouseMove ? f.seek.Combo1.onMouseMove() : void();  // no description: kept
    EXPECT_EQ(f.seek.Label10.caption(), "Search selected drive for junk files");
    f.seek.onMouseMove();
    EXPECT_EQ(f.seek.Label10.caption(), idle);
    f.seek.chkBAK2.onMouseMove();
    EXPECT_EQ(f.seek.Label10.caption(), "Backup of the Backup file above");
    f.seek.chameleonButton1.click();
    EXPECT_TRUE(f.extens.visible());
    EXPECT_TRUE(f.seek.visible());
    // Help: the finder's help dialog, modally.
    controls::Form help{"XP_frm1", "Scanner Help"};
    f.windows.finderHelp = &help;
    bool shownModally = false;
    f.mem.desktop.onModal = [&] {
        shownModally = help.visible() && help.modal();
        help.hide();
    };
    f.seek.onHelp();
    EXPECT_TRUE(shownModally);
}

// A control that reaches past its panel's frame is cut off, and two controls of the bottom row
// that share pixels hide each other's captions.
TEST(FinderWindow, PanelsHoldTheirControlsAndTheBottomRowDoesNotOverlap) {
    FinderFixture f;
    for (const controls::Widget* w : f.seek.widgets) {
        const controls::Widget* panel = w->parent();
        if (!panel) continue;
        EXPECT_GE(w->rect.left, 0) << w->name();
        EXPECT_GE(w->rect.top, 0) << w->name();
        EXPECT_LE(w->rect.left + w->rect.width, panel->rect.width) << w->name();
        EXPECT_LE(w->rect.top + w->rect.height, panel->rect.height) << w->name();
    }
    const std::vector<const controls::Widget*> row = {
        &f.seek.cmdSearch,  &f.seek.cmdDelete,        &f.seek.Check1, &f.seek.optDelete,
        &f.seek.optRecycle, &f.seek.chameleonButton1, &f.seek.cmdExit};
    for (std::size_t i = 0; i < row.size(); ++i) {
        const controls::Rect& r = row[i]->rect;
        EXPECT_LE(r.left + r.width, f.seek.clientWidth) << row[i]->name();
        if (i + 1 < row.size()) {
            EXPECT_LE(r.left + r.width, row[i + 1]->rect.left)
                << row[i]->name() << " reaches into " << row[i + 1]->name();
        }
    }
}

}  // namespace
}  // namespace brisko::testing
