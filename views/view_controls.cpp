#include "views/view_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "views/view_kind.h"
#include "views/view_shared_list.h"
#include "views/view_skin.h"
#include "views/view_text.h"

namespace brisko::views {

using controls::Change;
using controls::Kind;

// The views of the kinds, each defined in its own file (view_<kind>.cpp).
const ControlKindView& CheckBoxView();
const ControlKindView& OptionButtonView();
const ControlKindView& LabelView();
const ControlKindView& ImageView();
const ControlKindView& TextBoxView();
const ControlKindView& ListBoxView();
const ControlKindView& ComboBoxView();
const ControlKindView& FrameView();
const ControlKindView& AnimationView();
const ControlKindView& PushButtonView();

const ControlKindView& KindView(Kind kind) {
    switch (kind) {
        case Kind::CheckBox:
            return CheckBoxView();
        case Kind::OptionButton:
            return OptionButtonView();
        case Kind::Label:
            return LabelView();
        case Kind::Image:
            return ImageView();
        case Kind::TextBox:
            return TextBoxView();
        case Kind::ListBox:
            return ListBoxView();
        case Kind::ComboBox:
            return ComboBoxView();
        case Kind::Frame:
            return FrameView();
        case Kind::Animation:
            return AnimationView();
        case Kind::PushButton:
            return PushButtonView();
    }
    return LabelView();  // not a kind of the models: shown as a plain label
}

void ControlKindView::place(ControlView& c, RECT bounds) const {
    MoveControl(c.hwnd, bounds);
}

void ControlKindView::apply(ControlView& c, Change change, int) const {
    if (change != Change::Caption) return;
    SetWindowTextW(c.hwnd, Wide(c.widget->caption()).c_str());
    InvalidateRect(c.hwnd, nullptr, TRUE);
}

ControlColours ControlKindView::colours(const ControlView& c) const {
    const controls::Widget& w = *c.widget;
    return {
        w.backColor == controls::kDefaultColour ? c.form->background() : ToColorRef(w.backColor),
        TextColour(w, COLOR_BTNTEXT)};
}

HWND CreateChild(ControlView& c, HWND parent, RECT b, const wchar_t* cls, const std::wstring& text,
                 DWORD style, DWORD exStyle) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (c.widget->visible()) style |= WS_VISIBLE;
    if (!c.widget->enabled()) style |= WS_DISABLED;
    return CreateWindowExW(
        exStyle, cls, text.c_str(), style, b.left, b.top, b.right - b.left, b.bottom - b.top,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), c.form->instance, nullptr);
}

bool MoveControl(HWND control, RECT want, bool keepHeight) {
    RECT have{};
    GetWindowRect(control, &have);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&have), 2);
    if (have.left == want.left && have.top == want.top &&
        have.right - have.left == want.right - want.left &&
        (keepHeight || have.bottom - have.top == want.bottom - want.top))
        return false;
    const int height = keepHeight ? have.bottom - have.top : want.bottom - want.top;
    SetWindowPos(control, nullptr, want.left, want.top, want.right - want.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

COLORREF TextColour(const controls::Widget& w, int systemColour) {
    return w.foreColor == controls::kDefaultColour ? GetSysColor(systemColour)
                                                   : ToColorRef(w.foreColor);
}

ControlColours FieldColours(const controls::Widget& w) {
    return {w.backColor == controls::kDefaultColour ? GetSysColor(COLOR_WINDOW)
                                                    : ToColorRef(w.backColor),
            TextColour(w, COLOR_WINDOWTEXT)};
}

POINT OriginInForm(const FormView& f, HWND control) {
    POINT p{0, 0};
    MapWindowPoints(control, f.hwnd, &p, 1);
    return p;
}

bool InTitleStrip(const FormView& f, const controls::Widget& w) {
    return f.form->skin.hasTitleStrip() && !w.parent() && f.px(w.rect.top) < StripHeight(f);
}

RECT ControlBounds(const FormView& f, const controls::Widget& w) {
    return f.px(w.rect);
}

void SetToolTip(FormView& f, ControlView& c) {
    f.setTip(c.hwnd, c.widget->toolTip, c.ownProc != nullptr);
}

namespace {

constexpr UINT_PTR kSubclassId = 1;

// A message to a control, whichever way it came to the view.
LRESULT Dispatch(ControlView& c, const ControlMessage& m) {
    controls::Widget& w = *c.widget;
    if (m.msg == WM_MOUSEMOVE && w.onMouseMove) {
        w.onMouseMove();
        return m.passOn();
    }
    if (const auto handled = KindView(w.kind()).message(c, m)) return *handled;
    return m.original();
}

LRESULT CALLBACK ChildProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* c = reinterpret_cast<ControlView*>(ref);
    const ControlMessage m{h, msg, wp, lp};
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(h, ChildProc, kSubclassId);
        c->hwnd = nullptr;
        return m.original();
    }
    return Dispatch(*c, m);
}

