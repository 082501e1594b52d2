#pragma once
// Dropped failures as debugger output (WINEDEBUG=+debugstr shows them under Wine).
#include "platform/trace.h"

namespace brisko::win32 {

class Win32Trace : public platform::Trace {
  public:
    void dropped(const std::string& what) override;
};

}  // namespace brisko::win32
