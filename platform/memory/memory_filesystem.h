#pragma once
// In-memory file tree with attributes, 64-bit sizes, links, drives and failure switches. Every
// call holds the tree's lock, so walker threads may list it while a test changes it; a Node
// handed out is changed by the tests only while no walk runs.
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
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
        std::string linkTarget;        // for a link or an alias: the folder it shows
        bool unlistable = false;       // the folder cannot be listed
        bool inUse = false;            // the file cannot be deleted
        std::uint64_t id = 0;          // unique in the file system, never 0
        std::vector<std::unique_ptr<Node>> children;
        bool isDirectory() const { return (attributes & kAttrDirectory) != 0; }
    };

    MemoryFileSystem();

    std::string windowsDirectory() override { return windowsDirectory_; }
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    std::optional<std::uint64_t> fileLength(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
    std::unique_ptr<DirectoryEnumeration> enumerate(const std::string& folder,
                                                    FindData& first) override;
    std::vector<Removal> deleteFoundFiles(const std::vector<FoundFile>& files,
                                          const RemovalProgress& progress = {}) override;
    std::vector<Removal> recycleFoundFiles(const std::vector<FoundFile>& files,
                                           const MoveAway& moveAway,
                                           const RemovalProgress& progress = {}) override;
    std::optional<std::string> linkOnPath(const std::string& path) override;
    std::optional<FileId> directoryId(const std::string& folder) override;
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
    // A bind mount: a plain folder at `path`, no reparse point, that shows the very folder
    // `existingFolder` (its entries, with the same ids, and its id). Put inside the folder it
    // shows, it makes a loop that only the ids reveal.
    Node& addAlias(const std::string& path, const std::string& existingFolder);
    Node* find(const std::string& path);
    bool exists(const std::string& path) { return find(path) != nullptr; }
    // Takes an entry away as another program would: no check, no record in `deleted`.
    bool removeTree(const std::string& path);
    std::vector<std::string> deleted;   // paths of found files that were deleted, in order
    std::atomic<int> enumerations = 0;  // read by tests while walkers list
    std::atomic<int> directoryIds = 0;  // calls of directoryId
    bool idsInListings = true;          // false: listings give fileId 0, as some file systems do
    // The serial of drives without an entry in `volumes`.
    static constexpr std::uint32_t kDefaultSerial = 0x4D454D00;

    std::vector<std::string> roots{"C:\\"};
    std::map<std::string, DriveType> types;
    std::map<std::string, DiskSpace> spaces;
    std::map<std::string, VolumeInfo> volumes;

  private:
    // Walks the first `count` names of `parts` below the drive, aliases followed as the platform
    // follows them; stops at a link (its path in `link`) or where the path leads nowhere.
    Node* walk(const std::vector<std::string>& parts, std::size_t count, std::string& link);
    Removal removeFound(const FoundFile& file, const MoveAway* moveAway);
    std::vector<Removal> removeAllFound(const std::vector<FoundFile>& files,
                                        const MoveAway* moveAway, const RemovalProgress& progress);
    Node* resolve(const std::string& path, bool followLastLink);
    // The folder that holds the last part of `path`, and that part's name in capitals.
    std::pair<Node*, std::string> parentOf(const std::string& path);
    Node& make(const std::string& path, bool directory);
    std::unique_ptr<Node> newNode(std::string name, std::uint32_t attributes);
    // The id a listing gives a node: an alias has the id of the folder it shows.
    std::uint64_t listedId(const Node& node);
    std::uint32_t serialOf(const std::string& path);
    std::recursive_mutex mutex_;  // a removal's moveAway may call back in
    std::uint64_t lastId_ = 0;
    std::map<std::string, std::unique_ptr<Node>> drives_;  // "C:" upper-cased
    std::string windowsDirectory_ = "C:\\WINDOWS";
};

}  // namespace brisko::platform
