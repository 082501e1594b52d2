#pragma once
// The fixed drives that the finder offers and the one-line summary of a volume.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace brisko::finder {

// "Removable", "Fixed Hard Drive", "Remote", "CD-ROM", "Ram disk" or "Unrecognized". A path
// without a trailing backslash gets one before the platform is asked.
std::string DriveTypeName(platform::FileSystem& files, std::string path);
// The unsigned 64-bit count of two 32-bit halves, whatever their top bits.
double LargeToDouble(std::int32_t low, std::int32_t high);
// The fixed drives' roots, upper-cased, in the platform's order: at most 100 of them, and none
// when the roots do not fit the 255 characters that the listing allows.
std::vector<std::string> FixedDrives(platform::FileSystem& files);
// Volume name, total, used, free and file system, 10 spaces apart; nothing when the volume
// cannot be read. Sizes that cannot be read count 0.
std::optional<std::string> VolumeLine(platform::FileSystem& files, const std::string& root,
                                      const std::string& decimalSeparator);

inline constexpr const char* kNoDiskTitle = "Error Reading Disk";
inline constexpr const char* kNoDiskText = "No Disk In Drive!";

}  // namespace brisko::finder
