#include "views/view_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "controls/xp_design.h"
#include "views/gdi.h"
#include "views/view_style.h"
#include "views/view_text.h"

namespace brisko::views {

using controls::ButtonImage;
using controls::CaptionButton;
using controls::TitleElement;

namespace {

constexpr int kStripTwips = 435;   // 29 px at 96 dpi
constexpr int kBorderTwips = 45;   // 3 px
constexpr int kButtonTwips = 315;  // 21 px
constexpr int kButtonGapTwips = 90;
constexpr int kButtonTopTwips = 60;
constexpr int kTitleLeftTwips = 150;   // the left title piece, 10 px
constexpr int kTitleRightTwips = 825;  // the right title piece, 55 px
constexpr int kFirstCaptionButtonId = 50;
constexpr wchar_t kCaptionButtonClass[] = L"BriskoCaptionButton";
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

// One caption button in its image, drawn with shapes so that it is crisp at every size.
void PaintCaptionButton(const FormView& form, HDC dc, CaptionButton button, RECT r,
                        ButtonImage image) {
    const bool pressed = image == ButtonImage::Pressed;
    const bool hot = image == ButtonImage::Highlighted;
    COLORREF top = RGB(96, 146, 226), bottom = RGB(34, 76, 170);
    if (hot) top = RGB(140, 184, 250), bottom = RGB(62, 110, 210);
    if (pressed) top = RGB(22, 50, 120), bottom = RGB(52, 94, 190);
    if (button == CaptionButton::Close && (hot || pressed)) {
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
        case CaptionButton::Close:
            Line(dc, cx - arm, cy - arm, cx + arm, cy + arm, ink, stroke);
            Line(dc, cx + arm, cy - arm, cx - arm, cy + arm, ink, stroke);
            break;
        case CaptionButton::Minimise:
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

// A gradient whose rows stop short of a quarter circle at the top right, so that the title bar
// ends round at any size.
void RoundedEndGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom, COLORREF behind) {
    const int h = r.bottom - r.top, radius = std::min<int>(h, r.right - r.left) / 2;
    for (int y = 0; y < h; ++y) {
        int cut = 0;
        if (y < radius) {
            const double dy = radius - y - 0.5;
            cut = radius - static_cast<int>(std::lround(std::sqrt(radius * radius - dy * dy)));
        }
        Fill(dc, {r.left, r.top + y, r.right, r.top + y + 1}, behind);
        Fill(dc, {r.left, r.top + y, r.right - cut, r.top + y + 1}, Mix(top, bottom, y, h - 1));
    }
}

void PaintShadowText(const FormView& form, HDC dc, const controls::Label& shadow) {
    if (shadow.caption().empty()) return;
    SelectedObject font(dc, form.fontFor(shadow));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(shadow.foreColor));
    const std::wstring text = Wide(shadow.caption());
    RECT r = form.px(shadow.rect);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The styled frame: title bar with its rounded end, side bars, bottom bar, icon and the texts'
// shadows (the texts themselves are the labels over them), all shapes and gradients, so that it
// is crisp at every DPI.
void PaintStyledFrame(const FormView& form, const controls::XPDesign& frame, HDC dc) {
    using E = controls::FrameElement;
    const RECT body = form.px(frame.element(E::TitleBody));
    const RECT end = form.px(frame.element(E::RoundEnd));
    const RECT left = form.px(frame.element(E::LeftSide));
    const RECT right = form.px(frame.element(E::RightSide));
    const RECT bottom = form.px(frame.element(E::BottomBar));
    Fill(dc, left, kBorder);
    Fill(dc, right, kBorder);
    Fill(dc, {left.right - 1, left.top, left.right, left.bottom}, kStripTop);
    Fill(dc, {right.left, right.top, right.left + 1, right.bottom}, kStripTop);
    VerticalGradient(dc, body, kStripTop, kStripBottom);
    RoundedEndGradient(dc, end, kStripTop, kStripBottom, form.background());
    Fill(dc, {body.left, body.top, body.right, body.top + 1}, RGB(150, 186, 240));
    VerticalGradient(dc, bottom, kStripBottom, kStripTop);
    Fill(dc, {bottom.left, bottom.top, bottom.right, bottom.top + 1}, RGB(10, 30, 80));
    if (frame.iconOf()) {
        const RECT r = form.px(frame.element(E::Icon));
        const int size = std::min(r.right - r.left, r.bottom - r.top);
        const UniqueIcon icon(static_cast<HICON>(
            LoadImageW(form.instance, IconResource(), IMAGE_ICON, size, size, 0)));
        if (icon) DrawIconEx(dc, r.left, r.top, icon.get(), size, size, 0, nullptr, DI_NORMAL);
    }
    PaintShadowText(form, dc, frame.Label2[1]);
    PaintShadowText(form, dc, frame.Label2[3]);
}

}  // namespace

int StripHeight(const FormView& form) {
    if (form.form->styledFrame) return form.px(controls::XPDesign::kTitleHeight);
    return form.form->skin.hasTitleStrip() ? form.px(kStripTwips) : 0;
}
int BorderWidth(const FormView& form) {
    if (form.form->styledFrame) return std::max(1, form.px(controls::XPDesign::kSideWidth));
    return form.form->skin.hasTitleStrip() ? std::max(1, form.px(kBorderTwips)) : 0;
}

RECT CaptionButtonRect(const FormView& form, CaptionButton button) {
    if (const controls::XPDesign* frame = form.form->styledFrame)
        return form.px(frame->button(button));
    RECT client{};
    GetClientRect(form.hwnd, &client);
    const int size = form.px(kButtonTwips), gap = form.px(kButtonGapTwips) / 2 * 2;
    const int right = client.right - form.px(90);
    const int fromRight = controls::kCaptionButtonCount - 1 - static_cast<int>(button);
    const int left = right - size - fromRight * (size + gap);
    const int top = form.px(kButtonTopTwips);
    return {left, top, left + size, top + size};
}

TitleElement TitleElementAt(const FormView& form, POINT client) {
    RECT r{};
    GetClientRect(form.hwnd, &r);
    if (client.x < form.px(kTitleLeftTwips)) return TitleElement::Left;
    if (client.x >= r.right - form.px(kTitleRightTwips)) return TitleElement::Right;
    return TitleElement::Middle;
}

void PaintSurface(const FormView& form, HDC dc, POINT origin) {
    POINT old{};
    SetWindowOrgEx(dc, origin.x, origin.y, &old);
    RECT client{};
    GetClientRect(form.hwnd, &client);
    Fill(dc, client, form.background());
    if (form.form->styledFrame) {
        PaintStyledFrame(form, *form.form->styledFrame, dc);
    } else if (form.form->skin.hasTitleStrip()) {
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
            RECT tr{form.px(480), 0,
                    CaptionButtonRect(form, CaptionButton::Help).left - form.px(60), strip};
            DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &tr,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
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

FormView* ViewOf(HWND button) {
    return reinterpret_cast<FormView*>(GetWindowLongPtrW(button, GWLP_USERDATA));
}

CaptionButton ButtonOf(HWND button) {
    return static_cast<CaptionButton>(GetDlgCtrlID(button) - kFirstCaptionButtonId);
}

void Act(FormView& f, CaptionButton button) {
    controls::Form& form = *f.form;
    if (form.styledFrame) {
        form.styledFrame->act(button);
        return;
    }
    switch (button) {
        case CaptionButton::Close:
            if (form.onSystemClose)
                form.onSystemClose();
            else
                form.unload();
            break;
        case CaptionButton::Minimise:
            form.setState(controls::WindowState::Minimized);
            break;
        case CaptionButton::Help:
            if (form.onHelp) form.onHelp();
            break;
    }
}

void PaintButtonWindow(FormView& f, HWND hwnd, CaptionButton button) {
    PaintDc dc(hwnd);
    if (!dc) return;
    RECT r{};
    GetClientRect(hwnd, &r);
    const RECT at = CaptionButtonRect(f, button);
    DrawBuffered(dc.get(), r.right, r.bottom, [&](HDC buffer) {
        // The strip under the button first, so that its rounded corners lie on the strip.
        PaintSurface(f, buffer, {at.left, at.top});
        PaintCaptionButton(f, buffer, button, r, f.form->skin.image(button));
    });
}

// Lets the mouse go after a release without counting it as lost to another window.
void ReleaseOwnCapture(FormView& f, HWND hwnd) {
    if (GetCapture() != hwnd) return;
    f.releasingCapture = true;
    ReleaseCapture();
    f.releasingCapture = false;
}

LRESULT CALLBACK CaptionButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    FormView* f = ViewOf(hwnd);
    if (!f || !f->form) return DefWindowProcW(hwnd, msg, wp, lp);
    controls::WindowSkin& skin = f->form->skin;
    const CaptionButton button = ButtonOf(hwnd);
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintButtonWindow(*f, hwnd, button);
            return 0;
        case WM_MOUSEMOVE:
            skin.mouseMove(button);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            skin.mouseMove(button);  // the pointer is on it, whether or not a move came first
            if (skin.press(button)) SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const auto action = skin.release(button);
            ReleaseOwnCapture(*f, hwnd);
            // The action may close the window and this button with it: nothing after it.
            if (action) Act(*f, *action);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (!f->releasingCapture) skin.captureLost(button);
            return 0;
        case BM_CLICK: {
            // Keyboards' and test drivers' click: the whole pass of the mouse at once.
            skin.mouseMove(button);
            skin.press(button);
            if (const auto action = skin.release(button)) Act(*f, *action);
            return 0;
        }
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            for (HWND& own : f->captionButtons)
                if (own == hwnd) own = nullptr;
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void Drag(FormView& f) {
    ReleaseCapture();
    SendMessageW(f.hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

// The window a press on the frame's element moves, moved as a caption press would.
void FramePress(controls::XPDesign& frame, controls::FrameElement e, controls::MouseButton b) {
    const controls::Form* target = frame.press(e, b);
    if (!target || !target->hwnd) return;
    ReleaseCapture();
    SendMessageW(reinterpret_cast<HWND>(target->hwnd), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

controls::FrameElement FrameElementAt(const FormView& f, const controls::XPDesign& frame,
                                      POINT client) {
    return frame.elementAt(MulDiv(client.x, 1440, f.dpi), MulDiv(client.y, 1440, f.dpi));
}

}  // namespace

void RegisterCaptionButtonClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = CaptionButtonProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kCaptionButtonClass;
    RegisterClassExW(&wc);
}

void CreateCaptionButtons(FormView& f) {
    controls::WindowSkin& skin = f.form->skin;
    for (int i = 0; i < controls::kCaptionButtonCount; ++i) {
        const auto button = static_cast<CaptionButton>(i);
        if (!skin.has(button) || f.captionButtons[i]) continue;
        const RECT r = CaptionButtonRect(f, button);
        f.captionButtons[i] = CreateWindowExW(
            0, kCaptionButtonClass, Wide(skin.toolTip(button)).c_str(), WS_CHILD | WS_VISIBLE,
            r.left, r.top, r.right - r.left, r.bottom - r.top, f.hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstCaptionButtonId + i)), f.instance,
            &f);
    }
    skin.onImageChange = [&f](CaptionButton button) {
        if (HWND h = f.captionButtons[static_cast<int>(button)]) InvalidateRect(h, nullptr, FALSE);
    };
}

void PlaceCaptionButtons(FormView& f) {
    for (int i = 0; i < controls::kCaptionButtonCount; ++i)
        if (HWND h = f.captionButtons[i]) {
            const RECT r = CaptionButtonRect(f, static_cast<CaptionButton>(i));
            SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
}

void AddCaptionButtonTips(FormView& f) {
    for (int i = 0; i < controls::kCaptionButtonCount; ++i)
        f.setTip(f.captionButtons[i], f.form->skin.toolTip(static_cast<CaptionButton>(i)));
}

bool StripMouseMove(FormView& f, POINT client) {
    if (controls::XPDesign* frame = f.form->styledFrame) {
        const auto e = FrameElementAt(f, *frame, client);
        frame->mouseMove(e);
        return e == controls::FrameElement::Background;
    }
    if (client.y >= StripHeight(f)) return true;
    f.form->skin.titleMove(TitleElementAt(f, client));
    return false;
}

void StripMouseDown(FormView& f, POINT client) {
    if (controls::XPDesign* frame = f.form->styledFrame) {
        FramePress(*frame, FrameElementAt(f, *frame, client), controls::MouseButton::Left);
        return;
    }
    if (client.y < StripHeight(f) && f.form->skin.dragsBy(TitleElementAt(f, client))) Drag(f);
}

void DragByTitleText(FormView& f) {
    if (f.hwnd && f.form->skin.dragsBy(TitleElement::Text)) Drag(f);
}

bool IsFrameText(const FormView& f, const controls::Widget& w) {
    const controls::XPDesign* frame = f.form->styledFrame;
    return frame && (&w == &frame->Label2[0] || &w == &frame->Label2[2]);
}

bool FrameTextMessage(FormView& f, const controls::Widget& w, UINT msg) {
    if (!IsFrameText(f, w)) return false;
    controls::XPDesign& frame = *f.form->styledFrame;
    const auto e = &w == &frame.Label2[0] ? controls::FrameElement::StatusText
                                          : controls::FrameElement::CaptionText;
    switch (msg) {
        case WM_MOUSEMOVE:
            frame.mouseMove(e);
            return false;  // the label's own handling goes on
        case WM_LBUTTONDOWN:
            FramePress(frame, e, controls::MouseButton::Left);
            return true;
        case WM_RBUTTONDOWN:
            FramePress(frame, e, controls::MouseButton::Right);
            return true;
        case WM_MBUTTONDOWN:
            FramePress(frame, e, controls::MouseButton::Middle);
            return true;
    }
    return false;
}

}  // namespace brisko::views
