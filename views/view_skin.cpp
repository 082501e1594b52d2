#include "views/view_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "views/gdi.h"
#include "views/view_style.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

constexpr int kStripTwips = 435;   // 29 px at 96 dpi
constexpr int kBorderTwips = 45;   // 3 px
constexpr int kButtonTwips = 315;  // 21 px
constexpr int kButtonGapTwips = 90;
constexpr int kButtonTopTwips = 60;
constexpr COLORREF kStripTop = RGB(74, 122, 206);
constexpr COLORREF kStripBottom = RGB(18, 52, 128);
constexpr COLORREF kBorder = RGB(18, 52, 128);

COLORREF Mix(COLORREF a, COLORREF b, int num, int den) {
    auto mix = [&](int x, int y) { return x + (y - x) * num / std::max(den, 1); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour, int width) {
    GdiObject pen(CreatePen(PS_SOLID, width, colour));
    SelectedObject selected(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void VerticalGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
    const int h = r.bottom - r.top;
    for (int y = 0; y < h; ++y)
        Fill(dc, {r.left, r.top + y, r.right, r.top + y + 1}, Mix(top, bottom, y, h - 1));
}

bool HasTitleLabel(const FormView& form) {
    const int strip = StripHeight(form);
    for (const controls::Widget* w : form.form->widgets)
        if (w->kind() == controls::Kind::Label && !w->parent() && w->visible() &&
            form.px(w->rect.top) < strip && form.px(w->rect.top + w->rect.height) > 0)
            return true;
    return false;
}

void PaintCaptionButton(const FormView& form, HDC dc, int button) {
    const RECT r = CaptionButtonRect(form, button);
    const bool pressed = form.pressedButton == button;
    const bool hot = !pressed && form.hotButton == button;
    COLORREF top = RGB(96, 146, 226), bottom = RGB(34, 76, 170);
    if (hot) top = RGB(140, 184, 250), bottom = RGB(62, 110, 210);
    if (pressed) top = RGB(22, 50, 120), bottom = RGB(52, 94, 190);
    if (button == kCloseButton && (hot || pressed)) {
        top = pressed ? RGB(150, 40, 20) : RGB(240, 120, 90);
        bottom = pressed ? RGB(210, 80, 50) : RGB(190, 50, 30);
    }
    const RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    VerticalGradient(dc, inner, top, bottom);
    // Rounded white-ish outline.
    {
        GdiObject pen(CreatePen(PS_SOLID, 1, RGB(230, 238, 255)));
        SelectedObject selectedPen(dc, pen.get());
        SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
        const int round = std::max(3, form.px(60));
        RoundRect(dc, r.left, r.top, r.right, r.bottom, round, round);
    }

    const int w = r.right - r.left, h = r.bottom - r.top;
    const int stroke = std::max(2, w / 10);
    const int shift = pressed ? 1 : 0;
    const int cx = r.left + w / 2 + shift, cy = r.top + h / 2 + shift;
    const int arm = w / 4;
    const COLORREF ink = kWhite;
    switch (button) {
        case kCloseButton:
            Line(dc, cx - arm, cy - arm, cx + arm, cy + arm, ink, stroke);
            Line(dc, cx + arm, cy - arm, cx - arm, cy + arm, ink, stroke);
            break;
        case kMinimiseButton:
            Line(dc, cx - arm, cy + arm - 1, cx + arm, cy + arm - 1, ink, stroke + 1);
            break;
        default: {
            LOGFONTW lf{};
            lf.lfHeight = -(h * 3 / 4);
            lf.lfWeight = FW_BOLD;
            lstrcpynW(lf.lfFaceName, kFontFace, LF_FACESIZE);
            GdiObject font(CreateFontIndirectW(&lf));
            SelectedObject selected(dc, font.get());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ink);
            RECT tr{r.left + shift, r.top + shift, r.right + shift, r.bottom + shift};
            DrawTextW(dc, L"?", 1, &tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
}

// The program's icon, small, at the left end of the strip.
void PaintStripIcon(const FormView& form, HDC dc) {
    const int size = form.px(240);
    const UniqueIcon icon(
        static_cast<HICON>(LoadImageW(form.instance, IconResource(), IMAGE_ICON, size, size, 0)));
    if (!icon) return;
    const int top = (StripHeight(form) - size) / 2;
    DrawIconEx(dc, form.px(120), top, icon.get(), size, size, 0, nullptr, DI_NORMAL);
}

}  // namespace

int StripHeight(const FormView& form) {
    return form.form->skinned ? form.px(kStripTwips) : 0;
}
int BorderWidth(const FormView& form) {
    return form.form->skinned ? std::max(1, form.px(kBorderTwips)) : 0;
}

RECT CaptionButtonRect(const FormView& form, int button) {
    RECT client{};
    GetClientRect(form.hwnd, &client);
    const int size = form.px(kButtonTwips), gap = form.px(kButtonGapTwips) / 2 * 2;
    const int right = client.right - form.px(90);
    const int left = right - size - (kCaptionButtons - 1 - button) * (size + gap);
    const int top = form.px(kButtonTopTwips);
    return {left, top, left + size, top + size};
}

int CaptionButtonAt(const FormView& form, POINT client) {
    if (!form.form->skinned) return -1;
    for (int b = 0; b < kCaptionButtons; ++b) {
        const RECT r = CaptionButtonRect(form, b);
        if (PtInRect(&r, client)) return b;
    }
    return -1;
}

void PaintSurface(const FormView& form, HDC dc, POINT origin) {
    POINT old{};
    SetWindowOrgEx(dc, origin.x, origin.y, &old);
    RECT client{};
    GetClientRect(form.hwnd, &client);
    Fill(dc, client, form.background());
    if (form.form->skinned) {
        const int strip = StripHeight(form), border = BorderWidth(form);
        VerticalGradient(dc, {0, 0, client.right, strip}, kStripTop, kStripBottom);
        Fill(dc, {0, 0, client.right, 1}, RGB(150, 186, 240));
        Fill(dc, {0, strip - 1, client.right, strip}, RGB(10, 30, 80));
        Fill(dc, {0, strip, border, client.bottom}, kBorder);
        Fill(dc, {client.right - border, strip, client.right, client.bottom}, kBorder);
        Fill(dc, {0, client.bottom - border, client.right, client.bottom}, kBorder);
        PaintStripIcon(form, dc);
        if (!HasTitleLabel(form)) {
            SelectedObject font(dc, form.boldFont.get());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, kWhite);
            const std::wstring title = Wide(form.form->title());
            RECT tr{form.px(480), 0, CaptionButtonRect(form, 0).left - form.px(60), strip};
            DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &tr,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        for (int b = 0; b < kCaptionButtons; ++b) PaintCaptionButton(form, dc, b);
    }
    SetWindowOrgEx(dc, old.x, old.y, nullptr);
}

void PaintImage(const FormView& form, const controls::Image& image, HDC dc, RECT r) {
    if (image.backColor != controls::kDefaultColour) {
        // A plain piece of the window's dressing (the borders).
        Fill(dc, r, ToColorRef(image.backColor));
        return;
    }
    // The document picture: a page with ruled lines and a red seal.
    RECT page = r;
    InflateRect(&page, -form.px(90), -form.px(30));
    const int w = page.right - page.left, h = page.bottom - page.top;
    if (w <= 4 || h <= 4) return;
    Fill(dc, {page.left + 3, page.top + 3, page.right + 3, page.bottom + 3}, RGB(180, 174, 150));
    Fill(dc, page, RGB(255, 255, 250));
    SetDCBrushColor(dc, RGB(60, 60, 90));
    FrameRect(dc, &page, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    for (int y = page.top + h / 6; y < page.bottom - h / 3; y += std::max(3, h / 9))
        Fill(dc, {page.left + w / 6, y, page.right - w / 6, y + 1}, RGB(90, 110, 170));
    const int seal = std::max(6, w / 3);
    GdiObject brush(CreateSolidBrush(RGB(192, 0, 0)));
    GdiObject pen(CreatePen(PS_SOLID, 1, RGB(120, 0, 0)));
    SelectedObject selectedBrush(dc, brush.get());
    SelectedObject selectedPen(dc, pen.get());
    Ellipse(dc, page.right - seal - w / 8, page.bottom - seal - h / 10, page.right - w / 8,
            page.bottom - h / 10);
}

namespace {

void InvalidateStrip(FormView& form) {
    RECT r{};
    GetClientRect(form.hwnd, &r);
    r.bottom = StripHeight(form);
    InvalidateRect(form.hwnd, &r, FALSE);
}

void SetHotButton(FormView& form, int button) {
    if (button == form.hotButton) return;
    form.hotButton = button;
    InvalidateStrip(form);
}

}  // namespace

bool CaptionMouseMove(FormView& form, POINT p) {
    if (form.pressedButton >= 0) return false;
    if (!form.trackingLeave) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, form.hwnd, 0};
        form.trackingLeave = TrackMouseEvent(&tme) != FALSE;
    }
    SetHotButton(form, CaptionButtonAt(form, p));
    return p.y >= StripHeight(form);
}

void CaptionMouseLeave(FormView& form) {
    form.trackingLeave = false;
    if (form.pressedButton < 0) SetHotButton(form, -1);
}

void CaptionMouseDown(FormView& form, POINT p) {
    const int button = CaptionButtonAt(form, p);
    if (button >= 0) {
        form.pressedButton = button;
        SetCapture(form.hwnd);
        InvalidateStrip(form);
    } else if (p.y < StripHeight(form)) {
        // The title strip moves the window like a caption.
        ReleaseCapture();
        SendMessageW(form.hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
}

int CaptionMouseUp(FormView& form) {
    // The release belongs to the pressed button wherever it happens.
    const int button = form.pressedButton;
    if (button < 0) return -1;
    form.pressedButton = -1;
    form.hotButton = -1;
    ReleaseCapture();
    InvalidateStrip(form);
    return button;
}

void CaptionCaptureChanged(FormView& form, HWND newCapture) {
    if (form.pressedButton >= 0 && newCapture != form.hwnd) {
        form.pressedButton = -1;
        InvalidateStrip(form);
    }
}

void CaptionButtonsMoved(FormView& form) {
    form.hotButton = form.pressedButton = -1;
    AddCaptionButtonTips(form);
}

void AddCaptionButtonTips(FormView& form) {
    if (!form.tooltip || !form.form->skinned) return;
    static constexpr const wchar_t* kTips[kCaptionButtons] = {L"Help me", L"Minimize", L"Close"};
    for (int b = 0; b < kCaptionButtons; ++b) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = form.hwnd;
        tool.uId = static_cast<UINT_PTR>(b + 1);
        SendMessageW(form.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tool.rect = CaptionButtonRect(form, b);
        tool.lpszText = const_cast<wchar_t*>(kTips[b]);
        SendMessageW(form.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace brisko::views
