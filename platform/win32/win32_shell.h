#pragma once
// Shell services: Recent Documents, the Recycle Bin, opening documents, deleting to the bin.
#include "platform/shell.h"

namespace brisko::win32 {

class Win32Shell : public platform::Shell {
  public:
    void clearRecentDocuments() override;
    long emptyRecycleBin(platform::WindowHandle owner, unsigned flags) override;
    void updateRecycleBinIcon() override;
    std::optional<std::uint64_t> recycleBinBytes() override;
    // SHGetKnownFolderPath, or SHGetFolderPathW where that names none.
    std::optional<std::string> userFolder(platform::UserFolder folder) override;
    long open(platform::WindowHandle owner, const std::string& operation, const std::string& file,
              const std::string& parameters, int showCommand) override;
    // Paths holding * or ? are left out: they cannot name a file, and the shell would expand
    // them to whatever matches. So are paths with a name ending in a dot or a space: the shell
    // takes no exact (\\?\) paths on Windows and trims such names, reaching another file ("a."
    // would send "a" to the bin). Such files stay where they are.
    int deleteFiles(platform::WindowHandle owner, const std::vector<std::string>& paths,
                    unsigned flags) override;
};

}  // namespace brisko::win32
