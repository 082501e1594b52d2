#pragma once
// The clean run of the main window: the click of "&Brisko", the run itself on Timer2's tick,
// and the end of its display on Timer1's tick.
#include <string_view>

namespace brisko::app {
class Form1;
}
namespace brisko::controls {
class CheckBox;
}

namespace brisko::cleaner {

// The check box of the track item that the catalogue names `name`, or null.
controls::CheckBox* TrackBox(app::Form1& form, std::string_view name);
// Ticks every track item, in catalogue order.
void TickEveryItem(app::Form1& form);

void StartCleanRun(app::Form1& form);    // Command1's click
void CleanRunTick(app::Form1& form);     // Timer2's tick: the whole run
void EndCleanDisplay(app::Form1& form);  // Timer1's tick

}  // namespace brisko::cleaner
