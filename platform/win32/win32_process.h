#pragma once
// Environment, hidden child processes and the program's own folder.
#include "platform/process.h"

namespace brisko::win32 {

class Win32Processes : public platform::Processes {
  public:
    std::optional<std::string> environment(const std::string& name) override;
    std::unique_ptr<platform::StartedProcess> startHidden(const std::string& commandLine,
                                                          const std::string& workingDir) override;
    std::optional<std::string> tempFolder() override;
    std::string programFolder() override;
};

}  // namespace brisko::win32
