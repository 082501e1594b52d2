#pragma once
// The surface that the program's own drawing code paints on: the views hand it a GDI device
// context, the tests an in-memory raster, so that the same pixels can be checked on both.
#include <string>

#include "controls/colour.h"

namespace brisko::controls {

// A rectangle in pixels; right and bottom are outside it, as in the platform's rectangles.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// How a text is placed in its rectangle; the values are the platform's own flags.
enum TextFlags : unsigned {
    kTextCentre = 0x1,
    kTextVCentre = 0x4,
    kTextSingleLine = 0x20,
    kTextExpandTabs = 0x40,
};
// Centred both ways on one line, tabs expanded, "&" underlining the next character.
inline constexpr unsigned kTextButton =
    kTextCentre | kTextVCentre | kTextSingleLine | kTextExpandTabs;

class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void fillRect(Box box, Colour colour) = 0;
    // A one-pixel outline along the inside of `box`.
    virtual void frameRect(Box box, Colour colour) = 0;
    // From `from` towards `to`, the end point not drawn (as the platform draws lines).
    virtual void line(Point from, Point to, Colour colour) = 0;
    virtual void setPixel(Point at, Colour colour) = 0;
    virtual void drawText(const std::string& text, Box box, Colour colour, unsigned flags) = 0;
    // The dotted focus outline along the inside of `box`, drawn by inverting pixels.
    virtual void focusRect(Box box) = 0;
};

}  // namespace brisko::controls
