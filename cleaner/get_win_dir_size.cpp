#include "cleaner/get_win_dir_size.h"

#include <cctype>
#include <cstdint>
#include <unordered_set>

namespace brisko::cleaner {

std::string GetWinDir(platform::FileSystem& fs) {
    return fs.windowsDirectory();
}

std::string AddBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path;
    return path + "\\";
}

std::string DrivePrefix(const std::string& path, bool longForm) {
    std::string prefix = path.substr(0, longForm ? 3 : 2);
    for (char& c : prefix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return prefix;
}

namespace {

// The folders entered so far, by their index on the volume: an alias of a folder (a bind mount)
// is a plain folder, not a link, and only its index shows that it was counted already. Indices
// come with the listing, so this costs nothing; a listing without them is walked as before.
using Entered = std::unordered_set<std::uint64_t>;

double FolderTotal(ReadAhead& tree, platform::Desktop& desktop, const std::string& folder,
                   Entered& entered) {
    const auto listing = tree.take(folder, [&] {
        desktop.yield();
        return true;
    });
    double total = 0;
    if (!listing) return total;  // never: this wait is not given up
    for (const platform::FindData& entry : listing->entries) {
        // A link is counted as nothing: following it could loop forever or count another
        // tree twice. Data-bearing reparse points (placeholders, compressed files) count.
        const bool counted = !entry.isLink();
        if (counted && !entry.isDirectory())
            total += static_cast<double>(entry.size());
        else if (counted && (entry.fileId == 0 || entered.insert(entry.fileId).second))
            total += FolderTotal(tree, desktop, folder + entry.name + "\\", entered);
        desktop.yield();
    }
    return total;
}

}  // namespace

double FolderSize(platform::FileSystem& fs, platform::Desktop& desktop, const std::string& path,
                  const ReadAheadOptions& readAhead) {
    const auto attributes = fs.attributes(path);
    if (!attributes) return 0;
    if ((*attributes & platform::kAttrDirectory) == 0) {
        const auto length = fs.fileLength(path);
        return length ? static_cast<double>(*length) : 0.0;
    }
    Entered entered;
    // The start folder too, so that an alias of it further down is not counted again.
    if (const auto id = fs.directoryId(path)) entered.insert(id->index);
    ReadAhead tree(fs, AddBackslash(path), {}, readAhead);  // the listing's order
    return FolderTotal(tree, desktop, AddBackslash(path), entered);
}

}  // namespace brisko::cleaner
