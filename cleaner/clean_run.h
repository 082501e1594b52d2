#pragma once
// The clean run's engine: erases the ticked track items in catalogue order. It knows no window;
// the main window tells it what is ticked and where the system's folders are.
#include <string>
#include <vector>

#include "platform/services.h"

namespace brisko::cleaner {

struct CleanRequest {
    std::vector<std::string> ticked;   // the ticked track items, by the catalogue's names
    std::string winder;                // the Windows folder without its drive: the system kind
    std::string drive;                 // the Windows folder's drive, for example "C:"
    platform::WindowHandle owner = 0;  // the main window, owner of the Recycle Bin's dialog
};

// Every step of every ticked item, in catalogue order. A failing step is traced and the run goes
// on with the next one.
void EraseTrackItems(platform::Services& services, const CleanRequest& request);

}  // namespace brisko::cleaner
