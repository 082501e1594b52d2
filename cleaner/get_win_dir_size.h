#pragma once
// The Windows directory, recursive folder sizes and small path helpers.
#include <string>

#include "cleaner/read_ahead.h"
#include "platform/filesystem.h"
#include "platform/ui.h"

namespace brisko::cleaner {

// The Windows directory, "" when it cannot be read.
std::string GetWinDir(platform::FileSystem& fs);
// Bytes in the file or folder tree at `path`; yields to the event loop after every entry.
// Links and junctions (platform::IsLink) are neither followed nor counted, so a loop ends and
// nothing outside is counted; a folder reached again through an alias (a bind mount) is counted
// once, when the listings give folder ids. Walker threads may read the tree ahead of the count
// (`readAhead`).
double FolderSize(platform::FileSystem& fs, platform::Desktop& desktop, const std::string& path,
                  const ReadAheadOptions& readAhead = {});
std::string AddBackslash(const std::string& path);
// The first 2 characters of the path (3 with `longForm`), lower-cased.
std::string DrivePrefix(const std::string& path, bool longForm = false);

}  // namespace brisko::cleaner
