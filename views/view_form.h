#pragma once
// The view of one window model: its native window, the child control of each widget, and the
// GDI objects they share. Internal to the binding.
#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "controls/form.h"
#include "controls/widgets.h"
#include "views/dib_canvas.h"
#include "views/gdi.h"

namespace brisko::views {

class Binding;

struct FormView;

struct ControlView {
    controls::Widget* widget = nullptr;
    FormView* form = nullptr;
    HWND hwnd = nullptr;
    int id = 0;
    std::wstring openedAnimation;  // the file the animation control holds
    // Two lists that stand in one place, never shown together, name each other
    // (view_shared_list.h): showing one hides the other without a repaint behind it.
    ControlView* placeMate = nullptr;
    // The control's own procedure when it is subclassed plainly (ControlKindView::plainSubclass).
    WNDPROC ownProc = nullptr;
};

constexpr int kFirstControlId = 100;

struct FormView {
    Binding* binding = nullptr;
    controls::Form* form = nullptr;
    HINSTANCE instance = nullptr;
    HWND hwnd = nullptr;
    HWND tooltip = nullptr;
    int dpi = 96;
    bool placed = false;  // centred on its first show
    // While the view pushes model state into a control, that control's notifications are echoes.
    int syncing = 0;
    // Windows this (modal) window disabled while it is shown.
    std::vector<HWND> disabledOwners;

    std::vector<std::unique_ptr<ControlView>> controls;
    // Views of destroyed controls are kept until the next creation: a control may be destroyed
    // from inside one of its own messages.
    std::vector<std::unique_ptr<ControlView>> retired;
    std::unordered_map<const controls::Widget*, ControlView*> byWidget;

    GdiObject font, boldFont;
    std::map<COLORREF, GdiObject> brushes;
    // Where the push buttons draw off screen, one at a time.
    DibSurface buttonSurface;

    // Updates put off until the queue's next turn (view_burst.h).
    bool flushPosted = false;
    bool flushing = false;
    int immediateCaptions = 0;  // caption changes shown at once since the last flush
    ULONGLONG listsHeldSince = 0;
    bool listsChanged = false;  // a held list changed since the last flush
    std::vector<const controls::Widget*> putOffCaptions;
    std::vector<const controls::Widget*> heldLists;
    // Lists refilled while shown, drawn at the queue's next turn (HoldRefilledList).
    std::vector<const controls::Widget*> refilledLists;
    bool refillPosted = false;

    // The caption buttons' own windows, help, minimise, close (null where the skin has none).
    std::array<HWND, controls::kCaptionButtonCount> captionButtons{};
    bool releasingCapture = false;  // a caption button lets the mouse go itself

    int px(int twips) const { return MulDiv(twips, dpi, 1440); }
    RECT px(const controls::Rect& r) const {
        return {px(r.left), px(r.top), px(r.left + r.width), px(r.top + r.height)};
    }
    // The tool tip shown over `tool`, one of this window's children; none for an empty text.
    // A `relayed` tool passes the mouse's messages on itself; any other the tip subclasses.
    void setTip(HWND tool, const std::string& text, bool relayed = false);
    HBRUSH brush(COLORREF colour);
    HFONT fontFor(const controls::Widget& w) const {
        return static_cast<HFONT>(w.bold ? boldFont.get() : font.get());
    }
    // The view of a native control.
    ControlView* find(HWND child) const;
    ControlView* find(const controls::Widget& w) const {
        auto it = byWidget.find(&w);
        return it == byWidget.end() ? nullptr : it->second;
    }
    COLORREF background() const;
};

struct SyncGuard {
    explicit SyncGuard(FormView& f) : form(f) { ++form.syncing; }
    ~SyncGuard() { --form.syncing; }
    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;
    FormView& form;
};

inline COLORREF ToColorRef(controls::Colour c) {
    return static_cast<COLORREF>(c & 0x00FFFFFFu);
}

}  // namespace brisko::views
