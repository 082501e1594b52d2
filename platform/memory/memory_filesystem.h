#pragma once
// In-memory file tree with attributes, 64-bit sizes, links, drives and failure switches.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace brisko::platform {

class MemoryFileSystem : public FileSystem {
  public:
    struct Node {
        std::string name;
        std::uint32_t attributes = kAttrArchive;
        std::uint64_t size = 0;
        std::string content;
        std::uint32_t reparseTag = 0;  // with kAttrReparsePoint: what kind of reparse point
        std::string linkTarget;        // for a link: the folder it points at
        bool unlistable = false;       // the folder cannot be listed
        bool inUse = false;            // the file cannot be deleted
        std::vector<std::unique_ptr<Node>> children;
        bool isDirectory() const { return (attributes & kAttrDirectory) != 0; }
    };

    MemoryFileSystem();

    std::string windowsDirectory() override { return windowsDirectory_; }
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    std::optional<std::uint64_t> fileLength(const std::string& path) override;
    std::unique_ptr<DirectoryEnumeration> enumerate(const std::string& folder,
                                                    FindData& first) override;
    bool deleteFile(const std::string& path) override;
    std::vector<std::string> driveRoots() override { return roots; }
    DriveType driveType(const std::string& root) override;
    std::optional<DiskSpace> diskSpace(const std::string& root) override;
    std::optional<VolumeInfo> volumeInformation(const std::string& root) override;

    // Seeding and inspection.
    void setWindowsDirectory(std::string path) { windowsDirectory_ = std::move(path); }
    Node& addFolder(const std::string& path, std::uint32_t extraAttributes = 0);
    Node& addFile(const std::string& path, std::uint64_t size, std::uint32_t extraAttributes = 0);
    Node& addFileWithContent(const std::string& path, const std::string& content);
    // A symbolic link or junction at `path` that points at the folder `target`. Tag 0 is how
    // Wine reports every folder link.
    Node& addLink(const std::string& path, const std::string& target, std::uint32_t tag = 0);
    // A folder that is a reparse point with `tag` and holds its own entries, such as a cloud
    // placeholder.
    Node& addReparseFolder(const std::string& path, std::uint32_t tag);
    Node* find(const std::string& path);
    bool exists(const std::string& path) { return find(path) != nullptr; }
    bool removeTree(const std::string& path);
    std::vector<std::string> deleted;  // paths passed to deleteFile that were deleted
    int enumerations = 0;

    std::vector<std::string> roots{"C:\\"};
    std::map<std::string, DriveType> types;
    std::map<std::string, DiskSpace> spaces;
    std::map<std::string, VolumeInfo> volumes;

  private:
    Node* resolve(const std::string& path, bool followLastLink);
    // The folder that holds the last part of `path`, and that part's name in capitals.
    std::pair<Node*, std::string> parentOf(const std::string& path);
    Node& make(const std::string& path, bool directory);
    std::map<std::string, std::unique_ptr<Node>> drives_;  // "C:" upper-cased
    std::string windowsDirectory_ = "C:\\WINDOWS";
};

}  // namespace brisko::platform
