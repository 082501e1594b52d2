// The lookup window's search over a category of 32,767 entries, the most a category file
// loads, under Wine with the real controls: each keystroke of "DOCUMENTAT" is typed into the
// search box and timed until the result list has been filled and painted, in two parts: the
// keystroke's own handling (search, the list filled) and the painting that it leaves. Beside
// it, the same search without any window: the program's own prefix search and a bare loop over
// the entries; and the way back to the full list (Enter in the search box after the word).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "controls/program_windows.h"
#include "filetypes/extens.h"
#include "filetypes/prefix_search.h"
#include "platform/win32/win32_platform.h"
#include "program_folder.h"
#include "views/binding.h"

namespace {

using namespace brisko;
using Clock = std::chrono::steady_clock;

constexpr const char* kFolder = "C:\\bench\\ext";
constexpr const char* kWord = "DOCUMENTAT";
constexpr std::size_t kEntries = 32767;
constexpr int kRounds = 9;

// 32,767 distinct extensions of the "A - I" category, sorted, "EXT - Description": random ones
// of one to eight characters, and 60 behind every beginning of the word, so that each keystroke
// still finds something.
std::vector<std::string> MakeEntries() {
    std::mt19937 random(11);
    const std::string first = "0123456789ABCDEFGHI", rest = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    auto pick = [&](const std::string& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    std::set<std::string> extensions;
    const std::string word = kWord;
    for (std::size_t k = 1; k <= word.size(); ++k)
        for (int n = 0; n < 60; ++n) {
            std::string e = word.substr(0, k);
            for (int more = n % 4; more > 0; --more) e += pick(rest);
            extensions.insert(e);
        }
    while (extensions.size() < kEntries) {
        std::string e(1, pick(first));
        for (int more = std::uniform_int_distribution<int>(0, 7)(random); more > 0; --more)
            e += pick(rest);
        extensions.insert(e);
    }
    std::vector<std::string> entries;
    for (const std::string& e : extensions) entries.push_back(e + " - Sample file type " + e);
    return entries;
}

void WriteCategory(const std::vector<std::string>& entries) {
    std::filesystem::create_directories(kFolder);
    std::ofstream out(std::string(kFolder) + "\\ext11.vxl", std::ios::binary);
    for (const std::string& e : entries) out << e << "\r\n";
}

// What the search does with nothing around it: a loop over the entries.
std::vector<std::string> BareScan(const std::vector<std::string>& entries, const std::string& s) {
    std::vector<std::string> found;
    for (const std::string& e : entries) {
        if (e.size() < s.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < s.size() && same; ++i)
            same = (e[i] & ~0x20) == (s[i] & ~0x20) || e[i] == s[i];
        if (same) found.push_back(e);
    }
    return found;
}

// The list on screen: the full list and the result list stand in one place, one shown at a time.
HWND ShownList(HWND window) {
    for (HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr); list;
         list = FindWindowExW(window, list, L"ListBox", nullptr))
        if (IsWindowVisible(list)) return list;
    return nullptr;
}

// Serves whatever the keystroke left waiting, painting included.
void Settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

template <class F>
double Time(F&& f) {
    const auto begin = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    const std::vector<std::string> entries = MakeEntries();
    WriteCategory(entries);

    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    win32::Win32Platform platform;
    // The window reads its database from this folder instead of the program's own.
    bench::ProgramFolder folder(kFolder);
    platform::Services services = platform.services(folder);
    controls::ProgramWindows windows;
    filetypes::Extens extens(services, windows);
    windows.extens = &extens;
    windows.all = {&extens};
    views::Binding binding(GetModuleHandleW(nullptr), services);
    binding.attach(extens);
    extens.show();

    HWND window = FindWindowW(nullptr, L"Extensions");
    HWND box = window ? FindWindowExW(window, nullptr, L"Edit", nullptr) : nullptr;
    if (!box || !ShownList(window) || extens.lstNames.count() != kEntries) {
        std::printf("the window did not open with %zu entries (%d listed)\n", kEntries,
                    extens.lstNames.count());
        return 1;
    }
    Settle(window);

    const std::string word = kWord;
    std::vector<std::vector<double>> typed(word.size()), handled(word.size()), painted(word.size()),
        search(word.size()), bare(word.size());
    std::vector<double> back;
    std::vector<std::size_t> found(word.size());
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t k = 0; k < word.size(); ++k) {
            double own = 0, paint = 0;
            typed[k].push_back(Time([&] {
                own = Time([&] { SendMessageW(box, WM_CHAR, static_cast<WPARAM>(word[k]), 1); });
                paint = Time([&] { Settle(window); });
            }));
            handled[k].push_back(own);
            painted[k].push_back(paint);
            found[k] = static_cast<std::size_t>(SendMessageW(ShownList(window), LB_GETCOUNT, 0, 0));
            const std::string prefix = word.substr(0, k + 1);
            std::size_t searched = 0, scanned = 0;
            search[k].push_back(Time([&] {
                searched = filetypes::PrefixMatches(extens.lstNames.items(), prefix).size();
            }));
            bare[k].push_back(Time([&] { scanned = BareScan(entries, prefix).size(); }));
            if (searched != found[k] || scanned != found[k]) {
                std::printf(
                    "\"%s\": the window lists %zu, the prefix search finds %zu, the bare "
                    "loop %zu\n",
                    prefix.c_str(), found[k], searched, scanned);
                return 1;
            }
        }
        // Enter, after the whole word, brings the full list back.
        back.push_back(Time([&] {
            SendMessageW(box, WM_CHAR, VK_RETURN, 1);
            Settle(window);
        }));
        if (SendMessageW(ShownList(window), LB_GETCOUNT, 0, 0) != static_cast<LRESULT>(kEntries)) {
            std::printf("Enter did not bring the full list back\n");
            return 1;
        }
    }

    std::printf("%zu entries; %d rounds; medians per keystroke, in ms\n", kEntries, kRounds);
    std::printf("%-12s %8s %10s %9s %9s %8s %14s %10s\n", "typed", "matches", "in window",
                "handling", "painting", "fastest", "prefix search", "bare loop");
    double worst = 0;
    for (std::size_t k = 0; k < word.size(); ++k) {
        const double t = Median(typed[k]);
        worst = std::max(worst, t);
        std::printf("%-12s %8zu %10.2f %9.2f %9.2f %8.2f %14.2f %10.2f\n",
                    word.substr(0, k + 1).c_str(), found[k], t, Median(handled[k]),
                    Median(painted[k]), *std::min_element(typed[k].begin(), typed[k].end()),
                    Median(search[k]), Median(bare[k]));
    }
    std::printf("slowest keystroke in the window: %.2f ms (goal: within one frame, 16 ms)\n",
                worst);
    std::printf("Enter, back to the full list of %zu entries: %.2f ms (fastest %.2f ms)\n",
                kEntries, Median(back), *std::min_element(back.begin(), back.end()));
    extens.unload();
    return 0;
}
