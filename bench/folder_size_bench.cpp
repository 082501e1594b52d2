// FolderSize under Wine over 50,000 small files in 1,000 folders (made by the set-up script in
// the user's internet cache), against a bare recursive FindFirstFileW loop, a bare loop over
// handle-based listings (FileIdBothDirectoryInfo, what the platform uses) in the same program and
// `du -sb` on the same tree from the Linux side; and the estimate of "Temporary Internet Files" as
// the main window makes it (the shell's folder for the user, its size less the index file). Also
// the cost of one directoryId call. Also measures how long the event loop waits at most while the
// measurement runs: the longest stretch between two times the queue was served.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cleaner/get_win_dir_size.h"
#include "cleaner/item_size.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_utf8.h"
#include "watched_desktop.h"

namespace {

using namespace brisko;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 7;

// Where Wine's shell puts the user's internet cache, which the set-up fills.
std::wstring CacheFolder() {
    wchar_t profile[MAX_PATH] = {};
    GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
    return std::wstring(profile) + L"\\AppData\\Local\\Microsoft\\Windows\\INetCache";
}

// What FolderSize does, with nothing between the program and the API: no yields, no UTF-8,
// no interfaces. Links are skipped as FolderSize skips them.
std::uint64_t BareSize(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    std::uint64_t total = 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L".." &&
                (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
                total += BareSize(folder + L"\\" + name);
        } else {
            total += (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return total;
}

// The same walk through handle-based listings in 64 KiB batches, which also carry file ids.
std::uint64_t BareHandleSize(const std::wstring& folder, std::vector<std::uint64_t>& batch) {
    HANDLE handle = CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return 0;
    std::uint64_t total = 0;
    std::vector<std::wstring> folders;
    FILE_INFO_BY_HANDLE_CLASS kind = FileIdBothDirectoryRestartInfo;
    const DWORD bytes = static_cast<DWORD>(batch.size() * sizeof(batch[0]));
    while (GetFileInformationByHandleEx(handle, kind, batch.data(), bytes)) {
        kind = FileIdBothDirectoryInfo;
        auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(batch.data());
        for (;;) {
            if (entry->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                std::wstring name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
                if (name != L"." && name != L".." &&
                    (entry->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
                    folders.push_back(std::move(name));
            } else {
                total += static_cast<std::uint64_t>(entry->EndOfFile.QuadPart);
            }
            if (entry->NextEntryOffset == 0) break;
            entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(
                reinterpret_cast<const char*>(entry) + entry->NextEntryOffset);
        }
    }
    CloseHandle(handle);
    for (const auto& name : folders) total += BareHandleSize(folder + L"\\" + name, batch);
    return total;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// An ordinary window, so that serving the queue has something to serve, as in the program.
HWND MakeWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BriskoBench";
    RegisterClassW(&wc);
    HWND window = CreateWindowW(L"BriskoBench", L"Folder sizes", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                200, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

}  // namespace

int main() {
    const std::wstring wideTree = CacheFolder();
    const std::string tree = win32::Utf8(wideTree);
    win32::Win32Platform real;
    win32::Win32FileSystem& files = real.files;
    bench::WatchedDesktop desktop(real.desktop);
    platform::Services services{real.settings,  real.registry, files,   real.shell,
                                real.processes, real.media,    desktop, real.trace};
    HWND window = MakeWindow();

    // Warm the cache and check that both count the same.
    const double counted = cleaner::FolderSize(files, desktop, tree);
    const std::uint64_t bare = BareSize(wideTree);
    if (counted <= 0 || static_cast<std::uint64_t>(counted) != bare) {
        std::printf("FolderSize counted %.0f bytes, the bare loop %llu: no comparison\n", counted,
                    static_cast<unsigned long long>(bare));
        return 1;
    }

    std::vector<std::uint64_t> batch(64 * 1024 / 8);
    if (BareHandleSize(wideTree, batch) != bare) {
        std::printf("the handle-based loop counts another total: no comparison\n");
        return 1;
    }

    // The estimate reads the user's folders afresh each time, as a tick of the box does.
    auto estimate = [&] {
        const auto measured = cleaner::MeasureItem(cleaner::SizedItem::IeCache, services,
                                                   cleaner::ReadWhere(services, "WINDOWS", "C:"));
        return measured ? measured->bytes : -1.0;
    };
    if (estimate() != counted) {
        std::printf("the estimate is not the cache's size: no comparison\n");
        return 1;
    }

    std::vector<double> sizeTimes, bareTimes, handleTimes, estimateTimes, gaps, messageWaits;
    // FolderSize with no walker thread reading ahead, and with one to three.
    constexpr int kMostWalkers = 3;
    std::vector<double> walkerTimes[kMostWalkers + 1];
    std::uint64_t yields = 0, servings = 0;
    for (int round = 0; round < kRounds; ++round) {
        desktop.start();
        auto begin = Clock::now();
        cleaner::FolderSize(files, desktop, tree);
        sizeTimes.push_back(bench::Milliseconds(Clock::now() - begin));
        desktop.finish();
        gaps.push_back(bench::Milliseconds(desktop.longest()));
        messageWaits.push_back(bench::Milliseconds(desktop.longestMessageWait()));
        yields = desktop.yields();
        servings = desktop.servings();

        for (int walkers = 0; walkers <= kMostWalkers; ++walkers) {
            begin = Clock::now();
            cleaner::FolderSize(files, desktop, tree, {walkers});
            walkerTimes[walkers].push_back(bench::Milliseconds(Clock::now() - begin));
        }

        begin = Clock::now();
        BareSize(wideTree);
        bareTimes.push_back(bench::Milliseconds(Clock::now() - begin));

        begin = Clock::now();
        BareHandleSize(wideTree, batch);
        handleTimes.push_back(bench::Milliseconds(Clock::now() - begin));

        begin = Clock::now();
        estimate();
        estimateTimes.push_back(bench::Milliseconds(Clock::now() - begin));
    }

    // directoryId over the 1,000 leaf folders: what a walk pays where a listing gives no id.
    std::vector<std::string> leaves;
    for (int group = 0; group < 20; ++group)
        for (int folder = 0; folder < 50; ++folder) {
            char name[64];
            std::snprintf(name, sizeof name, "%s\\group%02d\\folder%02d", tree.c_str(), group,
                          folder);
            leaves.push_back(name);
        }
    std::vector<double> idTimes;
    for (int round = 0; round < 3; ++round) {
        const auto begin = Clock::now();
        for (const auto& leaf : leaves)
            if (!files.directoryId(leaf)) {
                std::printf("no directoryId for %s\n", leaf.c_str());
                return 1;
            }
        idTimes.push_back(bench::Milliseconds(Clock::now() - begin) * 1000.0 / leaves.size());
    }

    const double sizeMs = Median(sizeTimes), bareMs = Median(bareTimes);
    std::printf("tree: %llu bytes in the files; %d rounds, medians\n",
                static_cast<unsigned long long>(bare), kRounds);
    std::printf("FolderSize (with its yields)   %8.1f ms  (%llu yields, queue served %llu times)\n",
                sizeMs, static_cast<unsigned long long>(yields),
                static_cast<unsigned long long>(servings));
    std::printf("bare FindFirstFileW loop       %8.1f ms\n", bareMs);
    std::printf("bare handle-based listing loop %8.1f ms\n", Median(handleTimes));
    std::printf("Temporary Internet Files estimate %5.1f ms  (%.2fx the bare loop)\n",
                Median(estimateTimes), Median(estimateTimes) / bareMs);
    std::printf("ratio                          %8.2fx (goal: within 1.25x)\n", sizeMs / bareMs);
    std::printf("a message waited at the most   %8.1f ms (goal: 16 ms; worst round %.1f ms)\n",
                Median(messageWaits), *std::max_element(messageWaits.begin(), messageWaits.end()));
    std::printf("longest time between servings  %8.1f ms (worst round %.1f ms)\n", Median(gaps),
                *std::max_element(gaps.begin(), gaps.end()));

    const double bareFastest = bench::Best(bareTimes);
    std::printf(
        "FolderSize by walkers reading ahead: fastest round, its ratio to the bare loop's\n");
    for (int walkers = 0; walkers <= kMostWalkers; ++walkers) {
        const double fastest = bench::Best(walkerTimes[walkers]);
        std::printf("  %d walkers %19.1f ms  %.2fx (goal: within 0.8x)\n", walkers, fastest,
                    fastest / bareFastest);
    }
    std::printf("directoryId, one call          %8.1f us\n", Median(idTimes));

    std::ifstream du("C:\\bench\\du.txt");
    long long duMicroseconds = 0, duBytes = 0, fileBytes = 0;
    if (du >> duMicroseconds >> duBytes >> fileBytes) {
        const double duMs = duMicroseconds / 1000.0;
        std::printf(
            "du -sb on the Linux side       %8.1f ms  (%lld bytes with the folders' own "
            "sizes; %lld in the files)\n",
            duMs, duBytes, fileBytes);
        std::printf("FolderSize / du                %8.2fx\n", sizeMs / duMs);
        if (fileBytes != static_cast<long long>(bare)) {
            std::printf("the files hold %lld bytes, FolderSize counted %llu\n", fileBytes,
                        static_cast<unsigned long long>(bare));
            return 1;
        }
    } else {
        std::printf("du -sb: no figures (run through bench/run.sh)\n");
    }
    DestroyWindow(window);
    return 0;
}
