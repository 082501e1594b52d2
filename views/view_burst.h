#pragma once
// Bursts of updates reach the screen once per turn of the event loop. A search adds thousands
// of entries and counts between two turns; each one drawn at once would cost a repaint of the
// list's scroll bar or a label (milliseconds under Wine) where the user can see only the last.
// The first change of a burst shows at once; the rest wait until the loop next serves the
// window's queue, where one posted message brings every waiting control up to its model.
#include <windows.h>

#include "views/view_form.h"

namespace brisko::views {

inline constexpr UINT kFlushMessage = WM_APP + 0x42;

// True when the caption change of `c` was put off until the flush.
bool PutOffCaption(ControlView& c);
// Entries are about to be added to the list `c`: its drawing waits until the flush.
void HoldListDrawing(ControlView& c);
// Brings every put-off control up to its model and lets held lists draw again.
void Flush(FormView& f);

}  // namespace brisko::views
