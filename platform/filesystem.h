#pragma once
// File system: the Windows directory, attributes, enumeration, deletion and volumes.
// Paths are UTF-8 texts with backslash separators.
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/links.h"

namespace brisko::platform {

constexpr std::uint32_t kAttrReadOnly = 0x1;
constexpr std::uint32_t kAttrHidden = 0x2;
constexpr std::uint32_t kAttrSystem = 0x4;
constexpr std::uint32_t kAttrDirectory = 0x10;
constexpr std::uint32_t kAttrArchive = 0x20;
constexpr std::uint32_t kAttrNormal = 0x80;

struct FindData {
    std::uint32_t attributes = 0;
    std::uint32_t sizeHigh = 0;
    std::uint32_t sizeLow = 0;
    std::string name;  // long name only
    // Meaningful only with kAttrReparsePoint; 0 otherwise.
    std::uint32_t reparseTag = 0;
    // The entry's index on its volume (the same for every path that reaches it, aliases of a
    // folder included), as the listing gives it at no extra cost; 0 when it gives none.
    std::uint64_t fileId = 0;
    std::uint64_t size() const { return (std::uint64_t{sizeHigh} << 32) | sizeLow; }
    bool isDirectory() const { return (attributes & kAttrDirectory) != 0; }
    bool isLink() const { return IsLink(attributes, reparseTag); }
};

// One running enumeration; closes itself when destroyed.
class DirectoryEnumeration {
  public:
    virtual ~DirectoryEnumeration() = default;
    virtual bool next(FindData& out) = 0;
};

// Who a file or folder is, whatever path reaches it: a walk that remembers the folders it entered
// by this enters none twice, through links or aliases alike.
struct FileId {
    std::uint32_t volumeSerial = 0;
    std::uint64_t index = 0;
    friend auto operator<=>(const FileId&, const FileId&) = default;
};

// A file as a listing showed it, for a removal that may come much later: its path and its
// identity. Index 0 means the identity was never read, and such a file is never removed.
struct FoundFile {
    std::string path;
    FileId id;
};

enum class RemovalResult {
    Removed,  // it was the file found, and it is gone
    Gone,     // nothing is at its path any more: someone else removed it
    Refused,  // left in place: a link on its path, another file in its place, read-only, in use
};

struct Removal {
    RemovalResult result = RemovalResult::Refused;
    std::uint64_t length = 0;  // of the file removed
    std::string reason;        // why it was refused
};

// Moves a file elsewhere by its path, such as to the Recycle Bin.
using MoveAway = std::function<void(const std::string& path)>;

// Hears of each file's removal as soon as it is done (its place among the files and its result),
// so that a long removal shows its progress and serves the event loop between files; false stops
// it before the next file. The folders stay held meanwhile.
using RemovalProgress = std::function<bool(std::size_t index, const Removal& removal)>;

struct VolumeInfo {
    std::string name;
    std::string fileSystem;
    std::uint32_t serial = 0;
};

enum class DriveType {
    Unknown = 0,
    NoRoot = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6
};

struct DiskSpace {
    std::uint64_t availableToCaller = 0;
    std::uint64_t total = 0;
    std::uint64_t totalFree = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The Windows directory without trailing backslash, "" when it cannot be read.
    virtual std::string windowsDirectory() = 0;
    virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    virtual std::optional<std::uint64_t> fileLength(const std::string& path) = 0;
    // The first `maxBytes` bytes of a file (all of a shorter one); nullopt when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) = 0;
    // Lists every entry of a folder ("." and ".." included, hidden and system too) and gives
    // the first in `first`; nullptr when the folder cannot be listed.
    virtual std::unique_ptr<DirectoryEnumeration> enumerate(const std::string& folder,
                                                            FindData& first) = 0;
    // Deletes each file only if its path still leads to the very file found: no folder on the
    // way is a link (by the one link rule, from the drive root down), the file itself is no link
    // and has the volume and index found. The folders stay held from the check to the deletion,
    // which goes through the handle that was checked. One result per file, in order, up to where
    // `progress` stopped it.
    virtual std::vector<Removal> deleteFoundFiles(const std::vector<FoundFile>& files,
                                                  const RemovalProgress& progress = {}) = 0;
    // The same checks; then `moveAway` gets the path while its folders are still held (only the
    // file itself could be swapped between the check and the move). Removed when nothing is at
    // the path afterwards.
    virtual std::vector<Removal> recycleFoundFiles(const std::vector<FoundFile>& files,
                                                   const MoveAway& moveAway,
                                                   const RemovalProgress& progress = {}) = 0;
    // The first folder on `path`, from the drive root down to `path` itself, that is a link;
    // nullopt when none is (or the path leads nowhere).
    virtual std::optional<std::string> linkOnPath(const std::string& path) = 0;
    // The identity of the folder (or file) at `folder`, its index the one that listings give as
    // FindData::fileId; nullopt when it cannot be read. It opens the folder, so it costs more than
    // an entry of a listing: for a walk's start and for folders whose listing gave no id.
    virtual std::optional<FileId> directoryId(const std::string& folder) = 0;
    // Logical drive roots such as "C:\", in the platform's order.
    virtual std::vector<std::string> driveRoots() = 0;
    virtual DriveType driveType(const std::string& root) = 0;
    virtual std::optional<DiskSpace> diskSpace(const std::string& root) = 0;
    virtual std::optional<VolumeInfo> volumeInformation(const std::string& root) = 0;
};

}  // namespace brisko::platform
