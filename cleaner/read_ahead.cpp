#include "cleaner/read_ahead.h"

#include <algorithm>
#include <chrono>

#include "platform/folder_entries.h"

namespace brisko::cleaner {

namespace {

// How often a waiting walk looks up from the wait (to let its window answer).
constexpr auto kWaitSlice = std::chrono::milliseconds(4);
// How many entries a listing reads between two looks at whether to go on.
constexpr std::size_t kEntriesPerLook = 256;

}  // namespace

ReadAhead::ReadAhead(platform::FileSystem& fs, std::string root, EnterOrder order,
                     ReadAheadOptions options)
    : fs_(fs), order_(std::move(order)), options_(options) {
    if (options_.walkers <= 0) return;
    if (const auto id = fs_.directoryId(root)) entered_.insert(id->index);
    next_.emplace(Position{}, root);
    folders_.emplace(std::move(root), Folder{});
    for (int i = 0; i < options_.walkers; ++i)
        walkers_.emplace_back([this](std::stop_token stop) { walk(stop); });
}

ReadAhead::~ReadAhead() {
    {
        // Under the lock, so that no walker is between its look at the stop and its wait.
        std::lock_guard lock(mutex_);
        for (auto& walker : walkers_) walker.request_stop();
        work_.notify_all();
    }
    walkers_.clear();  // joins
    if (options_.lead) *options_.lead = lead_;
}

std::optional<FolderListing> ReadAhead::list(const std::string& folder,
                                             const std::function<bool()>& goOn) {
    FolderListing listing;
    platform::FindData entry;
    auto enumeration = fs_.enumerate(folder, entry);
    if (!enumeration) return listing;
    listing.listed = true;
    std::size_t read = 0;
    do {
        if (!platform::IsDotEntry(entry.name)) listing.entries.push_back(entry);
        if (++read % kEntriesPerLook == 0 && !goOn()) return std::nullopt;
    } while (enumeration->next(entry));
    return listing;
}

std::uint64_t ReadAhead::idOf(const std::string& folder, const platform::FindData& entry) {
    if (entry.fileId != 0) return entry.fileId;
    const auto id = fs_.directoryId(folder);
    return id ? id->index : 0;
}

bool ReadAhead::claim(std::string& path) {
    if (next_.empty() || ahead_ >= options_.entriesAhead) return false;
    const auto it = folders_.find(next_.begin()->second);
    next_.erase(next_.begin());
    it->second.state = State::Reading;
    path = it->first;
    return true;
}

void ReadAhead::store(const std::string& path, FolderListing listing, std::stop_token stop) {
    // Subfolders in the order the walk enters them, with their identities, read before taking
    // the lock (an identity the listing lacks costs an open).
    std::vector<std::size_t> entered;
    for (std::size_t i = 0; i < listing.entries.size(); ++i)
        if (listing.entries[i].isDirectory() && !listing.entries[i].isLink()) entered.push_back(i);
    if (order_) order_(listing.entries, entered);
    std::vector<std::pair<std::string, std::uint64_t>> subfolders;
    for (const std::size_t i : entered) {
        const platform::FindData& entry = listing.entries[i];
        std::string child = path + entry.name + "\\";
        const std::uint64_t id = idOf(child, entry);
        subfolders.emplace_back(std::move(child), id);
        if (stop.stop_requested()) return;
    }
    std::lock_guard lock(mutex_);
    const auto it = folders_.find(path);
    const Position position = std::move(it->second.position);
    std::size_t added = 0;
    for (std::size_t k = 0; k < subfolders.size(); ++k) {
        auto& [child, id] = subfolders[k];
        // An alias of a folder read already (a bind mount, possibly of its own parent) is left
        // to the walk, which decides it by the same identity.
        if (id != 0 && !entered_.insert(id).second) continue;
        Position childPosition = position;
        childPosition.push_back(static_cast<std::uint32_t>(k));
        if (!folders_.emplace(child, Folder{State::Waiting, childPosition, {}}).second) continue;
        next_.emplace(std::move(childPosition), std::move(child));
        ++added;
    }
    ahead_ += listing.entries.size();
    lead_.most = std::max(lead_.most, ahead_);
    it->second.listing = std::move(listing);
    it->second.state = State::Read;
    ++stored_;
    // A walker reads the one new folder itself; the walk's own listing leaves all to them.
    const std::size_t forOthers = stop.stop_possible() ? 1 : 0;
    if (added > forOthers && idleWalkers_ > 0) work_.notify_all();
}

void ReadAhead::walk(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    for (;;) {
        std::string path;
        ++idleWalkers_;
        work_.wait(lock, [&] { return stop.stop_requested() || claim(path); });
        --idleWalkers_;
        if (stop.stop_requested()) return;
        lock.unlock();
        auto listing = list(path, [&] { return !stop.stop_requested(); });
        if (!listing || stop.stop_requested()) return;
        store(path, std::move(*listing), stop);
        lock.lock();
    }
}

std::optional<FolderListing> ReadAhead::take(const std::string& folder,
                                             const std::function<bool()>& keepWaiting) {
    if (walkers_.empty()) return list(folder, keepWaiting);
    std::unique_lock lock(mutex_);
    auto it = folders_.find(folder);
    if (it == folders_.end() || it->second.state == State::Waiting) {
        // No walker has started it (or none will: an alias they left): read here rather than
        // wait, serving the window every few hundred entries.
        if (it == folders_.end())
            it = folders_.emplace(folder, Folder{}).first;
        else
            next_.erase({it->second.position, folder});
        it->second.state = State::Reading;
        lock.unlock();
        auto listing = list(folder, keepWaiting);
        if (!listing) return std::nullopt;
        store(folder, std::move(*listing), {});
        lock.lock();
    } else if (it->second.state == State::Reading) {
        ++lead_.waits;
        // The walk watches for its listing rather than sleeping: under Wine a sleep and its
        // wake-up cost more than most listings take. It looks up every few milliseconds.
        for (;;) {
            const auto until = std::chrono::steady_clock::now() + kWaitSlice;
            while (it->second.state != State::Read && std::chrono::steady_clock::now() < until) {
                const auto seen = stored_.load();
                lock.unlock();
                while (stored_.load() == seen && std::chrono::steady_clock::now() < until)
                    std::this_thread::yield();
                lock.lock();
            }
            if (it->second.state == State::Read) break;
            lock.unlock();
            const bool wait = keepWaiting();
            lock.lock();
            if (!wait) return std::nullopt;
        }
    }
    FolderListing listing = std::move(it->second.listing);
    folders_.erase(it);
    const bool full = ahead_ >= options_.entriesAhead;
    ahead_ -= listing.entries.size();
    ++lead_.takes;
    lead_.sum += ahead_;
    if (full && ahead_ < options_.entriesAhead && idleWalkers_ > 0) work_.notify_all();
    return listing;
}

}  // namespace brisko::cleaner
