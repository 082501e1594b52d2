#include "filetypes/extens.h"

#include <cmath>

#include "controls/palette.h"
#include "controls/program_windows.h"
#include "filetypes/file2listbox.h"
#include "filetypes/prefix_search.h"
#include "filetypes/std_file_reader.h"

namespace brisko::filetypes {

namespace {

constexpr controls::Colour kInk = controls::rgb(0, 0, 255);
constexpr int kEnter = 13;

const char* const kFileAtoI = "ext11.vxl";
const char* const kFileJtoQ = "ext21.vxl";
const char* const kFileRtoZ = "ext31.vxl";

int extentPixels(const controls::Widget& list, int twipsPerPixel) {
    if (twipsPerPixel <= 0) twipsPerPixel = 15;
    return static_cast<int>(
        std::lround(static_cast<double>(list.rect.width) / twipsPerPixel * 2.0));
}

}  // namespace

Extens::Extens(platform::Services& services, controls::ProgramWindows& windows)
    : Form("Extens", "Extensions"),
      services_(services),
      windows_(windows),
      ownReader_(std::make_unique<StdFileReader>()),
      reader_(*ownReader_) {
    layOut();
}

Extens::Extens(platform::Services& services, controls::ProgramWindows& windows,
               platform::FileReader& reader)
    : Form("Extens", "Extensions"), services_(services), windows_(windows), reader_(reader) {
    layOut();
}

void Extens::layOut() {
    clientWidth = 8505;
    clientHeight = 4305;
    backColor = controls::kPaper;

    add(txtInput);  // first in the tab order
    add(Frame1);
    add(Option2);
    add(Option3);
    add(Option4);
    add(lblSearchInput);
    add(lstNames);
    add(lstDisplay);
    add(Label1);
    // The styled frame is the window's only dressing; it moves the window from any of its bars.
    XPDesign1.attach(*this);
    // Designed over the whole window, so that its buttons stand in place when the window is made.
    XPDesign1.place({0, 0, clientWidth, clientHeight});
    XPDesign1.Initialise(this);
    XPDesign1.icon(this);

    Frame1.rect = {240, 600, 6375, 855};
    Frame1.setCaption("Extensions");
    Option2.rect = {480, 360, 1575, 255};
    Option2.setCaption("A - I");
    Option3.rect = {2520, 360, 1575, 255};
    Option3.setCaption("J - Q");
    Option4.rect = {4560, 360, 1575, 255};
    Option4.setCaption("R - Z");
    Option2.group = Option3.group = Option4.group = {&Option2, &Option3, &Option4};
    Option2.setValue(true);
    // Wide enough for its caption on one line in the window's font; it ends where the list ends.
    lblSearchInput.rect = {6840, 720, 1455, 195};
    lblSearchInput.setCaption("Search Extensions");
    txtInput.rect = {6840, 960, 1335, 330};
    lstNames.rect = {240, 1600, 8055, 2190};
    lstDisplay.rect = lstNames.rect;
    lstDisplay.setVisible(false);
    lstDisplay.sharesPlaceWith = &lstNames;
    Label1.rect = {9000, 0, 1215, 195};
    Label1.setVisible(false);
    for (controls::Widget* w :
         {static_cast<controls::Widget*>(&txtInput), static_cast<controls::Widget*>(&lstNames),
          static_cast<controls::Widget*>(&lstDisplay)}) {
        w->backColor = controls::kPaper;
        w->foreColor = kInk;
    }
    for (controls::Widget* w :
         {static_cast<controls::Widget*>(&Frame1), static_cast<controls::Widget*>(&Option2),
          static_cast<controls::Widget*>(&Option3), static_cast<controls::Widget*>(&Option4),
          static_cast<controls::Widget*>(&lblSearchInput)})
        w->backColor = controls::kPaper;

    Option2.onClick = [this] {
        if (!resetting_) chooseCategory(kFileAtoI);
    };
    Option3.onClick = [this] {
        if (!resetting_) chooseCategory(kFileJtoQ);
    };
    Option4.onClick = [this] {
        if (!resetting_) chooseCategory(kFileRtoZ);
    };
    txtInput.onChange = [this] {
        if (!resetting_) search();
    };
    txtInput.onClick = [this] { clearSearch(); };
    txtInput.onKeyPress = [this](int code) {
        if (code == kEnter) clearSearch();
    };
    XPDesign1.onClose = [this] { unload(); };
    XPDesign1.onHelp = [this] {
        if (windows_.extensHelp) windows_.extensHelp->showModal(services_.desktop);
    };
    XPDesign1.onMinimise = [this] { minimise(); };
}

void Extens::loadCategory(const std::string& fileName) {
    File2ListBox(reader_, platform::ProgramFile(services_.processes, fileName), lstNames);
    const std::string count = std::to_string(lstNames.count());
    XPDesign1.setStexte(count + " of " + std::to_string(kTotalFileTypes) + " File Types");
    Label1.setCaption(count);
}

void Extens::load() {
    // Each opening starts from the design state: "A - I", empty search, the full list.
    resetting_ = true;
    txtInput.setText("");
    Option2.setValue(true);
    lstDisplay.clear();
    lstDisplay.setVisible(false);
    lstNames.setVisible(true);
    resetting_ = false;

    lstNames.setHorizontalExtent(extentPixels(lstNames, twipsPerPixelX));
    lstDisplay.setHorizontalExtent(extentPixels(lstDisplay, twipsPerPixelX));
    XPDesign1.place({0, 0, clientWidth, clientHeight});
    XPDesign1.setCaption("Extensions");
    txtInput.toolTip = "Enter the first letters...Click or press Enter to clear last search";
    lstDisplay.toolTip = "Displays search Results";
    lstNames.toolTip = "List of all extensions";
    txtInput.maxLength = 20;
    loadCategory(kFileAtoI);
}

void Extens::chooseCategory(const std::string& fileName) {
    lstDisplay.clear();
    lstNames.clear();
    txtInput.setText("");
    loadCategory(fileName);
    lstNames.setVisible(true);
    lstDisplay.setVisible(false);
    txtInput.setFocus();
}

void Extens::search() {
    // One update of the result list per keystroke, however many entries match. It is filled
    // before it shows, and shows before the full list hides, so the window repaints no more than
    // the list itself.
    lstDisplay.assign(PrefixMatches(lstNames.items(), txtInput.text()));
    lstDisplay.setVisible(true);
    lstNames.setVisible(false);
    txtInput.setFocus();
}

void Extens::clearSearch() {
    lstDisplay.setListIndex(-1);
    txtInput.setText("");
    lstNames.setVisible(true);
    lstDisplay.setVisible(false);
}

}  // namespace brisko::filetypes
