#pragma once
// Paths for the wide-character file API.
#include <string>
#include <string_view>

namespace brisko::win32 {

// The UTF-16 form of a UTF-8 path. A path too long for the classic MAX_PATH limit, or one with a
// name that ends in a dot or a space (which the usual normalisation would cut off, reaching
// another file or none), gets the extended-length prefix (\\?\ or \\?\UNC\), made absolute and
// with "." and ".." resolved, every name kept as written. Other paths are passed on as they are.
std::wstring FilePath(std::string_view utf8);
std::wstring FilePath(std::wstring path);

}  // namespace brisko::win32
