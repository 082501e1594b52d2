#pragma once
// The colours that the program's windows share.
#include "controls/widgets.h"

namespace brisko::controls {

// The beige paper of the windows, their lists and labels.
inline constexpr Colour kPaper = rgb(240, 236, 216);

}  // namespace brisko::controls
