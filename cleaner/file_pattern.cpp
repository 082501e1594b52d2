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
    std::vector<platform::FindData> matches;
    platform::ForEachEntry(files, folder, [&](const platform::FindData& entry) {
        const bool plainFile = !entry.isDirectory();
        const bool readOnly = (entry.attributes & platform::kAttrReadOnly) != 0;
        if (plainFile && !readOnly && WildcardMatch(namePattern, entry.name))
            matches.push_back(entry);
    });
    if (matches.empty()) return 0;
    // Each file is deleted only if it is still the one listed, reached through no link.
    const std::uint32_t serial = platform::VolumeSerialOf(files, folder);
    std::vector<platform::FoundFile> found;
    for (const auto& entry : matches)
        found.push_back(platform::Found(files, serial, folder + entry.name, entry));
    const auto removals = files.deleteFoundFiles(found);
    int deleted = 0;
    for (std::size_t k = 0; k < removals.size(); ++k) {
        if (removals[k].result == platform::RemovalResult::Removed)
            ++deleted;
        else if (removals[k].result == platform::RemovalResult::Refused)
            trace.dropped("file deletion: could not delete " + found[k].path + ": " +
                          removals[k].reason);
    }
    return deleted;
}

}  // namespace brisko::cleaner
