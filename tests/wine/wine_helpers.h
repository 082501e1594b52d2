#pragma once
// What the Wine tests look at straight through the Win32 API, beside the program's own classes
// that they check.
#include <windows.h>

#include <string>

#include "platform/win32/win32_utf8.h"

namespace brisko::wine_test {

// Whether a file or folder is at the full path given, exactly (a trailing dot or space kept).
inline bool Exists(const std::string& path) {
    return GetFileAttributesW(win32::Wide("\\\\?\\" + path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace brisko::wine_test
