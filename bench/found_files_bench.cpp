// Removing found files under Wine: 1,000 files in 50 folders eleven levels deep (made by the
// set-up), listed as a search lists them, and removed three ways: deleteFoundFiles in one batch,
// as the finder, the cookie keeper and the pattern deletion call it (the folders a run of files
// shares are held and checked once); deleteFoundFiles a file at a time (every path held and
// checked from the root); and a bare DeleteFileW by path, with no check at all. Best of 5 rounds,
// each way on a fresh tree.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/folder_entries.h"
#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_utf8.h"
#include "watched_desktop.h"

namespace {

using namespace brisko;
using bench::Clock;
using bench::Milliseconds;

constexpr int kRounds = 5;

// Every file below `folder`, with its identity, as the search lists it.
void List(platform::FileSystem& fs, std::uint32_t serial, const std::string& folder,
          std::vector<platform::FoundFile>& out) {
    std::vector<std::string> subfolders;
    platform::ForEachEntry(fs, folder, [&](const platform::FindData& entry) {
        const std::string path = folder + "\\" + entry.name;
        if (entry.isDirectory())
            subfolders.push_back(path);
        else
            out.push_back(platform::Found(fs, serial, path, entry));
    });
    for (const auto& sub : subfolders) List(fs, serial, sub, out);
}

// Removes the files one of three ways; how many went.
std::size_t Remove(win32::Win32FileSystem& fs, int way,
                   const std::vector<platform::FoundFile>& files) {
    std::size_t removed = 0;
    auto count = [&](const std::vector<platform::Removal>& removals) {
        for (const auto& r : removals) removed += r.result == platform::RemovalResult::Removed;
    };
    if (way == 0) count(fs.deleteFoundFiles(files));
    for (const auto& file : files) {
        if (way == 1) count(fs.deleteFoundFiles({file}));
        if (way == 2) removed += DeleteFileW(win32::Wide(file.path).c_str()) != 0;
    }
    return removed;
}

}  // namespace

int main() {
    win32::Win32FileSystem fs;
    const std::uint32_t serial = platform::VolumeSerialOf(fs, "C:\\");
    const char* names[] = {"deleteFoundFiles, one batch", "deleteFoundFiles, a file a call",
                           "DeleteFileW by path, no check"};
    std::vector<double> best(3, 1e300);
    for (int round = 0; round < kRounds; ++round) {
        for (int way = 0; way < 3; ++way) {
            std::vector<platform::FoundFile> files;
            List(fs, serial, "C:\\bench\\rm\\r" + std::to_string(round) + "w" + std::to_string(way),
                 files);
            const auto begin = Clock::now();
            const std::size_t removed = Remove(fs, way, files);
            const double ms = Milliseconds(Clock::now() - begin);
            std::printf("round %d, %s: %zu of %zu files in %.1f ms\n", round, names[way], removed,
                        files.size(), ms);
            if (files.size() != 1000 || removed != files.size()) return 1;
            best[way] = std::min(best[way], ms);
        }
    }
    std::printf("\n| | 1,000 files, best of %d |\n|---|---|\n", kRounds);
    for (int way = 0; way < 3; ++way) std::printf("| %s | %.1f ms |\n", names[way], best[way]);
    return 0;
}
