#pragma once
// The track items of the main window in run order, each with its erase actions, as data.
// The clean run walks this table; nothing at run time adds to it or removes from it.
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/clean_it.h"
#include "cleaner/user_folders.h"
#include "platform/registry.h"

namespace brisko::cleaner {

enum class Group { Windows, Programs };

enum class ActionKind {
    RegistryValues,  // one DeleteRegValue per name, under `root` and each row's key
    OfficeValues,    // the same under "Software\Microsoft\Office\" + version + the row's key,
                     // for the versions 8.0, 9.0 and 10.0 in turn, all rows of one version first
    Routine,         // one CleanIT routine
    ShellRemoval,    // the folders of `folder` emptied by the command interpreter
    FilePattern,     // DeleteFilesByPattern(`pattern`)
};

struct ValueRow {
    std::string_view key;
    std::vector<std::string_view> names;
};

struct EraseAction {
    ActionKind kind = ActionKind::Routine;
    Routine routine = Routine::ClearRecentDocuments;
    Folder folder = Folder::Temp;
    platform::RegRoot root = platform::RegRoot::CurrentUser;
    std::vector<ValueRow> rows;
    std::string_view pattern;
};

struct TrackItem {
    int position;  // 1 to 23, the run's order
    std::string_view checkbox;
    std::string_view caption;
    Group group;
    bool hasItemSize;  // one of the eight folder-like items of the estimate
    std::vector<EraseAction> actions;
};

const std::vector<TrackItem>& Catalogue();

// One concrete thing the run does, with every path and name spelled out.
struct Step {
    enum class Kind { DeleteValue, Routine, RemoveTree, DeleteFiles };
    Kind kind = Kind::DeleteValue;
    platform::RegRoot root = platform::RegRoot::CurrentUser;
    std::string key;
    std::string name;
    Routine routine = Routine::ClearRecentDocuments;
    std::string path;  // the folder to empty, or the file pattern
};

// A system of neither kind empties no folder.
std::vector<Step> Steps(const TrackItem& item, const Where& where);

}  // namespace brisko::cleaner
