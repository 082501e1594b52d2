// Brisko's entry point: the real platform, the program's windows, their views, the main window.
#include <windows.h>
#include <commctrl.h>

#include "app/form1.h"
#include "app/form2.h"
#include "app/windows.h"
#include "cookies/frm_cookies.h"
#include "filetypes/extens.h"
#include "platform/win32/win32_platform.h"
#include "views/binding.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof(icc),
                             ICC_STANDARD_CLASSES | ICC_ANIMATE_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    brisko::win32::Win32Platform platform;
    brisko::platform::Services services = platform.services();
    brisko::app::Windows windows;

    brisko::app::Form1 main(services, windows);
    brisko::app::Form2 disclaimer(services);
    windows.main = &main;
    windows.disclaimer = &disclaimer;
    windows.all = {&main, &disclaimer};
    brisko::cookies::FrmCookies cookies(services, windows);
    windows.cookies = &cookies;
    windows.all.push_back(&cookies);
    brisko::filetypes::Extens extens(services, windows);
    windows.extens = &extens;
    windows.all.push_back(&extens);

    brisko::views::Binding binding(instance, services);
    for (brisko::controls::Form* form : windows.all) binding.attach(*form);
    main.show();
    return binding.run();
}
