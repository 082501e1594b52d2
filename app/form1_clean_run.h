#pragma once
// The main window's side of the clean run: the click of "&Brisko", the run on Timer2's tick with
// its notices, hourglass, animation, totals and sound, and the end of that display on Timer1's.
// The folders are emptied by processes of their own; Timer2 looks in on them on its later ticks,
// so the window answers meanwhile, and the result is shown once they have ended.
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "cleaner/clean_run.h"
#include "cleaner/item_size.h"
#include "controls/widgets.h"

namespace brisko::app {

class Form1;

struct RunningClean {
    std::vector<cleaner::FolderRemoval> removals;
    cleaner::Where where;
    // The ticked items' sizes as the run began; what is gone of them is what was reclaimed.
    std::array<std::optional<double>, cleaner::kSizedItems> before{};
    bool finishing = false;  // measuring again: later ticks wait
};

// The check box of the track item that the catalogue names `name`, or null.
controls::CheckBox* TrackBox(Form1& form, std::string_view name);
// Ticks every track item, in catalogue order.
void TickEveryItem(Form1& form);

void StartCleanRun(Form1& form);    // Command1's click
void CleanRunTick(Form1& form);     // Timer2's tick: the run, then its removals looked in on
void EndCleanDisplay(Form1& form);  // Timer1's tick

}  // namespace brisko::app
