#include "views/view_burst.h"

#include <algorithm>
#include <utility>

#include "views/view_controls.h"

namespace brisko::views {

namespace {

// Starts a burst: its timer is set once.
void Arm(FormView& f) {
    if (f.flushPosted || !f.hwnd) return;
    f.flushPosted = SetTimer(f.hwnd, kBurstTimer, kBurstMs, nullptr) != 0;
}

template <class T>
void AddOnce(std::vector<T>& list, T item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

}  // namespace

bool PutOffCaption(ControlView& c) {
    FormView& f = *c.form;
    if (f.flushing) return false;
    Arm(f);
    if (f.immediateCaptions < kImmediateCaptions) {
        ++f.immediateCaptions;  // shows now; a long run of changes waits for the flush
        return false;
    }
    AddOnce(f.putOffCaptions, static_cast<const controls::Widget*>(c.widget));
    return true;
}

void HoldListDrawing(ControlView& c) {
    FormView& f = *c.form;
    const controls::Widget* list = c.widget;
    f.listsChanged = true;
    if (std::find(f.heldLists.begin(), f.heldLists.end(), list) != f.heldLists.end()) return;
    SendMessageW(c.hwnd, WM_SETREDRAW, FALSE, 0);
    if (f.heldLists.empty()) f.listsHeldSince = GetTickCount64();
    f.heldLists.push_back(list);
    Arm(f);
}

void HoldRefilledList(ControlView& c) {
    FormView& f = *c.form;
    auto& held = f.heldLists;
    if (std::find(held.begin(), held.end(), c.widget) == held.end()) {
        if (held.empty()) f.listsHeldSince = GetTickCount64();
        held.push_back(c.widget);
    }
    AddOnce(f.refilledLists, static_cast<const controls::Widget*>(c.widget));
    if (!f.refillPosted && f.hwnd)
        f.refillPosted = PostMessageW(f.hwnd, kRefilledListsMessage, 0, 0) != 0;
}

void ReleaseRefilledLists(FormView& f) {
    f.refillPosted = false;
    for (const controls::Widget* w : std::exchange(f.refilledLists, {}))
        if (ControlView* c = f.find(*w); c && c->hwnd) ReleaseList(*c);
}

namespace {

// Turning redraw back on makes the list box bring both its scroll bars up to date, drawing
// each one (several milliseconds apiece under Wine). When that first shows the vertical bar,
// the frame changes and the bars and the border are drawn two or three times over, in the one
// turn of the loop: that is done out of sight, and the whole frame drawn once after.
void Redraw(ControlView& c) {
    HWND h = c.hwnd;
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    if (!(style & WS_VISIBLE)) {
        // Turning redraw on marks a window visible on Windows; a hidden list stays hidden.
        SendMessageW(h, WM_SETREDRAW, TRUE, 0);
        SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) & ~WS_VISIBLE);
        return;
    }
    if (style & WS_VSCROLL) {  // the bar is there already: no change of frame to come
        SendMessageW(h, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(h, nullptr, TRUE);
        return;
    }
    SetWindowLongPtrW(h, GWL_STYLE, style & ~WS_VISIBLE);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) | WS_VISIBLE);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

}  // namespace

void ReleaseList(ControlView& c) {
    auto& held = c.form->heldLists;
    const auto it = std::find(held.begin(), held.end(), c.widget);
    if (it == held.end()) return;
    held.erase(it);
    Redraw(c);
}

void Flush(FormView& f) {
    if (f.hwnd) KillTimer(f.hwnd, kBurstTimer);
    f.flushPosted = false;
    f.immediateCaptions = 0;
    f.flushing = true;
    const auto captions = std::exchange(f.putOffCaptions, {});
    // Held lists draw once their burst is over (a few entries removed draw at once), and during
    // a long one every so often.
    std::vector<const controls::Widget*> lists;
    if (!std::exchange(f.listsChanged, false) || GetTickCount64() - f.listsHeldSince >= kListHoldMs)
        lists = std::exchange(f.heldLists, {});
    else if (!f.heldLists.empty())
        Arm(f);  // the lists wait for a later turn of the timer
    for (const controls::Widget* w : captions)
        if (ControlView* c = f.find(*w); c && c->hwnd)
            ApplyChange(*c, controls::Change::Caption, -1);
    for (const controls::Widget* w : lists) {
        if (ControlView* c = f.find(*w); c && c->hwnd) Redraw(*c);
    }
    f.flushing = false;
}

}  // namespace brisko::views
