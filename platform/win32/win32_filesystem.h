#pragma once
// The file system and volumes through the wide-character API.
#include "platform/filesystem.h"

namespace brisko::win32 {

class Win32FileSystem : public platform::FileSystem {
  public:
    std::string windowsDirectory() override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    std::optional<std::uint64_t> fileLength(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
    std::unique_ptr<platform::DirectoryEnumeration> enumerate(const std::string& folder,
                                                              platform::FindData& first) override;
    // In win32_found_files.cpp.
    std::vector<platform::Removal> deleteFoundFiles(
        const std::vector<platform::FoundFile>& files,
        const platform::RemovalProgress& progress = {}) override;
    std::vector<platform::Removal> recycleFoundFiles(
        const std::vector<platform::FoundFile>& files, const platform::MoveAway& moveAway,
        const platform::RemovalProgress& progress = {}) override;
    std::optional<std::string> linkOnPath(const std::string& path) override;
    std::optional<platform::FileId> directoryId(const std::string& folder) override;
    std::vector<std::string> driveRoots() override;
    platform::DriveType driveType(const std::string& root) override;
    std::optional<platform::DiskSpace> diskSpace(const std::string& root) override;
    std::optional<platform::VolumeInfo> volumeInformation(const std::string& root) override;
};

}  // namespace brisko::win32
