#pragma once
// Reading registry values whole, with the retry that a value growing between calls needs.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisko::win32 {

struct RawValue {
    LONG status = ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
};

// What one call reads before it must ask again with the size the value reports.
constexpr DWORD kFirstReadBytes = 512;

// The value's type and data, whatever its size (ERROR_MORE_DATA only for a value that a writer
// keeps enlarging while it is read).
RawValue ReadRawValue(HKEY key, const std::wstring& name);
// The text of a REG_SZ or REG_EXPAND_SZ value up to its first NUL (a stored value need not be
// terminated); nullopt for other types.
std::optional<std::wstring> TextOf(const RawValue& value);

}  // namespace brisko::win32
