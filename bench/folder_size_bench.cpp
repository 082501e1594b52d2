// FolderSize under Wine over 50,000 small files in 1,000 folders (made by the set-up script at
// C:\bench\tree), against a bare recursive FindFirstFileW loop in the same program and `du -sb`
// on the same tree from the Linux side. Also measures how long the event loop waits at most
// while the measurement runs: the longest stretch between two times the queue was served.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cleaner/get_win_dir_size.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_filesystem.h"
#include "watched_desktop.h"

namespace {

using namespace brisko;
using Clock = std::chrono::steady_clock;

constexpr const char* kTree = "C:\\bench\\tree";
constexpr int kRounds = 7;

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
    win32::Win32FileSystem files;
    win32::Win32Desktop real;
    bench::WatchedDesktop desktop(real);
    HWND window = MakeWindow();

    // Warm the cache and check that both count the same.
    const double counted = cleaner::FolderSize(files, desktop, kTree);
    const std::uint64_t bare = BareSize(L"C:\\bench\\tree");
    if (counted <= 0 || static_cast<std::uint64_t>(counted) != bare) {
        std::printf("FolderSize counted %.0f bytes, the bare loop %llu: no comparison\n", counted,
                    static_cast<unsigned long long>(bare));
        return 1;
    }

    std::vector<double> sizeTimes, bareTimes, gaps;
    std::uint64_t yields = 0, servings = 0;
    for (int round = 0; round < kRounds; ++round) {
        desktop.start();
        auto begin = Clock::now();
        cleaner::FolderSize(files, desktop, kTree);
        sizeTimes.push_back(bench::Milliseconds(Clock::now() - begin));
        desktop.finish();
        gaps.push_back(bench::Milliseconds(desktop.longest()));
        yields = desktop.yields();
        servings = desktop.servings();

        begin = Clock::now();
        BareSize(L"C:\\bench\\tree");
        bareTimes.push_back(bench::Milliseconds(Clock::now() - begin));
    }

    const double sizeMs = Median(sizeTimes), bareMs = Median(bareTimes);
    std::printf("tree: %llu bytes in the files; %d rounds, medians\n",
                static_cast<unsigned long long>(bare), kRounds);
    std::printf("FolderSize (with its yields)   %8.1f ms  (%llu yields, queue served %llu times)\n",
                sizeMs, static_cast<unsigned long long>(yields),
                static_cast<unsigned long long>(servings));
    std::printf("bare FindFirstFileW loop       %8.1f ms\n", bareMs);
    std::printf("ratio                          %8.2fx (goal: within 1.25x)\n", sizeMs / bareMs);
    std::printf("longest wait of the event loop %8.1f ms (goal: 20 ms; worst round %.1f ms)\n",
                Median(gaps), *std::max_element(gaps.begin(), gaps.end()));

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
