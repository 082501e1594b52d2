// The generated clips open in the common animation control, and the alarm is a wave file that
// the synchronous player accepts.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cleaner/play_wav.h"
#include "platform/win32/win32_multimedia.h"

namespace {

struct Window {
    HWND hwnd;
    explicit Window(HWND h) : hwnd(h) {}
    ~Window() {
        if (hwnd) DestroyWindow(hwnd);
    }
};

LRESULT Open(HWND animation, const wchar_t* path) {
    return SendMessageW(animation, ACM_OPENW, 0, reinterpret_cast<LPARAM>(path));
}

TEST(CleanerMedia, BothClipsOpenAndPlayInTheAnimationControl) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&init);
    Window animation(CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_POPUP | ACS_CENTER, 0, 0, 100, 80,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    // Without a display Wine creates no windows; e2e runs under Xvfb cover the control then.
    if (!animation.hwnd) GTEST_SKIP() << "no display for the animation control";
    EXPECT_EQ(Open(animation.hwnd, L"C:\\brisko\\RurivAzavidi.avi"), TRUE);
    EXPECT_EQ(
        SendMessageW(animation.hwnd, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF)),
        TRUE);
    EXPECT_EQ(SendMessageW(animation.hwnd, ACM_STOP, 0, 0), TRUE);
    Open(animation.hwnd, nullptr);  // closes
    EXPECT_EQ(Open(animation.hwnd, L"C:\\brisko\\Check.avi"), TRUE);
    EXPECT_EQ(SendMessageW(animation.hwnd, ACM_PLAY, 1, MAKELPARAM(0, 0xFFFF)), TRUE);
    // A missing file is refused, and nothing breaks.
    EXPECT_EQ(Open(animation.hwnd, L"C:\\brisko\\missing.avi"), FALSE);
}

TEST(CleanerMedia, AlarmIsAShortPcmWave) {
    FILE* f = _wfopen(L"C:\\brisko\\Alarm.wav", L"rb");
    ASSERT_NE(f, nullptr);
    unsigned char header[44] = {};
    ASSERT_EQ(fread(header, 1, sizeof header, f), sizeof header);
    fclose(f);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header), 4), "RIFF");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header + 8), 8), "WAVEfmt ");
    EXPECT_EQ(header[20], 1);  // PCM
    const unsigned rate = header[24] | header[25] << 8 | header[26] << 16;
    const unsigned bytes = header[40] | header[41] << 8 | header[42] << 16;
    const double seconds = bytes / (rate * 2.0);
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, 1.5);
    // Playing returns (after the sound, or at once where there is no sound device), and a
    // missing file is silent.
    brisko::win32::Win32Multimedia media;
    brisko::cleaner::PlaySoundFile(media, "C:\\brisko\\Alarm.wav");
    brisko::cleaner::PlaySoundFile(media, "C:\\brisko\\missing.wav");
}

}  // namespace
