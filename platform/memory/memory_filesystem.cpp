#include "platform/memory/memory_filesystem.h"

#include <algorithm>

#include "platform/memory/text.h"

namespace brisko::platform {

namespace {

MemoryFileSystem::Node* child(MemoryFileSystem::Node& parent, const std::string& name) {
    const std::string folded = upper(name);
    for (auto& c : parent.children)
        if (upper(c->name) == folded) return c.get();
    return nullptr;
}

class MemoryEnumeration : public DirectoryEnumeration {
  public:
    explicit MemoryEnumeration(std::vector<FindData> entries) : entries_(std::move(entries)) {}
    bool next(FindData& out) override {
        if (position_ >= entries_.size()) return false;
        out = entries_[position_++];
        return true;
    }

  private:
    std::vector<FindData> entries_;
    size_t position_ = 1;  // the first entry went out with the start of the enumeration
};

FindData entryOf(const std::string& name, const MemoryFileSystem::Node& node, std::uint64_t id) {
    FindData data;
    data.fileId = id;
    data.name = name;
    data.attributes = node.attributes;
    if (node.attributes & kAttrReparsePoint) data.reparseTag = node.reparseTag;
    if (!node.isDirectory()) {
        data.sizeHigh = static_cast<std::uint32_t>(node.size >> 32);
        data.sizeLow = static_cast<std::uint32_t>(node.size & 0xFFFFFFFFu);
    }
    return data;
}

}  // namespace

MemoryFileSystem::MemoryFileSystem() {
    addFolder("C:\\");
}

MemoryFileSystem::Node* MemoryFileSystem::resolve(const std::string& path, bool followLastLink) {
    auto parts = splitPath(path);
    if (parts.empty()) return nullptr;
    auto drive = drives_.find(upper(parts[0]));
    if (drive == drives_.end()) return nullptr;
    Node* node = drive->second.get();
    for (size_t i = 1; i < parts.size(); ++i) {
        if (!node->linkTarget.empty()) {
            node = resolve(node->linkTarget, true);
            if (!node) return nullptr;
        }
        if (!node->isDirectory()) return nullptr;
        node = child(*node, parts[i]);
        if (!node) return nullptr;
    }
    if (followLastLink && !node->linkTarget.empty()) return resolve(node->linkTarget, true);
    return node;
}

MemoryFileSystem::Node* MemoryFileSystem::find(const std::string& path) {
    std::lock_guard lock(mutex_);
    return resolve(path, false);
}

std::unique_ptr<MemoryFileSystem::Node> MemoryFileSystem::newNode(std::string name,
                                                                  std::uint32_t attributes) {
    auto node = std::make_unique<Node>();
    node->name = std::move(name);
    node->attributes = attributes;
    node->id = ++lastId_;
    return node;
}

MemoryFileSystem::Node& MemoryFileSystem::make(const std::string& path, bool directory) {
    auto parts = splitPath(path);
    auto& drive = drives_[upper(parts.at(0))];
    if (!drive) drive = newNode(parts[0], kAttrDirectory);
    Node* node = drive.get();
    for (size_t i = 1; i < parts.size(); ++i) {
        Node* next = child(*node, parts[i]);
        if (!next) {
            auto made = newNode(
                parts[i], (i + 1 < parts.size() || directory) ? kAttrDirectory : kAttrArchive);
            next = made.get();
            node->children.push_back(std::move(made));
        }
        node = next;
    }
    return *node;
}

MemoryFileSystem::Node& MemoryFileSystem::addFolder(const std::string& path,
                                                    std::uint32_t extraAttributes) {
    std::lock_guard lock(mutex_);
    Node& node = make(path, true);
    node.attributes = kAttrDirectory | extraAttributes;
    return node;
}

MemoryFileSystem::Node& MemoryFileSystem::addFile(const std::string& path, std::uint64_t size,
                                                  std::uint32_t extraAttributes) {
    std::lock_guard lock(mutex_);
    Node& node = make(path, false);
    node.attributes = kAttrArchive | extraAttributes;
    node.size = size;
    return node;
}

std::optional<std::string> MemoryFileSystem::readFile(const std::string& path,
                                                      std::size_t maxBytes) {
    std::lock_guard lock(mutex_);
    const Node* node = resolve(path, true);
    if (!node || node->isDirectory() || node->inUse) return std::nullopt;
    return node->content.substr(0, maxBytes);
}

MemoryFileSystem::Node& MemoryFileSystem::addFileWithContent(const std::string& path,
                                                             const std::string& content) {
    std::lock_guard lock(mutex_);
    Node& node = addFile(path, content.size());
    node.content = content;
    return node;
}

MemoryFileSystem::Node& MemoryFileSystem::addLink(const std::string& path,
                                                  const std::string& target, std::uint32_t tag) {
    std::lock_guard lock(mutex_);
    Node& node = addReparseFolder(path, tag);
    node.linkTarget = target;
    return node;
}

MemoryFileSystem::Node& MemoryFileSystem::addReparseFolder(const std::string& path,
                                                           std::uint32_t tag) {
    std::lock_guard lock(mutex_);
    Node& node = addFolder(path, kAttrReparsePoint);
    node.reparseTag = tag;
    return node;
}

MemoryFileSystem::Node& MemoryFileSystem::addAlias(const std::string& path,
                                                   const std::string& existingFolder) {
    std::lock_guard lock(mutex_);
    Node& node = addFolder(path);
    node.linkTarget = existingFolder;
    return node;
}

std::uint64_t MemoryFileSystem::listedId(const Node& node) {
    if (node.linkTarget.empty() || (node.attributes & kAttrReparsePoint)) return node.id;
    const Node* shown = resolve(node.linkTarget, true);
    return shown ? shown->id : node.id;
}

std::uint32_t MemoryFileSystem::serialOf(const std::string& path) {
    const auto parts = splitPath(path);
    if (parts.empty()) return kDefaultSerial;
    auto it = volumes.find(upper(parts[0] + "\\"));
    return it != volumes.end() ? it->second.serial : kDefaultSerial;
}

std::optional<FileId> MemoryFileSystem::directoryId(const std::string& folder) {
    std::lock_guard lock(mutex_);
    ++directoryIds;
    const Node* node = resolve(folder, true);
    if (!node) return std::nullopt;
    return FileId{serialOf(folder), node->id};
}

std::optional<std::uint32_t> MemoryFileSystem::attributes(const std::string& path) {
    std::lock_guard lock(mutex_);
    Node* node = find(path);
    if (!node) return std::nullopt;
    return node->attributes;
}

std::optional<std::uint64_t> MemoryFileSystem::fileLength(const std::string& path) {
    std::lock_guard lock(mutex_);
    Node* node = find(path);
    if (!node || node->isDirectory()) return std::nullopt;
    return node->size;
}

std::unique_ptr<DirectoryEnumeration> MemoryFileSystem::enumerate(const std::string& folder,
                                                                  FindData& first) {
    std::lock_guard lock(mutex_);
    ++enumerations;
    Node* node = resolve(folder, true);
    if (!node || !node->isDirectory() || node->unlistable) return nullptr;
    std::vector<FindData> entries;
    auto id = [&](const Node& n) { return idsInListings ? listedId(n) : 0; };
    const bool root = splitPath(folder).size() == 1;
    if (!root) {
        const Node* parent = parentOf(folder).first;
        entries.push_back(entryOf(".", *node, id(*node)));
        entries.push_back(entryOf("..", parent ? *parent : *node, parent ? id(*parent) : 0));
    }
    for (const auto& c : node->children) entries.push_back(entryOf(c->name, *c, id(*c)));
    if (entries.empty()) return nullptr;  // an empty drive root: nothing to find
    first = entries.front();
    return std::make_unique<MemoryEnumeration>(std::move(entries));
}

std::pair<MemoryFileSystem::Node*, std::string> MemoryFileSystem::parentOf(
    const std::string& path) {
    auto parts = splitPath(path);
    if (parts.size() < 2) return {nullptr, {}};
    std::string parentPath;
    for (size_t i = 0; i + 1 < parts.size(); ++i) parentPath += parts[i] + "\\";
    return {resolve(parentPath, true), upper(parts.back())};
}

MemoryFileSystem::Node* MemoryFileSystem::walk(const std::vector<std::string>& parts,
                                               std::size_t count, std::string& link) {
    auto drive = parts.empty() ? drives_.end() : drives_.find(upper(parts[0]));
    if (drive == drives_.end()) return nullptr;
    Node* node = drive->second.get();
    std::string path = parts[0];
    for (std::size_t i = 1; i <= count && node; ++i) {
        if (!node->linkTarget.empty()) node = resolve(node->linkTarget, true);  // an alias
        if (!node || !node->isDirectory()) return node;
        node = child(*node, parts[i]);
        path += "\\" + parts[i];
        if (node && IsLink(node->attributes, node->reparseTag)) {
            link = path;
            return nullptr;
        }
    }
    if (node && !node->linkTarget.empty()) node = resolve(node->linkTarget, true);
    return node;
}

std::optional<std::string> MemoryFileSystem::linkOnPath(const std::string& path) {
    std::lock_guard lock(mutex_);
    const auto parts = splitPath(path);
    std::string link;
    walk(parts, parts.size() - std::min<std::size_t>(parts.size(), 1), link);
    if (link.empty()) return std::nullopt;
    return link;
}

Removal MemoryFileSystem::removeFound(const FoundFile& file, const MoveAway* moveAway) {
    const auto parts = splitPath(file.path);
    if (parts.size() < 2) return {RemovalResult::Refused, 0, "not a file's path"};
    std::string link;
    Node* folder = walk(parts, parts.size() - 2, link);
    if (!link.empty())
        return {RemovalResult::Refused, 0, "a folder on its path is a link: " + link};
    if (!folder || !folder->isDirectory()) return {RemovalResult::Gone, 0, {}};
    Node* node = child(*folder, parts.back());
    if (!node) return {RemovalResult::Gone, 0, {}};
    if (node->isDirectory() || IsLink(node->attributes, node->reparseTag))
        return {RemovalResult::Refused, 0, "a folder or a link is in its place"};
    if (file.id.index == 0) return {RemovalResult::Refused, 0, "its identity was never read"};
    if (FileId{serialOf(file.path), node->id} != file.id)
        return {RemovalResult::Refused, 0, "another file is in its place"};
    if ((node->attributes & kAttrReadOnly) || node->inUse)
        return {RemovalResult::Refused, 0, "read-only or in use"};
    const Removal removed{RemovalResult::Removed, node->size, {}};
    if (moveAway) {
        // The move may destroy the node, so the one left at the path is told by its id.
        const auto id = node->id;
        (*moveAway)(file.path);
        const Node* left = child(*folder, parts.back());
        if (left && left->id == id) return {RemovalResult::Refused, 0, "it was not moved away"};
        return removed;
    }
    std::erase_if(folder->children, [&](const auto& c) { return c.get() == node; });
    deleted.push_back(file.path);
    return removed;
}

std::vector<Removal> MemoryFileSystem::deleteFoundFiles(const std::vector<FoundFile>& files,
                                                        const RemovalProgress& progress) {
    std::lock_guard lock(mutex_);
    return removeAllFound(files, nullptr, progress);
}

std::vector<Removal> MemoryFileSystem::recycleFoundFiles(const std::vector<FoundFile>& files,
                                                         const MoveAway& moveAway,
                                                         const RemovalProgress& progress) {
    std::lock_guard lock(mutex_);
    return removeAllFound(files, &moveAway, progress);
}

std::vector<Removal> MemoryFileSystem::removeAllFound(const std::vector<FoundFile>& files,
                                                      const MoveAway* moveAway,
                                                      const RemovalProgress& progress) {
    std::vector<Removal> removals;
    for (const FoundFile& file : files) {
        removals.push_back(removeFound(file, moveAway));
        if (progress && !progress(removals.size() - 1, removals.back())) break;
    }
    return removals;
}

bool MemoryFileSystem::removeTree(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto [parent, folded] = parentOf(path);
    if (!parent) return false;
    return std::erase_if(parent->children,
                         [&](const auto& c) { return upper(c->name) == folded; }) != 0;
}

DriveType MemoryFileSystem::driveType(const std::string& root) {
    std::lock_guard lock(mutex_);
    auto it = types.find(upper(root));
    if (it != types.end()) return it->second;
    return drives_.count(upper(splitPath(root).empty() ? "" : splitPath(root)[0]))
               ? DriveType::Fixed
               : DriveType::NoRoot;
}

std::optional<DiskSpace> MemoryFileSystem::diskSpace(const std::string& root) {
    std::lock_guard lock(mutex_);
    auto it = spaces.find(upper(root));
    if (it == spaces.end()) return std::nullopt;
    return it->second;
}

std::optional<VolumeInfo> MemoryFileSystem::volumeInformation(const std::string& root) {
    std::lock_guard lock(mutex_);
    auto it = volumes.find(upper(root));
    if (it == volumes.end()) return std::nullopt;
    return it->second;
}

}  // namespace brisko::platform
