// What the finder's description label says about the element under the mouse.
#include "finder/junk_filters.h"
#include "finder/win_seek.h"

namespace brisko::finder {

namespace {

constexpr const char* kDefault = "Move your mouse cursor over each item for a brief description.";

}  // namespace

void WinSeek::wireDescriptions() {
    Label10.setCaption(kDefault);
    auto describe = [this](controls::Widget& w, std::string text) {
        w.onMouseMove = [this, text = std::move(text)] { Label10.setCaption(text); };
    };
    for (const JunkFilter& filter : JunkFilters())
        describe(*filterBox(filter.box), std::string(filter.description));
    describe(chkSelectAll, "Select all filters or none (none allows you to select one at a time)");
    describe(Filters,
             "All these file extensions can be safely deleted.  Click the Advanced button to enter "
             "your own file extensions");
    describe(Custom,
             "Add your own filters in the format: *.tmp.  Separate multiple filters with a "
             "semicolon  ;\r\nNo semicolon before the first filter or after the last, only in "
             "between filters with No Spaces.");
    describe(cmdAdvanced, "For Advanced Users  -  Add your own custom filters");
    describe(Command1, "Save and use these filters");
    describe(Command2, "Remove custom filters");
    describe(Text1,
             "Volume Name   -   Total Size   -   Space Used   -   Space Available   -   File "
             "Storage System Type");
    describe(lstFoundFiles, "List of junk files to select from");
    describe(Check1, "Select all files or none (none allows you to select one at a time)");
    describe(optDelete, "Deletes files permanently from your Computer.");
    describe(optRecycle,
             "Sending files to the Recycle Bin allows you to restore one or all of them if you "
             "need to.  Takes a little longer than deleting.");
    describe(cmdSearch, "Search selected drive for junk files");
    describe(cmdDelete, "Delete all selected files with checks");
    describe(cmdExit, "Close this Window and go back to main Window");
    // The window's own surface and the label itself put the default text back.
    onMouseMove = [this] { Label10.setCaption(kDefault); };
    Label10.onMouseMove = onMouseMove;
}

}  // namespace brisko::finder
