#include "platform/win32/win32_filesystem.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <memory>

#include "platform/exact_path.h"
#include "platform/win32/win32_file_reader.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_path.h"
#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

namespace {

DWORD TagOf(const WIN32_FIND_DATAW& data) {
    // dwReserved0 carries the reparse tag only when the entry is a reparse point.
    return (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? data.dwReserved0 : 0;
}

// A link to a file holds no data of its own, as Windows reports it; Wine gives the target's
// size, which would count the target wherever the link is measured. Data-bearing reparse points
// (compressed, deduplicated, cloud placeholders) keep their size.
bool IsFileLink(DWORD attributes, DWORD tag) {
    return platform::IsLink(attributes, tag) && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The reparse tag of one path, read from its directory entry (the attribute query has none).
DWORD ReparseTagOf(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    UniqueFind find(
        FindFirstFileExW(path.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0));
    return find ? TagOf(data) : 0;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A listing read through a handle on the folder, many entries per call: the same names,
// attributes, sizes and reparse tags as FindFirstFile gives, plus each entry's file index, at no
// extra cost. The entries come in the file system's order, "." and ".." included.
class Win32Enumeration : public platform::DirectoryEnumeration {
  public:
    explicit Win32Enumeration(UniqueFile folder) : folder_(std::move(folder)) {}

    // Reads the first batch; false when the folder cannot be listed.
    bool start() { return read(FileIdBothDirectoryRestartInfo); }

    bool next(platform::FindData& out) override {
        if (!entry_ && !read(FileIdBothDirectoryInfo)) return false;
        Fill(*entry_, out);
        entry_ = entry_->NextEntryOffset == 0
                     ? nullptr
                     : reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(
                           reinterpret_cast<const std::byte*>(entry_) + entry_->NextEntryOffset);
        return true;
    }

  private:
    // Large batches: every call is a round trip to the Wine server.
    static constexpr std::size_t kBatchBytes = 64 * 1024;

    bool read(FILE_INFO_BY_HANDLE_CLASS kind) {
        entry_ = nullptr;
        if (finished_) return false;
        if (!batch_) batch_ = std::make_unique_for_overwrite<std::uint64_t[]>(kBatchBytes / 8);
        if (!GetFileInformationByHandleEx(folder_.get(), kind, batch_.get(), kBatchBytes)) {
            finished_ = true;  // no more entries, or none to give: either way the listing ends
            return false;
        }
        entry_ = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(batch_.get());
        return true;
    }

    static void Fill(const FILE_ID_BOTH_DIR_INFO& info, platform::FindData& out) {
        out.attributes = info.FileAttributes;
        // For a reparse point the extended-attribute size carries its tag instead.
        out.reparseTag = (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? info.EaSize : 0;
        const std::uint64_t size = IsFileLink(out.attributes, out.reparseTag)
                                       ? 0
                                       : static_cast<std::uint64_t>(info.EndOfFile.QuadPart);
        out.sizeHigh = static_cast<std::uint32_t>(size >> 32);
        out.sizeLow = static_cast<std::uint32_t>(size);
        out.fileId = static_cast<std::uint64_t>(info.FileId.QuadPart);
        out.name = Utf8(std::wstring_view(info.FileName, info.FileNameLength / sizeof(wchar_t)));
    }

    UniqueFile folder_;
    std::unique_ptr<std::uint64_t[]> batch_;  // 8-byte aligned, as the entries need
    const FILE_ID_BOTH_DIR_INFO* entry_ = nullptr;
    bool finished_ = false;
};

// Volume queries on an empty removable drive must fail quietly instead of asking the user to
// insert a disk.
class QuietCriticalErrors {
  public:
    QuietCriticalErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
    ~QuietCriticalErrors() { SetThreadErrorMode(previous_, nullptr); }
    QuietCriticalErrors(const QuietCriticalErrors&) = delete;
    QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

  private:
    DWORD previous_ = 0;
};

}  // namespace

std::string Win32FileSystem::windowsDirectory() {
    std::wstring buffer(MAX_PATH, L'\0');
    UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.assign(length + 1, L'\0');
        length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length >= buffer.size()) return {};
    }
    buffer.resize(length);
    if (!buffer.empty() && buffer.back() == L'\\') buffer.pop_back();
    return Utf8(buffer);
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path) {
    if (path.empty()) return std::nullopt;
    const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

std::optional<std::uint64_t> Win32FileSystem::fileLength(const std::string& path) {
    if (path.empty()) return std::nullopt;
    // Read from the directory entry: no need to open the file, so files in use have a length.
    const std::wstring file = FilePath(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
        IsFileLink(data.dwFileAttributes, ReparseTagOf(file)))
        return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path,
                                                     std::size_t maxBytes) {
    return Win32FileReader().readAll(path, maxBytes);
}

std::unique_ptr<platform::DirectoryEnumeration> Win32FileSystem::enumerate(
    const std::string& folder, platform::FindData& first) {
    std::wstring path = Wide(folder);
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    if (path.empty()) return nullptr;
    if (path.size() == 2 && path[1] == L':') path += L'\\';  // "C:" alone: the current folder
    UniqueFile handle(CreateFileW(FilePath(std::move(path)).c_str(), FILE_LIST_DIRECTORY, kShareAll,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle) return nullptr;
    auto listing = std::make_unique<Win32Enumeration>(std::move(handle));
    if (!listing->start() || !listing->next(first)) return nullptr;
    return listing;
}

std::optional<platform::FileId> Win32FileSystem::directoryId(const std::string& folder) {
    if (folder.empty()) return std::nullopt;
    UniqueFile handle(CreateFileW(FilePath(folder).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle.get(), &info)) return std::nullopt;
    return platform::FileId{info.dwVolumeSerialNumber,
                            (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::vector<std::string> Win32FileSystem::driveRoots() {
    std::wstring buffer(256, L'\0');
    DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        buffer.assign(length + 1, L'\0');
        length = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length >= buffer.size()) return {};
    }
    std::vector<std::string> roots;
    std::wstring_view rest(buffer.data(), length);
    while (!rest.empty()) {
        const std::wstring_view root = UpToNul(rest);
        if (root.empty()) break;
        roots.push_back(Utf8(root));
        rest.remove_prefix(std::min(rest.size(), root.size() + 1));
    }
    return roots;
}

platform::DriveType Win32FileSystem::driveType(const std::string& root) {
    const UINT type = GetDriveTypeW(Wide(root).c_str());
    if (type > DRIVE_RAMDISK) return platform::DriveType::Unknown;
    return static_cast<platform::DriveType>(type);
}

std::optional<platform::DiskSpace> Win32FileSystem::diskSpace(const std::string& root) {
    if (root.empty()) return std::nullopt;  // would mean the current folder's drive
    QuietCriticalErrors quiet;
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExW(Wide(root).c_str(), &available, &total, &free)) return std::nullopt;
    return platform::DiskSpace{available.QuadPart, total.QuadPart, free.QuadPart};
}

std::optional<platform::VolumeInfo> Win32FileSystem::volumeInformation(const std::string& root) {
    if (root.empty()) return std::nullopt;
    QuietCriticalErrors quiet;
    wchar_t name[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0, maxComponent = 0, flags = 0;
    if (!GetVolumeInformationW(Wide(root).c_str(), name, MAX_PATH + 1, &serial, &maxComponent,
                               &flags, fileSystem, MAX_PATH + 1))
        return std::nullopt;
    return platform::VolumeInfo{Utf8(UpToNul(name)), Utf8(UpToNul(fileSystem)), serial};
}

}  // namespace brisko::win32
