#pragma once
// The clean run's engine: erases the ticked track items in catalogue order. It knows no window;
// the main window tells it what is ticked and where the system's folders are.
#include <memory>
#include <string>
#include <vector>

#include "cleaner/user_folders.h"
#include "platform/services.h"

namespace brisko::cleaner {

struct CleanRequest {
    std::vector<std::string> ticked;   // the ticked track items, by the catalogue's names
    Where where;                       // the folders, read as the run starts
    platform::WindowHandle owner = 0;  // the main window, owner of the Recycle Bin's dialog
};

// A folder being emptied by a process of its own.
struct FolderRemoval {
    std::string folder;
    std::unique_ptr<platform::StartedProcess> process;
};

// Every step of every ticked item, in catalogue order. A failing step is traced and the run goes
// on with the next one. Returns the folder removals it started, which run on after it returns.
std::vector<FolderRemoval> EraseTrackItems(platform::Services& services,
                                           const CleanRequest& request);

// Whether every removal has ended. Each that ended with a failure (what it could not remove
// stays where it was) is traced once.
bool RemovalsEnded(std::vector<FolderRemoval>& removals, platform::Trace& trace);

}  // namespace brisko::cleaner
