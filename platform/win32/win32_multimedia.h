#pragma once
// Wave sounds through winmm.
#include "platform/multimedia.h"

namespace brisko::win32 {

class Win32Multimedia : public platform::Multimedia {
  public:
    bool playSoundSync(const std::string& path) override;
};

}  // namespace brisko::win32
