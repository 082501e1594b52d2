#include "finder/junk_search.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "cleaner/read_ahead.h"
#include "cleaner/wildcard.h"
#include "platform/folder_entries.h"

namespace brisko::finder {

namespace {

char Folded(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int CompareFolded(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(Folded(a[i]));
        const auto y = static_cast<unsigned char>(Folded(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Ascending name order with letter case ignored, as the file system compares names; names that
// differ only in case keep a fixed order.
bool NameBefore(const std::string& a, const std::string& b) {
    const int c = CompareFolded(a, b);
    return c != 0 ? c < 0 : a < b;
}

// A folder's path with one separator after it: a drive root such as "C:\" (or a folder given
// with its separator) already ends in it.
std::string Prefix(const std::string& folder) {
    return folder.empty() || folder.back() == '\\' ? folder : folder + "\\";
}

// The subfolders of a listing in the order the walk enters them: from the last in name order to
// the first.
void EnterOrder(const std::vector<platform::FindData>& entries,
                std::vector<std::size_t>& subfolders) {
    std::sort(subfolders.begin(), subfolders.end(), [&](std::size_t a, std::size_t b) {
        return NameBefore(entries[b].name, entries[a].name);
    });
}

// One folder of the walk: what its single listing gave, and how far its subfolders are done.
struct Folder {
    Folder(std::string p, std::string b, std::uint64_t i = 0)
        : path(std::move(p)), back(std::move(b)), id(i) {}
    std::string path;
    std::string back;      // where the walk returns when this folder is done; "" for the root
    std::uint64_t id = 0;  // its index on the volume, as its parent's listing gave it; 0: unknown
    std::vector<platform::FindData> subfolders;  // in name order
    std::vector<platform::FindData> files;       // matching files, in name order
    std::size_t next = 0;                        // subfolders still to walk, from the last
};

class Walk {
  public:
    Walk(platform::Services& services, const std::string& patternText, bool& searchActive,
         SearchSink& sink)
        : services_(services),
          patterns_(SplitPatterns(patternText)),
          active_(searchActive),
          sink_(sink) {}

    bool run(const std::string& root, const cleaner::ReadAheadOptions& readAhead) {
        // Entries give their index on the volume; the volume's serial comes from the root.
        if (const auto id = services_.files.directoryId(root)) serial_ = id->volumeSerial;
        cleaner::ReadAhead tree(services_.files, Prefix(root), EnterOrder, readAhead);
        tree_ = &tree;
        std::vector<Folder> stack;
        stack.emplace_back(root, "");
        if (!enter(stack.back())) return true;
        while (!stack.empty()) {
            Folder& folder = stack.back();
            if (folder.next > 0 && active_) {
                sink_.positioned(folder.path);
                const platform::FindData& sub = folder.subfolders[--folder.next];
                std::string child = Prefix(folder.path) + sub.name;
                sink_.positioned(child);
                std::string parent = folder.path;
                const std::uint64_t id = sub.fileId;
                stack.emplace_back(std::move(child), std::move(parent), id);
                // An abandoned folder abandons every folder around it, whose own files are then
                // never collected.
                if (!enter(stack.back())) return true;
                continue;
            }
            const std::string prefix = Prefix(folder.path);
            for (const platform::FindData& file : folder.files) {
                if (!sink_.found(
                        platform::Found(services_.files, serial_, prefix + file.name, file),
                        file.size()))
                    return true;
                pace();
            }
            if (!folder.back.empty()) sink_.positioned(folder.back);
            stack.pop_back();
        }
        return false;
    }

  private:
    // Entering a folder: the yield where a Cancel is served, then its one listing.
    bool enter(Folder& folder) {
        active_ = true;
        services_.desktop.yield();
        if (!active_) return false;
        sink_.positioned(folder.path);
        if (!firstVisit(folder)) return true;  // a second way into a folder already walked
        // Waiting for a listing not read yet serves the window, and a Cancel, as the walk does.
        const auto listing = tree_->take(Prefix(folder.path), [this] {
            services_.desktop.yield();
            return active_;
        });
        if (!listing) return false;
        if (!listing->listed) services_.trace.dropped("junk search: could not list " + folder.path);
        for (const platform::FindData& entry : listing->entries) {
            pace();
            // Junk lives in hidden and system folders too, but a link leads elsewhere.
            if (entry.isLink()) continue;
            if (entry.isDirectory()) {
                folder.subfolders.push_back(entry);
            } else if ((entry.attributes & (platform::kAttrHidden | platform::kAttrSystem)) == 0 &&
                       MatchesAny(patterns_, entry.name)) {
                folder.files.push_back(entry);
            }
        }
        const auto byName = [](const platform::FindData& a, const platform::FindData& b) {
            return NameBefore(a.name, b.name);
        };
        std::sort(folder.subfolders.begin(), folder.subfolders.end(), byName);
        std::sort(folder.files.begin(), folder.files.end(), byName);
        folder.next = folder.subfolders.size();
        return true;
    }

    // A large folder's entries, or the many files found in it, are handled between yields, so
    // that the window answers meanwhile; a Cancel then takes effect at the next folder.
    void pace() {
        if (++handled_ % kEntriesPerYield == 0) services_.desktop.yield();
    }

    // Bind mounts and other aliases show one folder under several paths, possibly inside
    // itself: each folder is walked once, known by its volume and index.
    bool firstVisit(const Folder& folder) {
        std::optional<platform::FileId> id;
        if (folder.id != 0)
            id = platform::FileId{serial_, folder.id};
        else if (const auto read = services_.files.directoryId(folder.path))
            id = platform::FileId{serial_, read->index};
        if (!id) return true;
        if (entered_.insert(*id).second) return true;
        services_.trace.dropped("junk search: " + folder.path + " was walked already");
        return false;
    }

    platform::Services& services_;
    cleaner::ReadAhead* tree_ = nullptr;  // the listings, read ahead while the walk runs
    static constexpr std::size_t kEntriesPerYield = 256;
    std::size_t handled_ = 0;
    std::uint32_t serial_ = 0;
    std::set<platform::FileId> entered_;
    std::vector<std::string> patterns_;
    bool& active_;
    SearchSink& sink_;
};

}  // namespace

std::vector<std::string> SplitPatterns(const std::string& patternText) {
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= patternText.size()) {
        const std::size_t end = std::min(patternText.find(';', start), patternText.size());
        if (end > start) patterns.push_back(patternText.substr(start, end - start));
        start = end + 1;
    }
    return patterns;
}

bool MatchesAny(const std::vector<std::string>& patterns, const std::string& name) {
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& p) { return cleaner::WildcardMatch(p, name); });
}

bool SearchFolder(platform::Services& services, const std::string& root,
                  const std::string& patternText, bool& searchActive, SearchSink& sink,
                  const cleaner::ReadAheadOptions& readAhead) {
    return Walk(services, patternText, searchActive, sink).run(root, readAhead);
}

}  // namespace brisko::finder
