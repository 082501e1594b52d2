#include "controls/xp_design.h"

namespace brisko::controls {

namespace {
constexpr Colour kShadow = rgb(0, 0, 0);
constexpr int kTitleHeight = 450;   // twips
constexpr int kStatusHeight = 255;  // twips
}  // namespace

XPDesign::XPDesign(const std::string& name)
    : Label2{{Label{name + ".Label2(0)"}, Label{name + ".Label2(1)"}, Label{name + ".Label2(2)"},
              Label{name + ".Label2(3)"}}} {
    Label2[1].setVisible(false);
    Label2[3].setVisible(false);
    Label2[1].foreColor = Label2[3].foreColor = kShadow;
    Label2[2].bold = Label2[3].bold = true;
}

void XPDesign::setStexte(const std::string& text) {
    Label2[0].setCaption(text);
    Label2[1].setCaption(text);
}

void XPDesign::setCaption(const std::string& text) {
    Label2[2].setCaption(text);
    Label2[3].setCaption(text);
}

void XPDesign::place(const Rect& frame) {
    rect = frame;
    // Caption on the title strip, status text on the bottom bar; shadows one pixel down-right.
    Label2[2].rect = {frame.left + 480, frame.top + 90, frame.width - 975 - 480,
                      kTitleHeight - 180};
    Label2[0].rect = {frame.left + 240, frame.top + frame.height - kStatusHeight - 120,
                      frame.width - 480, kStatusHeight};
    Label2[3].rect = Label2[2].rect;
    Label2[1].rect = Label2[0].rect;
    Label2[3].rect.left += 15;
    Label2[3].rect.top += 15;
    Label2[1].rect.left += 15;
    Label2[1].rect.top += 15;
}

}  // namespace brisko::controls
