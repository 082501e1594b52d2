#include "filetypes/std_file_reader.h"

#include <algorithm>
#include <fstream>

namespace brisko::filetypes {

std::optional<std::string> StdFileReader::readAll(const std::string& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    while (bytes.size() < maxBytes && in) {
        std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        in.read(buffer, static_cast<std::streamsize>(want));
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace brisko::filetypes
