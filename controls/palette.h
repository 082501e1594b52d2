#pragma once
// The colours that the program's windows share.
#include "controls/widgets.h"

namespace brisko::controls {

// The beige paper of the windows, their lists and labels.
inline constexpr Colour kPaper = rgb(240, 236, 216);
// Check boxes and panel captions.
inline constexpr Colour kNavy = rgb(0, 0, 128);
// Push buttons and descriptions.
inline constexpr Colour kBlue = rgb(0, 0, 192);
// Figures and notices: estimates, totals, results.
inline constexpr Colour kDarkRed = rgb(176, 0, 0);
// Titles on the drawn title strip.
inline constexpr Colour kWhite = rgb(255, 255, 255);
// Hints and status lines.
inline constexpr Colour kGrey = rgb(96, 96, 96);

}  // namespace brisko::controls
