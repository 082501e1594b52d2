#pragma once
// The folders of the four folder items (Temp, cookies, internet cache, history): the current
// user's own, as the shell names them, and the layouts under the Windows folder only where the
// shell names none. The estimate measures exactly the folders that the clean run empties.
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace brisko::cleaner {

// From the Windows folder's name: "WINDOWS" is the 9x family's layout, "WINNT" the NT family's
// layout under "\Documents and Settings\Administrator\"; any other name selects neither.
enum class SystemKind { Nine, Nt, Neither };
SystemKind SystemKindOf(const std::string& winder);

enum class Folder { Temp, Cookies, IeCache, History };

// What the folders depend on, read afresh before each measurement and each run.
struct Where {
    SystemKind kind = SystemKind::Neither;
    std::string windowsDir;  // without trailing backslash
    std::string drive;       // the Windows folder's drive, for example "C:"
    // The current user's folders as the shell names them; nullopt where it names none.
    std::optional<std::string> cache, cookies, history;
    std::optional<std::string> userTemp;  // the user's Temp folder; nullopt when it is the
                                          // Windows Temp folder itself
    std::optional<std::string> profile;   // the user's profile folder
};
Where ReadWhere(platform::Services& services, const std::string& winder, const std::string& drive);

struct ItemFolder {
    std::string folder;  // ends in a backslash
    std::string index;   // a file kept open by the system, left out of the size; "" for none
};

// The folders of one item, in the order they are emptied. A folder that is a drive root, holds
// the Windows folder or the user's profile is never one of them, whoever named it. The user's
// Temp folder is left out where it holds another item's folder (the system fell back to the
// profile or the Windows folder for it), lies in another item's folder (that item empties it) or
// is the Windows Temp folder or inside it (counted once).
std::vector<ItemFolder> FoldersOf(Folder folder, const Where& where);

// Whether `inner` is `outer` or lies below it; letter case and a trailing backslash do not count.
bool IsSameOrInside(const std::string& inner, const std::string& outer);

}  // namespace brisko::cleaner
