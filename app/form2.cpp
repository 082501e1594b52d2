#include "app/form2.h"

#include "app/layout.h"
#include "app/texts.h"
#include "cleaner/numbers.h"

namespace brisko::app {

Form2::Form2(platform::Services& services)
    : controls::Form("Form2", "Disclaimer"), services_(services) {
    widgets = {&imgTop, &imgLeft, &imgRight, &imgBottom, &Frame1,
               &Label1, &chkDisc, &Command2, &Command1};
    Frame1.setCaption("Brisko Disclaimer ... Please Read First");
    Label1.setCaption(kDisclaimerText);
    chkDisc.setCaption("I Accept and don't show me this message again");
    Command2.setCaption("I &Do Not Accept");
    Command1.setCaption("I &Accept");

    chkDisc.onClick = [this] { storeChoice(); };
    Command1.onClick = [this] {
        storeChoice();
        unload();
    };
    Command2.onClick = [this] {
        // Declining leaves nothing of the program behind.
        services_.settings.deleteApp(kAppTitle);
        services_.desktop.endProgram();
    };
    chkDisc.onMouseMove = [this] { chkDisc.setForeColor(kHoverRed); };
    onMouseMove = [this] { chkDisc.setForeColor(kTextBlue); };
    // Closing the window by the system counts as neither answer: it closes like accepting.
    onSystemClose = [this] { Command1.click(); };
    LayOutForm2(*this);
}

void Form2::load() {
    chkDisc.setForeColor(kTextBlue);
    const auto stored = cleaner::WholeNumber(
        services_.settings.get(kAppTitle, cleaner::kPresets, "Disclaimer", "0"));
    chkDisc.setValue(stored == 1 ? 1 : 0);
}

void Form2::storeChoice() {
    services_.settings.save(kAppTitle, cleaner::kPresets, "Disclaimer",
                            std::to_string(chkDisc.value()));
}

}  // namespace brisko::app