// The procedure of a control subclassed plainly: the view is in the window's user data, and the
// tool tip gets the mouse's messages from here.
LRESULT CALLBACK PlainChildProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    auto* c = reinterpret_cast<ControlView*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!c || !c->ownProc) return DefWindowProcW(h, msg, wp, lp);
    const ControlMessage m{h, msg, wp, lp, c->ownProc};
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c->ownProc));
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        c->hwnd = nullptr;
        return m.original();
    }
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && c->form->tooltip) {
        MSG relayed{h, msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
        const DWORD at = GetMessagePos();
        relayed.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
        SendMessageW(c->form->tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    return Dispatch(*c, m);
}

// Under Wine every message through comctl32's subclass chain costs a window-property lookup in
// the server, twice over with the tool tip's subclass beneath ours; a kind whose messages must
// be cheaper than that (a push button's repaint) is subclassed through its window procedure.
void Subclass(ControlView& c) {
    if (!KindView(c.widget->kind()).plainSubclass()) {
        SetWindowSubclass(c.hwnd, ChildProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&c));
        return;
    }
    SetWindowLongPtrW(c.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&c));
    c.ownProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(c.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PlainChildProc)));
}

}  // namespace

void CreateControls(FormView& f) {
    for (auto& c : f.controls) f.retired.push_back(std::move(c));
    f.controls.clear();
    f.byWidget.clear();
    const auto& widgets = f.form->widgets;
    auto inForm = [&](const controls::Widget* p) {
        return std::find(widgets.begin(), widgets.end(), p) != widgets.end();
    };
    // Frames before the controls they hold, otherwise in tab order.
    for (int pass = 0; pass < 4; ++pass) {
        for (size_t i = 0; i < widgets.size(); ++i) {
            controls::Widget* w = widgets[i];
            if (f.byWidget.count(w)) continue;
            HWND parent = f.hwnd;
            if (const controls::Widget* p = w->parent(); p && inForm(p)) {
                ControlView* pv = f.find(*p);
                if (!pv) continue;  // its frame comes in a later pass
                parent = pv->hwnd;
            }
            const ControlKindView& kind = KindView(w->kind());
            auto view = std::make_unique<ControlView>();
            view->widget = w;
            view->form = &f;
            view->id = kFirstControlId + static_cast<int>(i);
            ControlView* raw = view.get();
            f.byWidget[w] = raw;
            f.controls.push_back(std::move(view));
            raw->hwnd = kind.create(*raw, parent, ControlBounds(f, *w));
            if (!raw->hwnd) continue;
            PairSharedList(f, *raw);
            Subclass(*raw);
            SendMessageW(raw->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f.fontFor(*w)), FALSE);
            kind.initialise(*raw);
        }
    }
}

void SyncControls(FormView& f) {
    SyncGuard guard(f);
    if (!f.tooltip && f.hwnd) {
        f.tooltip =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, f.hwnd, nullptr, f.instance, nullptr);
        SendMessageW(f.tooltip, TTM_SETMAXTIPWIDTH, 0, f.px(6000));
    }
    for (auto& c : f.controls) {
        if (!c->hwnd) continue;
        controls::Widget& w = *c->widget;
        KindView(w.kind()).place(*c, ControlBounds(f, w));
        SetToolTip(f, *c);
        SendMessageW(c->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f.fontFor(w)), FALSE);
        InvalidateRect(c->hwnd, nullptr, TRUE);
    }
}

void ApplyChange(ControlView& c, Change change, int index) {
    FormView& f = *c.form;
    controls::Widget& w = *c.widget;
    HWND h = c.hwnd;
    if (!h) return;
    SyncGuard guard(f);
    if (ApplySharedListChange(c, change)) return;
    switch (change) {
        case Change::Visible:
            ShowWindow(h, w.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Change::Enabled:
            EnableWindow(h, w.enabled());
            InvalidateRect(h, nullptr, TRUE);
            break;
        case Change::Focus:
            SetFocus(h);
            break;
        case Change::ToolTip:
            SetToolTip(f, c);
            break;
        case Change::Style:
            SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(f.fontFor(w)), FALSE);
            InvalidateRect(h, nullptr, TRUE);
            break;
        default:
            KindView(w.kind()).apply(c, change, index);
            break;
    }
}

bool HandleCommand(FormView& f, WPARAM wp, LPARAM lp) {
    HWND h = reinterpret_cast<HWND>(lp);
    if (!h) return false;
    ControlView* c = f.find(h);
    if (!c) return false;
    if (f.syncing) return true;  // the echo of a change the view itself made
    KindView(c->widget->kind()).command(*c, HIWORD(wp));
    return true;
}

LRESULT ControlColour(FormView& f, HDC dc, HWND h) {
    const ControlView* c = f.find(h);
    const ControlColours colours = c ? KindView(c->widget->kind()).colours(*c)
                                     : ControlColours{f.background(), GetSysColor(COLOR_BTNTEXT)};
    SetTextColor(dc, colours.fore);
    SetBkColor(dc, colours.back);
    return reinterpret_cast<LRESULT>(f.brush(colours.back));
}

bool DrawControl(FormView& f, const DRAWITEMSTRUCT& item) {
    ControlView* c = f.find(item.hwndItem);
    return c && KindView(c->widget->kind()).drawItem(*c, item);
}

bool MeasureControl(FormView& f, MEASUREITEMSTRUCT& item) {
    // The control is still being made: it is found by the id it was made with.
    const auto& widgets = f.form->widgets;
    if (item.CtlType == ODT_MENU || item.CtlID < static_cast<UINT>(kFirstControlId)) return false;
    const size_t index = item.CtlID - static_cast<UINT>(kFirstControlId);
    if (index >= widgets.size()) return false;
    controls::Widget& w = *widgets[index];
    return KindView(w.kind()).measureItem(f, w, item);
}

}  // namespace brisko::views
