#pragma once
// Reads the contents of the in-memory file tree's files.
#include <set>
#include <string>

#include "platform/files_read.h"
#include "platform/memory/memory_filesystem.h"

namespace brisko::platform {

class MemoryFileReader : public FileReader {
  public:
    explicit MemoryFileReader(MemoryFileSystem& files) : files_(files) {}
    std::optional<std::string> readAll(const std::string& path, std::size_t maxBytes) override;
    std::set<std::string> unreadable;  // paths (as given) whose reading fails
    int reads = 0;

  private:
    MemoryFileSystem& files_;
};

}  // namespace brisko::platform
