#pragma once
// What the Wine tests prepare or look at straight through the Win32 API, beside the program's own
// classes that they check: files by path, and keys and values of the current user's registry.
#include <windows.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_utf8.h"

namespace brisko::wine_test {

inline DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}
inline DWORD Attributes(const std::string& path) {
    return Attributes(win32::Wide(path));
}
inline bool Exists(const std::wstring& path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}
inline bool Exists(const std::string& path) {
    return Exists(win32::Wide(path));
}

// A file of exactly these bytes, with the folders above it.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
    const std::wstring wide = win32::Wide(path);
    for (auto slash = wide.find(L'\\', 3); slash != std::wstring::npos;
         slash = wide.find(L'\\', slash + 1))
        CreateDirectoryW(wide.substr(0, slash).c_str(), nullptr);
    win32::UniqueFile file(
        CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file) << path;
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

inline bool KeyExists(const std::wstring& key, HKEY root = HKEY_CURRENT_USER) {
    win32::UniqueKey handle;
    return RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, handle.put()) == ERROR_SUCCESS;
}

inline bool ValueExists(const std::wstring& key, const wchar_t* name) {
    win32::UniqueKey handle;
    return RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, handle.put()) ==
               ERROR_SUCCESS &&
           RegQueryValueExW(handle.get(), name, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
}

// Stores a value of any type and shape, making its key as needed.
inline void SetRaw(const std::wstring& key, const wchar_t* name, DWORD type, const void* data,
                   DWORD size) {
    win32::UniqueKey handle;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              handle.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(handle.get(), name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
}

// Stores a text as REG_SZ with its terminator, as programs usually do.
inline void SetText(const std::wstring& key, const wchar_t* name, const wchar_t* text) {
    SetRaw(key, name, REG_SZ, text, static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t)));
}

}  // namespace brisko::wine_test
