#include "views/view_controls.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <string>

#include "views/view_button.h"
#include "views/view_skin.h"
#include "views/view_text.h"

namespace brisko::views {

using controls::Change;
using controls::Kind;

namespace {

LRESULT CALLBACK ChildProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
constexpr UINT_PTR kSubclassId = 1;

RECT Bounds(const FormView& f, const controls::Rect& r) {
    return {f.px(r.left), f.px(r.top), f.px(r.left + r.width), f.px(r.top + r.height)};
}

template <class T>
T& As(controls::Widget& w) {
    return static_cast<T&>(w);
}

COLORREF TextColour(const controls::Widget& w, int systemColour) {
    return w.foreColor == controls::kDefaultColour ? GetSysColor(systemColour)
                                                   : ToColorRef(w.foreColor);
}

// Where a control's (0, 0) lies in its window's client area.
POINT OriginInForm(const FormView& f, HWND control) {
    POINT p{0, 0};
    MapWindowPoints(control, f.hwnd, &p, 1);
    return p;
}

bool InTitleStrip(const FormView& f, const controls::Widget& w) {
    return f.form->skinned && !w.parent() && f.px(w.rect.top) < StripHeight(f);
}

// Setting the extent redraws the scroll bars even when it has not changed, which under Wine
// takes several milliseconds.
void SetListExtent(HWND h, const controls::ListBox& list) {
    const auto extent = static_cast<LRESULT>(std::max(0, list.horizontalExtent()));
    if (SendMessageW(h, LB_GETHORIZONTALEXTENT, 0, 0) != extent)
        SendMessageW(h, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

void FillListBox(ControlView& c) {
    auto& list = As<controls::ListBox>(*c.widget);
    HWND h = c.hwnd;
    const bool shown = (GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0;
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    size_t bytes = 0;
    for (const std::string& s : list.items()) bytes += (s.size() + 1) * sizeof(wchar_t);
    SendMessageW(h, LB_INITSTORAGE, static_cast<WPARAM>(list.count()), static_cast<LPARAM>(bytes));
    // Each message through the subclass chain (ours and the tool tip's) costs a window-property
    // lookup in the Wine server, about 0.1 ms; the entries, which concern no one but the list
    // box, go straight to its own window procedure.
    const auto listProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(h, GCLP_WNDPROC));
    for (const std::string& s : list.items())
        CallWindowProcW(listProc, h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(s).c_str()));
    SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(list.listIndex()), 0);
    SetListExtent(h, list);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    if (shown) {
        InvalidateRect(h, nullptr, TRUE);
    } else {
        // Turning redraw on marks a window visible on Windows; a hidden list stays hidden.
        SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) & ~WS_VISIBLE);
    }
}

void FillComboBox(ControlView& c) {
    auto& combo = As<controls::ComboBox>(*c.widget);
    SendMessageW(c.hwnd, CB_RESETCONTENT, 0, 0);
    for (const std::string& s : combo.items)
        SendMessageW(c.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(s).c_str()));
    SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo.listIndex()), 0);
}

