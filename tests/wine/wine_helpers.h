#pragma once
// What the Wine tests look at straight through the Win32 API, beside the program's own classes
// that they check: whether a file or folder is there.
#include <windows.h>

#include <string>

#include "platform/win32/win32_utf8.h"

namespace brisko::wine_test {

inline bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
inline bool Exists(const std::string& path) {
    return Exists(win32::Wide(path));
}

}  // namespace brisko::wine_test
