#pragma once
// Emptying a folder by a hidden command interpreter, which the run looks in on until it ends.
#include <memory>
#include <optional>
#include <string>

#include "cleaner/user_folders.h"
#include "platform/process.h"

namespace brisko::cleaner {

// The command line that empties `folder` (which ends in a backslash) without asking: DELTREE /Y
// of everything in it, which leaves the folder itself to the programs that expect it, or, on the
// NT family's layout, RMDIR /S /Q of the folder. Nothing for a system of neither kind.
std::optional<std::string> RemovalCommand(const std::string& comspec, SystemKind kind,
                                          const std::string& folder);

// Starts the removal and returns at once. The interpreter runs in the program's folder, where
// the program's own deltree.exe lies for interpreters that have no DELTREE. Null when no process
// was started.
std::unique_ptr<platform::StartedProcess> StartShellRemoval(platform::Processes& processes,
                                                            SystemKind kind,
                                                            const std::string& folder);

}  // namespace brisko::cleaner
