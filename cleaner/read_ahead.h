#pragma once
// Reading a folder tree ahead of a walk. Listing a folder costs the same whoever asks, and on
// Windows and Wine it is most of a walk's time; walker threads list the folders that the walk
// will enter, earliest first, while the walk itself (on the window's thread) handles what they
// read, in its own order, with its own rules. The walk only ever sees whole listings.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <stop_token>
#include <string>
#include <thread>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/filesystem.h"

namespace brisko::cleaner {

// One folder's entries but "." and "..", in the file system's order; `listed` is false when the
// folder could not be listed.
struct FolderListing {
    bool listed = false;
    std::vector<platform::FindData> entries;
};

// Puts a listing's subfolders (indices of its entries: the folders that are no link) in the
// order the walk enters them; none keeps the listing's order. Called on the walker threads: it
// may look only at the listing.
using EnterOrder = std::function<void(const std::vector<platform::FindData>& entries,
                                      std::vector<std::size_t>& subfolders)>;

// How far the walkers were ahead of the walk, in entries listed and not yet taken.
struct ReadAheadLead {
    std::size_t most = 0;
    std::size_t takes = 0;
    std::size_t sum = 0;    // of the lead at each take, for the mean
    std::size_t waits = 0;  // takes that found a walker still reading their folder
};

struct ReadAheadOptions {
    // Walker threads; 0 lists each folder on the walk's own thread when the walk asks for it.
    // None by default: under Wine, whose listings in one program mostly take turns, walkers
    // make the walk no faster (the benchmarks compare), and the walk serves its window while it
    // lists a large folder itself.
    int walkers = 0;
    // The most entries listed ahead and not yet taken; a single larger folder still gets
    // through, alone.
    std::size_t entriesAhead = 4096;
    // Where the lead is reported when the read-ahead ends (for measurements); may be null.
    ReadAheadLead* lead = nullptr;
};

class ReadAhead {
  public:
    // Reads the tree at `root` (ending in a backslash). A subfolder `name` of `folder` is read as
    // folder + name + "\"; a link is never entered, nor a folder whose identity was read before.
    ReadAhead(platform::FileSystem& fs, std::string root, EnterOrder order,
              ReadAheadOptions options);
    // Stops the walkers wherever they are and waits for them: nothing outlives the walk.
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The listing of `folder`. A folder no walker has started is read here; while the walk
    // waits for one a walker is reading, or reads one itself, `keepWaiting` is called every few
    // milliseconds or entries, and the take gives up (nullopt) as soon as it returns false.
    std::optional<FolderListing> take(const std::string& folder,
                                      const std::function<bool()>& keepWaiting);

  private:
    enum class State { Waiting, Reading, Read };
    using Position = std::vector<std::uint32_t>;  // indices from the root: earlier sorts first
    struct Folder {
        State state = State::Waiting;
        Position position;
        FolderListing listing;
    };

    void walk(std::stop_token stop);
    // The next folder a walker should read, marked Reading; false when none may be read now.
    bool claim(std::string& path);
    void store(const std::string& path, FolderListing listing, std::stop_token stop);
    // Lists `folder`, asking `goOn` every few hundred entries; nullopt when it says stop.
    std::optional<FolderListing> list(const std::string& folder, const std::function<bool()>& goOn);
    std::uint64_t idOf(const std::string& folder, const platform::FindData& entry);

    platform::FileSystem& fs_;
    EnterOrder order_;
    ReadAheadOptions options_;
    ReadAheadLead lead_;
    std::mutex mutex_;
    std::condition_variable work_;           // walkers: something to read, room to read it, or stop
    std::map<std::string, Folder> folders_;  // known and not taken, by path
    std::set<std::pair<Position, std::string>> next_;  // Waiting folders, earliest first
    std::unordered_set<std::uint64_t> entered_;        // identities of the folders read or to read
    std::size_t ahead_ = 0;                            // entries read and not taken
    // Waking a thread costs a round trip to the Wine server: only those that sleep are woken.
    int idleWalkers_ = 0;
    std::atomic<std::uint64_t> stored_ = 0;  // listings read so far, for a waiting walk to watch
    std::vector<std::jthread> walkers_;      // last: stopped and joined first
};

}  // namespace brisko::cleaner
