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
// A held list draws again after this long at the most: each release redraws its scroll bars,
// which under Wine costs several milliseconds.
inline constexpr ULONGLONG kListHoldMs = 500;

// The message that lets refilled lists draw, posted to their window.
inline constexpr UINT kRefilledListsMessage = WM_APP + 0x2B;

// True when the caption change of `c` was put off until the flush.
bool PutOffCaption(ControlView& c);
// Entries are about to be added to the list `c`: its drawing waits until the flush.
void HoldListDrawing(ControlView& c);
// The list `c`, shown, was refilled with its drawing off: it draws at the queue's next turn, so
// that a list hidden meanwhile (the lookup's results on the way back to the full list) draws
// nothing, not even its scroll bar.
void HoldRefilledList(ControlView& c);
// Lets the refilled lists draw (on kRefilledListsMessage).
void ReleaseRefilledLists(FormView& f);
// Lets the list `c` draw again now, if it was held (any change but an addition ends the burst).
void ReleaseList(ControlView& c);
// Brings every put-off control up to its model, and lets lists held long enough draw again
// (the burst's timer).
void Flush(FormView& f);

}  // namespace brisko::views
