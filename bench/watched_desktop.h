#pragma once
// The real desktop, watched, for the benchmarks: records the longest time between two servings
// of the event queue (counting from the start of a measurement up to its end), and the longest
// time a message posted to the window's thread waited before it was handled, as a click would.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <stop_token>
#include <thread>
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

// Posts a message to a window of the calling thread, waits until that thread has handled it,
// sleeps a millisecond and posts the next, from start() to stop(): the longest time one of them
// waited is the longest the window did not answer.
class MessageProbe {
  public:
    MessageProbe() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BriskoBenchProbe";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        handled_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    }
    ~MessageProbe() {
        stop();
        DestroyWindow(window_);
        CloseHandle(handled_);
    }
    MessageProbe(const MessageProbe&) = delete;
    MessageProbe& operator=(const MessageProbe&) = delete;

    void start() {
        stop();
        longest_ = 0;
        poster_ = std::jthread([this](std::stop_token stop) {
            while (!stop.stop_requested()) {
                posted_ = Clock::now().time_since_epoch().count();
                if (!PostMessageW(window_, WM_APP, 0, 0)) return;
                while (WaitForSingleObject(handled_, 50) == WAIT_TIMEOUT)
                    if (stop.stop_requested()) return;
                Sleep(1);
            }
        });
    }
    void stop() {
        if (!poster_.joinable()) return;
        poster_.request_stop();
        poster_.join();
    }
    Clock::duration longest() const { return Clock::duration(longest_.load()); }

  private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
        if (msg != WM_APP) return DefWindowProcW(h, msg, w, l);
        auto* self = reinterpret_cast<MessageProbe*>(GetWindowLongPtrW(h, GWLP_USERDATA));
        const auto waited = Clock::now().time_since_epoch().count() - self->posted_.load();
        if (waited > self->longest_) self->longest_ = waited;
        SetEvent(self->handled_);
        return 0;
    }

    HWND window_{};
    HANDLE handled_{};
    std::atomic<Clock::rep> posted_{0}, longest_{0};
    std::jthread poster_;
};

class WatchedDesktop : public platform::Desktop {
  public:
    explicit WatchedDesktop(win32::Win32Desktop& real) : real_(real) {}

    void start() {
        served_ = started_ = Clock::now();
        longest_ = {};
        yields_ = 0;
        pumpsAtStart_ = real_.pumps();
        probe_.start();
    }
    void finish() {
        note();
        probe_.stop();
    }
    Clock::duration longest() const { return longest_; }
    // The longest time a message waited before the window's thread handled it.
    Clock::duration longestMessageWait() const { return probe_.longest(); }
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
    MessageProbe probe_;
    Clock::time_point served_, started_, longestEnded_;
    Clock::duration longest_{};
    std::uint64_t yields_ = 0, pumpsAtStart_ = 0;
};

}  // namespace brisko::bench
