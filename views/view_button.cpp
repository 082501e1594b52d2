#include "views/view_button.h"

#include <string>

#include "views/gdi.h"
#include "views/gdi_canvas.h"
#include "views/view_kind.h"
#include "views/view_text.h"

namespace brisko::views {

HWND make_push_button(controls::PushButton& button, HWND parent, int id, RECT b,
                      HINSTANCE instance) {
    DWORD style = WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW;
    if (button.visible()) style |= WS_VISIBLE;
    if (!button.enabled()) style |= WS_DISABLED;
    HWND hwnd =
        CreateWindowExW(0, L"BUTTON", Wide(button.caption()).c_str(), style, b.left, b.top,
                        b.right - b.left, b.bottom - b.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (hwnd) ShapePushButton(button, hwnd);
    return hwnd;
}

void ShapePushButton(controls::PushButton& button, HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    auto& look = button.look();
    look.resize(r.right, r.bottom);
    const controls::Outline& outline = look.outline();
    if (outline.width == 0 || outline.height == 0) return;
    GdiObject region(CreateRectRgn(0, 0, outline.width, outline.height));
    if (!region) return;
    const auto rgn = static_cast<HRGN>(region.get());
    for (controls::Point p : outline.cuts) {
        GdiObject pixel(CreateRectRgn(p.x, p.y, p.x + 1, p.y + 1));
        if (pixel) CombineRgn(rgn, rgn, static_cast<HRGN>(pixel.get()), RGN_DIFF);
    }
    // The window owns the region once it has taken it.
    if (SetWindowRgn(hwnd, rgn, TRUE)) region.release();
}

void DrawPushButton(controls::PushButton& button, const DRAWITEMSTRUCT& item) {
    const int W = item.rcItem.right - item.rcItem.left, H = item.rcItem.bottom - item.rcItem.top;
    if (W <= 0 || H <= 0) return;
    auto& look = button.look();
    if (look.width() != W || look.height() != H) look.resize(W, H);
    // The platform's button tracks the press, the space bar and the focus; the look follows.
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    if (look.focused() != focused) look.setFocused(focused);
    look.showPressed((item.itemState & ODS_SELECTED) != 0);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    DrawBuffered(item.hDC, W, H, [&](HDC dc) {
        SelectedObject selectedFont(dc, font);
        GdiCanvas canvas(dc);
        look.draw(canvas);
    });
}

namespace {

// The view of the push button kind: a real BUTTON, drawn by its model.
class PushButtonKind final : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override {
        return make_push_button(As<controls::PushButton>(*c.widget), parent, c.id, bounds,
                                c.form->instance);
    }
    void initialise(ControlView& c) const override {
        const HWND hwnd = c.hwnd, form = c.form->hwnd;
        As<controls::PushButton>(*c.widget).look().onMoveFocus = [hwnd, form](int direction) {
            if (HWND next = GetNextDlgTabItem(form, hwnd, direction < 0)) SetFocus(next);
        };
    }
    void place(ControlView& c, RECT bounds) const override {
        if (MoveControl(c.hwnd, bounds))
            ShapePushButton(As<controls::PushButton>(*c.widget), c.hwnd);
    }
    void command(ControlView& c, UINT code) const override {
        if (code == BN_CLICKED) As<controls::PushButton>(*c.widget).look().platformClick();
    }
    std::optional<LRESULT> message(ControlView& c, const ControlMessage& m) const override {
        auto& look = As<controls::PushButton>(*c.widget).look();
        const int x = static_cast<short>(LOWORD(m.lparam)),
                  y = static_cast<short>(HIWORD(m.lparam));
        switch (m.msg) {
            case WM_LBUTTONDOWN:
                look.mouseDown(controls::MouseButton::Left, 0, x, y);
                return std::nullopt;
            case WM_LBUTTONDBLCLK:
                // The second press of a double click shows as a press but clicks nothing; an
                // owner-drawn BUTTON would neither show it nor track it.
                look.doubleClick();
                return DefSubclassProc(m.hwnd, WM_LBUTTONDOWN, m.wparam, m.lparam);
            case WM_KEYDOWN:
                switch (m.wparam) {
                    case VK_SPACE:
                        look.keyDown(controls::Key::Space, 0);
                        return std::nullopt;
                    case VK_RIGHT:
                    case VK_DOWN:
                        look.keyDown(controls::Key::Right, 0);
                        return 0;
                    case VK_LEFT:
                    case VK_UP:
                        look.keyDown(controls::Key::Left, 0);
                        return 0;
                    default:
                        return std::nullopt;
                }
            default:
                return std::nullopt;
        }
    }
    bool drawItem(ControlView& c, const DRAWITEMSTRUCT& item) const override {
        DrawPushButton(As<controls::PushButton>(*c.widget), item);
        return true;
    }
};

}  // namespace

const ControlKindView& PushButtonView() {
    static const PushButtonKind view;
    return view;
}

}  // namespace brisko::views
