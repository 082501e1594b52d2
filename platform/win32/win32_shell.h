#pragma once
// Shell services: Recent Documents, the Recycle Bin, opening documents, deleting to the bin.
#include "platform/shell.h"

namespace brisko::win32 {

class Win32Shell : public platform::Shell {
  public:
    void clearRecentDocuments() override;
    long emptyRecycleBin(platform::WindowHandle owner, unsigned flags) override;
    void updateRecycleBinIcon() override;
    long open(platform::WindowHandle owner, const std::string& operation, const std::string& file,
              const std::string& parameters, int showCommand) override;
    // Paths holding * or ? are left out: they cannot name a file, and the shell would expand
    // them to whatever matches.
    int deleteFiles(platform::WindowHandle owner, const std::vector<std::string>& paths,
                    unsigned flags) override;
};

}  // namespace brisko::win32
