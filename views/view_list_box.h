#pragma once
// What the list box's view offers the views that switch a native list between two models.
#include "views/view_form.h"

namespace brisko::views {

// Puts every entry of the list's model into its native list at once, with its selection and
// extent, scrolled to `topIndex` (-1: wherever the selection puts it), drawn once at the end.
void FillListBox(ControlView& c, int topIndex = -1);

}  // namespace brisko::views
