#include "controls/raster.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace brisko::controls {

PixelCanvas::PixelCanvas(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {}

void PixelCanvas::setPixel(Point p, Colour colour) {
    if (inside(p.x, p.y)) store(p.x, p.y, colour);
}

void PixelCanvas::fillRect(Box b, Colour colour) {
    for (int y = std::max(b.top, 0); y < std::min(b.bottom, height_); ++y)
        for (int x = std::max(b.left, 0); x < std::min(b.right, width_); ++x) store(x, y, colour);
}

void PixelCanvas::frameRect(Box b, Colour colour) {
    if (b.right <= b.left || b.bottom <= b.top) return;
    fillRect({b.left, b.top, b.right, b.top + 1}, colour);
    fillRect({b.left, b.bottom - 1, b.right, b.bottom}, colour);
    fillRect({b.left, b.top, b.left + 1, b.bottom}, colour);
    fillRect({b.right - 1, b.top, b.right, b.bottom}, colour);
}

void PixelCanvas::line(Point from, Point to, Colour colour) {
    // Bresenham's walk; the last point is left out, as the platform leaves it out.
    const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    Point p = from;
    while (p != to) {
        setPixel(p, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
}

void PixelCanvas::focusRect(Box b) {
    if (b.right <= b.left || b.bottom <= b.top) return;
    // Every other pixel along the outline (those of odd x + y, as the platform's pattern lies),
    // inverted, so that drawing it twice takes it away.
    const auto invert = [this](int x, int y) {
        if (((x + y) & 1) != 0 && inside(x, y)) store(x, y, load(x, y) ^ 0x00FFFFFFu);
    };
    for (int x = b.left; x < b.right; ++x) {
        invert(x, b.top);
        if (b.bottom - 1 != b.top) invert(x, b.bottom - 1);
    }
    for (int y = b.top + 1; y < b.bottom - 1; ++y) {
        invert(b.left, y);
        if (b.right - 1 != b.left) invert(b.right - 1, y);
    }
}

Raster::Raster(int width, int height, Colour background)
    : PixelCanvas(width, height),
      pixels_(static_cast<size_t>(this->width()) * static_cast<size_t>(this->height()),
              background) {}

Colour Raster::at(int x, int y) const {
    if (!inside(x, y)) throw std::out_of_range("pixel outside the raster");
    return load(x, y);
}

void Raster::store(int x, int y, Colour colour) {
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(width()) + static_cast<size_t>(x)] =
        colour;
}

Colour Raster::load(int x, int y) const {
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width()) + static_cast<size_t>(x)];
}

void Raster::drawText(const std::string& text, Box box, Colour colour, unsigned flags) {
    texts_.push_back({text, box, colour, flags});
}

}  // namespace brisko::controls
