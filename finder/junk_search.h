#pragma once
// The junk search's walk over one drive: depth first, the subfolders of a folder from the last in
// name order to the first, each completely before the next, a folder's own matching files after
// everything below it, one yield per folder entered.
#include <cstdint>
#include <string>
#include <vector>

#include "cleaner/read_ahead.h"
#include "platform/services.h"

namespace brisko::finder {

// What the walk shows in its window, and where it puts what it finds.
class SearchSink {
  public:
    virtual ~SearchSink() = default;
    // The walk moved to `folder` (also back to a parent).
    virtual void positioned(const std::string& folder) = 0;
    // A matching file (its path and identity) and its length as the listing gave it; false when
    // it could not be kept (the list is full): the walk is abandoned.
    virtual bool found(const platform::FoundFile& file, std::uint64_t length) = 0;
};

// The patterns of a search's pattern text, in order ("*.gid;*.tmp" gives two).
std::vector<std::string> SplitPatterns(const std::string& patternText);
// Whether a file name matches any of the patterns (long names only, case ignored).
bool MatchesAny(const std::vector<std::string>& patterns, const std::string& name);

// Walks `root` and everything below it. `searchActive` is set at every folder entered and
// checked after its yield, where a Cancel clears it. Hidden and system files are not listed;
// links are never entered, nor any folder a second time; a folder that cannot be listed is
// skipped and traced. Returns true when the walk was abandoned (cancelled or the list full).
// Walker threads read the folders ahead of the walk (none with `readAhead.walkers` 0); what the
// walk shows and finds is the same either way.
bool SearchFolder(platform::Services& services, const std::string& root,
                  const std::string& patternText, bool& searchActive, SearchSink& sink,
                  const cleaner::ReadAheadOptions& readAhead = {});

}  // namespace brisko::finder
