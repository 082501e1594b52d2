#pragma once
// Sound. (The animation control is a widget of the windows.)
#include <string>

namespace brisko::platform {

class Multimedia {
  public:
    virtual ~Multimedia() = default;
    // Plays a wave file and returns when it has ended; silent when it cannot be played.
    virtual bool playSoundSync(const std::string& path) = 0;
};

}  // namespace brisko::platform
