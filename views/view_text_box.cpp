// Text boxes: standard EDIT controls. The model has the last word on the text (its length
// limit), and a single-line box keeps Enter for its model's key handling. The box is written only
// where its text differs from the model's: what the user typed stays as typed, caret included,
// also while half of a character beyond U+FFFF has arrived and the other half has not.
#include <windows.h>

#include <string>

#include "views/view_kind.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

class TextBoxKind final : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override {
        const auto& box = As<controls::TextBox>(*c.widget);
        DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
        if (box.multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_WANTRETURN;
        return CreateChild(c, parent, bounds, WC_EDITW, Wide(box.text()), style, WS_EX_CLIENTEDGE);
    }
    void initialise(ControlView& c) const override { limit(c); }
    void place(ControlView& c, RECT bounds) const override {
        ControlKindView::place(c, bounds);
        limit(c);
    }
    void apply(ControlView& c, controls::Change change, int) const override {
        switch (change) {
            case controls::Change::Caption:  // a text box shows its text, not a caption
                InvalidateRect(c.hwnd, nullptr, TRUE);
                break;
            case controls::Change::Text:
                showModelText(c);
                break;
            default:
                break;
        }
    }
    void command(ControlView& c, UINT code) const override {
        if (code != EN_CHANGE) return;
        As<controls::TextBox>(*c.widget).typed(Units(WindowText(c.hwnd)));
        // The model's handlers may have destroyed the box, or changed or refused the text.
        if (!c.hwnd) return;
        SyncGuard guard(*c.form);
        showModelText(c);
    }
    std::optional<LRESULT> message(ControlView& c, const ControlMessage& m) const override {
        auto& box = As<controls::TextBox>(*c.widget);
        switch (m.msg) {
            case WM_GETDLGCODE: {
                LRESULT code = m.original();
                const auto* msg = reinterpret_cast<const MSG*>(m.lparam);
                if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
                    code |= DLGC_WANTALLKEYS;
                return code;
            }
            case WM_CHAR:
                if (box.onKeyPress) box.onKeyPress(static_cast<int>(m.wparam));
                if (m.wparam == VK_RETURN && !box.multiLine) return 0;
                return m.passOn();
            case WM_LBUTTONUP: {
                const LRESULT r = m.original();
                if (box.onClick) box.onClick();
                return r;
            }
        }
        return std::nullopt;
    }
    ControlColours colours(const ControlView& c) const override { return FieldColours(*c.widget); }

  private:
    static void showModelText(ControlView& c) {
        const auto& box = As<controls::TextBox>(*c.widget);
        if (!box.shownBy(Units(WindowText(c.hwnd))))
            SetWindowTextW(c.hwnd, Wide(box.text()).c_str());
    }
    static void limit(ControlView& c) {
        const int chars = As<controls::TextBox>(*c.widget).maxLength;
        SendMessageW(c.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(chars > 0 ? chars : 0), 0);
    }
};

}  // namespace

const ControlKindView& TextBoxView() {
    static const TextBoxKind view;
    return view;
}

}  // namespace brisko::views
