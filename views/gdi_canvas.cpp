#include "views/gdi_canvas.h"

#include <string>

#include "views/view_text.h"

namespace brisko::views {

namespace {

// The models keep colours as the platform does (0x00BBGGRR).
COLORREF Ref(controls::Colour c) {
    return static_cast<COLORREF>(c & 0x00FFFFFFu);
}

RECT Rect(controls::Box b) {
    return RECT{b.left, b.top, b.right, b.bottom};
}

HBRUSH DcBrush() {
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc), pen_(dc, GetStockObject(DC_PEN)) {}

void GdiCanvas::fillRect(controls::Box box, controls::Colour colour) {
    SetDCBrushColor(dc_, Ref(colour));
    const RECT r = Rect(box);
    FillRect(dc_, &r, DcBrush());
}

void GdiCanvas::frameRect(controls::Box box, controls::Colour colour) {
    SetDCBrushColor(dc_, Ref(colour));
    const RECT r = Rect(box);
    FrameRect(dc_, &r, DcBrush());
}

void GdiCanvas::line(controls::Point from, controls::Point to, controls::Colour colour) {
    SetDCPenColor(dc_, Ref(colour));
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

void GdiCanvas::setPixel(controls::Point at, controls::Colour colour) {
    SetPixelV(dc_, at.x, at.y, Ref(colour));
}

void GdiCanvas::drawText(const std::string& text, controls::Box box, controls::Colour colour,
                         unsigned flags) {
    const std::wstring wide = Wide(text);
    RECT r = Rect(box);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, Ref(colour));
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, flags);
}

void GdiCanvas::focusRect(controls::Box box) {
    // The dotted outline inverts what is under it only with black text on a white background.
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkColor(dc_, RGB(255, 255, 255));
    const RECT r = Rect(box);
    DrawFocusRect(dc_, &r);
}

}  // namespace brisko::views
