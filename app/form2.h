#pragma once
// The disclaimer window: accept to go on, decline to wipe the settings and end the program.
#include "controls/form.h"
#include "controls/widgets.h"
#include "platform/services.h"

namespace brisko::app {

inline constexpr const char* kDisclaimerText =
    "I have thoroughly tested this program and made every effort to insure it does not delete any "
    "important "
    "files or cause any harm to your System.  If it errs at all it would be on the side of safety "
    "and perhaps "
    "not delete something you want to clean.  However, Ordwyn can take no responsibility for your "
    "decision to "
    "use this program and any harm caused by it's use.  If you do not agree you should click 'I Do "
    "Not Accept' "
    "and uninstall the program.  No changes will be made to your System or Registry";

class Form2 : public controls::Form {
  public:
    explicit Form2(platform::Services& services);

    controls::Frame Frame1{"Frame1"};
    controls::Label Label1{"Label1", &Frame1};
    controls::CheckBox chkDisc{"chkDisc"};
    controls::PushButton Command2{"Command2"}, Command1{"Command1"};
    controls::Image imgTop{"imgTop"}, imgRight{"imgRight"}, imgBottom{"imgBottom"},
        imgLeft{"imgLeft"};

    static constexpr controls::Colour kTextBlue = controls::rgb(0, 0, 192);
    static constexpr controls::Colour kHoverRed = controls::rgb(255, 0, 0);

  protected:
    void load() override;

  private:
    void storeChoice();
    platform::Services services_;
};

}  // namespace brisko::app
