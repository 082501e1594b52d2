// The release's MSI as a user meets it: installed quietly, started from its shortcut, replaced by
// the next version, an older one refused, removed by the entry's command, the settings kept.
#include <windows.h>  // before the shell's headers, which build on it
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/win32/win32_utf8.h"
#include "tests/e2e/driver/driver.h"

namespace brisko::e2e {
namespace {

using win32::Utf8;
using win32::Wide;

// The set-up puts the packages in C:\release, and a copy of the program's folder beside them.
const std::string kRelease = "C:\\release", kInstalled = "C:\\Program Files\\Brisko";
const std::wstring kUninstall = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

DWORD RunCommand(const std::string& commandLine) {  // to its end; the exit code
    return Program(commandLine).waitExit(120s).value_or(~0u);
}
DWORD Install(const std::string& version) {
    return RunCommand("msiexec.exe /i " + kRelease + "\\Brisko-" + version + "-win64.msi /qn");
}

// The names in a folder and their files' contents.
std::map<std::string, std::string> Files(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& file : std::filesystem::directory_iterator(Wide(folder))) {
        std::ifstream in(file.path(), std::ios::binary);
        files[Utf8(file.path().filename().wstring())] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

// The Apps & features entries named "Brisko": key, name, version, publisher, icon, size, uninstall.
std::vector<std::vector<std::string>> BriskoEntries() {
    std::vector<std::vector<std::string>> found;
    win32::UniqueKey all;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstall.c_str(), 0, KEY_READ, all.put());
    wchar_t key[256];
    for (DWORD i = 0, length = 256; RegEnumKeyExW(all.get(), i, key, &length, nullptr, nullptr,
                                                  nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = 256) {
        std::vector<std::string> entry{Utf8(key)};
        for (const wchar_t* name : {L"DisplayName", L"DisplayVersion", L"Publisher", L"DisplayIcon",
                                    L"Size", L"UninstallString"}) {
            wchar_t text[2048]{};
            DWORD bytes = sizeof(text);
            RegGetValueW(all.get(), key, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                         nullptr, text, &bytes);
            entry.push_back(Utf8(text));
        }
        if (entry[1] == "Brisko") found.push_back(entry);
    }
    return found;
}

// The shortcuts "Brisko" in the machine's Start menu or the user's, where Wine puts every shortcut.
std::vector<std::string> StartMenuShortcuts() {
    std::vector<std::string> found;
    for (int folder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        wchar_t path[MAX_PATH]{};
        SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
        if (const std::string link = Utf8(path) + "\\Brisko.lnk"; Exists(link))
            found.push_back(link);
    }
    return found;
}

TEST(Install, InstallsRunsUpgradesInPlaceAndUninstallsKeepingTheSettings) {
    const char *version = std::getenv("BRISKO_VERSION"), *next = std::getenv("BRISKO_NEXT_VERSION");
    const auto shipped = Files(kRelease + "\\dist");
    ASSERT_TRUE(version && next && !shipped.empty()) << "ctest names the versions";
    ASSERT_EQ(Install(version), 0u);
    EXPECT_TRUE(Files(kInstalled) == shipped) << "every file, byte for byte, and nothing else";
    auto entries = BriskoEntries();
    ASSERT_EQ(entries.size(), 1u);
    long long bytes = 0;
    for (const auto& [name, contents] : shipped) bytes += static_cast<long long>(contents.size());
    EXPECT_EQ(entries[0],
              (std::vector<std::string>{entries[0][0], "Brisko", version, "Ordwyn",
                                        kInstalled + "\\Brisko.exe,0",
                                        std::to_string((bytes + 1023) / 1024), entries[0][6]}));
    const std::string firstProduct = entries[0][0];

    // Started as a click on the shortcut starts it: a first start's disclaimer, accepted.
    const auto links = StartMenuShortcuts();
    ASSERT_EQ(links.size(), 1u) << "one shortcut \"Brisko\" in the Start menu";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the shell reads the link through COM
    ASSERT_GT(INT_PTR(ShellExecuteW(nullptr, nullptr, Wide(links[0]).c_str(), nullptr, nullptr,
                                    SW_SHOWNORMAL)),
              32);
    SetCurrentDirectoryW(L"C:\\");  // Wine's shell leaves this process in the link's folder
    DWORD pid = 0;  // Wine hands out no process for a link: Brisko is found by its window
    WaitUntil([&] { return GetWindowThreadProcessId(FindWindowW(nullptr, L"Disclaimer"), &pid); });
    {
        const Program brisko(OpenProcess(
            SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, pid));
        HWND disclaimer = WaitWindow(brisko.id(), "Disclaimer");
        ASSERT_TRUE(disclaimer);
        Click(Control(disclaimer, "I &Accept", "Button"));
        EXPECT_EQ(CloseMain(brisko, WaitWindow(brisko.id(), "Brisko")), 0u);
    }
    const auto saved = Stored("Presets", "Disclaimer");
    ASSERT_TRUE(saved) << "Brisko saved its choices on closing";

    // The next version replaces this one; the older package does not go over it.
    ASSERT_EQ(Install(next), 0u);
    EXPECT_TRUE(Files(kInstalled) == shipped);
    EXPECT_NE(Install(version), 0u);
    entries = BriskoEntries();
    ASSERT_EQ(entries.size(), 1u) << "one entry, of the new version, under a new product code";
    EXPECT_EQ(entries[0][2], next);
    EXPECT_NE(entries[0][0], firstProduct);

    // Removed with the command Apps & features runs.
    ASSERT_EQ(RunCommand(entries[0][6] + " /qn"), 0u) << entries[0][6];
    EXPECT_FALSE(Exists(kInstalled)) << "the files and the emptied folder are gone";
    EXPECT_TRUE(StartMenuShortcuts().empty());
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, (kUninstall + L"\\" + Wide(entries[0][0])).c_str(),
                           L"DisplayIcon", RRF_RT_ANY, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND)
        << "nothing of the entry is left, not even the icon the package added to it";
    EXPECT_EQ(Stored("Presets", "Disclaimer"), saved) << "the user's settings stay";
}

}  // namespace
}  // namespace brisko::e2e
