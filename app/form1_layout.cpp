// Where the main window's controls sit. Everything is in twips: the binding converts with the
// screen's real resolution, so the window keeps its proportions on any display.
#include "app/form1.h"
#include "app/layout.h"
#include "controls/palette.h"

namespace brisko::app {

namespace {

using controls::Colour;
using controls::Rect;

using controls::kBlue;
using controls::kDarkRed;
using controls::kGrey;
using controls::kNavy;
using controls::kWhite;

// Client area; the top 435 twips are the drawn title strip.
constexpr int kWidth = 7920;
constexpr int kHeight = 5520;

// The panels all sit in one place; only one is visible at a time.
constexpr Rect kPanel{1920, 600, 5760, 4380};

// Rows and columns inside a panel.
constexpr int kRow = 300;
constexpr int kFirstRow = 360;
constexpr int kBoxHeight = 255;
constexpr int row(int i) {
    return kFirstRow + i * kRow;
}
constexpr int kSelectAllTop = 1680;
constexpr Rect kEstimate{240, 2340, 5280, 330};
constexpr Rect kDescription{240, 3480, 5280, 720};

void place(controls::Widget& w, Rect r, Colour fore = controls::kDefaultColour, bool bold = false) {
    w.rect = r;
    w.foreColor = fore;
    w.bold = bold;
}

void box(controls::CheckBox& b, int left, int top, int width) {
    place(b, {left, top, width, kBoxHeight}, kNavy);
}

}  // namespace

void LayOutForm1(Form1& f) {
    f.clientWidth = kWidth;
    f.clientHeight = kHeight;
    f.backColor = controls::kPaper;
    f.skin = controls::MainWindowSkin();

    place(f.lblCaption, {480, 105, 3600, 240}, kWhite, true);

    // The button column.
    constexpr int kButtonLeft = 240, kButtonWidth = 1500, kButtonHeight = 375;
    place(f.Command1, {kButtonLeft, kPanel.top + 120, kButtonWidth, kButtonHeight}, kBlue, true);
    place(f.Command3, {kButtonLeft, kPanel.top + 720, kButtonWidth, kButtonHeight}, kBlue);
    place(f.Command4, {kButtonLeft, kPanel.top + 1200, kButtonWidth, kButtonHeight}, kBlue);
    place(f.Command5, {kButtonLeft, kPanel.top + 1680, kButtonWidth, kButtonHeight}, kBlue);
    place(f.Animation1, {kButtonLeft, kPanel.top + 2280, kButtonWidth, 900});
    place(f.Label6, {kButtonLeft, kPanel.top + 3240, kButtonWidth, 450}, kDarkRed, true);
    place(f.Command2,
          {kButtonLeft, kPanel.top + kPanel.height - kButtonHeight, kButtonWidth, kButtonHeight},
          kBlue);

    // The status row under the panels.
    place(f.Label3, {240, kPanel.top + kPanel.height + 120, 4800, 240}, kGrey);
    place(f.Label7, {5160, kPanel.top + kPanel.height + 120, 2520, 240}, kDarkRed, true);

    for (controls::Frame* panel : {&f.Frame1, &f.Frame2, &f.Frame3})
        place(*panel, kPanel, kNavy, true);

    // Windows panel: two columns of track items, the select-all box, the estimate.
    constexpr int kLeftCol = 240, kRightCol = 2960, kLeftWidth = 2700, kRightWidth = 2760;
    box(f.chIECache, kLeftCol, row(0), kLeftWidth);
    box(f.chkCookies, kLeftCol, row(1), 1260);
    box(f.chkCookiesSel, 1560, row(1), 780);
    place(f.chameleonButton2, {2340, row(1) - 45, 600, 345}, kBlue);
    box(f.chkHistory, kLeftCol, row(2), kLeftWidth);
    box(f.chkUrls, kLeftCol, row(3), kLeftWidth);
    box(f.chkDocuments, kRightCol, row(0), kRightWidth);
    box(f.chkRunMenu, kRightCol, row(1), kRightWidth);
    box(f.chkTemp, kRightCol, row(2), kRightWidth);
    box(f.chkRecBin, kRightCol, row(3), kRightWidth);
    place(f.Check1, {kLeftCol, kSelectAllTop, 1500, kBoxHeight}, kNavy, true);
    place(f.chameleonButton1, {3960, kSelectAllTop - 60, 1560, 375}, kBlue);
    place(f.lblSize, kEstimate, kDarkRed, true);
    place(f.lblInfo, kDescription, kBlue);

    // Programs panel: Office, the small programs, the media player and Netscape.
    constexpr int kCol1 = 240, kCol2 = 2100, kCol3 = 3900, kColWidth = 1740;
    box(f.chkWord, kCol1, row(0), kColWidth);
    box(f.chkExcel, kCol1, row(1), kColWidth);
    box(f.chkAccess, kCol1, row(2), kColWidth);
    box(f.chkPowerPoint, kCol1, row(3), kColWidth);
    box(f.chkWzip1, kCol2, row(0), kColWidth);
    box(f.chkWzip2, kCol2, row(1), kColWidth);
    box(f.chkWordPad, kCol2, row(2), kColWidth);
    box(f.chkPbrush, kCol2, row(3), kColWidth);
    box(f.chkMediaPlayer, kCol3, row(0), kColWidth);
    box(f.NetScape1, kCol3, row(1), kColWidth);
    box(f.netscape2, kCol3, row(2), kColWidth);
    box(f.netscape3, kCol3, row(3), kColWidth);
    place(f.chkVb, {kCol1, kSelectAllTop, 1500, kBoxHeight}, kNavy, true);
    place(f.Label8, kEstimate, kDarkRed, true);
    place(f.Label4, kDescription, kBlue);

    // About panel.
    place(f.Label2, {240, 360, 5280, 300}, kDarkRed, true);
    place(f.Image1, {240, 840, 720, 720});
    place(f.Label9, {1140, 840, 4380, 720}, kNavy);
    place(f.Label10, {1140, 1680, 4380, 480}, kNavy);
    place(f.Command6, {1140, 2460, 2040, 375}, kBlue);
    place(f.Command7, {3300, 2460, 2220, 375}, kBlue);
    place(f.Label5, kDescription, kBlue);

    // State values, below the visible area.
    int hiddenTop = kHeight + 600;
    for (controls::Widget* w : std::initializer_list<controls::Widget*>{
             &f.chkMenu, &f.chkFav, &f.Check2, &f.lblWin, &f.lblDrv, &f.Winder, &f.DrvLetter,
             &f.lblTotSav, &f.Label1}) {
        w->rect = {240, hiddenTop, 2400, kBoxHeight};
        hiddenTop += kRow;
    }
}

}  // namespace brisko::app
