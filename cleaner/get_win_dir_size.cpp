#include "cleaner/get_win_dir_size.h"

#include <cctype>

#include "platform/folder_entries.h"

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
    double total = 0;
    platform::ForEachEntry(
        fs, folder,
        [&](const platform::FindData& entry) {
            // A link is counted as nothing: following it could loop forever or count another
            // tree twice. Data-bearing reparse points (placeholders, compressed files) count.
            if (entry.isLink()) return;
            if (entry.isDirectory())
                total += FolderSize(fs, desktop, folder + entry.name);
            else
                total += static_cast<double>(entry.size());
        },
        [&] { desktop.yield(); });
    return total;
}

}  // namespace brisko::cleaner
