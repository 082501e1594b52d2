#include "platform/memory/memory_file_reader.h"

namespace brisko::platform {

std::optional<std::string> MemoryFileReader::readAll(const std::string& path,
                                                     std::size_t maxBytes) {
    ++reads;
    if (unreadable.count(path)) return std::nullopt;
    const MemoryFileSystem::Node* node = files_.find(path);
    if (!node || node->isDirectory()) return std::nullopt;
    return node->content.substr(0, maxBytes);
}

}  // namespace brisko::platform
