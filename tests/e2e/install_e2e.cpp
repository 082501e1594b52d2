// The release's MSI as a Windows user meets it, in a fresh prefix: installed without questions
// (every file, the programs of the project's version), Brisko started through its Start-menu
// shortcut, the installation replaced by the next version, an older package refused over it,
// and the whole removed by the entry's own uninstall command, the user's settings kept.
#include <windows.h>  // before the shell's headers, which build on it
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include "platform/win32/win32_utf8.h"
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/settings_query.h"

namespace brisko::e2e {
namespace {

using win32::Utf8;
using win32::Wide;

// Where the set-up puts the packages and a copy of the program's folder to compare with.
const std::string kRelease = "C:\\release";
const std::string kInstalled = "C:\\Program Files\\Brisko";
const std::string kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Package(const std::string& version) {
    return kRelease + "\\Brisko-" + version + "-win64.msi";
}

CommandResult Msiexec(const std::string& arguments) {
    return RunCommand("msiexec.exe " + arguments + " /qn");
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The Apps & features entries whose name is "Brisko".
struct Entry {
    std::string key, version, publisher, icon, size, uninstall;
};

std::string StringValue(HKEY key, const wchar_t* name) {
    wchar_t text[2048]{};  // far more than an entry's values hold
    DWORD bytes = sizeof(text);
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, text, &bytes) != ERROR_SUCCESS)
        return {};
    return Utf8(text);
}

std::vector<Entry> BriskoEntries() {
    std::vector<Entry> found;
    win32::UniqueKey all;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(kUninstall).c_str(), 0, KEY_READ | KEY_WOW64_64KEY,
                      all.put()) != ERROR_SUCCESS)
        return found;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(all.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        win32::UniqueKey entry;
        if (RegOpenKeyExW(all.get(), name, 0, KEY_READ | KEY_WOW64_64KEY, entry.put()) !=
            ERROR_SUCCESS)
            continue;
        if (StringValue(entry.get(), L"DisplayName") != "Brisko") continue;
        found.push_back(
            {Utf8(name), StringValue(entry.get(), L"DisplayVersion"),
             StringValue(entry.get(), L"Publisher"), StringValue(entry.get(), L"DisplayIcon"),
             StringValue(entry.get(), L"Size"), StringValue(entry.get(), L"UninstallString")});
    }
    return found;
}

// A COM interface released when it goes.
template <typename Interface>
struct ComRelease {
    void operator()(Interface* object) const { object->Release(); }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComRelease<Interface>>;

struct ComScope {
    ComScope() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

// The installed shortcuts "Brisko" in the Start menu's programs: the machine's, which is where
// the package puts it, or the user's, where Wine's installer puts every shortcut.
std::vector<std::string> StartMenuShortcuts() {
    std::vector<std::string> found;
    for (int folder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        wchar_t path[MAX_PATH]{};
        if (SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) continue;
        const std::string link = Utf8(path) + "\\Brisko.lnk";
        if (Exists(link)) found.push_back(link);
    }
    return found;
}

struct Shortcut {
    std::string target, workingFolder;
};

std::optional<Shortcut> ReadShortcut(const std::string& link) {
    IShellLinkW* raw = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&raw))))
        return std::nullopt;
    ComPtr<IShellLinkW> shellLink(raw);
    IPersistFile* rawFile = nullptr;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))))
        return std::nullopt;
    ComPtr<IPersistFile> file(rawFile);
    if (FAILED(file->Load(Wide(link).c_str(), STGM_READ))) return std::nullopt;
    wchar_t target[MAX_PATH]{}, folder[MAX_PATH]{};
    if (FAILED(shellLink->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
        FAILED(shellLink->GetWorkingDirectory(folder, MAX_PATH)))
        return std::nullopt;
    return Shortcut{Utf8(target), Utf8(folder)};
}

// The version information's fixed part, as Windows shows it in a file's properties: "x.y.z.0".
std::string FileVersion(const std::string& path) {
    const std::wstring file = Wide(path);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    if (data.empty() || !GetFileVersionInfoW(file.c_str(), 0, data.size(), data.data())) return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return {};
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
           std::to_string(LOWORD(fixed->dwFileVersionLS));
}

// Every file of the program's folder is installed, byte for byte, and nothing else.
void ExpectTheProgramFolderInstalled() {
    const auto shipped = FolderEntries(kRelease + "\\dist");
    const auto installed = FolderEntries(kInstalled);
    ASSERT_TRUE(shipped && installed);
    ASSERT_EQ(Sorted(*installed), Sorted(*shipped));
    for (const auto& name : *shipped)
        EXPECT_TRUE(Contents(kInstalled + "\\" + name) == Contents(kRelease + "\\dist\\" + name))
            << name;
}

// What the program's folder takes, in KB, rounded up: the entry's size.
std::string ShippedKB() {
    unsigned long long bytes = 0;
    for (const auto& name : FolderEntries(kRelease + "\\dist").value_or(std::vector<std::string>{}))
        bytes += Contents(kRelease + "\\dist\\" + name).size();
    return std::to_string((bytes + 1023) / 1024);
}

