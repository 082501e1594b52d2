#pragma once
// Deletion of the files of one folder whose long names match a wildcard name.
#include <string>

#include "platform/filesystem.h"
#include "platform/trace.h"

namespace brisko::cleaner {

// `pattern` is a folder followed by a file name that may hold "*" and "?", for example
// "C:\Program Files\Netscape\Users\default\cache\*.*". Sub-folders are never touched. Hidden
// and system files are deleted like any other; a read-only file is left in place, and so is every
// file behind a link on the folder's path. A match that cannot be deleted does not stop the others
// and is traced. Returns the number of files deleted.
int DeleteFilesByPattern(platform::FileSystem& files, const std::string& pattern,
                         platform::Trace& trace);

}  // namespace brisko::cleaner
