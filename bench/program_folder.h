#pragma once
// The real process layer with a program folder of the caller's choosing: the benchmarks run the
// program's windows inside their own program, but with the files of an installation, or with
// none (no animation, no sound).
#include <string>
#include <utility>

#include "platform/win32/win32_process.h"

namespace brisko::bench {

class ProgramFolder : public win32::Win32Processes {
  public:
    explicit ProgramFolder(std::string folder) : folder_(std::move(folder)) {}
    std::string programFolder() override { return folder_; }

  private:
    std::string folder_;
};

}  // namespace brisko::bench
