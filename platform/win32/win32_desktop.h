#pragma once
// The event loop and the desktop's small services on the user-interface thread.
#include <windows.h>

#include <chrono>
#include <cstdint>

#include "platform/ui.h"

namespace brisko::win32 {

class Win32Desktop : public platform::Desktop {
  public:
    // Pumping the queue costs a round trip to the window server (about 50 us under Wine), and
    // the logic yields after every directory entry; so the queue is served only when this much
    // time has passed since it was last served: a click made while the logic runs waits half a
    // frame for it to look (and then for whatever handler is running). Read from the
    // performance counter: the tick count moves in 16 ms steps on Windows.
    static constexpr std::chrono::milliseconds kPumpInterval{8};

    Win32Desktop();

    void yield() override;
    void runUntil(const std::function<bool()>& done) override;
    int messageBox(const std::string& text, const std::string& title, unsigned flags) override;
    std::string decimalSeparator() override;
    [[noreturn]] void endProgram() override;

    // Wakes a runUntil waiting for messages, so that it looks at its condition again. Any
    // thread may call it.
    void wake() const;
    // How many times yield() has actually served the queue (for measurements).
    std::uint64_t pumps() const { return pumps_; }

  private:
    // Serves every waiting message; false when WM_QUIT came (it is posted again for the
    // outermost loop).
    bool pump();

    DWORD thread_;
    std::chrono::steady_clock::time_point lastPump_;
    std::uint64_t pumps_ = 0;
};

}  // namespace brisko::win32
