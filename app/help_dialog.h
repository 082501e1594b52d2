#pragma once
// The help dialogs: a fixed text on a small window with one button that closes it, shown
// modally by the window it explains. The main window's dialog is kept and shown again; the
// others unload themselves when closed.
#include <array>
#include <string>
#include <vector>

#include "controls/form.h"
#include "controls/program_windows.h"
#include "controls/widgets.h"

namespace brisko::app {

struct HelpText {
    std::string name;           // XP_frm, XP_frm1, ...
    std::string title;          // also the caption
    int width = 0, height = 0;  // client area, twips
    std::string closeCaption;
    int closeLeft = 0, closeTop = 0;
    std::string closeTip;
    int textLeft = 960;
    std::vector<std::string> paragraphs;
};

const HelpText& MainHelp();     // XP_frm, "Brisko Help"
const HelpText& ScannerHelp();  // XP_frm1
const HelpText& ExtensHelp();   // XP_frm2
const HelpText& CookiesHelp();  // XP_frm3

class HelpDialog : public controls::Form {
  public:
    // `kept`: closing hides the dialog instead of unloading it, and its unload unloads every
    // window of the program.
    HelpDialog(const HelpText& text, controls::ProgramWindows& windows, bool kept = false);

    std::array<controls::Label, 3> Label{controls::Label{"Label1"}, controls::Label{"Label2"},
                                         controls::Label{"Label3"}};
    controls::PushButton chameleonButton1{"chameleonButton1"};

    void close();

  protected:
    void unloading() override;

  private:
    controls::ProgramWindows& windows_;
    bool kept_;
    bool unloadingAll_ = false;
};

}  // namespace brisko::app
