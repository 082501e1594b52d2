#pragma once
// Event loop, message boxes, locale and program end: what the window models ask of the desktop.
#include <functional>
#include <string>

namespace brisko::platform {

enum MessageBoxFlags : unsigned {
    kMbOk = 0x0,
    kMbIconExclamation = 0x30,
    kMbIconInformation = 0x40,
};

// Thrown by the in-memory desktop when the program ends, so that tests see the end.
struct ProgramEnded {};

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Serves pending events when enough time has passed since the last time; cheap otherwise.
    virtual void yield() = 0;
    // Runs the event loop until `done` holds (modal windows).
    virtual void runUntil(const std::function<bool()>& done) = 0;
    virtual int messageBox(const std::string& text, const std::string& title, unsigned flags) = 0;
    // The user's decimal separator.
    virtual std::string decimalSeparator() = 0;
    // Ends the program at once; does not return normally.
    virtual void endProgram() = 0;
};

}  // namespace brisko::platform
