// The registry primitives and the settings store against the real registry of a Wine prefix.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings.h"

namespace {

using brisko::platform::RegHandle;
using brisko::platform::RegRoot;
namespace p = brisko::platform;

const wchar_t kKey[] = L"Software\\BriskoRegistryTest\\TypedURLs";
const std::wstring kStore = L"Software\\VB and VBA Program Settings\\";

// Whether a key, or a value of it, exists.
bool Exists(const std::wstring& key, const wchar_t* value = nullptr) {
    brisko::win32::UniqueKey k;
    const bool open = RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, k.put()) == 0;
    return open &&
           (!value || RegQueryValueExW(k.get(), value, nullptr, nullptr, nullptr, nullptr) == 0);
}

// Stores a value of any type and shape, making its key as needed; texts with their terminator.
void Set(const std::wstring& key, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, type, data, size),
              ERROR_SUCCESS);
}
void Set(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
    Set(key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

class Win32Registry : public ::testing::Test {
  protected:
    RegHandle Open(const char* path, RegRoot root = RegRoot::CurrentUser) {
        RegHandle handle = 99;
        const long status = registry.openKey(root, path, handle);
        EXPECT_EQ(handle != 0, status == p::kRegSuccess) << path;
        return handle;
    }
    RegHandle Open() { return Open("Software\\BriskoRegistryTest\\TypedURLs"); }
    brisko::win32::Win32Registry registry;
};

TEST_F(Win32Registry, OpensOnlyWhatExistsAndQueryGivesTypeSizeAndTextOfEachKindOfValue) {
    EXPECT_EQ(Open("Software\\BriskoNoSuchKey\\Deeper"), 0u);
    EXPECT_EQ(Open(".DEFAULT\\Software\\BriskoNoSuchKey", RegRoot::Users), 0u);
    EXPECT_FALSE(Exists(L"Software\\BriskoNoSuchKey"));
    EXPECT_EQ(registry.closeKey(Open(".DEFAULT\\Software", RegRoot::Users)), p::kRegSuccess);
    // An empty path opens the root itself, whose subkeys are no values.
    const RegHandle root = Open("");
    EXPECT_EQ(registry.queryValue(root, "Software", false).status, p::kRegNotFound);
    EXPECT_EQ(registry.closeKey(root), p::kRegSuccess);

    Set(kKey, L"url1", L"http://a.example/");
    Set(kKey, L"url2", REG_BINARY, "\1\2\3\4\5", 5);
    Set(kKey, L"url3", REG_EXPAND_SZ, L"%TEMP%\\x", sizeof(L"%TEMP%\\x"));
    Set(kKey, L"url4", L"\u00e9t\u00e9");
    Set(kKey, L"url5", REG_SZ, L"ab", 2 * sizeof(wchar_t));  // without its terminator
    Set(kKey, L"url6", L"");
    Set(kKey, L"url7", std::wstring(700, L'x'));  // beyond one read's buffer: a second read
    // Sizes count UTF-8 bytes and one terminator; binary gives no text, and %TEMP% stays as it is.
    const struct {
        const char* name;
        bool withData;
        long status;
        std::uint32_t type, size;
        std::string data;
    } cases[] = {
        {"url1", true, p::kRegSuccess, p::kRegSz, 18, "http://a.example/"},
        {"URL1", false, p::kRegSuccess, p::kRegSz, 18, ""},
        {"url2", true, p::kRegSuccess, p::kRegBinary, 5, ""},
        {"url3", true, p::kRegSuccess, p::kRegExpandSz, 9, "%TEMP%\\x"},
        {"url4", true, p::kRegSuccess, p::kRegSz, 6, "\u00e9t\u00e9"},
        {"url5", true, p::kRegSuccess, p::kRegSz, 3, "ab"},
        {"url6", true, p::kRegSuccess, p::kRegSz, 1, ""},
        {"url7", true, p::kRegSuccess, p::kRegSz, 701, std::string(700, 'x')},
        {"url99", true, p::kRegNotFound, p::kRegNone, 0, ""},
    };
    const RegHandle key = Open();
    for (const auto& c : cases) {
        const auto v = registry.queryValue(key, c.name, c.withData);
        EXPECT_EQ(std::tie(v.status, v.type, v.size, v.data),
                  std::tie(c.status, c.type, c.size, c.data))
            << c.name;
    }
}

TEST_F(Win32Registry, DeletingAValueKeepsTheKeyAndOnlyItsOwnHandlesAreValid) {
    Set(kKey, L"File1", L"a.txt");
    const RegHandle key = Open();
    EXPECT_EQ(registry.deleteValue(key, "File1"), p::kRegSuccess);
    EXPECT_EQ(registry.deleteValue(key, "File1"), p::kRegNotFound);
    EXPECT_EQ(registry.closeKey(key), p::kRegSuccess);
    EXPECT_TRUE(Exists(kKey)) << "the key stays when its values go";
    // Null, foreign (a predefined root's raw value) and closed handles are refused.
    Set(kKey, L"url1", L"keep");
    for (const RegHandle bad :
         {RegHandle{0}, reinterpret_cast<RegHandle>(HKEY_CURRENT_USER), key}) {
        EXPECT_EQ(registry.queryValue(bad, "url1", true).status, p::kRegInvalidHandle) << bad;
        EXPECT_EQ(registry.deleteValue(bad, "url1"), p::kRegInvalidHandle) << bad;
        EXPECT_EQ(registry.closeKey(bad), p::kRegInvalidHandle) << bad;
    }
    EXPECT_TRUE(Exists(kKey, L"url1"));
}

// Saved texts come back; odd values that others stored read safely, as the default where no text.
TEST(Win32Settings, TextsComeBackAsSavedOrAsTheDefaultWhateverOthersStored) {
    brisko::win32::Win32SettingsStore store;
    ASSERT_TRUE(store.save("RoundTrip", "Filters", "Used", "*.gid;*.tmp"));
    ASSERT_TRUE(store.save("RoundTrip", "Filters", "Custom", "Grüße ✓ файл"));
    ASSERT_TRUE(store.save("RoundTrip", "Presets", "TotSav", ""));
    ASSERT_TRUE(store.save("RoundTrip", "Presets", "chkTemp", "1"));
    ASSERT_TRUE(store.save("RoundTrip", "Presets", "chkTemp", "0"));
    const std::wstring odd = kStore + L"Odd\\Presets";
    const DWORD number = 7;
    Set(odd, L"CleanSave", REG_SZ, L"123", 3 * sizeof(wchar_t));  // no terminator
    Set(odd, L"chkTemp", REG_DWORD, &number, sizeof(number));     // no text
    Set(odd, L"chkRecBin", REG_SZ, L"1\0junk", sizeof(L"1\0junk"));
    Set(odd, L"TotSav", REG_SZ, "4\0\x32", 3);  // half a character at the end
    const struct {
        const char *app, *section, *key, *fallback, *expected;
    } cases[] = {
        {"RoundTrip", "Filters", "Used", "", "*.gid;*.tmp"},
        {"RoundTrip", "Filters", "Custom", "", "Grüße ✓ файл"},
        {"RoundTrip", "Presets", "TotSav", "default", ""},  // stored empty is no default
        {"RoundTrip", "Presets", "chkTemp", "1", "0"},      // a later save replaces
        {"RoundTrip", "Presets", "CleanSave", "dflt", "dflt"},
        {"RoundTrip", "Other", "chkTemp", "0", "0"},
        {"NeverSaved", "Presets", "chkTemp", "0", "0"},
        {"Odd", "Presets", "CleanSave", "0", "123"},
        {"Odd", "Presets", "chkTemp", "0", "0"},
        {"Odd", "Presets", "chkRecBin", "0", "1"},
        {"Odd", "Presets", "TotSav", "0", "4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(store.get(c.app, c.section, c.key, c.fallback), c.expected) << c.app << c.key;
    EXPECT_FALSE(Exists(kStore + L"NeverSaved") || Exists(kStore + L"RoundTrip\\Other"));
}

TEST(Win32Settings, DeleteAppRemovesItsWholeTreeAndNothingElseAndNeverTheSharedRoot) {
    brisko::win32::Win32SettingsStore store;
    ASSERT_TRUE(store.save("Doomed", "Filters", "Scnsv", "2048"));
    ASSERT_TRUE(store.save("Bystander", "Presets", "chkTemp", "1"));
    Set(kStore + L"Doomed\\Filters\\Deeper", L"stray", L"1");  // not the program's own
    store.deleteApp("Doomed");
    EXPECT_FALSE(Exists(kStore + L"Doomed"));
    // Deleting what is not there is harmless, and a later save starts afresh.
    store.deleteApp("Doomed");
    ASSERT_TRUE(store.save("Doomed", "Presets", "Disclaimer", "0"));
    EXPECT_EQ(store.get("Doomed", "Filters", "Scnsv", ""), "");
    // An empty application name must not wipe every program's settings.
    store.deleteApp("");
    store.deleteApp("\\");
    EXPECT_EQ(store.get("Bystander", "Presets", "chkTemp", "0"), "1");
    EXPECT_FALSE(store.save("", "Presets", "chkTemp", "1"));
    EXPECT_FALSE(store.save("Bystander", "", "chkTemp", "1"));
    EXPECT_EQ(store.get("", "Presets", "chkTemp", "d"), "d");
}

}  // namespace
