#pragma once
// The main window's side of the clean run: the click of "&Brisko", the run on Timer2's tick with
// its notices, hourglass, animation, totals and sound, and the end of that display on Timer1's.
#include <string_view>

#include "controls/widgets.h"

namespace brisko::app {

class Form1;

// The check box of the track item that the catalogue names `name`, or null.
controls::CheckBox* TrackBox(Form1& form, std::string_view name);
// Ticks every track item, in catalogue order.
void TickEveryItem(Form1& form);

void StartCleanRun(Form1& form);    // Command1's click
void CleanRunTick(Form1& form);     // Timer2's tick: the whole run
void EndCleanDisplay(Form1& form);  // Timer1's tick

}  // namespace brisko::app
