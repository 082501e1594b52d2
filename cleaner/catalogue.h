#pragma once
// The track items of the main window in run order, each with its erase actions, as data.
// The clean run walks this table; nothing at run time adds to it or removes from it.
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/clean_it.h"
#include "platform/registry.h"

namespace brisko::cleaner {

enum class Group { Windows, Programs };

// From the Windows folder's name: "WINDOWS" is the 9x family's layout, "WINNT" the NT family's
// layout under "\Documents and Settings\Administrator\"; any other name selects neither.
enum class SystemKind { Nine, Nt, Neither };
SystemKind SystemKindOf(const std::string& winder);

// The folders removed through the command interpreter (their paths by system kind below).
enum class Folder { Temp, Cookies, IeCache, History };

enum class ActionKind {
    RegistryValues,  // one DeleteRegValue per name, under `root` and each row's key
    OfficeValues,    // the same under "Software\Microsoft\Office\" + version + the row's key,
                     // for the versions 8.0, 9.0 and 10.0 in turn, all rows of one version first
    Routine,         // one CleanIT routine
    ShellRemoval,    // the folder tree `folder`, by the command interpreter
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

// Folder paths of the shell removals. A path starts at the Windows directory (W, without
// trailing backslash) or at its drive (D, for example "C:"), and always ends in a backslash.
struct RemovalPath {
    enum class Base { WindowsDir, Drive } base;
    std::string_view rest;
};
struct RemovalRow {
    Folder folder;
    std::vector<RemovalPath> nine;
    std::vector<RemovalPath> nt;
};
const std::vector<RemovalRow>& RemovalTable();
std::vector<std::string> RemovalFolders(Folder folder, SystemKind kind,
                                        const std::string& windowsDir, const std::string& drive);

// One concrete thing the run does, with every path and name spelled out.
struct Step {
    enum class Kind { DeleteValue, Routine, RemoveTree, DeleteFiles };
    Kind kind = Kind::DeleteValue;
    platform::RegRoot root = platform::RegRoot::CurrentUser;
    std::string key;
    std::string name;
    Routine routine = Routine::ClearRecentDocuments;
    std::string path;  // the folder to remove, or the file pattern
};

// What the folder paths depend on, read afresh by the run before each item that removes folders.
struct Where {
    SystemKind kind = SystemKind::Neither;
    std::string windowsDir;
    std::string drive;
};

bool RemovesFolders(const TrackItem& item);
std::vector<Step> Steps(const TrackItem& item, const Where& where);

}  // namespace brisko::cleaner
