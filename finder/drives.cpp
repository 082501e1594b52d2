#include "finder/drives.h"

#include "cleaner/format_kb.h"

namespace brisko::finder {

namespace {

constexpr std::size_t kListingLength = 255;
constexpr int kMostRoots = 100;

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

double Halves(std::uint64_t count) {
    return LargeToDouble(static_cast<std::int32_t>(count & 0xFFFFFFFFu),
                         static_cast<std::int32_t>(count >> 32));
}

}  // namespace

std::string DriveTypeName(platform::FileSystem& files, std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    switch (files.driveType(path)) {
        case platform::DriveType::Removable:
            return "Removable";
        case platform::DriveType::Fixed:
            return "Fixed Hard Drive";
        case platform::DriveType::Remote:
            return "Remote";
        case platform::DriveType::CdRom:
            return "CD-ROM";
        case platform::DriveType::RamDisk:
            return "Ram disk";
        default:
            return "Unrecognized";
    }
}

double LargeToDouble(std::int32_t low, std::int32_t high) {
    constexpr double kHalf = 4294967296.0;
    const double lo = low < 0 ? low + kHalf : low;
    const double hi = high < 0 ? high + kHalf : high;
    return hi * kHalf + lo;
}

std::vector<std::string> FixedDrives(platform::FileSystem& files) {
    const std::vector<std::string> roots = files.driveRoots();
    std::size_t length = 1;  // the final NUL
    for (const std::string& root : roots) length += root.size() + 1;
    std::vector<std::string> fixed;
    if (length > kListingLength) return fixed;
    for (int i = 0; i < kMostRoots && i < static_cast<int>(roots.size()); ++i)
        if (DriveTypeName(files, roots[static_cast<std::size_t>(i)]) == "Fixed Hard Drive")
            fixed.push_back(Upper(roots[static_cast<std::size_t>(i)]));
    return fixed;
}

std::optional<std::string> VolumeLine(platform::FileSystem& files, const std::string& root,
                                      const std::string& decimalSeparator) {
    const platform::DiskSpace space = files.diskSpace(root).value_or(platform::DiskSpace{});
    const double total = Halves(space.total);
    const double free = Halves(space.totalFree);
    const double used = total - free;
    const auto volume = files.volumeInformation(root);
    if (!volume) return std::nullopt;
    const std::string gap(10, ' ');
    auto format = [&](double n) { return cleaner::FormatBytes(n, decimalSeparator).value_or(""); };
    return volume->name + gap + format(total) + gap + format(used) + gap + format(free) + gap +
           volume->fileSystem;
}

}  // namespace brisko::finder
