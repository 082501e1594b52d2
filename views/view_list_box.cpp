// List boxes, plain or with a check box per entry. The check-box list is owner-drawn: the model
// holds the checks, a click on an entry's box or the space bar toggles it.
#include <windows.h>

#include <algorithm>
#include <string>

#include "views/gdi.h"
#include "views/view_burst.h"
#include "views/view_kind.h"
#include "views/view_shared_list.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

controls::ListBox& ListOf(ControlView& c) {
    return As<controls::ListBox>(*c.widget);
}

// Setting the extent redraws the scroll bars even when it has not changed, which under Wine
// takes several milliseconds.
void SetListExtent(HWND h, const controls::ListBox& list) {
    const auto extent = static_cast<LRESULT>(std::max(0, list.horizontalExtent()));
    if (SendMessageW(h, LB_GETHORIZONTALEXTENT, 0, 0) != extent)
        SendMessageW(h, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

// Puts every entry of the list's model into its native list at once, with its selection and
// extent, drawn once: a shown list at the queue's next turn.
void FillListBox(ControlView& c) {
    const auto& list = ListOf(c);
    HWND h = c.hwnd;
    const bool shown = (GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0;
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    size_t bytes = 0;
    for (const std::string& s : list.items()) bytes += (s.size() + 1) * sizeof(wchar_t);
    SendMessageW(h, LB_INITSTORAGE, static_cast<WPARAM>(list.count()), static_cast<LPARAM>(bytes));
    const WNDPROC listProc = ClassProc(h);
    for (const std::string& s : list.items())
        CallWindowProcW(listProc, h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(s).c_str()));
    SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(list.listIndex()), 0);
    SetListExtent(h, list);
    if (shown) {
        HoldRefilledList(c);
        return;
    }
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    // Turning redraw on marks a window visible on Windows; a hidden list stays hidden.
    SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) & ~WS_VISIBLE);
}

void ToggleEntry(ControlView& c, int index) {
    auto& list = ListOf(c);
    if (index < 0 || index >= list.count()) return;
    list.setChecked(index, !list.checked(index));
}

int CheckGlyphSize(HWND list) {
    const int h = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    return std::max(h - 2, 8);
}

