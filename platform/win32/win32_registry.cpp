#include "platform/win32/win32_registry.h"

#include "platform/win32/win32_registry_text.h"
#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

namespace {

HKEY RootKey(platform::RegRoot root) {
    return root == platform::RegRoot::Users ? HKEY_USERS : HKEY_CURRENT_USER;
}

}  // namespace

HKEY Win32Registry::lookUp(platform::RegHandle key) const {
    const auto found = open_.find(key);
    return found == open_.end() ? nullptr : found->second.get();
}

long Win32Registry::openKey(platform::RegRoot root, const std::string& path,
                            platform::RegHandle& out) {
    out = 0;
    const std::wstring subKey = Wide(path);
    // Read and delete values; a key that may only be read is still opened for reading.
    UniqueKey key;
    LONG status =
        RegOpenKeyExW(RootKey(root), subKey.c_str(), 0, KEY_READ | KEY_SET_VALUE, key.put());
    if (status == ERROR_ACCESS_DENIED)
        status = RegOpenKeyExW(RootKey(root), subKey.c_str(), 0, KEY_READ, key.put());
    if (status != ERROR_SUCCESS) return status;
    out = reinterpret_cast<platform::RegHandle>(key.get());
    open_[out] = std::move(key);
    return ERROR_SUCCESS;
}

platform::RegQuery Win32Registry::queryValue(platform::RegHandle key, const std::string& name,
                                             bool withData) {
    platform::RegQuery result;
    HKEY handle = lookUp(key);
    if (!handle) {
        result.status = platform::kRegInvalidHandle;
        return result;
    }
    // One read gives the type, the size and the data: a text's size is counted in the UTF-8
    // bytes the logic sees, with its terminator, so its data is needed in any case.
    const RawValue raw = ReadRawValue(handle, Wide(name));
    result.status = raw.status;
    if (raw.status != ERROR_SUCCESS) return result;
    result.type = raw.type;
    result.size = static_cast<std::uint32_t>(raw.bytes.size());
    if (const auto wide = TextOf(raw)) {
        const std::string text = Utf8(*wide);
        result.size = static_cast<std::uint32_t>(text.size() + 1);
        if (withData) result.data = text;
    }
    return result;
}

long Win32Registry::deleteValue(platform::RegHandle key, const std::string& name) {
    HKEY handle = lookUp(key);
    if (!handle) return platform::kRegInvalidHandle;
    return RegDeleteValueW(handle, Wide(name).c_str());
}

long Win32Registry::closeKey(platform::RegHandle key) {
    const auto found = open_.find(key);
    if (found == open_.end()) return platform::kRegInvalidHandle;
    open_.erase(found);
    return ERROR_SUCCESS;
}

}  // namespace brisko::win32
