#pragma once
// Paths for the wide-character file API.
#include <string>
#include <string_view>

namespace brisko::win32 {

// The UTF-16 form of a UTF-8 path; a path too long for the classic MAX_PATH limit gets the
// extended-length prefix (\\?\ or \\?\UNC\) after being made absolute and normalised, so that
// deep trees can be measured and listed. Short paths are passed on as they are.
std::wstring FilePath(std::string_view utf8);
std::wstring FilePath(std::wstring path);

}  // namespace brisko::win32
