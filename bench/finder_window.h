#pragma once
// The junk finder's window as the program shows it, over the real platform and a watched event
// loop, with no media beside it (the animation shows nothing and the sound is silent).
#include <windows.h>
#include <commctrl.h>

#include "controls/program_windows.h"
#include "finder/win_seek.h"
#include "platform/win32/win32_platform.h"
#include "program_folder.h"
#include "views/binding.h"
#include "watched_desktop.h"

namespace brisko::bench {

struct CommonControls {
    CommonControls() {
        INITCOMMONCONTROLSEX icc{sizeof(icc),
                                 ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
    }
};

struct FinderWindow {
    CommonControls common;
    win32::Win32Platform platform;
    ProgramFolder folder{"C:\\bench\\nothing"};
    WatchedDesktop desktop{platform.desktop};
    platform::Services services{
        platform.settings, platform.registry, platform.files, platform.shell, folder,
        platform.media,    desktop,           platform.trace};
    controls::ProgramWindows windows;
    finder::WinSeek seek{services, windows};
    views::Binding binding{GetModuleHandleW(nullptr), services};

    FinderWindow() {
        windows.finder = &seek;
        windows.all = {&seek};
        binding.attach(seek);
        seek.show();
    }
};

}  // namespace brisko::bench
