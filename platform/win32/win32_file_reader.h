#pragma once
// Reads a file's bytes with CreateFileW and ReadFile; the path is UTF-8.
#include "platform/files_read.h"

namespace brisko::win32 {

class Win32FileReader : public platform::FileReader {
  public:
    std::optional<std::string> readAll(const std::string& path, std::size_t maxBytes) override;
};

}  // namespace brisko::win32