void SelectComboText(ControlView& c) {
    auto& combo = As<controls::ComboBox>(*c.widget);
    const LRESULT i = SendMessageW(c.hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(Wide(combo.text()).c_str()));
    SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

void ApplyAnimation(ControlView& c) {
    auto& a = As<controls::Animation>(*c.widget);
    if (a.file().empty()) {
        SendMessageW(c.hwnd, ACM_OPENW, 0, 0);
        c.openedAnimation.clear();
        return;
    }
    const std::wstring file = Wide(a.file());
    if (file != c.openedAnimation) {
        SendMessageW(c.hwnd, ACM_OPENW, 0, reinterpret_cast<LPARAM>(file.c_str()));
        c.openedAnimation = file;
    }
    if (a.playing())
        SendMessageW(c.hwnd, ACM_PLAY, static_cast<WPARAM>(static_cast<UINT>(a.repeat())),
                     MAKELPARAM(0, 0xFFFF));
    else
        SendMessageW(c.hwnd, ACM_STOP, 0, 0);
}

// Labels with no width of their own take the width of their text.
void AutoSize(ControlView& c) {
    controls::Widget& w = *c.widget;
    if (w.kind() != Kind::Label || w.rect.width > 0) return;
    HDC dc = GetDC(c.hwnd);
    HGDIOBJ old = SelectObject(dc, c.form->fontFor(w));
    const std::wstring text = Wide(w.caption());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(c.hwnd, dc);
    SetWindowPos(c.hwnd, nullptr, 0, 0, r.right + 2,
                 std::max<int>(r.bottom, c.form->px(w.rect.height)),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SyncOptionButtons(FormView& f) {
    SyncGuard guard(f);
    for (auto& c : f.controls)
        if (c->hwnd && c->widget->kind() == Kind::OptionButton)
            SendMessageW(
                c->hwnd, BM_SETCHECK,
                As<controls::OptionButton>(*c->widget).value() ? BST_CHECKED : BST_UNCHECKED, 0);
}

HWND CreateNative(FormView& f, controls::Widget& w, HWND parent, int id) {
    const RECT b = Bounds(f, w.rect);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (w.visible()) style |= WS_VISIBLE;
    if (!w.enabled()) style |= WS_DISABLED;
    DWORD ex = 0;
    const wchar_t* cls = L"STATIC";
    int height = b.bottom - b.top;
    switch (w.kind()) {
        case Kind::CheckBox:
            cls = L"BUTTON";
            style |= WS_TABSTOP | BS_AUTOCHECKBOX;
            break;
        case Kind::OptionButton:
            cls = L"BUTTON";
            style |= WS_TABSTOP | BS_AUTORADIOBUTTON;
            break;
        case Kind::Label:
        case Kind::Image:
            style |= SS_NOTIFY | SS_LEFT;
            break;
        case Kind::TextBox:
            cls = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL;
            if (As<controls::TextBox>(w).multiLine)
                style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_WANTRETURN;
            ex |= WS_EX_CLIENTEDGE;
            break;
        case Kind::ListBox:
            cls = L"LISTBOX";
            style |= WS_TABSTOP | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT;
            if (As<controls::ListBox>(w).checkBoxes) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
            ex |= WS_EX_CLIENTEDGE;
            break;
        case Kind::ComboBox:
            cls = L"COMBOBOX";
            style |= WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
            height += f.px(2400);  // room for the drop-down list
            break;
        case Kind::Frame:
            cls = L"BUTTON";
            style |= BS_GROUPBOX | WS_CLIPCHILDREN;
            ex |= WS_EX_CONTROLPARENT;
            break;
        case Kind::Animation:
            cls = ANIMATE_CLASSW;
            style |= ACS_TRANSPARENT | ACS_CENTER;
            break;
        case Kind::PushButton:
            return make_push_button(As<controls::PushButton>(w), parent, id, b, f.instance);
    }
    const std::wstring text =
        w.kind() == Kind::TextBox ? Wide(As<controls::TextBox>(w).text()) : Wide(w.caption());
    return CreateWindowExW(ex, cls, text.c_str(), style, b.left, b.top, b.right - b.left, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), f.instance,
                           nullptr);
}

void InitialState(ControlView& c) {
    controls::Widget& w = *c.widget;
    HWND h = c.hwnd;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.form->fontFor(w)), FALSE);
    switch (w.kind()) {
        case Kind::CheckBox:
            SetWindowTheme(h, L"", L"");
            SendMessageW(h, BM_SETCHECK,
                         As<controls::CheckBox>(w).value() ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case Kind::OptionButton:
            SetWindowTheme(h, L"", L"");
            SendMessageW(h, BM_SETCHECK,
                         As<controls::OptionButton>(w).value() ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case Kind::Frame:
            SetWindowTheme(h, L"", L"");
            break;
        case Kind::TextBox: {
            const int limit = As<controls::TextBox>(w).maxLength;
            SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(limit > 0 ? limit : 0), 0);
            break;
        }
        case Kind::ListBox:
            FillListBox(c);
            break;
        case Kind::ComboBox:
            FillComboBox(c);
            break;
        case Kind::Animation:
            if (!As<controls::Animation>(w).file().empty()) ApplyAnimation(c);
            break;
        default:
            break;
    }
    AutoSize(c);
}

void PaintLabel(ControlView& c, HDC dc) {
    FormView& f = *c.form;
    controls::Widget& w = *c.widget;
    RECT r{};
    GetClientRect(c.hwnd, &r);
    // Drawn off screen first, so that changing texts do not flicker.
    HDC mem = CreateCompatibleDC(dc);
    GdiObject bitmap(
        CreateCompatibleBitmap(dc, std::max<int>(r.right, 1), std::max<int>(r.bottom, 1)));
    HGDIOBJ oldBitmap = SelectObject(mem, bitmap.get());
    if (w.backColor == controls::kDefaultColour)
        PaintSurface(f, mem, OriginInForm(f, c.hwnd));
    else
        FillRect(mem, &r, f.brush(ToColorRef(w.backColor)));
    if (w.kind() == Kind::Image) {
        PaintImage(f, As<controls::Image>(w), mem, r);
    } else {
        HGDIOBJ oldFont = SelectObject(mem, f.fontFor(w));
        SetBkMode(mem, TRANSPARENT);
        SetTextColor(mem, IsWindowEnabled(c.hwnd) ? TextColour(w, COLOR_BTNTEXT)
                                                  : GetSysColor(COLOR_GRAYTEXT));
        const std::wstring text = WindowText(c.hwnd);
        UINT format = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
        if (InTitleStrip(f, w))
            format = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        DrawTextW(mem, text.c_str(), static_cast<int>(text.size()), &r, format);
        SelectObject(mem, oldFont);
    }
    BitBlt(dc, 0, 0, r.right, r.bottom, mem, 0, 0, SRCCOPY);
    SelectObject(mem, oldBitmap);
    DeleteDC(mem);
}

void ToggleEntry(ControlView& c, int index) {
    auto& list = As<controls::ListBox>(*c.widget);
    if (index < 0 || index >= list.count()) return;
    list.setChecked(index, !list.checked(index));
}

int CheckGlyphSize(HWND list) {
    const int h = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    return std::max(h - 2, 8);
}

LRESULT CALLBACK ChildProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* c = reinterpret_cast<ControlView*>(ref);
    FormView& f = *c->form;
    controls::Widget& w = *c->widget;
    auto passOn = [&] { return IsWindow(h) ? DefSubclassProc(h, msg, wp, lp) : 0; };

    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(h, ChildProc, kSubclassId);
        c->hwnd = nullptr;
        return DefSubclassProc(h, msg, wp, lp);
    }
    if (msg == WM_MOUSEMOVE && w.onMouseMove) {
        w.onMouseMove();
        return passOn();
    }

    switch (w.kind()) {
        case Kind::Frame:
            switch (msg) {
                case WM_NCHITTEST:
                    return HTCLIENT;  // so its empty area reports mouse moves of its own
                case WM_ERASEBKGND: {
                    PaintSurface(f, reinterpret_cast<HDC>(wp), OriginInForm(f, h));
                    return 1;
                }
                case WM_COMMAND:
                case WM_NOTIFY:
                case WM_DRAWITEM:
                case WM_MEASUREITEM:
                case WM_CTLCOLORSTATIC:
                case WM_CTLCOLORBTN:
                case WM_CTLCOLOREDIT:
                case WM_CTLCOLORLISTBOX:
                    return f.hwnd ? SendMessageW(f.hwnd, msg, wp, lp) : 0;
            }
            break;
        case Kind::Label:
        case Kind::Image:
            switch (msg) {
                case WM_ERASEBKGND:
                    return 1;
                case WM_PAINT: {
                    PAINTSTRUCT ps;
                    HDC dc = BeginPaint(h, &ps);
                    PaintLabel(*c, dc);
                    EndPaint(h, &ps);
                    return 0;
                }
                case WM_SETTEXT: {
                    // The stock static paints at once in its own look; store the text and repaint
                    // ours.
                    const LRESULT r = DefWindowProcW(h, msg, wp, lp);
                    InvalidateRect(h, nullptr, FALSE);
                    return r;
                }
                case WM_ENABLE:
                    InvalidateRect(h, nullptr, FALSE);
                    return 0;
                case WM_LBUTTONDOWN:
                case WM_RBUTTONDOWN:
                    if (w.kind() == Kind::Image) {
                        if (auto& down = As<controls::Image>(w).onMouseDown)
                            down(msg == WM_LBUTTONDOWN ? 1 : 2);
                    } else if (msg == WM_LBUTTONDOWN && InTitleStrip(f, w) && f.hwnd) {
                        // The title text moves the window like a caption.
                        ReleaseCapture();
                        SendMessageW(f.hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
                        return 0;
                    }
                    return passOn();
                case WM_LBUTTONUP:
                case WM_RBUTTONUP:
                    if (w.kind() == Kind::Image)
                        if (auto& up = As<controls::Image>(w).onMouseUp)
                            up(msg == WM_LBUTTONUP ? 1 : 2);
                    return passOn();
            }
            break;
        case Kind::TextBox: {
            auto& box = As<controls::TextBox>(w);
            switch (msg) {
                case WM_GETDLGCODE: {
                    LRESULT code = DefSubclassProc(h, msg, wp, lp);
                    auto* m = reinterpret_cast<MSG*>(lp);
                    if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN)
                        code |= DLGC_WANTALLKEYS;
                    return code;
                }
                case WM_CHAR:
                    if (box.onKeyPress) box.onKeyPress(static_cast<int>(wp));
                    if (wp == VK_RETURN && !box.multiLine) return 0;
                    return passOn();
                case WM_LBUTTONUP: {
                    const LRESULT r = DefSubclassProc(h, msg, wp, lp);
                    if (w.onClick) w.onClick();
                    return r;
                }
            }
            break;
        }
        case Kind::ListBox:
            if (!As<controls::ListBox>(w).checkBoxes) break;
            switch (msg) {
                case WM_LBUTTONDOWN:
                case WM_LBUTTONDBLCLK: {
                    const LRESULT hit = SendMessageW(h, LB_ITEMFROMPOINT, 0, lp);
                    if (HIWORD(hit) == 0 &&
                        static_cast<short>(LOWORD(lp)) < CheckGlyphSize(h) + 2) {
                        const LRESULT r = DefSubclassProc(h, msg, wp, lp);
                        ToggleEntry(*c, LOWORD(hit));
                        return r;
                    }
                    return passOn();
                }
                case WM_KEYDOWN:
                    if (wp == VK_SPACE) {
                        ToggleEntry(*c, static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0)));
                        return 0;
                    }
                    break;
                case WM_CHAR:
                    if (wp == L' ') return 0;
                    break;
            }
            break;
        default:
            break;
    }
    return DefSubclassProc(h, msg, wp, lp);
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
            auto view = std::make_unique<ControlView>();
            view->widget = w;
            view->form = &f;
            view->id = kFirstControlId + static_cast<int>(i);
            view->hwnd = CreateNative(f, *w, parent, view->id);
            ControlView* raw = view.get();
            f.byWidget[w] = raw;
            f.controls.push_back(std::move(view));
            if (!raw->hwnd) continue;
            SetWindowSubclass(raw->hwnd, ChildProc, kSubclassId, reinterpret_cast<DWORD_PTR>(raw));
            InitialState(*raw);
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
        RECT want = Bounds(f, w.rect);
        RECT have{};
        GetWindowRect(c->hwnd, &have);
        MapWindowPoints(nullptr, GetParent(c->hwnd), reinterpret_cast<POINT*>(&have), 2);
        const bool combo = w.kind() == Kind::ComboBox;
        const bool autoSized = w.kind() == Kind::Label && w.rect.width == 0;
        if (!autoSized && (have.left != want.left || have.top != want.top ||
                           have.right - have.left != want.right - want.left ||
                           (!combo && have.bottom - have.top != want.bottom - want.top))) {
            const int height = combo ? have.bottom - have.top : want.bottom - want.top;
            SetWindowPos(c->hwnd, nullptr, want.left, want.top, want.right - want.left, height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            if (w.kind() == Kind::PushButton) ShapePushButton(c->hwnd);
        }
        if (w.kind() == Kind::TextBox) {
            const int limit = As<controls::TextBox>(w).maxLength;
            SendMessageW(c->hwnd, EM_LIMITTEXT, static_cast<WPARAM>(limit > 0 ? limit : 0), 0);
        }
        if (f.tooltip) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = f.hwnd;
            tool.uId = reinterpret_cast<UINT_PTR>(c->hwnd);
            SendMessageW(f.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            if (!w.toolTip.empty()) {
                std::wstring text = Wide(w.toolTip);
                tool.lpszText = text.data();
                SendMessageW(f.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            }
        }
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
    switch (change) {
        case Change::Caption:
            if (w.kind() != Kind::TextBox) SetWindowTextW(h, Wide(w.caption()).c_str());
            AutoSize(c);
            InvalidateRect(h, nullptr, TRUE);
            break;
        case Change::Visible:
            ShowWindow(h, w.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Change::Enabled:
            EnableWindow(h, w.enabled());
            InvalidateRect(h, nullptr, TRUE);
            break;
        case Change::Value:
            if (w.kind() == Kind::CheckBox)
                SendMessageW(h, BM_SETCHECK,
                             As<controls::CheckBox>(w).value() ? BST_CHECKED : BST_UNCHECKED, 0);
            else if (w.kind() == Kind::OptionButton)
                SendMessageW(h, BM_SETCHECK,
                             As<controls::OptionButton>(w).value() ? BST_CHECKED : BST_UNCHECKED,
                             0);
            break;
        case Change::Text:
            if (w.kind() == Kind::TextBox) {
                const std::wstring text = Wide(As<controls::TextBox>(w).text());
                if (WindowText(h) != text) SetWindowTextW(h, text.c_str());
            } else if (w.kind() == Kind::ComboBox) {
                SelectComboText(c);
            }
            break;
        case Change::Items:
            if (w.kind() == Kind::ListBox) FillListBox(c);
            if (w.kind() == Kind::ComboBox) FillComboBox(c);
            break;
        case Change::ItemAdded:
            if (w.kind() == Kind::ListBox) {
                const auto& list = As<controls::ListBox>(w);
                if (index >= 0 && index < list.count())
                    SendMessageW(h, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(Wide(list.item(index)).c_str()));
            } else if (w.kind() == Kind::ComboBox) {
                const auto& combo = As<controls::ComboBox>(w);
                if (index >= 0 && index < static_cast<int>(combo.items.size()))
                    SendMessageW(h, CB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(
                                     Wide(combo.items[static_cast<size_t>(index)]).c_str()));
            }
            break;
        case Change::ItemRemoved:
            if (w.kind() == Kind::ListBox)
                SendMessageW(h, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
            break;
        case Change::ItemChecked: {
            RECT r{};
            if (SendMessageW(h, LB_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&r)) != LB_ERR)
                InvalidateRect(h, &r, FALSE);
            break;
        }
        case Change::Selection:
            if (w.kind() == Kind::ListBox)
                SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            if (w.kind() == Kind::ComboBox)
                SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            break;
        case Change::Extent:
            if (w.kind() == Kind::ListBox) SetListExtent(h, As<controls::ListBox>(w));
            break;
        case Change::Focus:
            SetFocus(h);
            break;
        case Change::Style: {
            SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(f.fontFor(w)), FALSE);
            InvalidateRect(h, nullptr, TRUE);
            break;
        }
        case Change::Play:
            if (w.kind() == Kind::Animation) ApplyAnimation(c);
            break;
    }
}

bool HandleCommand(FormView& f, WPARAM wp, LPARAM lp) {
    HWND h = reinterpret_cast<HWND>(lp);
    if (!h) return false;
    ControlView* c = f.find(h);
    if (!c) return false;
    if (f.syncing) return true;  // the echo of a change the view itself made
    controls::Widget& w = *c->widget;
    const UINT code = HIWORD(wp);
    switch (w.kind()) {
        case Kind::CheckBox:
            if (code == BN_CLICKED) {
                auto& box = As<controls::CheckBox>(w);
                box.setValue(SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
                // The box's handling may have set another value (or refused the click).
                if (c->hwnd) {
                    SyncGuard guard(f);
                    SendMessageW(h, BM_SETCHECK, box.value() ? BST_CHECKED : BST_UNCHECKED, 0);
                }
            }
            break;
        case Kind::OptionButton:
            if (code == BN_CLICKED) {
                As<controls::OptionButton>(w).setValue(true);
                SyncOptionButtons(f);
            }
            break;
        case Kind::PushButton:
            if (code == BN_CLICKED) As<controls::PushButton>(w).click();
            break;
        case Kind::TextBox:
            if (code == EN_CHANGE) {
                auto& box = As<controls::TextBox>(w);
                const std::string typed = Utf8(WindowText(h));
                box.setText(typed);
                if (c->hwnd && box.text() != typed) {
                    SyncGuard guard(f);
                    SetWindowTextW(h, Wide(box.text()).c_str());
                }
            }
            break;
        case Kind::ListBox:
            if (code == LBN_SELCHANGE) {
                auto& list = As<controls::ListBox>(w);
                {
                    SyncGuard guard(f);
                    list.setListIndex(static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0)));
                }
                if (w.onClick) w.onClick();
            }
            break;
        case Kind::ComboBox:
            if (code == CBN_SELCHANGE)
                As<controls::ComboBox>(w).setListIndex(
                    static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0)));
            break;
        case Kind::Label:
        case Kind::Image:
            if (code == STN_CLICKED && w.onClick) w.onClick();
            break;
        default:
            break;
    }
    return true;
}