// Straight from the list box's own procedure: a page of entries makes two messages each, and
// through the subclass chain they cost more than the rest of the page's drawing.
std::wstring EntryText(HWND list, UINT index) {
    const WNDPROC listProc = ClassProc(list);
    const LRESULT length = CallWindowProcW(listProc, list, LB_GETTEXTLEN, index, 0);
    std::wstring text(static_cast<size_t>(std::max<LRESULT>(0, length)) + 1, L'\0');
    const LRESULT got =
        CallWindowProcW(listProc, list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
    return text;
}

class ListBoxKind final : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override {
        DWORD style = WS_TABSTOP | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT |
                      SharedListStyle(*c.form, *c.widget);
        // A check-box list fills in bursts (thousands of files found): its scroll bar stays
        // shown, so the first page too many changes no frame, which under Wine costs a turn of
        // the loop over one frame to draw.
        if (ListOf(c).checkBoxes)
            style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_DISABLENOSCROLL;
        return CreateChild(c, parent, bounds, WC_LISTBOXW, Wide(c.widget->caption()), style,
                           WS_EX_CLIENTEDGE);
    }
    void initialise(ControlView& c) const override { FillListBox(c); }
    void apply(ControlView& c, controls::Change change, int index) const override {
        HWND h = c.hwnd;
        const auto& list = ListOf(c);
        // Anything but another entry added or taken out ends a burst: the list shows it now.
        const bool burst =
            change == controls::Change::ItemAdded || change == controls::Change::ItemRemoved;
        if (!burst) ReleaseList(c);
        switch (change) {
            case controls::Change::Items:
                FillListBox(c);
                break;
            case controls::Change::ItemAdded:
                if (index >= 0 && index < list.count()) {
                    // Entries come in bursts (a search adds thousands): drawn once per turn of
                    // the event loop, and past the subclass chain, which concerns no entry.
                    HoldListDrawing(c);
                    CallWindowProcW(ClassProc(h), h, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(Wide(list.item(index)).c_str()));
                }
                break;
            case controls::Change::ItemRemoved:
                // A removal takes thousands out, as a search adds them: drawn once per turn.
                HoldListDrawing(c);
                CallWindowProcW(ClassProc(h), h, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
                break;
            case controls::Change::ItemChecked: {
                if (index < 0) {  // every entry at once
                    InvalidateRect(h, nullptr, FALSE);
                    break;
                }
                RECT r{};
                if (SendMessageW(h, LB_GETITEMRECT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&r)) != LB_ERR)
                    InvalidateRect(h, &r, FALSE);
                break;
            }
            case controls::Change::Selection:
                SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
                break;
            case controls::Change::Extent:
                SetListExtent(h, list);
                break;
            default:
                ControlKindView::apply(c, change, index);
                break;
        }
    }
    void command(ControlView& c, UINT code) const override {
        if (code != LBN_SELCHANGE) return;
        {
            SyncGuard guard(*c.form);
            ListOf(c).setListIndex(static_cast<int>(SendMessageW(c.hwnd, LB_GETCURSEL, 0, 0)));
        }
        if (c.widget->onClick) c.widget->onClick();
    }
    std::optional<LRESULT> message(ControlView& c, const ControlMessage& m) const override {
        if (!ListOf(c).checkBoxes) return std::nullopt;
        switch (m.msg) {
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK: {
                const LRESULT hit = SendMessageW(m.hwnd, LB_ITEMFROMPOINT, 0, m.lparam);
                if (HIWORD(hit) == 0 &&
                    static_cast<short>(LOWORD(m.lparam)) < CheckGlyphSize(m.hwnd) + 2) {
                    const LRESULT r = m.original();
                    ToggleEntry(c, LOWORD(hit));
                    return r;
                }
                return m.passOn();
            }
            case WM_KEYDOWN:
                if (m.wparam == VK_SPACE) {
                    ToggleEntry(c, static_cast<int>(SendMessageW(m.hwnd, LB_GETCURSEL, 0, 0)));
                    return 0;
                }
                break;
            case WM_CHAR:
                if (m.wparam == L' ') return 0;
                break;
            case WM_ERASEBKGND:
                return 1;  // the buffered paint below covers every pixel
            case WM_PAINT: {
                // Drawn off screen and copied in one go: under Wine every drawing call on a
                // window costs a trip to the display, and a page of entries makes hundreds.
                PaintDc dc(m.hwnd);
                if (!dc) return 0;
                RECT r{};
                GetClientRect(m.hwnd, &r);
                DrawBuffered(dc.get(), r.right, r.bottom, [&](HDC buffer) {
                    FillRect(buffer, &r, c.form->brush(FieldColours(*c.widget).back));
                    CallWindowProcW(ClassProc(m.hwnd), m.hwnd, WM_PRINTCLIENT,
                                    reinterpret_cast<WPARAM>(buffer), PRF_CLIENT);
                });
                return 0;
            }
        }
        return std::nullopt;
    }
    ControlColours colours(const ControlView& c) const override { return FieldColours(*c.widget); }
    bool drawItem(ControlView& c, const DRAWITEMSTRUCT& item) const override;
    bool measureItem(FormView& f, controls::Widget&, MEASUREITEMSTRUCT& item) const override {
        // One line of the window's font, with room for the check box.
        WindowDc screen(nullptr);
        if (!screen) return false;
        TEXTMETRICW tm{};
        {
            SelectedObject font(screen.get(), f.font.get());
            GetTextMetricsW(screen.get(), &tm);
        }
        item.itemHeight = static_cast<UINT>(tm.tmHeight + 3);
        return true;
    }
};

bool ListBoxKind::drawItem(ControlView& c, const DRAWITEMSTRUCT& item) const {
    FormView& f = *c.form;
    const auto& list = ListOf(c);
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    ControlColours ink = FieldColours(list);
    FillRect(dc, &r, f.brush(ink.back));
    if (item.itemID == static_cast<UINT>(-1)) return true;
    const int glyph = CheckGlyphSize(item.hwndItem);
    RECT box{r.left + 1, r.top + (r.bottom - r.top - glyph) / 2, r.left + 1 + glyph, 0};
    box.bottom = box.top + glyph;
    const int i = static_cast<int>(item.itemID);
    const bool checked = i < list.count() && list.checked(i);
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    const std::wstring text = EntryText(item.hwndItem, item.itemID);
    RECT tr{box.right + 4, r.top, r.right, r.bottom};
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT hl{tr.left - 2, r.top, std::min<LONG>(r.right, tr.left + extent.cx + 2), r.bottom};
    if (item.itemState & ODS_SELECTED) {
        ink = {GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)};
        FillRect(dc, &hl, f.brush(ink.back));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink.fore);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &hl);
    return true;
}

}  // namespace

const ControlKindView& ListBoxView() {
    static const ListBoxKind view;
    return view;
}

}  // namespace brisko::views
