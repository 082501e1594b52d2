#include "views/view_shared_list.h"

#include <windows.h>

#include "views/view_burst.h"
#include "views/view_controls.h"
#include "views/view_kind.h"
#include "views/view_list_box.h"

namespace brisko::views {

namespace {

bool Shown(HWND h) {
    return (GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Hands the native list from the list that presents to `c`.
void Present(ControlView& c) {
    ControlView& other = *c.sharer;
    if (c.presenting) return;
    HWND h = c.hwnd;
    ReleaseList(other);
    other.topIndex = static_cast<int>(SendMessageW(h, LB_GETTOPINDEX, 0, 0));
    other.presenting = false;
    c.presenting = true;
    FormView& f = *c.form;
    const controls::Widget& w = *c.widget;
    const auto font = reinterpret_cast<WPARAM>(f.fontFor(w));
    if (static_cast<WPARAM>(SendMessageW(h, WM_GETFONT, 0, 0)) != font)
        SendMessageW(h, WM_SETFONT, font, FALSE);
    if ((IsWindowEnabled(h) != FALSE) != w.enabled()) EnableWindow(h, w.enabled());
    MoveControl(h, ControlBounds(f, w));
    FillListBox(c, c.topIndex);
    SetToolTip(f, c);
}

}  // namespace

bool JoinSharedList(FormView& f, ControlView& c) {
    if (c.widget->kind() != controls::Kind::ListBox) return false;
    const auto& list = static_cast<const controls::ListBox&>(*c.widget);
    if (list.checkBoxes) return false;
    for (const auto& v : f.controls) {
        if (!v->hwnd || v->sharer || v->widget->kind() != controls::Kind::ListBox) continue;
        const auto& other = static_cast<const controls::ListBox&>(*v->widget);
        if (other.checkBoxes || (list.sharesPlaceWith != &other && other.sharesPlaceWith != &list))
            continue;
        c.hwnd = v->hwnd;
        c.sharer = v.get();
        v->sharer = &c;
        c.presenting = false;
        ApplySharedListChange(c, controls::Change::Visible);
        return true;
    }
    return false;
}

bool ApplySharedListChange(ControlView& c, controls::Change change) {
    if (!c.sharer) return false;
    if (change == controls::Change::Visible) {
        ControlView& other = *c.sharer;
        ControlView* shown = c.widget->visible() ? &c : other.widget->visible() ? &other : nullptr;
        if (!shown) {
            ShowWindow(c.hwnd, SW_HIDE);
            return true;
        }
        Present(*shown);
        if (!Shown(c.hwnd)) ShowWindow(c.hwnd, SW_SHOWNA);
        return true;
    }
    if (c.presenting) return false;
    // New entries start at the top when their turn comes.
    if (change == controls::Change::Items) c.topIndex = 0;
    return true;
}

}  // namespace brisko::views
