#pragma once
// The file-type lookup window: one category of the file-type database at a time, narrowed by
// the first letters of an extension.
#include <memory>
#include <string>

#include "controls/form.h"
#include "controls/widgets.h"
#include "controls/xp_design.h"
#include "platform/files_read.h"
#include "platform/services.h"

namespace brisko::controls {
struct ProgramWindows;
}

namespace brisko::filetypes {

constexpr int kTotalFileTypes = 3183;

class Extens : public controls::Form {
  public:
    // Reads the database with the standard library's file streams.
    Extens(platform::Services& services, controls::ProgramWindows& windows);
    // Reads the database through `reader` (exact UTF-8 paths on Windows).
    Extens(platform::Services& services, controls::ProgramWindows& windows,
           platform::FileReader& reader);

    controls::XPDesign XPDesign1{"XPDesign1"};
    controls::Frame Frame1{"Frame1"};
    controls::OptionButton Option2{"Option2", &Frame1}, Option3{"Option3", &Frame1},
        Option4{"Option4", &Frame1};
    controls::Label lblSearchInput{"lblSearchInput"};
    controls::TextBox txtInput{"txtInput"};
    controls::ListBox lstNames{"lstNames"}, lstDisplay{"lstDisplay"};
    // The loaded file's entry count, kept outside the client area.
    controls::Label Label1{"Label1"};

    void chooseCategory(const std::string& fileName);
    void search();
    void clearSearch();
    void minimise() { setState(controls::WindowState::Minimized); }

  protected:
    void load() override;

  private:
    void layOut();
    void loadCategory(const std::string& fileName);

    platform::Services services_;
    controls::ProgramWindows& windows_;
    std::unique_ptr<platform::FileReader> ownReader_;
    bool resetting_ = false;
    platform::FileReader& reader_;
};

}  // namespace brisko::filetypes
