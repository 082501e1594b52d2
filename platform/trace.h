#pragma once
// Failures that the program drops on purpose: a step of a continue-on-error handler that failed
// while the handler went on. The user is never shown them; a developer or a test can see them.
#include <string>

namespace brisko::platform {

class Trace {
  public:
    virtual ~Trace() = default;
    // One line saying what failed, for example "clean run: could not start <command line>".
    virtual void dropped(const std::string& what) = 0;
};

}  // namespace brisko::platform
