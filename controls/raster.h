#pragma once
// An in-memory canvas: a grid of RGB values, for checking drawing pixel by pixel. Glyphs are
// the platform's, so texts are only recorded with their rectangle, colour and flags.
#include <vector>

#include "controls/canvas.h"

namespace brisko::controls {

class Raster final : public Canvas {
  public:
    struct Text {
        std::string text;
        Box box;
        Colour colour;
        unsigned flags;
    };

    Raster(int width, int height, Colour background = rgb(0, 0, 0));

    int width() const { return width_; }
    int height() const { return height_; }
    // The colour at (x, y); drawing outside the grid is dropped, as clipping would.
    Colour at(int x, int y) const;
    const std::vector<Text>& texts() const { return texts_; }

    void fillRect(Box box, Colour colour) override;
    void frameRect(Box box, Colour colour) override;
    void line(Point from, Point to, Colour colour) override;
    void setPixel(Point at, Colour colour) override;
    void drawText(const std::string& text, Box box, Colour colour, unsigned flags) override;
    void focusRect(Box box) override;

  private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_, height_;
    std::vector<Colour> pixels_;
    std::vector<Text> texts_;
};

}  // namespace brisko::controls
