#pragma once
// Reads a file with the standard library's streams (the path in the narrow code page).
#include "platform/files_read.h"

namespace brisko::filetypes {

class StdFileReader : public platform::FileReader {
  public:
    std::optional<std::string> readAll(const std::string& path, std::size_t maxBytes) override;
};

}  // namespace brisko::filetypes
