// Check boxes and option buttons: standard auto check boxes and radio buttons, so that keyboards,
// screen readers and test drivers can read and press them; the model decides the final state.
#include <windows.h>
#include <uxtheme.h>

#include "views/view_kind.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

// Without a visual style, the button takes the colours of WM_CTLCOLORSTATIC.
void Unthemed(HWND h) {
    SetWindowTheme(h, L"", L"");
}

// What check boxes and option buttons share: a BUTTON of the given style, unthemed, showing its
// model's value, which `Model` gives as 0 or 1 (or false / true).
template <class Model, DWORD Style>
class ToggleKind : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override {
        return CreateChild(c, parent, bounds, WC_BUTTONW, Wide(c.widget->caption()),
                           WS_TABSTOP | Style);
    }
    void initialise(ControlView& c) const override {
        Unthemed(c.hwnd);
        show(c);
    }
    void apply(ControlView& c, controls::Change change, int index) const override {
        if (change == controls::Change::Value)
            show(c);
        else
            ControlKindView::apply(c, change, index);
    }

  protected:
    static void show(ControlView& c) {
        SendMessageW(c.hwnd, BM_SETCHECK, CheckState(As<Model>(*c.widget).value()), 0);
    }
};

class CheckBoxKind final : public ToggleKind<controls::CheckBox, BS_AUTOCHECKBOX> {
  public:
    void command(ControlView& c, UINT code) const override {
        if (code != BN_CLICKED) return;
        auto& box = As<controls::CheckBox>(*c.widget);
        box.setValue(SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        // The box's handling may have set another value (or refused the click).
        if (c.hwnd) {
            SyncGuard guard(*c.form);
            show(c);
        }
    }
};

class OptionButtonKind final : public ToggleKind<controls::OptionButton, BS_AUTORADIOBUTTON> {
  public:
    void command(ControlView& c, UINT code) const override {
        if (code != BN_CLICKED) return;
        FormView& f = *c.form;
        As<controls::OptionButton>(*c.widget).setValue(true);
        // Selecting one option clears the others of its group in the model; every option
        // button of the window shows its model again.
        SyncGuard guard(f);
        for (auto& other : f.controls)
            if (other->hwnd && other->widget->kind() == controls::Kind::OptionButton) show(*other);
    }
};

}  // namespace

const ControlKindView& CheckBoxView() {
    static const CheckBoxKind view;
    return view;
}

const ControlKindView& OptionButtonView() {
    static const OptionButtonKind view;
    return view;
}

}  // namespace brisko::views