LRESULT ControlColour(FormView& f, HDC dc, HWND h) {
    ControlView* c = f.find(h);
    COLORREF back = f.background();
    COLORREF fore = GetSysColor(COLOR_BTNTEXT);
    if (c) {
        const controls::Widget& w = *c->widget;
        const bool field =
            w.kind() == Kind::TextBox || w.kind() == Kind::ListBox || w.kind() == Kind::ComboBox;
        if (field) back = GetSysColor(COLOR_WINDOW);
        if (w.backColor != controls::kDefaultColour) back = ToColorRef(w.backColor);
        fore = TextColour(w, field ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
    }
    SetTextColor(dc, fore);
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(f.brush(back));
}

bool DrawControl(FormView& f, const DRAWITEMSTRUCT& item) {
    ControlView* c = f.find(item.hwndItem);
    if (!c) return false;
    controls::Widget& w = *c->widget;
    if (w.kind() == Kind::PushButton) {
        DrawPushButton(As<controls::PushButton>(w), item);
        return true;
    }
    if (w.kind() != Kind::ListBox) return false;
    auto& list = As<controls::ListBox>(w);
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF back = w.backColor == controls::kDefaultColour ? GetSysColor(COLOR_WINDOW)
                                                            : ToColorRef(w.backColor);
    COLORREF fore = TextColour(w, COLOR_WINDOWTEXT);
    FillRect(dc, &r, f.brush(back));
    if (item.itemID == static_cast<UINT>(-1)) return true;
    const int glyph = CheckGlyphSize(item.hwndItem);
    RECT box{r.left + 1, r.top + (r.bottom - r.top - glyph) / 2, r.left + 1 + glyph, 0};
    box.bottom = box.top + glyph;
    const int i = static_cast<int>(item.itemID);
    const bool checked = i < list.count() && list.checked(i);
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    std::wstring text(static_cast<size_t>(std::max<LRESULT>(
                          0, SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0))) +
                          1,
                      L'\0');
    const LRESULT got =
        SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
    RECT tr{box.right + 4, r.top, r.right, r.bottom};
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT hl{tr.left - 2, r.top, std::min<LONG>(r.right, tr.left + extent.cx + 2), r.bottom};
    if (selected) {
        back = GetSysColor(COLOR_HIGHLIGHT);
        fore = GetSysColor(COLOR_HIGHLIGHTTEXT);
        FillRect(dc, &hl, f.brush(back));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fore);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &hl);
    return true;
}

void MeasureControl(FormView& f, MEASUREITEMSTRUCT& item) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, f.font.get());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    item.itemHeight = static_cast<UINT>(tm.tmHeight + 3);
}

}  // namespace brisko::views
