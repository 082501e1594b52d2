// Combo boxes: drop-down lists whose entries and choice follow the model.
#include <windows.h>

#include <string>

#include "views/view_kind.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

constexpr int kDropDownTwips = 2400;  // the height of the open list

controls::ComboBox& ComboOf(ControlView& c) {
    return As<controls::ComboBox>(*c.widget);
}

void FillComboBox(ControlView& c) {
    const auto& combo = ComboOf(c);
    SendMessageW(c.hwnd, CB_RESETCONTENT, 0, 0);
    for (const std::string& s : combo.items)
        SendMessageW(c.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(s).c_str()));
    SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo.listIndex()), 0);
}

void SelectComboText(ControlView& c) {
    const LRESULT i = SendMessageW(c.hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(Wide(ComboOf(c).text()).c_str()));
    SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

class ComboBoxKind final : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override {
        // A drop-down combo box's window height is that of its open list.
        bounds.bottom += c.form->px(kDropDownTwips);
        return CreateChild(c, parent, bounds, WC_COMBOBOXW, Wide(c.widget->caption()),
                           WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL);
    }
    void initialise(ControlView& c) const override { FillComboBox(c); }
    void place(ControlView& c, RECT bounds) const override {
        MoveControl(c.hwnd, bounds, /*keepHeight=*/true);
    }
    void apply(ControlView& c, controls::Change change, int index) const override {
        const auto& combo = ComboOf(c);
        switch (change) {
            case controls::Change::Text:
                SelectComboText(c);
                break;
            case controls::Change::Items:
                FillComboBox(c);
                break;
            case controls::Change::ItemAdded:
                if (index >= 0 && index < static_cast<int>(combo.items.size()))
                    SendMessageW(c.hwnd, CB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(
                                     Wide(combo.items[static_cast<size_t>(index)]).c_str()));
                break;
            case controls::Change::Selection:
                SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
                break;
            default:
                ControlKindView::apply(c, change, index);
                break;
        }
    }
    void command(ControlView& c, UINT code) const override {
        if (code == CBN_SELCHANGE)
            ComboOf(c).setListIndex(static_cast<int>(SendMessageW(c.hwnd, CB_GETCURSEL, 0, 0)));
    }
    ControlColours colours(const ControlView& c) const override { return FieldColours(*c.widget); }
};

}  // namespace

const ControlKindView& ComboBoxView() {
    static const ComboBoxKind view;
    return view;
}

}  // namespace brisko::views
