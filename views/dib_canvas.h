#pragma once
// Off-screen drawing in the program's memory: a 32-bit DIB section in a memory DC, whose pixels
// the canvas writes directly, so that a drawing of a hundred lines and pixels costs no call to
// the platform (under Wine each one goes through the display driver). Texts go through GDI on
// the same DC, with the DC's font.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "controls/raster.h"
#include "views/gdi.h"
#include "views/gdi_canvas.h"

namespace brisko::views {

// A bitmap kept for repeated drawings of up to its size; it grows when a larger one is asked for.
class DibSurface {
  public:
    DibSurface() = default;
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // Room for a drawing of width x height; false when the bitmap cannot be made.
    bool reserve(int width, int height);
    HDC dc() const { return dc_; }
    // The pixel row `y`, 0x00RRGGBB per pixel, as wide as the bitmap.
    std::uint32_t* row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * width_; }

  private:
    void release();

    int width_ = 0, height_ = 0;
    HDC dc_ = nullptr;
    GdiObject bitmap_;
    std::uint32_t* bits_ = nullptr;
    std::optional<SelectedObject> selected_;
};

// Draws on the top left width x height pixels of a surface.
class DibCanvas final : public controls::PixelCanvas {
  public:
    DibCanvas(DibSurface& surface, int width, int height);
    void drawText(const std::string& text, controls::Box box, controls::Colour colour,
                  unsigned flags) override;

  private:
    void store(int x, int y, controls::Colour colour) override;
    controls::Colour load(int x, int y) const override;

    DibSurface& surface_;
    GdiCanvas text_;
};

}  // namespace brisko::views
