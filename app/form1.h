#pragma once
// The main window: the trace cleaner's track items, the estimate, the panels and the way to
// the other windows.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/form1_clean_run.h"
#include "cleaner/item_size.h"
#include "controls/form.h"
#include "controls/program_windows.h"
#include "controls/widgets.h"
#include "platform/services.h"

namespace brisko::app {

// The eight folder-like track items that have an item size, in the estimate's order.
using cleaner::kSizedItems;
using cleaner::SizedItem;

// The characters of `text` after the first `skip` and before the last `leaveOff`; "" when none.
std::string trim_data(const std::string& text, size_t skip, size_t leaveOff);

class Form1 : public controls::Form {
  public:
    Form1(platform::Services& services, controls::ProgramWindows& windows);

    // Panels.
    controls::Frame Frame1{"Frame1"}, Frame2{"Frame2"}, Frame3{"Frame3"};

    // Windows panel.
    controls::CheckBox Check1{"Check1", &Frame1}, chIECache{"chIECache", &Frame1},
        chkCookies{"chkCookies", &Frame1}, chkCookiesSel{"chkCookiesSel", &Frame1},
        chkHistory{"chkHistory", &Frame1}, chkDocuments{"chkDocuments", &Frame1},
        chkRunMenu{"chkRunMenu", &Frame1}, chkUrls{"chkUrls", &Frame1}, chkTemp{"chkTemp", &Frame1},
        chkRecBin{"chkRecBin", &Frame1};
    // Outside the visible area.
    controls::CheckBox chkMenu{"chkMenu"}, chkFav{"chkFav"}, Check2{"Check2"};
    // Programs panel.
    controls::CheckBox chkVb{"chkVb", &Frame2}, chkWord{"chkWord", &Frame2},
        chkExcel{"chkExcel", &Frame2}, chkAccess{"chkAccess", &Frame2},
        chkPowerPoint{"chkPowerPoint", &Frame2}, chkWzip1{"chkWzip1", &Frame2},
        chkWzip2{"chkWzip2", &Frame2}, chkWordPad{"chkWordPad", &Frame2},
        chkPbrush{"chkPbrush", &Frame2}, chkMediaPlayer{"chkMediaPlayer", &Frame2},
        NetScape1{"NetScape1", &Frame2}, netscape2{"netscape2", &Frame2},
        netscape3{"netscape3", &Frame2};

    controls::PushButton Command1{"Command1"}, Command2{"Command2"}, Command3{"Command3"},
        Command4{"Command4"}, Command5{"Command5"}, Command6{"Command6", &Frame3},
        Command7{"Command7", &Frame3}, chameleonButton1{"chameleonButton1", &Frame1},
        chameleonButton2{"chameleonButton2", &Frame1};

    controls::Label lblSize{"lblSize", &Frame1}, Label8{"Label8", &Frame2},
        Label2{"Label2", &Frame3}, Label6{"Label6"}, Label7{"Label7"}, lblInfo{"lblInfo", &Frame1},
        Label4{"Label4", &Frame2}, Label5{"Label5", &Frame3}, Label9{"Label9", &Frame3},
        Label10{"Label10", &Frame3}, Label3{"Label3"}, lblCaption{"lblCaption"};
    controls::Image Image1{"Image1", &Frame3};
    controls::Animation Animation1{"Animation1"};

    // State values, outside the visible area.
    controls::Label lblWin{"lblWin"}, lblDrv{"lblDrv"}, Winder{"Winder"}, DrvLetter{"DrvLetter"},
        lblTotSav{"lblTotSav"}, Label1{"Label1"};

    controls::Timer Timer2{"Timer2", 100}, Timer1{"Timer1", 5000};

    // The eight item sizes; empty when the item is not ticked.
    std::array<std::optional<double>, kSizedItems> itemSizes{};
    std::optional<double>& itemSize(SizedItem i) { return itemSizes[static_cast<size_t>(i)]; }
    // What each item measured, for the estimate's tool tip; empty when it is not ticked.
    std::array<std::vector<std::string>, kSizedItems> measuredFolders{};
    // The clean run from its first tick until its result is shown; empty otherwise.
    std::unique_ptr<RunningClean> cleaning;

    // Operations named by the window's behaviour.
    void closeProgram();        // Command2 and the caption close
    void showPanel(int panel);  // 1 Windows, 2 Programs, 3 About
    void updateEstimate();
    void minimise() { setState(controls::WindowState::Minimized); }
    void showHelp();
    // The folders of the four folder items as they are now.
    cleaner::Where where();

    // The 24 track-item boxes in save order, and in start-up restore order.
    std::array<controls::CheckBox*, 24> saveOrder();
    std::array<controls::CheckBox*, 24> restoreOrder();

    platform::Services& services() { return services_; }

  protected:
    void load() override;
    void unloading() override;
    void shownAgain() override;

  private:
    void saveChoices();
    void showRunningTotal();
    void windowsSelectAll();
    void programsSelectAll();
    void cookieSelection();
    void measure(SizedItem item, controls::CheckBox& box);
    void describe(controls::Label& target, const std::string& text);
    void describeAll(const std::string& text);
    void wireDescriptions();

    platform::Services services_;
    controls::ProgramWindows& windows_;
};

}  // namespace brisko::app
