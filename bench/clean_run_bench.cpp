// The clean run with every item ticked and every list full, under Wine, against a bare loop of
// the very same registry calls (recorded from the run over the in-memory registry and replayed
// straight on the Win32 API). Prints both times and their ratio.
// clang-format off
#include <windows.h>
// clang-format on

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/form1_clean_run.h"
#include "controls/program_windows.h"
#include "platform/memory/memory_platform.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_utf8.h"
#include "program_folder.h"

namespace {

using namespace brisko;
using platform::RegRoot;
using Setter = std::function<void(RegRoot, const std::string&, const std::string&)>;

void SeedEveryList(const Setter& set) {
    const RegRoot cu = RegRoot::CurrentUser;
    auto numbered = [&](RegRoot root, const std::string& key, const std::string& prefix,
                        int first) {
        for (int i = first; i <= 100; ++i) set(root, key, prefix + std::to_string(i));
    };
    const std::string runMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    numbered(cu, "Software\\Microsoft\\Internet Explorer\\TypedURLs", "url", 1);
    numbered(RegRoot::Users, ".DEFAULT\\Software\\Microsoft\\Internet Explorer\\TypedURLs", "url",
             1);
    numbered(cu, runMru, "url", 1);
    numbered(RegRoot::Users, ".DEFAULT\\" + runMru, "url", 1);
    set(cu, runMru, "MRUList");  // the value's text is set to "abcdefghijklmnopqrstuvwxyz"
    for (char c = 'a'; c <= 'z'; ++c) set(cu, runMru, std::string(1, c));
    numbered(cu, "Software\\Nico Mak Computing\\WinZip\\filemenu", "filemenu", 1);
    numbered(cu, "Software\\Nico Mak Computing\\WinZip\\extract", "extract", 1);
    numbered(cu, "Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles", "", 1);
    numbered(cu, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List",
             "File", 1);
    numbered(cu, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List",
             "File", 1);
    numbered(cu, "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList", "URL", 0);
    for (int i = 0; i <= 5; ++i)
        set(cu, "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList",
            "File" + std::to_string(i));
    for (const char* v : {"8.0", "9.0", "10.0"})
        for (int i = 1; i <= 5; ++i)
            set(cu, std::string("Software\\Microsoft\\Office\\") + v + "\\Excel\\Recent Files",
                "File" + std::to_string(i));
}

std::string TextFor(const std::string& name) {
    return name == "MRUList" ? "abcdefghijklmnopqrstuvwxyz" : "C:\\x";
}

HKEY RootKey(RegRoot r) {
    return r == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_USERS;
}

void SeedReal() {
    SeedEveryList([](RegRoot root, const std::string& key, const std::string& name) {
        HKEY h = nullptr;
        RegCreateKeyExW(RootKey(root), win32::Wide(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &h, nullptr);
        const std::wstring text = win32::Wide(TextFor(name));
        RegSetValueExW(h, win32::Wide(name).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * 2));
        RegCloseKey(h);
    });
}

template <class F>
void TickEverything(app::Form1& form, F&& afterTicking) {
    app::TickEveryItem(form);
    // No folders (a system kind of neither family) and no sound: only the registry work is timed.
    form.Winder.setCaption("BENCH");
    afterTicking();
}

// The registry calls of one run, from the in-memory registry's record.
std::vector<platform::MemoryRegistry::Call> RecordedCalls() {
    platform::MemoryPlatform memory;
    SeedEveryList([&](RegRoot root, const std::string& key, const std::string& name) {
        memory.registry.set(root, key, name, TextFor(name));
    });
    auto services = memory.services();
    controls::ProgramWindows windows;
    app::Form1 form(services, windows);
    TickEverything(form, [] {});
    memory.registry.calls.clear();
    app::CleanRunTick(form);
    return memory.registry.calls;
}

// The recorded calls straight on the Win32 API. A query is the usual pair of calls (the size,
// then the data), or with `oneRead` a single call into a buffer that the values fit in.
void ReplayBare(const std::vector<platform::MemoryRegistry::Call>& calls, bool oneRead) {
    HKEY open = nullptr;
    std::vector<BYTE> buffer(512);
    for (const auto& c : calls) {
        if (c.op == "open") {
            open = nullptr;
            RegOpenKeyExW(RootKey(c.root), win32::Wide(c.path).c_str(), 0, KEY_READ | KEY_SET_VALUE,
                          &open);
        } else if (c.op == "query" && oneRead) {
            DWORD type = 0, size = static_cast<DWORD>(buffer.size());
            RegQueryValueExW(open, win32::Wide(c.name).c_str(), nullptr, &type, buffer.data(),
                             &size);
        } else if (c.op == "query") {
            DWORD type = 0, size = 0;
            RegQueryValueExW(open, win32::Wide(c.name).c_str(), nullptr, &type, nullptr, &size);
            std::wstring data(size / 2 + 1, L'\0');
            RegQueryValueExW(open, win32::Wide(c.name).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size);
        } else if (c.op == "delete") {
            RegDeleteValueW(open, win32::Wide(c.name).c_str());
        } else if (c.op == "close" && open) {
            RegCloseKey(open);
            open = nullptr;
        }
    }
}

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

}  // namespace

int main() {
    const auto calls = RecordedCalls();
    int deletions = 0, reads = 0;
    for (const auto& c : calls) deletions += c.op == "delete", reads += c.op == "query";
    std::printf("one run: %d value deletions, %d value queries\n", deletions, reads / 2);

    constexpr int kRounds = 20;
    win32::Win32Platform real;
    bench::ProgramFolder processes("C:\\no media here");  // silent: no sound files
    platform::Services services = real.services(processes);
    controls::ProgramWindows windows;
    app::Form1 form(services, windows);
    TickEverything(form, [] {});
    form.chkRecBin.setValue(0);  // the shell's bin is not registry work
    form.chkDocuments.setValue(0);

    // Per round: the clean run, the bare loop, the bare loop with one call per read. The machine
    // is shared, so the fastest round of each is the steadier figure; the means are shown too.
    std::vector<double> run, bare, oneRead;
    const auto timed = [](std::vector<double>& into, auto&& work) {
        SeedReal();
        const auto start = std::chrono::steady_clock::now();
        work();
        into.push_back(Seconds(std::chrono::steady_clock::now() - start) * 1000);
    };
    for (int round = 0; round < kRounds; ++round) {
        timed(run, [&] { app::CleanRunTick(form); });
        timed(bare, [&] { ReplayBare(calls, false); });
        timed(oneRead, [&] { ReplayBare(calls, true); });
    }
    const auto fastest = [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
    };
    const auto mean = [](const std::vector<double>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
    };
    std::printf("ms per run, %d rounds                fastest     mean\n", kRounds);
    std::printf("clean run                          %8.2f %8.2f\n", fastest(run), mean(run));
    std::printf("bare registry loop                 %8.2f %8.2f\n", fastest(bare), mean(bare));
    std::printf("bare loop, one call per value read %8.2f %8.2f\n", fastest(oneRead),
                mean(oneRead));
    std::printf(
        "ratio, fastest rounds: %.2fx (goal: within 1.2x); against one call per read %.2fx\n",
        fastest(run) / fastest(bare), fastest(run) / fastest(oneRead));
    return 0;
}
