#include "views/view_button.h"

#include <cmath>
#include <string>

#include "views/gdi.h"
#include "views/view_kind.h"
#include "views/view_style.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

struct Look {
    int rowsFrom, fadeRed, fadeBlue;
    COLORREF frame, bottomLine, topLine1, topLine2;
};
constexpr Look kNormal{
    1, 75, 50, RGB(140, 174, 231), RGB(107, 130, 239), RGB(206, 231, 255), RGB(189, 215, 247)};
constexpr Look kPressed{
    3, 85, 60, RGB(255, 178, 49), RGB(231, 150, 0), RGB(255, 243, 206), RGB(255, 219, 140)};
constexpr Look kDisabled{
    1, 60, 40, RGB(153, 186, 253), RGB(113, 138, 254), RGB(208, 234, 255), RGB(191, 217, 250)};

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF c) {
    SetDCPenColor(dc, c);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void Outline(HDC dc, int l, int t, int r, int b, COLORREF c) {
    SetDCBrushColor(dc, c);
    RECT rc{l, t, r, b};
    FrameRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

HWND make_push_button(const controls::PushButton& button, HWND parent, int id, RECT b,
                      HINSTANCE instance) {
    DWORD style = WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW;
    if (button.visible()) style |= WS_VISIBLE;
    if (!button.enabled()) style |= WS_DISABLED;
    HWND hwnd =
        CreateWindowExW(0, L"BUTTON", Wide(button.caption()).c_str(), style, b.left, b.top,
                        b.right - b.left, b.bottom - b.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (hwnd) ShapePushButton(hwnd);
    return hwnd;
}

void ShapePushButton(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    const int w = r.right, h = r.bottom;
    if (w < 4 || h < 4) return;
    GdiObject region(CreateRectRgn(0, 0, w, h));
    if (!region) return;
    const auto rgn = static_cast<HRGN>(region.get());
    // Rounded corners: two pixels along the top or bottom edge and one along the side.
    const POINT corners[] = {{0, 0},     {1, 0},         {0, 1},         {w - 1, 0},
                             {w - 2, 0}, {w - 1, 1},     {0, h - 1},     {1, h - 1},
                             {0, h - 2}, {w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}};
    for (POINT p : corners) {
        GdiObject pixel(CreateRectRgn(p.x, p.y, p.x + 1, p.y + 1));
        if (pixel) CombineRgn(rgn, rgn, static_cast<HRGN>(pixel.get()), RGN_DIFF);
    }
    // The window owns the region once it has taken it.
    if (SetWindowRgn(hwnd, rgn, TRUE)) region.release();
}

void DrawPushButton(const controls::PushButton& button, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT rc = item.rcItem;
    const int W = rc.right - rc.left, H = rc.bottom - rc.top;
    if (H <= 0) return;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0 || !button.enabled();
    const bool pressed = !disabled && (item.itemState & ODS_SELECTED) != 0;
    const bool focused = !disabled && (item.itemState & ODS_FOCUS) != 0;
    const Look& look = disabled ? kDisabled : pressed ? kPressed : kNormal;

    SelectedObject pen(dc, GetStockObject(DC_PEN));
    SetDCBrushColor(dc, kWhite);
    FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    for (int i = look.rowsFrom; i <= H; ++i) {
        const int a = RoundEven(i * look.fadeRed / static_cast<double>(H));
        const int b = RoundEven(i * look.fadeBlue / static_cast<double>(H));
        Line(dc, 0, i, W, i, RGB(255 - a, 255 - a, 255 - b));
    }

    const std::wstring caption = Wide(button.caption());
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
    RECT text{0, 0, W, H};
    RECT pressedText{2, 2, W, H};
    if (disabled) {
        SetTextColor(dc, kWhite);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &pressedText, format);
        SetTextColor(dc, RGB(128, 128, 140));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
    } else {
        const COLORREF ink = button.foreColor == controls::kDefaultColour
                                 ? RGB(0, 0, 255)
                                 : ToColorRef(button.foreColor);
        SetTextColor(dc, ink);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()),
                  pressed ? &pressedText : &text, format);
    }

    constexpr COLORREF kEdge = RGB(0, 60, 115);
    Line(dc, 2, 0, W - 2, 0, kEdge);
    Line(dc, 2, H - 1, W - 2, H - 1, kEdge);
    Line(dc, 0, 2, 0, H - 2, kEdge);
    Line(dc, W - 1, 2, W - 1, H - 2, kEdge);
    for (POINT p : {POINT{1, 1}, POINT{1, H - 2}, POINT{W - 2, 1}, POINT{W - 2, H - 2}})
        SetPixelV(dc, p.x, p.y, RGB(16, 77, 123));
    Outline(dc, 1, 2, W - 1, H - 2, look.frame);
    Line(dc, 2, H - 2, W - 2, H - 2, look.bottomLine);
    Line(dc, 2, 1, W - 2, 1, look.topLine1);
    Line(dc, 1, 2, W - 1, 2, look.topLine2);
    if (pressed) {
        constexpr COLORREF kPressedSide = RGB(255, 203, 107);
        Line(dc, 2, 3, 2, H - 3, kPressedSide);
        Line(dc, W - 3, 3, W - 3, H - 3, kPressedSide);
    } else if (focused) {
        Line(dc, 2, 3, 2, H - 3, kWhite);
        Line(dc, W - 3, 3, W - 3, H - 3, kWhite);
        RECT focus{4, 4, W - 4, H - 4};
        SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &focus);
    }
}

namespace {

// The view of the push button kind: made, drawn and shaped by the functions above.
class PushButtonKind final : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override {
        return make_push_button(As<controls::PushButton>(*c.widget), parent, c.id, bounds,
                                c.form->instance);
    }
    void place(ControlView& c, RECT bounds) const override {
        if (MoveControl(c.hwnd, bounds)) ShapePushButton(c.hwnd);
    }
    void command(ControlView& c, UINT code) const override {
        if (code == BN_CLICKED) As<controls::PushButton>(*c.widget).click();
    }
    bool drawItem(ControlView& c, const DRAWITEMSTRUCT& item) const override {
        DrawPushButton(As<controls::PushButton>(*c.widget), item);
        return true;
    }
};

}  // namespace

const ControlKindView& PushButtonView() {
    static const PushButtonKind view;
    return view;
}

}  // namespace brisko::views
