// Removing what the junk finder found, under Wine: the finder's window searches for one tree of
// the set-up's (20,000 files), every entry checked, and "&Delete " removes them for good, timed
// from the press to the end, with the longest wait of the event loop meanwhile; against a bare
// DeleteFileW loop over a tree of the same shape. Then the same for the Recycle Bin on 100
// files (the shell gets one file per call and asks about each, which a hook answers at once),
// against a bare per-file SHFileOperationW loop with the same flag and a bare DeleteFileW loop.
// A fresh tree for each way and round; the fastest of the rounds.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "finder_window.h"
#include "platform/folder_entries.h"
#include "platform/win32/win32_utf8.h"

namespace {

using namespace brisko;
using bench::Best;
using bench::Clock;
using bench::Milliseconds;

constexpr int kRounds = 3;
constexpr int kRecycleRounds = 2;

std::string Tree(int round, int way) {
    std::string tree = "r";
    tree += std::to_string(round);
    tree += 'w';
    tree += std::to_string(way);
    return tree;
}

// Every file of a tree, by path, as a bare loop would have them from a listing.
void List(const std::wstring& folder, std::vector<std::wstring>& out) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            List(folder + L"\\" + name, out);
        else
            out.push_back(folder + L"\\" + name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

// The shell's question about each file, answered "&Yes" as soon as it shows.
HHOOK gHook = nullptr;
LRESULT CALLBACK AnswerTheShell(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wparam);
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        if (std::wstring(title) == L"Confirm file deletion")
            if (HWND yes = FindWindowExW(window, nullptr, L"Button", L"&Yes"))
                PostMessageW(yes, BM_CLICK, 0, 0);
    }
    return CallNextHookEx(gHook, code, wparam, lparam);
}

std::size_t BareDelete(const std::vector<std::wstring>& files) {
    std::size_t removed = 0;
    for (const auto& file : files) removed += DeleteFileW(file.c_str()) != 0;
    return removed;
}

// The files of a tree as a listing found them, for the removal's checks.
void Found(platform::FileSystem& files, std::uint32_t serial, const std::string& folder,
           std::vector<platform::FoundFile>& out) {
    std::vector<std::string> subfolders;
    platform::ForEachEntry(files, folder, [&](const platform::FindData& entry) {
        if (entry.isDirectory())
            subfolders.push_back(folder + "\\" + entry.name);
        else
            out.push_back(platform::Found(files, serial, folder + "\\" + entry.name, entry));
    });
    for (const auto& sub : subfolders) Found(files, serial, sub, out);
}

std::size_t BareRecycle(const std::vector<std::wstring>& files) {
    std::size_t removed = 0;
    for (const auto& file : files) {
        const std::wstring list = file + L'\0';
        SHFILEOPSTRUCTW operation{};
        operation.wFunc = FO_DELETE;
        operation.pFrom = list.c_str();
        operation.fFlags = FOF_ALLOWUNDO;
        SHFileOperationW(&operation);
        removed += GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES;
    }
    return removed;
}

}  // namespace

