#include "cleaner/file_pattern.h"

#include <vector>

#include "cleaner/wildcard.h"

namespace brisko::cleaner {

int DeleteFilesByPattern(platform::FileSystem& files, const std::string& pattern) {
    const auto slash = pattern.find_last_of('\\');
    if (slash == std::string::npos || slash + 1 == pattern.size()) return 0;
    const std::string folder = pattern.substr(0, slash + 1);
    const std::string namePattern = pattern.substr(slash + 1);

    // Collect first, delete afterwards: deleting while the listing runs could skip entries.
    std::vector<std::string> matches;
    platform::FindData entry;
    if (auto listing = files.enumerate(folder, entry)) {
        do {
            const bool plainFile = (entry.attributes & platform::kAttrDirectory) == 0;
            const bool readOnly = (entry.attributes & platform::kAttrReadOnly) != 0;
            if (plainFile && !readOnly && WildcardMatch(namePattern, entry.name))
                matches.push_back(entry.name);
        } while (listing->next(entry));
    }
    int deleted = 0;
    for (const auto& name : matches)
        if (files.deleteFile(folder + name)) ++deleted;
    return deleted;
}

}  // namespace brisko::cleaner
