#pragma once
// Removal of a folder tree by a hidden command interpreter that the program does not wait for.
#include <optional>
#include <string>

#include "cleaner/catalogue.h"
#include "platform/process.h"

namespace brisko::cleaner {

// The command line that removes `folder` (which ends in a backslash) and everything below it
// without asking: DELTREE /Y on the 9x family, RMDIR /S /Q on the NT family. Nothing for a
// system of neither kind.
std::optional<std::string> RemovalCommand(const std::string& comspec, SystemKind kind,
                                          const std::string& folder);

// Starts the removal and returns at once. The interpreter runs in the program's folder, where
// the program's own deltree.exe lies for interpreters that have no DELTREE. Returns whether a
// process was started.
bool StartShellRemoval(platform::Processes& processes, SystemKind kind, const std::string& folder);

}  // namespace brisko::cleaner
