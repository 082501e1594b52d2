#pragma once
// Pictures of the program's windows for people to look at: written as BMP files to drive S:,
// which the test set-up maps onto the build's screenshot folder (and turns into PNG files
// after the run). Without an S: drive nothing is written.
#include <windows.h>

#include <string>

namespace brisko::e2e {

// Brings `window` to the front, lets it repaint, and saves what the screen shows of it.
void SaveScreenshot(HWND window, const std::string& name);

}  // namespace brisko::e2e
