#pragma once
// The junk finder "Brisko Scanner": a fixed drive, the junk filters, the whole-drive search and
// the removal of the files found.
#include <array>
#include <string>
#include <vector>

#include "controls/form.h"
#include "controls/program_windows.h"
#include "controls/widgets.h"
#include "finder/junk_search.h"
#include "platform/services.h"

namespace brisko::finder {

class WinSeek : public controls::Form, private SearchSink {
  public:
    WinSeek(platform::Services& services, controls::ProgramWindows& windows);

    // Top row: the drive chooser and the volume line.
    controls::ComboBox Combo1{"Combo1"};
    controls::TextBox Text1{"Text1"};

    // The found list, the search display below it.
    controls::ListBox lstFoundFiles{"lstFoundFiles"};
    controls::Label Label1{"Label1"}, Label2{"Label2"}, Label7{"Label7"}, Label8{"Label8"},
        Message{"Message"};

    // Three panels at one place.
    controls::Frame Filters{"Filters"}, Custom{"Custom"}, Frame2{"Frame2"};
    controls::CheckBox chkGID{"chkGID", &Filters}, chkTMP{"chkTMP", &Filters},
        chkBAK{"chkBAK", &Filters}, chkBAK2{"chkBAK2", &Filters}, chkSYD{"chkSYD", &Filters},
        chkOLD{"chkOLD", &Filters}, chkCHK{"chkCHK", &Filters}, chkFTS{"chkFTS", &Filters},
        chkDIZ{"chkDIZ", &Filters}, chkFTG{"chkFTG", &Filters},
        chkSelectAll{"chkSelectAll", &Filters};
    controls::PushButton cmdAdvanced{"cmdAdvanced", &Filters};
    controls::TextBox txtCustom{"txtCustom", &Custom};
    controls::PushButton Command1{"Command1", &Custom}, Command2{"Command2", &Custom};
    controls::Animation Animation1{"Animation1", &Frame2};
    controls::Label lblDots{"lblDots", &Frame2};

    // Bottom row.
    controls::CheckBox Check1{"Check1"};
    controls::OptionButton optDelete{"optDelete"}, optRecycle{"optRecycle"};
    controls::PushButton cmdSearch{"cmdSearch"}, cmdDelete{"cmdDelete"}, cmdExit{"cmdExit"},
        chameleonButton1{"chameleonButton1"};

    // The description label and the title.
    controls::Label Label10{"Label10"}, Label9{"Label9"};

    // State kept in hidden controls.
    controls::TextBox txtSearchSpec{"txtSearchSpec"}, txtSize{"txtSize"}, Text2{"Text2"};
    controls::Label lblCount{"lblCount"}, Label3{"Label3"};
    controls::ListBox List1{"List1"};

    controls::Timer tmrDots{"tmrDots", 400};

    // True while the search may go on; a Cancel clears it.
    bool SearchActive = false;
    // How the search reads the drive ahead of its walk (tests and measurements set it).
    cleaner::ReadAheadOptions readAhead;

    // The ten filter boxes in the order of their patterns.
    std::array<controls::CheckBox*, 10> filterBoxes();
    controls::CheckBox* filterBox(std::string_view name);

    void BuildSearchSpec();
    void ShowVolumeInfo();
    void SumWastedSpace();
    void ResetSearch();
    // Sends the files to the Recycle Bin in one shell call; the shell's result.
    int ShellDelete(const std::vector<std::string>& paths);
    void minimise() { setState(controls::WindowState::Minimized); }

  protected:
    void load() override;
    void unloading() override;

  private:
    // The search.
    void startSearch();
    void endSearch();
    void playSoundAnswering(const std::string& path);
    void cancelSearch();
    void resetFromButton();
    void advanceDots();
    void positioned(const std::string& folder) override;
    bool found(const platform::FoundFile& file, std::uint64_t length) override;

    // Filters.
    void selectAllFilters();
    void saveCustomFilters();
    void restoreFilters();
    void saveFilters();
    void restoreDeletionChoice();
    void saveDeletionChoice();

    // Drives and removal.
    void listDrives();
    void chooseDrive();
    void checkAll();
    void removeChecked();
    // The wasted space kept in the hidden holders; shown in the result line; shown with the count
    // of what the list holds, as a removal leaves it.
    void keepWasted(double wasted);
    void showWasted(double wasted);
    void showTotals(double wasted);

    // Leaving.
    void exit();
    void closeByCaption();
    void showHelp();

    void wireDescriptions();
    void layOut();
    std::string setting(const std::string& key, const std::string& fallback);
    void save(const std::string& key, const std::string& value);

    platform::Services services_;
    controls::ProgramWindows& windows_;
    // A search's walk or its end is under way (a yield may run other handlers).
    bool walking_ = false;
    bool removing_ = false;  // a removal is under way, answering between files
    bool stopRemoval_ = false, closeAfterRemoval_ = false;
    // Each entry of the found list as the walk's listing gave it: its length, so that the sum
    // needs no second look at every file, and its identity, so that a removal, however much
    // later, takes that very file or none.
    struct Entry {
        std::uint64_t length = 0;
        platform::FileId id;
    };
    std::vector<Entry> entries_;
};

}  // namespace brisko::finder
