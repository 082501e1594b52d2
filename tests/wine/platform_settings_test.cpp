// The settings store against the real registry of a Wine prefix.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_settings.h"
#include "tests/wine/wine_helpers.h"

namespace {

using brisko::win32::UniqueKey;
using brisko::win32::Win32SettingsStore;
using brisko::wine_test::KeyExists;
using brisko::wine_test::SetRaw;

const std::wstring kRoot = L"Software\\VB and VBA Program Settings";

class Win32Settings : public ::testing::Test {
  protected:
    Win32SettingsStore store;
};

TEST_F(Win32Settings, SavedTextsComeBackAsStoredRegSzValues) {
    ASSERT_TRUE(store.save("RoundTrip", "Presets", "chkTemp", "1"));
    ASSERT_TRUE(store.save("RoundTrip", "Filters", "Used", "*.gid;*.tmp"));
    ASSERT_TRUE(store.save("RoundTrip", "Filters", "Custom", "Grüße ✓ файл"));
    ASSERT_TRUE(store.save("RoundTrip", "Presets", "TotSav", ""));
    EXPECT_EQ(store.get("RoundTrip", "Presets", "chkTemp", "0"), "1");
    EXPECT_EQ(store.get("RoundTrip", "Filters", "Used", ""), "*.gid;*.tmp");
    EXPECT_EQ(store.get("RoundTrip", "Filters", "Custom", ""), "Grüße ✓ файл");
    // An empty stored text is a value of its own, not the default.
    EXPECT_EQ(store.get("RoundTrip", "Presets", "TotSav", "default"), "");

    // A later save replaces the value.
    ASSERT_TRUE(store.save("RoundTrip", "Presets", "chkTemp", "0"));
    EXPECT_EQ(store.get("RoundTrip", "Presets", "chkTemp", "1"), "0");

    // Stored where other programs of this kind keep theirs, as REG_SZ, letter case ignored.
    UniqueKey key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, (kRoot + L"\\roundtrip\\FILTERS").c_str(), 0,
                            KEY_READ, key.put()),
              ERROR_SUCCESS);
    wchar_t text[64] = {};
    DWORD type = 0;
    DWORD size = sizeof(text);
    ASSERT_EQ(
        RegQueryValueExW(key.get(), L"used", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(text), L"*.gid;*.tmp");
    EXPECT_EQ(size, sizeof(L"*.gid;*.tmp"));
}

TEST_F(Win32Settings, MissingAppSectionOrKeyGivesTheDefaultAndCreatesNothing) {
    EXPECT_EQ(store.get("NeverSaved", "Presets", "chkTemp", "0"), "0");
    EXPECT_EQ(store.get("NeverSaved", "Presets", "TotSav", ""), "");
    EXPECT_FALSE(KeyExists(kRoot + L"\\NeverSaved"));

    ASSERT_TRUE(store.save("HalfSaved", "Presets", "Disclaimer", "1"));
    EXPECT_EQ(store.get("HalfSaved", "Filters", "optRecycle", "True"), "True");
    EXPECT_EQ(store.get("HalfSaved", "Presets", "CleanSave", "dflt"), "dflt");
    EXPECT_FALSE(KeyExists(kRoot + L"\\HalfSaved\\Filters"));
}

TEST_F(Win32Settings, ValuesWrittenByOthersInOddShapesAreReadSafely) {
    const std::wstring section = kRoot + L"\\Odd\\Presets";
    // A text stored without its terminator.
    const wchar_t bare[] = {L'1', L'2', L'3'};
    SetRaw(section, L"CleanSave", REG_SZ, bare, sizeof(bare));
    // A number stored as a DWORD is not a text setting: the default applies.
    const DWORD number = 7;
    SetRaw(section, L"chkTemp", REG_DWORD, &number, sizeof(number));
    // A text with garbage after an embedded NUL.
    const wchar_t embedded[] = L"1\0junk";
    SetRaw(section, L"chkRecBin", REG_SZ, embedded, sizeof(embedded));
    // An odd byte count (half a character).
    const char odd[] = {'4', 0, '2'};
    SetRaw(section, L"TotSav", REG_SZ, odd, sizeof(odd));

    EXPECT_EQ(store.get("Odd", "Presets", "CleanSave", ""), "123");
    EXPECT_EQ(store.get("Odd", "Presets", "chkTemp", "0"), "0");
    EXPECT_EQ(store.get("Odd", "Presets", "chkRecBin", "0"), "1");
    EXPECT_EQ(store.get("Odd", "Presets", "TotSav", ""), "4");
}

TEST_F(Win32Settings, DeleteAppRemovesItsWholeTreeAndNothingElse) {
    ASSERT_TRUE(store.save("Doomed", "Presets", "chkTemp", "1"));
    ASSERT_TRUE(store.save("Doomed", "Filters", "Scnsv", "2048"));
    ASSERT_TRUE(store.save("Bystander", "Presets", "chkTemp", "1"));
    // A subkey that the program never made goes as well.
    brisko::wine_test::SetText(kRoot + L"\\Doomed\\Filters\\Deeper", L"stray", L"1");
    ASSERT_TRUE(KeyExists(kRoot + L"\\Doomed\\Filters\\Deeper"));

    store.deleteApp("Doomed");
    EXPECT_FALSE(KeyExists(kRoot + L"\\Doomed"));
    EXPECT_EQ(store.get("Doomed", "Filters", "Scnsv", ""), "");
    EXPECT_TRUE(KeyExists(kRoot));
    EXPECT_EQ(store.get("Bystander", "Presets", "chkTemp", "0"), "1");

    // Deleting what is not there is harmless, and a later save starts afresh.
    store.deleteApp("Doomed");
    ASSERT_TRUE(store.save("Doomed", "Presets", "Disclaimer", "0"));
    EXPECT_EQ(store.get("Doomed", "Presets", "Disclaimer", "1"), "0");
    EXPECT_EQ(store.get("Doomed", "Presets", "chkTemp", "0"), "0");
}

TEST_F(Win32Settings, EmptyNamesNeverReachTheSharedRoot) {
    ASSERT_TRUE(store.save("Keeper", "Presets", "chkTemp", "1"));
    // An empty application name must not wipe every program's settings.
    store.deleteApp("");
    store.deleteApp("\\");
    EXPECT_TRUE(KeyExists(kRoot + L"\\Keeper"));
    EXPECT_EQ(store.get("Keeper", "Presets", "chkTemp", "0"), "1");
    EXPECT_FALSE(store.save("", "Presets", "chkTemp", "1"));
    EXPECT_FALSE(store.save("Keeper", "", "chkTemp", "1"));
    EXPECT_EQ(store.get("", "Presets", "chkTemp", "d"), "d");
}

}  // namespace