int main() {
    gHook = SetWindowsHookExW(WH_CBT, AnswerTheShell, nullptr, GetCurrentThreadId());
    bench::FinderWindow window;
    auto& desktop = window.desktop;
    finder::WinSeek& seek = window.seek;

    // The window's removal of one tree, `recycle` or for good: its time and the longest a
    // message waited meanwhile.
    auto inWindow = [&](const std::string& tree, bool recycle, std::size_t expected,
                        std::vector<double>& times, std::vector<double>& waits) {
        if (seek.cmdSearch.caption() == "&Reset") seek.cmdSearch.click();
        seek.txtSearchSpec.setText("*." + tree);
        seek.cmdSearch.click();
        if (static_cast<std::size_t>(seek.lstFoundFiles.count()) != expected) {
            std::printf("the window found %d files of %s, not %zu\n", seek.lstFoundFiles.count(),
                        tree.c_str(), expected);
            return false;
        }
        (recycle ? seek.optRecycle : seek.optDelete).setValue(true);
        desktop.start();
        const auto begin = Clock::now();
        seek.cmdDelete.click();
        times.push_back(Milliseconds(Clock::now() - begin));
        desktop.finish();
        waits.push_back(Milliseconds(desktop.longestMessageWait()));
        std::printf(
            "%s in the window: %.1f ms, a message waited %.1f ms at the most; longest time "
            "between servings %.1f ms ending %.1f ms in, %d left\n",
            tree.c_str(), times.back(), waits.back(), Milliseconds(desktop.longest()),
            Milliseconds(desktop.longestEnded()), seek.lstFoundFiles.count());
        return seek.lstFoundFiles.count() == 0;
    };
    auto bare = [&](const std::string& tree,
                    std::size_t (*remove)(const std::vector<std::wstring>&), std::size_t expected,
                    std::vector<double>& times) {
        std::vector<std::wstring> files;
        List(L"C:\\bench\\rm\\" + win32::Wide(tree), files);
        const auto begin = Clock::now();
        const std::size_t removed = remove(files);
        times.push_back(Milliseconds(Clock::now() - begin));
        std::printf("%s bare: %.1f ms, %zu of %zu\n", tree.c_str(), times.back(), removed,
                    files.size());
        return files.size() == expected && removed == expected;
    };

    // The platform's removal alone: every check a file gets, without the window.
    auto checked = [&](const std::string& tree, std::vector<double>& times) {
        auto& files = window.platform.files;
        const std::string root = "C:\\bench\\rm\\" + tree;
        const auto id = files.directoryId(root);
        std::vector<platform::FoundFile> found;
        if (id) Found(files, id->volumeSerial, root, found);
        const auto begin = Clock::now();
        const auto removals = files.deleteFoundFiles(found, {});
        times.push_back(Milliseconds(Clock::now() - begin));
        const auto removed = std::count_if(removals.begin(), removals.end(), [](const auto& r) {
            return r.result == platform::RemovalResult::Removed;
        });
        std::printf("%s checked, no window: %.1f ms, %td of %zu\n", tree.c_str(), times.back(),
                    removed, found.size());
        return found.size() == 20000 && removed == 20000;
    };

    std::vector<double> deleted, deletedWaits, bareDeleted, checkedDeleted, recycled, recycledWaits,
        bareRecycled, bareDeletedFew;
    for (int round = 0; round < kRounds; ++round) {
        if (!inWindow(Tree(round, 0), false, 20000, deleted, deletedWaits) ||
            !bare(Tree(round, 1), BareDelete, 20000, bareDeleted) ||
            !checked(Tree(round, 5), checkedDeleted))
            return 1;
    }
    for (int round = 0; round < kRecycleRounds; ++round) {
        if (!inWindow(Tree(round, 2), true, 100, recycled, recycledWaits) ||
            !bare(Tree(round, 3), BareRecycle, 100, bareRecycled) ||
            !bare(Tree(round, 4), BareDelete, 100, bareDeletedFew))
            return 1;
    }
    std::printf("\n| fastest of %d rounds (Recycle Bin: %d) | time | longest a message waited |\n",
                kRounds, kRecycleRounds);
    std::printf("|---|---|---|\n");
    std::printf("| 20,000 files for good, in the window | %.1f ms | %.1f ms (worst %.1f ms) |\n",
                Best(deleted), Best(deletedWaits),
                *std::max_element(deletedWaits.begin(), deletedWaits.end()));
    std::printf("| bare DeleteFileW loop | %.1f ms | |\n", Best(bareDeleted));
    std::printf("| ratio | %.2fx (goal: within 1.2x) | |\n", Best(deleted) / Best(bareDeleted));
    std::printf(
        "| the same checked removal without the window | %.1f ms (%.2fx the bare loop) | |\n",
        Best(checkedDeleted), Best(checkedDeleted) / Best(bareDeleted));
    if (recycled.empty()) return 0;
    std::printf(
        "| 100 files to the Recycle Bin, in the window | %.1f ms | %.1f ms (worst %.1f "
        "ms) |\n",
        Best(recycled), Best(recycledWaits),
        *std::max_element(recycledWaits.begin(), recycledWaits.end()));
    std::printf("| bare SHFileOperationW loop, a file a call | %.1f ms (window / bare %.2fx) | |\n",
                Best(bareRecycled), Best(recycled) / Best(bareRecycled));
    std::printf("| bare DeleteFileW loop, 100 files | %.1f ms | |\n", Best(bareDeletedFew));
    seek.hide();
    UnhookWindowsHookEx(gHook);
    return 0;
}
