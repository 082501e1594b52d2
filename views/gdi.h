#pragma once
// Owners for the GDI objects and device contexts of the views: whatever is created, selected,
// got or begun here is deleted, put back, released or ended when its owner goes, on every path.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <type_traits>
#include <utility>

namespace brisko::views {

struct GdiDeleter {
    void operator()(HGDIOBJ object) const {
        if (object) DeleteObject(object);
    }
};
// A pen, brush, font, bitmap or region that the views created.
using GdiObject = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const {
        if (icon) DestroyIcon(icon);
    }
};
// An icon loaded at a size of its own (LoadImage without LR_SHARED).
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// Selects an object into a DC and selects the previous one back when it goes.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The DC of a window's client area (GetDC / ReleaseDC); no window means the screen.
class WindowDc {
  public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// The painting of one WM_PAINT (BeginPaint / EndPaint).
class PaintDc {
  public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintDc() { EndPaint(hwnd_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An off-screen picture compatible with a target DC: a memory DC with a bitmap of the given
// size selected into it. Empty sizes get a one-pixel bitmap, so that drawing stays valid.
class MemoryDc {
  public:
    MemoryDc(HDC target, int width, int height)
        : width_(std::max(width, 0)),
          height_(std::max(height, 0)),
          dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, std::max(width_, 1), std::max(height_, 1))),
          selected_(dc_.get(), bitmap_.get()) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC get() const { return dc_.get(); }
    // Whether there is anything to draw on.
    explicit operator bool() const { return dc_ && bitmap_; }
    // Copies the picture to `target` with its top left corner at (0, 0).
    void copyTo(HDC target) const {
        if (*this) BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
    }

  private:
    struct DcDeleter {
        void operator()(HDC dc) const {
            if (dc) DeleteDC(dc);
        }
    };
    int width_, height_;
    // Declared in this order so that the bitmap is selected out before it and the DC go.
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc_;
    GdiObject bitmap_;
    SelectedObject selected_;
};

// Draws `paint(dc)` off screen over the rectangle (0, 0, width, height) and copies the result to
// `target` in one piece, so that repainting does not flicker. Nothing reaches the target when
// the off-screen picture cannot be made.
template <class Paint>
void DrawBuffered(HDC target, int width, int height, Paint&& paint) {
    MemoryDc buffer(target, width, height);
    if (!buffer) return;
    std::forward<Paint>(paint)(buffer.get());
    buffer.copyTo(target);
}

}  // namespace brisko::views
