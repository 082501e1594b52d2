#include "cleaner/file_pattern.h"

#include <vector>

#include "cleaner/wildcard.h"
#include "platform/folder_entries.h"

namespace brisko::cleaner {

int DeleteFilesByPattern(platform::FileSystem& files, const std::string& pattern,
                         platform::Trace& trace) {
    const auto slash = pattern.find_last_of('\\');
    if (slash == std::string::npos || slash + 1 == pattern.size()) return 0;
    const std::string folder = pattern.substr(0, slash + 1);
    const std::string namePattern = pattern.substr(slash + 1);

    // Collect first, delete afterwards: deleting while the listing runs could skip entries.
    std::vector<std::string> matches;
    platform::ForEachEntry(files, folder, [&](const platform::FindData& entry) {
        const bool plainFile = !entry.isDirectory();
        const bool readOnly = (entry.attributes & platform::kAttrReadOnly) != 0;
        if (plainFile && !readOnly && WildcardMatch(namePattern, entry.name))
            matches.push_back(entry.name);
    });
    int deleted = 0;
    for (const auto& name : matches) {
        if (files.deleteFile(folder + name))
            ++deleted;
        else
            trace.dropped("file deletion: could not delete " + folder + name);
    }
    return deleted;
}

}  // namespace brisko::cleaner
