#include "views/view_button.h"

#include <string>

#include "views/dib_canvas.h"
#include "views/gdi.h"
#include "views/view_kind.h"
#include "views/view_text.h"

namespace brisko::views {

HWND make_push_button(controls::PushButton& button, HWND parent, int id, RECT b,
                      HINSTANCE instance) {
    // Without WS_CLIPSIBLINGS, Wine paints the BUTTON (a class with its parent's DC) clipped to
    // the parent alone, not to the window's region: the cut corners would show the button.
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW;
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

void DrawPushButton(ControlView& c, HDC target, SIZE size, bool pressed, bool focused) {
    if (size.cx <= 0 || size.cy <= 0) return;
    auto& look = As<controls::PushButton>(*c.widget).look();
    if (look.width() != size.cx || look.height() != size.cy) look.resize(size.cx, size.cy);
    // The platform's button tracks the press, the space bar and the focus; the look follows.
    if (look.focused() != focused) look.setFocused(focused);
    look.showPressed(pressed);
    // Drawn off screen and copied in one go, so that repainting does not flicker.
    DibSurface& surface = c.form->buttonSurface;
    if (!surface.reserve(size.cx, size.cy)) return;
    {
        SelectedObject font(surface.dc(), c.form->fontFor(*c.widget));
        DibCanvas canvas(surface, size.cx, size.cy);
        look.draw(canvas);
    }
    BitBlt(target, 0, 0, size.cx, size.cy, surface.dc(), 0, 0, SRCCOPY);
}

namespace {

// The view of the push button kind: a real BUTTON, drawn by its model.
class PushButtonKind final : public ControlKindView {
    // A repaint drawn here rather than by the BUTTON, which would ask its window for the colours
    // and the drawing (WM_CTLCOLORBTN, WM_DRAWITEM) and pass the messages on through the subclass
    // chain; its state comes straight from its own procedure. Changes of state that the BUTTON
    // draws at once (press, focus) still come as WM_DRAWITEM.
    static void Paint(ControlView& c, const ControlMessage& m) {
        const auto state = CallWindowProcW(ClassProc(m.hwnd), m.hwnd, BM_GETSTATE, 0, 0);
        const bool pressed = (state & BST_PUSHED) != 0, focused = (state & BST_FOCUS) != 0;
        RECT r{};
        GetClientRect(m.hwnd, &r);
        if (m.wparam) {  // a DC handed over to paint on
            DrawPushButton(c, reinterpret_cast<HDC>(m.wparam), {r.right, r.bottom}, pressed,
                           focused);
            return;
        }
        PaintDc dc(m.hwnd);
        if (dc) DrawPushButton(c, dc.get(), {r.right, r.bottom}, pressed, focused);
    }

  public:
    bool plainSubclass() const override { return true; }
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
            case WM_ERASEBKGND:
                return 1;  // the paint covers every pixel
            case WM_PAINT:
                Paint(c, m);
                return 0;
            case WM_LBUTTONDOWN:
                look.mouseDown(controls::MouseButton::Left, 0, x, y);
                return std::nullopt;
            case WM_LBUTTONDBLCLK:
                // The second press of a double click shows as a press but clicks nothing; an
                // owner-drawn BUTTON would neither show it nor track it.
                look.doubleClick();
                return ControlMessage{m.hwnd, WM_LBUTTONDOWN, m.wparam, m.lparam, m.next}
                    .original();
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
        const RECT& r = item.rcItem;
        DrawPushButton(c, item.hDC, {r.right - r.left, r.bottom - r.top},
                       (item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0);
        return true;
    }
};

}  // namespace

const ControlKindView& PushButtonView() {
    static const PushButtonKind view;
    return view;
}

}  // namespace brisko::views
