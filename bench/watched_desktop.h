#pragma once
// The real desktop, watched, for the benchmarks: records the longest time between two servings
// of the event queue (counting from the start of a measurement up to its end).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/win32/win32_desktop.h"

namespace brisko::bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The fastest round: this machine's speed swings by a factor of four from one second to the
// next (a shared host), and the fastest round is the one least disturbed.
inline double Best(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

class WatchedDesktop : public platform::Desktop {
  public:
    explicit WatchedDesktop(win32::Win32Desktop& real) : real_(real) {}

    void start() {
        served_ = started_ = Clock::now();
        longest_ = {};
        yields_ = 0;
        pumpsAtStart_ = real_.pumps();
    }
    void finish() { note(); }
    Clock::duration longest() const { return longest_; }
    // When the longest wait ended, counted from the start.
    Clock::duration longestEnded() const { return longestEnded_ - started_; }
    std::uint64_t yields() const { return yields_; }
    std::uint64_t servings() const { return real_.pumps() - pumpsAtStart_; }

    void yield() override {
        const auto before = real_.pumps();
        real_.yield();
        ++yields_;
        if (real_.pumps() != before) note();
    }
    void runUntil(const std::function<bool()>& done) override { real_.runUntil(done); }
    int messageBox(const std::string& text, const std::string& title, unsigned flags) override {
        return real_.messageBox(text, title, flags);
    }
    std::string decimalSeparator() override { return real_.decimalSeparator(); }
    void endProgram() override { real_.endProgram(); }

  private:
    void note() {
        const auto now = Clock::now();
        if (now - served_ > longest_) {
            longest_ = now - served_;
            longestEnded_ = now;
        }
        served_ = now;
    }

    win32::Win32Desktop& real_;
    Clock::time_point served_, started_, longestEnded_;
    Clock::duration longest_{};
    std::uint64_t yields_ = 0, pumpsAtStart_ = 0;
};

}  // namespace brisko::bench