// Brisko as the shortcut starts it: the disclaimer accepted, "Temp Folder" erased by a clean
// run, which hands the folder to deltree.exe in the working folder; closed again.
void RunFromTheShortcut(const Shortcut& shortcut) {
    Program brisko(shortcut.target, shortcut.workingFolder);
    HWND disclaimer = WaitWindow(brisko.id(), "Disclaimer");
    ASSERT_TRUE(disclaimer) << "a first start shows the disclaimer";
    Click(Control(disclaimer, "I &Accept", "Button"));
    HWND main = WaitWindow(brisko.id(), "Brisko");
    ASSERT_TRUE(main) << "the main window";
    HWND temp = Control(main, "Temp Folder", "Button");
    ASSERT_TRUE(temp);
    Click(temp);
    ASSERT_TRUE(WaitUntil([&] { return Checked(temp); }));
    Click(Control(main, "&Brisko", "Button"));
    EXPECT_TRUE(WaitUntil([] { return !Exists("C:\\windows\\temp\\setup.tmp"); }, 60s));
    EXPECT_TRUE(WaitUntil([] { return !Exists("C:\\windows\\temp\\sub"); }, 30s))
        << "deltree.exe, found beside Brisko.exe, removed the folder and its read-only file";
    SaveScreenshot(main, "installed");
    EXPECT_EQ(CloseMain(brisko, main), std::optional<DWORD>(0));
}

TEST(Install, InstallsRunsUpgradesInPlaceAndUninstallsKeepingTheSettings) {
    ComScope com;
    const std::string version = Env("BRISKO_VERSION"), next = Env("BRISKO_NEXT_VERSION");
    ASSERT_FALSE(version.empty() || next.empty()) << "ctest names the versions";
    ASSERT_TRUE(Exists(Package(version)) && Exists(Package(next))) << "the set-up's packages";

    const auto installed = Msiexec("/i " + Package(version));
    ASSERT_EQ(installed.exitCode, 0u) << installed.output;
    ExpectTheProgramFolderInstalled();
    for (const char* program : {"Brisko.exe", "deltree.exe"})
        EXPECT_EQ(FileVersion(kInstalled + "\\" + program), version + ".0") << program;

    auto entries = BriskoEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].version, version);
    EXPECT_EQ(entries[0].publisher, "Ordwyn");
    EXPECT_EQ(entries[0].icon, kInstalled + "\\Brisko.exe,0");
    EXPECT_GE(ExtractIconExW(Wide(kInstalled + "\\Brisko.exe").c_str(), -1, nullptr, nullptr, 0),
              1u)
        << "the entry's icon is Brisko.exe's own";
    EXPECT_EQ(entries[0].size, ShippedKB());
    const std::string firstProduct = entries[0].key;

    const auto links = StartMenuShortcuts();
    ASSERT_EQ(links.size(), 1u) << "one shortcut \"Brisko\" in the Start menu";
    const auto shortcut = ReadShortcut(links[0]);
    ASSERT_TRUE(shortcut);
    EXPECT_EQ(shortcut->target, kInstalled + "\\Brisko.exe");
    // The installer writes folders with their closing backslash; both name the same folder.
    std::string folder = shortcut->workingFolder;
    if (folder.size() > 1 && folder.back() == '\\') folder.pop_back();
    ASSERT_EQ(folder, kInstalled);

    RunFromTheShortcut(*shortcut);
    const auto settings = QuerySection("Presets");
    ASSERT_TRUE(settings) << "Brisko saved its choices on closing";

    // The next version replaces this one: one entry, of the new version, under a new code.
    const auto upgraded = Msiexec("/i " + Package(next));
    ASSERT_EQ(upgraded.exitCode, 0u) << upgraded.output;
    entries = BriskoEntries();
    ASSERT_EQ(entries.size(), 1u) << "the upgrade leaves one entry";
    EXPECT_EQ(entries[0].version, next);
    EXPECT_NE(entries[0].key, firstProduct);
    ExpectTheProgramFolderInstalled();
    EXPECT_EQ(StartMenuShortcuts().size(), 1u);

    // The older package does not go over the newer one.
    EXPECT_NE(Msiexec("/i " + Package(version)).exitCode, 0u);
    entries = BriskoEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].version, next);

    // Removed with the command Apps & features runs.
    ASSERT_FALSE(entries[0].uninstall.empty());
    const auto removed = RunCommand(entries[0].uninstall + " /qn");
    ASSERT_EQ(removed.exitCode, 0u) << entries[0].uninstall << "\n" << removed.output;
    EXPECT_FALSE(Exists(kInstalled)) << "the files and the emptied folder are gone";
    EXPECT_TRUE(StartMenuShortcuts().empty());
    EXPECT_TRUE(BriskoEntries().empty());
    win32::UniqueKey left;
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(kUninstall + "\\" + entries[0].key).c_str(), 0,
                            KEY_READ | KEY_WOW64_64KEY, left.put()),
              ERROR_SUCCESS)
        << "nothing of the entry is left, not even the icon the package added to it";
    const auto kept = QuerySection("Presets");
    ASSERT_TRUE(kept) << "the user's settings stay";
    EXPECT_EQ(kept->size(), settings->size());
}

}  // namespace
}  // namespace brisko::e2e
