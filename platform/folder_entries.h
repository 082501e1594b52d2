#pragma once
// Walking the entries of one folder without the "." and ".." entries.
#include <string>
#include <utility>

#include "platform/filesystem.h"

namespace brisko::platform {

inline bool IsDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

// Calls visit(const FindData&) for every entry of `folder` but "." and "..", in the order the
// file system gives them, and afterEach() after every entry listed, the dot entries included,
// so that a caller that yields per entry keeps the same pace. False when the folder cannot be
// listed (nothing is visited then).
template <typename Visit, typename AfterEach>
bool ForEachEntry(FileSystem& fs, const std::string& folder, Visit&& visit, AfterEach&& afterEach) {
    FindData entry;
    auto listing = fs.enumerate(folder, entry);
    if (!listing) return false;
    do {
        if (!IsDotEntry(entry.name)) visit(std::as_const(entry));
        afterEach();
    } while (listing->next(entry));
    return true;
}

template <typename Visit>
bool ForEachEntry(FileSystem& fs, const std::string& folder, Visit&& visit) {
    return ForEachEntry(fs, folder, std::forward<Visit>(visit), [] {});
}

// The serial of the volume that holds `folder`; 0 when it cannot be read (nothing found there
// will match, so nothing is removed).
inline std::uint32_t VolumeSerialOf(FileSystem& fs, const std::string& folder) {
    const auto id = fs.directoryId(folder);
    return id ? id->volumeSerial : 0;
}

// A file of a listing as a later removal needs it: the listing's index on the volume `serial`,
// read by opening the file where the listing gave none.
inline FoundFile Found(FileSystem& fs, std::uint32_t serial, std::string path,
                       const FindData& entry) {
    FileId id{serial, entry.fileId};
    if (id.index == 0)
        if (const auto read = fs.directoryId(path)) id = *read;
    return {std::move(path), id};
}

}  // namespace brisko::platform
