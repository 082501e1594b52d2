#pragma once
// The cookie keeper: lists the current user's cookie files, all checked, each with its site where
// the file's name tells none; the unchecked ones are kept, the checked ones deleted.
#include <string>
#include <vector>

#include "controls/form.h"
#include "controls/widgets.h"
#include "platform/services.h"

namespace brisko::controls {
struct ProgramWindows;
}

namespace brisko::cookies {

class FrmCookies : public controls::Form {
  public:
    FrmCookies(platform::Services& services, controls::ProgramWindows& windows);

    controls::ListBox List1{"List1"};
    controls::Label Label1{"Label1"}, Label2{"Label2"};
    controls::CheckBox Check1{"Check1"};
    controls::PushButton cmdDelCookies{"cmdDelCookies"}, cmdExt{"cmdExt"};
    // Below the visible area: clicked from code only.
    controls::PushButton cmdSrch{"cmdSrch"};
    controls::Timer Timer1{"Timer1", 500};

    // The files that the list shows, entry for entry.
    const std::vector<platform::FoundFile>& foundFiles() const { return found_; }

    void ShowFolderList();
    void selectToggle();
    void deleteSelected();
    void exit();
    void minimise() { setState(controls::WindowState::Minimized); }

  protected:
    void load() override;

  private:
    void layOut();
    void listCookieFiles(const std::string& folder);
    void listUserCookies(const std::string& folder);
    std::string entryText(const std::string& path);
    bool folderExists(const std::string& path);
    void showCount();

    platform::Services services_;
    controls::ProgramWindows& windows_;
    // The files listed in List1, entry for entry: path and identity, so that a deletion takes
    // the very file listed or none.
    std::vector<platform::FoundFile> found_;
};

}  // namespace brisko::cookies
