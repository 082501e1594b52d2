// Frames: group boxes that hold controls of their own. Their empty area shows the window's
// surface, and they pass their controls' messages on to the window, where the views are.
#include <windows.h>
#include <uxtheme.h>

#include "views/view_kind.h"
#include "views/view_skin.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

class FrameKind final : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override {
        return CreateChild(c, parent, bounds, WC_BUTTONW, Wide(c.widget->caption()),
                           BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    }
    void initialise(ControlView& c) const override {
        SetWindowTheme(c.hwnd, L"", L"");  // so that its caption takes the window's colours
    }
    std::optional<LRESULT> message(ControlView& c, const ControlMessage& m) const override {
        FormView& f = *c.form;
        switch (m.msg) {
            case WM_NCHITTEST:
                return HTCLIENT;  // so its empty area reports mouse moves of its own
            case WM_ERASEBKGND:
                PaintSurface(f, reinterpret_cast<HDC>(m.wparam), OriginInForm(f, m.hwnd));
                return 1;
            case WM_COMMAND:
            case WM_NOTIFY:
            case WM_DRAWITEM:
            case WM_MEASUREITEM:
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
                return f.hwnd ? SendMessageW(f.hwnd, m.msg, m.wparam, m.lparam) : 0;
        }
        return std::nullopt;
    }
};

}  // namespace

const ControlKindView& FrameView() {
    static const FrameKind view;
    return view;
}

}  // namespace brisko::views
