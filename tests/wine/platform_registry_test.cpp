// Registry primitives against the real registry of a Wine prefix.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"
#include "tests/wine/wine_helpers.h"

namespace {

using brisko::platform::RegHandle;
using brisko::platform::RegRoot;
using brisko::win32::Win32Registry;
using brisko::wine_test::KeyExists;
using brisko::wine_test::SetRaw;
using brisko::wine_test::SetText;
using brisko::wine_test::ValueExists;
namespace p = brisko::platform;

const wchar_t kKey[] = L"Software\\BriskoRegistryTest\\TypedURLs";
const char kKeyUtf8[] = "Software\\BriskoRegistryTest\\TypedURLs";

TEST(Win32Registry, OpeningOnlyOpensAndNeverCreates) {
    Win32Registry registry;
    RegHandle handle = 99;
    EXPECT_EQ(registry.openKey(RegRoot::CurrentUser, "Software\\BriskoNoSuchKey\\Deeper", handle),
              p::kRegNotFound);
    EXPECT_EQ(handle, 0u);
    EXPECT_FALSE(KeyExists(L"Software\\BriskoNoSuchKey"));

    // The other root, as the clean run addresses the default user's lists.
    EXPECT_EQ(registry.openKey(RegRoot::Users, ".DEFAULT\\Software", handle), p::kRegSuccess);
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(registry.closeKey(handle), p::kRegSuccess);
    EXPECT_EQ(registry.openKey(RegRoot::Users, ".DEFAULT\\Software\\BriskoNoSuchKey", handle),
              p::kRegNotFound);
    EXPECT_FALSE(KeyExists(L".DEFAULT\\Software\\BriskoNoSuchKey", HKEY_USERS));

    // An empty path opens the root itself.
    EXPECT_EQ(registry.openKey(RegRoot::CurrentUser, "", handle), p::kRegSuccess);
    ASSERT_NE(handle, 0u);
    SetText(kKey, L"probe", L"x");
    RegHandle child = 0;
    EXPECT_EQ(registry.openKey(RegRoot::CurrentUser, kKeyUtf8, child), p::kRegSuccess);
    EXPECT_EQ(registry.queryValue(child, "probe", true).data, "x");
    EXPECT_EQ(registry.closeKey(child), p::kRegSuccess);
    // "Software" is a subkey of the root, not a value: the root handle sees no such value.
    EXPECT_EQ(registry.queryValue(handle, "Software", false).status, p::kRegNotFound);
    EXPECT_EQ(registry.closeKey(handle), p::kRegSuccess);
}

TEST(Win32Registry, QueryGivesTypeSizeAndTextOfEachKindOfValue) {
    SetText(kKey, L"url1", L"http://a.example/");
    const BYTE binary[] = {1, 2, 3, 4, 5};
    SetRaw(kKey, L"url2", REG_BINARY, binary, sizeof(binary));
    SetRaw(kKey, L"url3", REG_EXPAND_SZ, L"%TEMP%\\x", sizeof(L"%TEMP%\\x"));
    SetText(kKey, L"url4", L"\u00e9t\u00e9");
    const wchar_t bare[] = {L'a', L'b'};
    SetRaw(kKey, L"url5", REG_SZ, bare, sizeof(bare));
    SetText(kKey, L"url6", L"");
    // Longer than one read's buffer: the second read takes the size the first one reported.
    SetText(kKey, L"url7", std::wstring(700, L'x').c_str());
    const std::vector<BYTE> bulky(3000, 7);
    SetRaw(kKey, L"url8", REG_BINARY, bulky.data(), static_cast<DWORD>(bulky.size()));

    Win32Registry registry;
    RegHandle key = 0;
    ASSERT_EQ(registry.openKey(RegRoot::CurrentUser, kKeyUtf8, key), p::kRegSuccess);
    // Sizes count the UTF-8 bytes the logic will see, with one terminator; without data the type
    // and size come alone. Binary data gives no text, and an expandable text is not expanded.
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
        {"url5", true, p::kRegSuccess, p::kRegSz, 3, "ab"},  // stored without its terminator
        {"url6", true, p::kRegSuccess, p::kRegSz, 1, ""},
        {"url7", true, p::kRegSuccess, p::kRegSz, 701, std::string(700, 'x')},
        {"url8", false, p::kRegSuccess, p::kRegBinary, 3000, ""},
        {"url99", true, p::kRegNotFound, p::kRegNone, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto value = registry.queryValue(key, c.name, c.withData);
        EXPECT_EQ(value.status, c.status);
        EXPECT_EQ(value.type, c.type);
        if (c.status == p::kRegSuccess) {
            EXPECT_EQ(value.size, c.size);
        }
        EXPECT_EQ(value.data, c.data);
    }
    EXPECT_EQ(registry.closeKey(key), p::kRegSuccess);
}

TEST(Win32Registry, DeletingAValueKeepsTheKeyAndTheOtherValues) {
    SetText(kKey, L"File1", L"a.txt");
    SetText(kKey, L"File2", L"b.txt");
    Win32Registry registry;
    RegHandle key = 0;
    ASSERT_EQ(registry.openKey(RegRoot::CurrentUser, kKeyUtf8, key), p::kRegSuccess);
    EXPECT_EQ(registry.deleteValue(key, "File1"), p::kRegSuccess);
    EXPECT_EQ(registry.deleteValue(key, "File1"), p::kRegNotFound);
    EXPECT_EQ(registry.closeKey(key), p::kRegSuccess);
    EXPECT_FALSE(ValueExists(kKey, L"File1"));
    EXPECT_TRUE(ValueExists(kKey, L"File2"));
    EXPECT_TRUE(KeyExists(kKey));

    // The key stays even when its last value goes.
    SetRaw(L"Software\\BriskoRegistryTest\\Lonely", L"Order", REG_BINARY, "\x01", 1);
    ASSERT_EQ(registry.openKey(RegRoot::CurrentUser, "Software\\BriskoRegistryTest\\Lonely", key),
              p::kRegSuccess);
    EXPECT_EQ(registry.deleteValue(key, "Order"), p::kRegSuccess);
    EXPECT_EQ(registry.closeKey(key), p::kRegSuccess);
    EXPECT_TRUE(KeyExists(L"Software\\BriskoRegistryTest\\Lonely"));
}

TEST(Win32Registry, NullStaleAndForeignHandlesAreInvalid) {
    Win32Registry registry;
    EXPECT_EQ(registry.queryValue(0, "url1", true).status, p::kRegInvalidHandle);
    EXPECT_EQ(registry.deleteValue(0, "url1"), p::kRegInvalidHandle);
    EXPECT_EQ(registry.closeKey(0), p::kRegInvalidHandle);

    // A predefined root's raw value is not a handle this registry gave out.
    const auto foreign = reinterpret_cast<RegHandle>(HKEY_CURRENT_USER);
    EXPECT_EQ(registry.deleteValue(foreign, "url1"), p::kRegInvalidHandle);

    SetText(kKey, L"url1", L"keep");
    RegHandle key = 0;
    ASSERT_EQ(registry.openKey(RegRoot::CurrentUser, kKeyUtf8, key), p::kRegSuccess);
    EXPECT_EQ(registry.closeKey(key), p::kRegSuccess);
    // Once closed, the handle is dead.
    EXPECT_EQ(registry.closeKey(key), p::kRegInvalidHandle);
    EXPECT_EQ(registry.deleteValue(key, "url1"), p::kRegInvalidHandle);
    EXPECT_EQ(registry.queryValue(key, "url1", true).status, p::kRegInvalidHandle);
    EXPECT_TRUE(ValueExists(kKey, L"url1"));
}

}  // namespace
