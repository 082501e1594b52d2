#pragma once
// Reading a whole file's bytes, for the data files that lie beside the program.
#include <cstddef>
#include <optional>
#include <string>

namespace brisko::platform {

class FileReader {
  public:
    virtual ~FileReader() = default;
    // The file's bytes, at most `maxBytes` of them; nullopt when it cannot be opened or read.
    virtual std::optional<std::string> readAll(const std::string& path, std::size_t maxBytes) = 0;
};

}  // namespace brisko::platform
