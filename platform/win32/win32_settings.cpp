#include "platform/win32/win32_settings.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_registry_text.h"
#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

namespace {

constexpr wchar_t kStoreRoot[] = L"Software\\VB and VBA Program Settings";

// An empty name would address the store's root itself (or its parent): deleting "" must never
// remove every program's settings, so such names address nothing.
bool Usable(const std::string& name) {
    return name.find_first_not_of('\\') != std::string::npos;
}

std::wstring AppKey(const std::string& app) {
    return std::wstring(kStoreRoot) + L"\\" + Wide(app);
}

std::wstring SectionKey(const std::string& app, const std::string& section) {
    return AppKey(app) + L"\\" + Wide(section);
}

}  // namespace

std::string Win32SettingsStore::get(const std::string& app, const std::string& section,
                                    const std::string& key, const std::string& fallback) {
    if (!Usable(app) || !Usable(section)) return fallback;
    UniqueKey handle;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey(app, section).c_str(), 0, KEY_QUERY_VALUE,
                      handle.put()) != ERROR_SUCCESS)
        return fallback;
    const auto text = TextOf(ReadRawValue(handle.get(), Wide(key)));
    return text ? Utf8(*text) : fallback;
}

bool Win32SettingsStore::save(const std::string& app, const std::string& section,
                              const std::string& key, const std::string& value) {
    if (!Usable(app) || !Usable(section)) return false;
    UniqueKey handle;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey(app, section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, handle.put(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring text = Wide(value);
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(handle.get(), Wide(key).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

void Win32SettingsStore::deleteApp(const std::string& app) {
    if (!Usable(app)) return;
    RegDeleteTreeW(HKEY_CURRENT_USER, AppKey(app).c_str());
}

}  // namespace brisko::win32
