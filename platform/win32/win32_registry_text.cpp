#include "platform/win32/win32_registry_text.h"

#include <cstring>

#include "platform/win32/win32_utf8.h"

namespace brisko::win32 {

RawValue ReadRawValue(HKEY key, const std::wstring& name) {
    RawValue value;
    // Every call is a round trip to the registry's server: a buffer that most values fit in
    // reads them in one call, and the size the first call reports serves a longer one. A writer
    // may enlarge the value between the calls; a few retries settle it.
    DWORD size = kFirstReadBytes;
    for (int attempt = 0; attempt < 5; ++attempt) {
        value.bytes.resize(size);
        DWORD got = size;
        value.status =
            RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &got);
        if (value.status == ERROR_SUCCESS) {
            value.bytes.resize(got);
            return value;
        }
        if (value.status != ERROR_MORE_DATA) break;
        size = got > size ? got : size * 2;
    }
    value.bytes.clear();
    return value;
}

std::optional<std::wstring> TextOf(const RawValue& value) {
    if (value.status != ERROR_SUCCESS || (value.type != REG_SZ && value.type != REG_EXPAND_SZ))
        return std::nullopt;
    std::wstring text(value.bytes.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), value.bytes.data(), text.size() * sizeof(wchar_t));
    return std::wstring(UpToNul(text));
}

}  // namespace brisko::win32
