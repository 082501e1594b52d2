#include "views/view_static.h"

#include "views/gdi.h"
#include "views/view_skin.h"
#include "views/view_text.h"

namespace brisko::views {

HWND StaticKind::create(ControlView& c, HWND parent, RECT bounds) const {
    return CreateChild(c, parent, bounds, WC_STATICW, Wide(c.widget->caption()),
                       SS_NOTIFY | SS_LEFT);
}

void StaticKind::command(ControlView& c, UINT code) const {
    if (code == STN_CLICKED && c.widget->onClick) c.widget->onClick();
}

std::optional<LRESULT> StaticKind::message(ControlView& c, const ControlMessage& m) const {
    switch (m.msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PaintDc dc(m.hwnd);
            if (dc) paint(c, dc.get());
            return 0;
        }
        case WM_SETTEXT: {
            // The stock static paints at once in its own look; store the text and repaint ours.
            const LRESULT r = DefWindowProcW(m.hwnd, m.msg, m.wparam, m.lparam);
            InvalidateRect(m.hwnd, nullptr, FALSE);
            return r;
        }
        case WM_ENABLE:
            InvalidateRect(m.hwnd, nullptr, FALSE);
            return 0;
    }
    return std::nullopt;
}

void StaticKind::paint(ControlView& c, HDC dc) const {
    FormView& f = *c.form;
    const controls::Widget& w = *c.widget;
    RECT r{};
    GetClientRect(c.hwnd, &r);
    // Drawn off screen first, so that changing texts do not flicker.
    DrawBuffered(dc, r.right, r.bottom, [&](HDC buffer) {
        if (w.backColor == controls::kDefaultColour)
            PaintSurface(f, buffer, OriginInForm(f, c.hwnd));
        else
            FillRect(buffer, &r, f.brush(ToColorRef(w.backColor)));
        paintContent(c, buffer, r);
    });
}

}  // namespace brisko::views
