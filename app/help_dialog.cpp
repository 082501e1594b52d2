#include "app/help_dialog.h"

#include <algorithm>

#include "controls/palette.h"

namespace brisko::app {

namespace {

constexpr controls::Colour kHelpInk = controls::rgb(0, 0, 255);
constexpr int kButtonWidth = 1095, kButtonHeight = 375;
// The texts start below the title strip (435 twips high).
constexpr int kTextTop = 555, kTextGap = 120;
// Each text wraps within its label: a line is 240 twips high and holds a character for about
// every 80 twips of the label's width in the window's font.
constexpr int kLineTwips = 240;
constexpr int kCharTwips = 80;

}  // namespace

const HelpText& MainHelp() {
    static const HelpText text{
        "XP_frm",
        "Brisko Help",
        7425,
        5430,
        "&Close",
        3165,
        4920,
        "",
        960,
        {"Brisko has been designed for even the novice to easily use.  Once you make your "
         "selections they will be remembered so the next time you open the program it will "
         "automatically show the total wasted space.",
         "Use the 'Windows' and 'Programs' buttons to make your selections.  The 'Brisko' button "
         "puts the program in action to quickly wipe out unneeded files.  The 'About' button has "
         "a feature that keeps the totals of space saved from session to session.  The 'Scan "
         "Drive' button opens a Window where you can scan your entire computer for unnecessary "
         "file types.  There's a handy Look Up feature with definitions of over 3,100 file "
         "types.  ",
         "IE users have the option to select which Cookies to keep while Netscape users can "
         "delete all of them.  You can remove all traces of recently opened and saved files "
         "under the 'Programs' Window."}};
    return text;
}

const HelpText& ScannerHelp() {
    static const HelpText text{
        "XP_frm1",
        "Scanner Help",
        7815,
        4320,
        "Close",
        3360,
        3840,
        "",
        960,
        {"Choose which hard drive to clean if you have more than one, Choose filters to use or "
         "enter your own and click the Search button.  I will take a few minutes to scan the "
         "drive.  Uncheck any you want to keep and select deletion method, permanent or to the "
         "Recycle Bin.  The Recycle Bin option takes a little longer than permanent deletion.  ",
         "If you click the 'Advanced' button, then the 'Look Up' button you will see the "
         "definitions for over 3,100 file types so you'll know what your deleting.",
         "Never enter a filter using the format  *.*   The * is a wild card and this will list "
         "every file on your system."}};
    return text;
}

const HelpText& ExtensHelp() {
    static const HelpText text{
        "XP_frm2",
        "Extensions Help",
        5760,
        2655,
        "&Close",
        2333,
        2160,
        "Close Me",
        960,
        {"Select the alphabetical category the extension would fall into, scroll down the list "
         "or type the first few letters in the 'Search Extensions' box.  Click the box or press "
         "Enter to clear the search."}};
    return text;
}

const HelpText& CookiesHelp() {
    static const HelpText text{
        "XP_frm3",
        "Cookies Help",
        5760,
        2370,
        "&Close",
        2333,
        1800,
        "",
        1080,
        {"All Cookies with checks will be deleted.  To keep those you want remove the checks "
         "from them before clicking \"Delete Selected\""}};
    return text;
}

HelpDialog::HelpDialog(const HelpText& text, controls::ProgramWindows& windows, bool kept)
    : Form(text.name, text.title), windows_(windows), kept_(kept) {
    clientWidth = text.width;
    clientHeight = text.height;
    backColor = controls::kPaper;
    skin = controls::HelpDialogSkin(kept);

    const int width = text.width - text.textLeft - 360;
    const int charsPerLine = std::max(1, width / kCharTwips);
    int top = kTextTop;
    for (std::size_t i = 0; i < Label.size(); ++i) {
        controls::Label& label = Label[i];
        add(label);
        label.foreColor = kHelpInk;
        label.backColor = controls::kPaper;
        if (i >= text.paragraphs.size()) {
            label.setVisible(false);
            continue;
        }
        const std::string& paragraph = text.paragraphs[i];
        const int lines = static_cast<int>(paragraph.size()) / charsPerLine + 1;
        label.rect = {text.textLeft, top, width, lines * kLineTwips};
        label.setCaption(paragraph);
        top += label.rect.height + kTextGap;
    }
    add(chameleonButton1);
    chameleonButton1.rect = {text.closeLeft, text.closeTop, kButtonWidth, kButtonHeight};
    chameleonButton1.foreColor = controls::kBlue;
    chameleonButton1.setCaption(text.closeCaption);
    chameleonButton1.toolTip = text.closeTip;
    chameleonButton1.onClick = [this] { close(); };
    onSystemClose = [this] { close(); };
}

void HelpDialog::close() {
    if (kept_) {
        skin.reset({.close = true});
        hide();
    } else
        unload();
}

void HelpDialog::unloading() {
    // The main help's unload takes the whole program with it; the others only go themselves.
    if (!kept_ || unloadingAll_) return;
    unloadingAll_ = true;
    windows_.unloadAll();
    unloadingAll_ = false;
}

}  // namespace brisko::app
