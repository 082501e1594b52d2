// Where the disclaimer window's controls sit (twips) and its colours.
#include "app/form2.h"
#include "app/layout.h"
#include "controls/palette.h"

namespace brisko::app {

namespace {

constexpr controls::Colour kRed = controls::rgb(192, 0, 0);
constexpr controls::Colour kBorder = controls::rgb(18, 52, 128);
constexpr int kWidth = 4995;
constexpr int kHeight = 3630;
constexpr int kBorderThickness = 45;  // 3 pixels

}  // namespace

void LayOutForm2(Form2& f) {
    f.clientWidth = kWidth;
    f.clientHeight = kHeight;
    f.backColor = controls::kPaper;
    // No title strip: the window draws only its thin border.
    f.skin = controls::DisclaimerSkin();

    f.Frame1.rect = {210, 240, 4575, 2295};
    f.Frame1.foreColor = kRed;
    f.Frame1.bold = true;
    f.Label1.rect = {120, 360, 4335, 1815};
    f.Label1.foreColor = Form2::kTextBlue;
    f.chkDisc.rect = {600, 2640, 3855, 195};
    f.chkDisc.foreColor = Form2::kTextBlue;
    f.Command2.rect = {577, 3000, 1800, 375};
    f.Command1.rect = {2617, 3000, 1800, 375};
    f.Command2.foreColor = Form2::kTextBlue;
    f.Command1.foreColor = Form2::kTextBlue;

    // The border pieces run along the edges, the side pieces from the top.
    f.imgTop.rect = {0, 0, kWidth, kBorderThickness};
    f.imgBottom.rect = {0, kHeight - kBorderThickness, kWidth, kBorderThickness};
    f.imgLeft.rect = {0, 0, kBorderThickness, kHeight};
    f.imgRight.rect = {kWidth - kBorderThickness, 0, kBorderThickness, kHeight};
    for (controls::Image* piece : {&f.imgTop, &f.imgBottom, &f.imgLeft, &f.imgRight})
        piece->backColor = kBorder;
}

}  // namespace brisko::app
