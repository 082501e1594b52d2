#pragma once
// Canvases whose pixels are in memory. PixelCanvas draws by the platform's rules (rectangles
// without their right and bottom edges, lines without their end point, the focus outline's
// pattern) over whatever holds the pixels; Raster holds them in a grid of RGB values, for
// checking drawing pixel by pixel. Glyphs are the platform's, so a Raster only records texts
// with their rectangle, colour and flags.
#include <vector>

#include "controls/canvas.h"

namespace brisko::controls {

class PixelCanvas : public Canvas {
  public:
    PixelCanvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    void fillRect(Box box, Colour colour) override;
    void frameRect(Box box, Colour colour) override;
    void line(Point from, Point to, Colour colour) override;
    // Drawing outside the grid is dropped, as clipping would.
    void setPixel(Point at, Colour colour) override;
    void focusRect(Box box) override;

  protected:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The pixel (x, y), inside the grid.
    virtual void store(int x, int y, Colour colour) = 0;
    virtual Colour load(int x, int y) const = 0;

  private:
    int width_, height_;
};

class Raster final : public PixelCanvas {
  public:
    struct Text {
        std::string text;
        Box box;
        Colour colour;
        unsigned flags;
    };

    Raster(int width, int height, Colour background = rgb(0, 0, 0));

    // The colour at (x, y).
    Colour at(int x, int y) const;
    const std::vector<Text>& texts() const { return texts_; }

    void drawText(const std::string& text, Box box, Colour colour, unsigned flags) override;

  private:
    void store(int x, int y, Colour colour) override;
    Colour load(int x, int y) const override;

    std::vector<Colour> pixels_;
    std::vector<Text> texts_;
};

}  // namespace brisko::controls
