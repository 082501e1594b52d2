#include "cleaner/get_win_dir_size.h"

#include <cctype>

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

double FolderSize(platform::FileSystem& fs, platform::Desktop& desktop, const std::string& path) {
    const auto attributes = fs.attributes(path);
    if (!attributes) return 0;
    if ((*attributes & platform::kAttrDirectory) == 0) {
        const auto length = fs.fileLength(path);
        return length ? static_cast<double>(*length) : 0.0;
    }
    const std::string folder = AddBackslash(path);
    platform::FindData entry;
    auto listing = fs.enumerate(folder, entry);
    if (!listing) return 0;
    double total = 0;
    do {
        if (entry.isDirectory()) {
            // A junction or symbolic link is counted as nothing: following it could loop
            // forever or count another tree twice.
            if (entry.name != "." && entry.name != ".." &&
                (entry.attributes & platform::kAttrReparsePoint) == 0)
                total += FolderSize(fs, desktop, folder + entry.name);
        } else {
            total += static_cast<double>(entry.size());
        }
        desktop.yield();
    } while (listing->next(entry));
    return total;
}

}  // namespace brisko::cleaner
