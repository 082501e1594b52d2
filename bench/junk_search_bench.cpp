// The junk search with its window under Wine, over the whole C: of a prefix that holds a tree of
// 100,000 files in 5,000 folders and 20,000 in one (a tenth of them "*.tmp", made by the set-up
// script), against a bare recursive FindFirstFileW walk with the same matching in the same
// program and `find -iname` on the Linux side. Also: the time to check or uncheck every found file,
// and how long a message waited for the window at the most while the search ran, and how far the
// walker threads that read the drive ahead were ahead of the search (without them and with one to
// three).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cleaner/wildcard.h"
#include "finder_window.h"
#include "platform/folder_entries.h"
#include "platform/win32/win32_utf8.h"

namespace {

using namespace brisko;
using bench::Best;
using bench::Clock;
using bench::Milliseconds;

constexpr int kRounds = 7;
constexpr const char* kPattern = "*.tmp";

// What the search does, with nothing between the program and the API: the same order of
// subfolders is not needed for the count, links are skipped, hidden and system files too.
std::size_t BareWalk(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return 0;
    std::size_t found = 0;
    std::vector<std::wstring> subfolders;
    do {
        const std::wstring name = data.cFileName;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (name != L"." && name != L"..") subfolders.push_back(folder + name + L"\\");
        } else if (!(data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) &&
                   cleaner::WildcardMatch(kPattern, win32::Utf8(name))) {
            ++found;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    for (const auto& sub : subfolders) found += BareWalk(sub);
    return found;
}

// The same through the platform layer's listing, with no window and no order: what the file
// system interface costs over the bare calls.
std::size_t PlatformWalk(platform::FileSystem& files, const std::string& folder) {
    std::size_t found = 0;
    std::vector<std::string> subfolders;
    platform::ForEachEntry(files, folder, [&](const platform::FindData& entry) {
        if (entry.isLink()) return;
        if (entry.isDirectory())
            subfolders.push_back(folder + entry.name + "\\");
        else if (!(entry.attributes & (platform::kAttrHidden | platform::kAttrSystem)) &&
                 cleaner::WildcardMatch(kPattern, entry.name))
            ++found;
    });
    for (const auto& sub : subfolders) found += PlatformWalk(files, sub);
    return found;
}

}  // namespace

int main() {
    bench::FinderWindow window;
    auto& platform = window.platform;
    auto& desktop = window.desktop;
    finder::WinSeek& seek = window.seek;
    seek.chkTMP.setValue(1);

    const std::size_t expected = BareWalk(L"C:\\");  // also warms the cache
    // The search in the window with no read-ahead and with one to three walker threads, side
    // by side in every round.
    constexpr int kMostWalkers = 3;
    std::vector<double> searchTimes[kMostWalkers + 1], gaps[kMostWalkers + 1],
        messageWaits[kMostWalkers + 1];
    cleaner::ReadAheadLead leads[kMostWalkers + 1];
    std::vector<double> bareTimes, checkTimes, platformTimes;
    for (int round = 0; round < kRounds; ++round) {
        for (int walkers = 0; walkers <= kMostWalkers; ++walkers) {
            if (seek.cmdSearch.caption() == "&Reset") seek.cmdSearch.click();
            cleaner::ReadAheadLead lead;
            seek.readAhead.walkers = walkers;
            seek.readAhead.lead = &lead;
            desktop.start();
            const auto begin = Clock::now();
            seek.cmdSearch.click();
            searchTimes[walkers].push_back(Milliseconds(Clock::now() - begin));
            desktop.finish();
            gaps[walkers].push_back(Milliseconds(desktop.longest()));
            messageWaits[walkers].push_back(Milliseconds(desktop.longestMessageWait()));
            leads[walkers].most = std::max(leads[walkers].most, lead.most);
            leads[walkers].sum += lead.sum;
            leads[walkers].takes += lead.takes;
            leads[walkers].waits += lead.waits;
            std::printf(
                "round %d, %d walkers: %.1f ms, a message waited %.1f ms at the most; longest "
                "time between servings %.1f ms ending %.1f ms in\n",
                round, walkers, searchTimes[walkers].back(), messageWaits[walkers].back(),
                gaps[walkers].back(), Milliseconds(desktop.longestEnded()));
            if (static_cast<std::size_t>(seek.lstFoundFiles.count()) != expected) {
                std::printf("the window found %d files, the bare walk %zu\n",
                            seek.lstFoundFiles.count(), expected);
                return 1;
            }
        }
        auto begin = Clock::now();
        seek.Check1.setValue(0);
        seek.Check1.setValue(1);
        checkTimes.push_back(Milliseconds(Clock::now() - begin) / 2);

        begin = Clock::now();
        PlatformWalk(platform.files, "C:\\");
        platformTimes.push_back(Milliseconds(Clock::now() - begin));

        begin = Clock::now();
        BareWalk(L"C:\\");
        bareTimes.push_back(Milliseconds(Clock::now() - begin));
    }

    const double bareMs = Best(bareTimes);
    std::printf(
        "whole C: with the benchmark tree: %zu files found; %d rounds, the fastest of each\n",
        expected, kRounds);
    std::printf("bare FindFirstFileExW walk        %8.1f ms\n", bareMs);
    std::printf("a walk through the platform layer %8.1f ms\n", Best(platformTimes));
    std::printf(
        "search in the window  fastest  ratio  a message waited (worst round)  between servings"
        " (worst)  lead: most, mean  waits\n");
    const auto worst = [](const std::vector<double>& v) {
        return *std::max_element(v.begin(), v.end());
    };
    for (int walkers = 0; walkers <= kMostWalkers; ++walkers) {
        const auto& lead = leads[walkers];
        std::printf(
            "  %d walkers %15.1f ms %5.2fx %14.1f ms %6.1f ms %10.1f ms %6.1f ms %9zu %6zu %6zu\n",
            walkers, Best(searchTimes[walkers]), Best(searchTimes[walkers]) / bareMs,
            Best(messageWaits[walkers]), worst(messageWaits[walkers]), Best(gaps[walkers]),
            worst(gaps[walkers]), lead.most, lead.takes ? lead.sum / lead.takes : 0,
            lead.waits / kRounds);
    }
    std::printf("goal: the search within 0.8x of the bare walk, no message waiting over 16 ms\n");
    const double searchMs = Best(searchTimes[cleaner::ReadAheadOptions{}.walkers]);
    std::printf("check or uncheck every found file %8.1f ms\n", Best(checkTimes));
    std::ifstream find("C:\\bench\\find.txt");
    long long findMicroseconds = 0, findCount = 0;
    if (find >> findMicroseconds >> findCount)
        std::printf(
            "find -iname on the Linux side     %8.1f ms (%lld files; search / find %.2fx)\n",
            findMicroseconds / 1000.0, findCount, searchMs / (findMicroseconds / 1000.0));
    else
        std::printf("find -iname: no figures (run through bench/run.sh)\n");
    seek.hide();
    return 0;
}
