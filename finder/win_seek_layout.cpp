// Where the finder's controls sit, in twips: the drive row on top, the found list on the left
// with the search lines below it, the three panels on the right, the buttons at the bottom.
#include "controls/palette.h"
#include "finder/junk_filters.h"
#include "finder/win_seek.h"

namespace brisko::finder {

namespace {

using controls::Rect;

constexpr int kWidth = 9600;
constexpr int kHeight = 6660;  // the top 435 twips are the drawn title strip

constexpr Rect kList{240, 1080, 5880, 3540};
constexpr Rect kPanel{6300, 1000, 3060, 4120};
constexpr int kLineHeight = 255;
constexpr int kRow = 300;
constexpr int kFilterRow = 285;  // eleven boxes and a button inside the panel's frame
constexpr int kButtonHeight = 375;
constexpr int kButtonTop = 5340;

void place(controls::Widget& w, Rect r, controls::Colour fore = controls::kDefaultColour,
           bool bold = false) {
    w.rect = r;
    w.foreColor = fore;
    w.bold = bold;
}

}  // namespace

void WinSeek::layOut() {
    clientWidth = kWidth;
    clientHeight = kHeight;
    backColor = controls::kPaper;
    skin = controls::FinderSkin();

    // Panels before what they hold, then the rest in tab order.
    for (controls::Widget* w : std::initializer_list<controls::Widget*>{
             &Label9,   &Filters,       &Custom,        &Frame2,      &Combo1,
             &Text1,    &lstFoundFiles, &chkGID,        &chkTMP,      &chkBAK,
             &chkBAK2,  &chkSYD,        &chkOLD,        &chkCHK,      &chkFTS,
             &chkDIZ,   &chkFTG,        &chkSelectAll,  &cmdAdvanced, &txtCustom,
             &Command1, &Command2,      &Animation1,    &lblDots,     &cmdSearch,
             &Check1,   &optDelete,     &optRecycle,    &cmdDelete,   &chameleonButton1,
             &cmdExit,  &Label2,        &Message,       &Label7,      &Label1,
             &Label8,   &Label10,       &txtSearchSpec, &txtSize,     &Text2,
             &lblCount, &Label3,        &List1})
        widgets.push_back(w);
    timers.push_back(&tmrDots);

    place(Label9, {480, 105, 3600, 240}, controls::kWhite, true);
    Label9.setCaption("Brisko Scanner");

    // The drive row.
    place(Combo1, {240, 560, 1200, 315});
    Combo1.toolTip = "Select Drive";
    Combo1.setText("C:\\");
    place(Text1, {1560, 560, 7800, 315}, controls::kNavy);

    // The found list and the search lines under it.
    place(lstFoundFiles, kList, controls::kBlue);
    lstFoundFiles.checkBoxes = true;
    lstFoundFiles.backColor = controls::kPaper;
    const int below = kList.top + kList.height + 90;
    place(Label2, {240, below, kList.width, kLineHeight}, controls::kNavy);
    place(Message, {240, below, kList.width, kLineHeight}, controls::kDarkRed, true);
    place(Label7, {240, below, kList.width, kLineHeight}, controls::kGrey);
    place(Label1, {240, below + kRow, kList.width, kLineHeight}, controls::kGrey);
    place(Label8, {240, below + kRow, kList.width, kLineHeight}, controls::kDarkRed, true);
    Label2.setCaption("Searching ... This can take several minutes.  Files found so far 0");
    Label7.setCaption("Select File Filters and Drive.");
    Label8.setCaption("Getting Totals ....");
    for (controls::Widget* w : std::initializer_list<controls::Widget*>{&Label1, &Label2, &Label8,
                                                                        &Message, &Frame2, &Custom})
        w->setVisible(false);

    // The filters panel: one box a row, then select-all and the way to the custom filters.
    for (controls::Frame* panel : {&Filters, &Custom, &Frame2})
        place(*panel, kPanel, controls::kNavy, true);
    Filters.setCaption("Filters");
    Custom.setCaption("Custom Filters");
    Frame2.setCaption("Scan Directories");
    int row = 270;
    for (const JunkFilter& filter : JunkFilters()) {
        controls::CheckBox& box = *filterBox(filter.box);
        place(box, {240, row, 2580, kLineHeight}, controls::kNavy);
        box.setCaption(std::string(filter.pattern));
        row += kFilterRow;
    }
    place(chkSelectAll, {240, row + 60, 2580, kLineHeight}, controls::kNavy, true);
    chkSelectAll.setCaption("Select All");
    place(cmdAdvanced, {240, row + 420, 2580, kButtonHeight}, controls::kBlue);
    cmdAdvanced.setCaption("&Advanced");
    cmdAdvanced.toolTip = "Add your own filters";

    // The custom panel.
    place(txtCustom, {240, 420, 2580, 315});
    place(Command1, {240, 900, 1230, kButtonHeight}, controls::kBlue);
    Command1.setCaption("&Save");
    Command1.toolTip = "Save or Cancel";
    place(Command2, {1590, 900, 1230, kButtonHeight}, controls::kBlue);
    Command2.setCaption("Re&move");
    Command2.toolTip = "Remove custom filters";

    // The scan display.
    place(Animation1, {240, 420, 2580, 1500});
    Animation1.setVisible(false);
    place(lblDots, {240, 2100, 2580, kLineHeight}, controls::kDarkRed, true);
    lblDots.setCaption("Scanning ");

    // The bottom row.
    // Buttons of 1200 twips and the captions of the boxes between them in full ("&Recycle Bin"
    // needs 1380 with its circle), up to the right edge of the list's row.
    place(cmdSearch, {240, kButtonTop, 1200, kButtonHeight}, controls::kBlue, true);
    cmdSearch.setCaption("&Search");
    cmdSearch.toolTip = "Scan for junk files";
    place(cmdDelete, {1560, kButtonTop, 1200, kButtonHeight}, controls::kBlue);
    cmdDelete.setCaption("&Delete ");
    cmdDelete.toolTip = "Delete selected files";
    cmdDelete.setEnabled(false);
    place(Check1, {2940, kButtonTop + 60, 1260, kLineHeight}, controls::kNavy);
    Check1.setCaption("&Select All");
    place(optDelete, {4320, kButtonTop + 60, 900, kLineHeight}, controls::kNavy);
    optDelete.setCaption("&Delete");
    place(optRecycle, {5280, kButtonTop + 60, 1380, kLineHeight}, controls::kNavy);
    optRecycle.setCaption("&Recycle Bin");
    optDelete.group = optRecycle.group = {&optDelete, &optRecycle};
    place(chameleonButton1, {6840, kButtonTop, 1200, kButtonHeight}, controls::kBlue);
    chameleonButton1.setCaption("&Look Up");
    chameleonButton1.toolTip = "Look up File Type Definitions";
    place(cmdExit, {8160, kButtonTop, 1200, kButtonHeight}, controls::kBlue);
    cmdExit.setCaption("E&xit");
    cmdExit.toolTip = "Close me";

    place(Label10, {240, kButtonTop + kButtonHeight + 180, 9120, 480}, controls::kBlue);

    // State values, below the visible area.
    int hiddenTop = kHeight + 600;
    for (controls::Widget* w : std::initializer_list<controls::Widget*>{
             &txtSearchSpec, &txtSize, &Text2, &lblCount, &Label3, &List1}) {
        w->rect = {240, hiddenTop, 2400, kLineHeight};
        w->setVisible(false);
        hiddenTop += kRow;
    }
    lblCount.setCaption("0");
}

}  // namespace brisko::finder
