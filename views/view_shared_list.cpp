#include "views/view_shared_list.h"

#include <windows.h>

#include <algorithm>

#include "views/view_kind.h"

namespace brisko::views {

namespace {

bool Shown(HWND h) {
    return h && (GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool SamePlace(HWND a, HWND b) {
    RECT ra{}, rb{};
    return GetWindowRect(a, &ra) && GetWindowRect(b, &rb) && EqualRect(&ra, &rb);
}

const controls::ListBox* SharerOf(const controls::Widget& w) {
    if (w.kind() != controls::Kind::ListBox) return nullptr;
    const auto& list = As<controls::ListBox>(w);
    return list.checkBoxes ? nullptr : list.sharesPlaceWith;
}

constexpr UINT kInPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

void PairSharedList(FormView& f, ControlView& c) {
    for (const auto& v : f.controls) {
        if (v.get() == &c || !v->hwnd || v->placeMate) continue;
        if (SharerOf(*c.widget) != v->widget && SharerOf(*v->widget) != c.widget) continue;
        c.placeMate = v.get();
        v->placeMate = &c;
        return;
    }
}

DWORD SharedListStyle(const FormView& f, const controls::Widget& list) {
    const auto& widgets = f.form->widgets;
    const bool shares = SharerOf(list) ||
                        std::any_of(widgets.begin(), widgets.end(), [&](const controls::Widget* w) {
                            return SharerOf(*w) == &list;
                        });
    return shares ? LBS_DISABLENOSCROLL : 0;
}

bool ApplySharedListChange(ControlView& c, controls::Change change) {
    if (change != controls::Change::Visible || !c.placeMate) return false;
    const HWND h = c.hwnd, mate = c.placeMate->hwnd;
    if (!c.widget->visible()) {
        if (Shown(h)) ShowWindow(h, SW_HIDE);
        return true;
    }
    if (Shown(h)) return true;
    // The list that gives way leaves its pixels on the screen until this one, in the same
    // place, paints over them: nothing behind it is repainted.
    if (Shown(mate))
        SetWindowPos(mate, nullptr, 0, 0, 0, 0,
                     kInPlace | SWP_HIDEWINDOW | (SamePlace(h, mate) ? SWP_NOREDRAW : 0));
    SetWindowPos(h, nullptr, 0, 0, 0, 0, kInPlace | SWP_SHOWWINDOW | SWP_DEFERERASE);
    return true;
}

}  // namespace brisko::views
