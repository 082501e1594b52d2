#pragma once
// The canvas of the program's own drawing on a real device context.
#include <windows.h>

#include "controls/canvas.h"
#include "views/gdi.h"

namespace brisko::views {

class GdiCanvas final : public controls::Canvas {
  public:
    // Draws on `dc` with the DC's own pen and brush, and its font for texts.
    explicit GdiCanvas(HDC dc);

    void fillRect(controls::Box box, controls::Colour colour) override;
    void frameRect(controls::Box box, controls::Colour colour) override;
    void line(controls::Point from, controls::Point to, controls::Colour colour) override;
    void setPixel(controls::Point at, controls::Colour colour) override;
    void drawText(const std::string& text, controls::Box box, controls::Colour colour,
                  unsigned flags) override;
    void focusRect(controls::Box box) override;

  private:
    HDC dc_;
    SelectedObject pen_;
};

}  // namespace brisko::views
