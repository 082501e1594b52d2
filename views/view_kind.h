#pragma once
// What the views of one control kind do: each kind (check box, label, list box, ...) has its own
// file with one ControlKindView, and view_controls.cpp hands every control to its kind's view.
// The defaults are what a plain control needs; a kind overrides only where it differs.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "controls/widgets.h"
#include "views/view_form.h"

namespace brisko::views {

// A message to a control, seen by its kind's view before the control's own window procedure.
struct ControlMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wparam;
    LPARAM lparam;

    // The control's own procedure under a plain subclass; none under comctl32's chain.
    WNDPROC next = nullptr;

    // The control's own handling of the message.
    LRESULT original() const {
        return next ? CallWindowProcW(next, hwnd, msg, wparam, lparam)
                    : DefSubclassProc(hwnd, msg, wparam, lparam);
    }
    // The same, unless the model's handling of the message has destroyed the control.
    LRESULT passOn() const { return IsWindow(hwnd) ? original() : 0; }
};

// The colours that a control's parent hands it for WM_CTLCOLOR*.
struct ControlColours {
    COLORREF back;
    COLORREF fore;
};

class ControlKindView {
  public:
    virtual ~ControlKindView() = default;

    // Creates the native control of `c.widget` in `parent`, at `bounds` (the parent's pixels),
    // with the control id `c.id`; nullptr when it cannot be made.
    virtual HWND create(ControlView& c, HWND parent, RECT bounds) const = 0;
    // Gives a new control the model's state (its font is set already).
    virtual void initialise(ControlView&) const {}
    // Moves the control to `bounds` after a change of the model's place, and refreshes what the
    // window's resynchronisation refreshes (limits).
    virtual void place(ControlView& c, RECT bounds) const;
    // Model -> control for the changes that are the kind's own: caption, value, text, items,
    // selection, playing. Visibility, enabled state, focus and style are common to all kinds.
    // The default shows a new caption as the window text.
    virtual void apply(ControlView& c, controls::Change change, int index) const;
    // Control -> model: a WM_COMMAND notification code from the control.
    virtual void command(ControlView&, UINT /*code*/) const {}
    // A message to the control itself; nullopt lets the control handle it as it would.
    virtual std::optional<LRESULT> message(ControlView&, const ControlMessage&) const {
        return std::nullopt;
    }
    // Whether its controls are subclassed through their window procedure rather than comctl32's
    // chain, their tool tips relayed from there.
    virtual bool plainSubclass() const { return false; }
    // The colours of its background and text: the window's face by default.
    virtual ControlColours colours(const ControlView& c) const;
    // Paints an owner-drawn control or item (WM_DRAWITEM); false when the kind draws none.
    virtual bool drawItem(ControlView&, const DRAWITEMSTRUCT&) const { return false; }
    // Sizes an owner-drawn item (WM_MEASUREITEM, which comes while the control is being made,
    // so it gets the window and the widget rather than the control's view).
    virtual bool measureItem(FormView&, controls::Widget&, MEASUREITEMSTRUCT&) const {
        return false;
    }
};

// The view of a control kind.
const ControlKindView& KindView(controls::Kind kind);

// Helpers that several kinds share.

template <class T>
T& As(controls::Widget& w) {
    return static_cast<T&>(w);
}
template <class T>
const T& As(const controls::Widget& w) {
    return static_cast<const T&>(w);
}

// Creates a child control of window class `cls` whose window text is `text`, visible and
// enabled as its model is.
HWND CreateChild(ControlView& c, HWND parent, RECT bounds, const wchar_t* cls,
                 const std::wstring& text, DWORD style, DWORD exStyle = 0);
// Moves and sizes a control unless it is there already; `keepHeight` leaves its height alone.
// Returns whether it moved.
bool MoveControl(HWND control, RECT bounds, bool keepHeight = false);

// The model's text colour, or the system colour `systemColour` when it has none.
COLORREF TextColour(const controls::Widget& w, int systemColour);
// The colours of an input field (text box, list, combo box): the window colours by default.
ControlColours FieldColours(const controls::Widget& w);
// Where a control's (0, 0) lies in its window's client area.
POINT OriginInForm(const FormView& f, HWND control);
// Whether a widget sits on the title strip of a skinned window.
bool InTitleStrip(const FormView& f, const controls::Widget& w);

// The window procedure of a control's class, past the subclass chain: under Wine each message
// through the chain (ours and the tool tip's) costs a window-property lookup in the server
// (about 0.1 ms), so
// messages that concern no one but the control itself go straight to it.
inline WNDPROC ClassProc(HWND h) {
    return reinterpret_cast<WNDPROC>(GetClassLongPtrW(h, GCLP_WNDPROC));
}

inline WPARAM CheckState(bool checked) {
    return checked ? BST_CHECKED : BST_UNCHECKED;
}

}  // namespace brisko::views
