// Brisko's entry point: the real platform, the program's windows, their views, the main window.
#include <windows.h>
#include <commctrl.h>

#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "views/binding.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof(icc),
                             ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    brisko::win32::Win32Platform platform;
    brisko::platform::Services services = platform.services();
    brisko::app::Program program(services);

    brisko::views::Binding binding(instance, services);
    for (brisko::controls::Form* form : program.windows.all) binding.attach(*form);
    program.main.show();
    return binding.run();
}
