#include "views/dib_canvas.h"

#include <algorithm>

namespace brisko::views {

DibSurface::~DibSurface() {
    release();
}

void DibSurface::release() {
    selected_.reset();  // the bitmap leaves the DC before either goes
    bitmap_.reset();
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

bool DibSurface::reserve(int width, int height) {
    if (width <= width_ && height <= height_ && bits_) return true;
    const int w = std::max(width, width_), h = std::max(height, height_);
    release();
    dc_ = CreateCompatibleDC(nullptr);
    if (!dc_) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) {
        release();
        return false;
    }
    bits_ = static_cast<std::uint32_t*>(bits);
    selected_.emplace(dc_, bitmap_.get());
    width_ = w;
    height_ = h;
    return true;
}

DibCanvas::DibCanvas(DibSurface& surface, int width, int height)
    : PixelCanvas(width, height), surface_(surface), text_(surface.dc()) {
    GdiFlush();  // whatever GDI still has to do with the bitmap is done before it is written
}

// The models keep colours as 0x00BBGGRR; the bitmap's pixels are 0x00RRGGBB.
void DibCanvas::store(int x, int y, controls::Colour c) {
    surface_.row(y)[x] = ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

controls::Colour DibCanvas::load(int x, int y) const {
    const std::uint32_t p = surface_.row(y)[x];
    return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

void DibCanvas::drawText(const std::string& text, controls::Box box, controls::Colour colour,
                         unsigned flags) {
    text_.drawText(text, box, colour, flags);
    GdiFlush();  // GDI may batch the text; the pixels written after it must land on top
}

}  // namespace brisko::views
