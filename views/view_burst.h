#pragma once
// Bursts of updates reach the screen once per turn of the event loop. A search adds thousands
// of entries and counts between two turns; each one drawn at once would cost a repaint of the
// list's scroll bar or a label (milliseconds under Wine) where the user can see only the last.
// The first few changes of a burst show at once, so that a single action (a click that sets a
// status line or two) is seen complete; the rest wait for the burst's timer, which brings every
// waiting control up to its model at once: the user still sees the figures move, and the loop
// spends its turns answering the user rather than drawing.
#include <windows.h>

#include "views/view_form.h"

namespace brisko::views {

// The timer of a window's burst; the models' own timers count from 1.
inline constexpr UINT_PTR kBurstTimer = 0xB0B5;
inline constexpr UINT kBurstMs = 150;
inline constexpr int kImmediateCaptions = 8;  // per burst

// True when the caption change of `c` was put off until the flush.
bool PutOffCaption(ControlView& c);
// Entries are about to be added to the list `c`: its drawing waits until the flush.
void HoldListDrawing(ControlView& c);
// Brings every put-off control up to its model and lets held lists draw again (the timer).
void Flush(FormView& f);

}  // namespace brisko::views
