#pragma once
// Turns the window models into real windows: one top-level window per form, one child control
// per widget, kept in step with the models both ways, and the program's message loop.
//
// Modal windows: a form shown with Form::showModal reports modal() while visible; when such a
// form is shown, the binding disables every other window of the program, and enables them again
// when it is hidden or closed. The nested loop that waits for it is the desktop's runUntil.
#include <windows.h>

#include <memory>
#include <vector>

#include "controls/form.h"
#include "platform/services.h"
#include "views/view_form.h"

namespace brisko::views {

class Binding {
  public:
    Binding(HINSTANCE instance, platform::Services& services);
    ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    // Installs the form's view hooks (and those of its widgets and timers).
    void attach(controls::Form& form);
    // Runs the message loop until the program's last window has closed.
    int run();

    // Used by the window procedure.
    void formChanged(FormView& form, controls::FormChange change);
    void formClosed(FormView& form);

  private:
    void create(FormView& form);
    void destroy(FormView& form);
    void beginModal(FormView& form);
    void endModal(FormView& form);
    void makeFonts(FormView& form);
    void applyTimer(FormView& form, controls::Timer& timer);
    bool dialogMessage(MSG& msg);

    HINSTANCE instance_;
    platform::Services& services_;
    std::vector<std::unique_ptr<FormView>> forms_;
};

}  // namespace brisko::views
