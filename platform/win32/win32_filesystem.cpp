#include "platform/win32/win32_filesystem.h"

#include <windows.h>

#include <algorithm>

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

void Fill(const WIN32_FIND_DATAW& data, platform::FindData& out) {
    out.attributes = data.dwFileAttributes;
    out.reparseTag = TagOf(data);
    const bool link = IsFileLink(data.dwFileAttributes, out.reparseTag);
    out.sizeHigh = link ? 0 : data.nFileSizeHigh;
    out.sizeLow = link ? 0 : data.nFileSizeLow;
    out.name = Utf8(UpToNul(std::wstring_view(data.cFileName, MAX_PATH)));
}

// The reparse tag of one path, read from its directory entry (the attribute query has none).
DWORD ReparseTagOf(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    UniqueFind find(
        FindFirstFileExW(path.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0));
    return find ? TagOf(data) : 0;
}

class Win32Enumeration : public platform::DirectoryEnumeration {
  public:
    explicit Win32Enumeration(UniqueFind find) : find_(std::move(find)) {}
    bool next(platform::FindData& out) override {
        WIN32_FIND_DATAW data;
        if (!FindNextFileW(find_.get(), &data)) return false;
        Fill(data, out);
        return true;
    }

  private:
    UniqueFind find_;
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

std::unique_ptr<platform::DirectoryEnumeration> Win32FileSystem::enumerate(
    const std::string& folder, platform::FindData& first) {
    std::wstring pattern = Wide(folder);
    if (pattern.empty()) return nullptr;
    if (pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data;
    // Basic information skips the 8.3 names, which nobody here looks at.
    UniqueFind find(FindFirstFileExW(FilePath(std::move(pattern)).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return nullptr;
    Fill(data, first);
    return std::make_unique<Win32Enumeration>(std::move(find));
}

bool Win32FileSystem::deleteFile(const std::string& path) {
    if (path.empty()) return false;
    return DeleteFileW(FilePath(path).c_str()) != 0;
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
