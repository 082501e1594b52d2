#pragma once
// The program's windows, made once and joined: each window reaches the others through
// `windows`. The entry point attaches every one of them to the views and shows `main`.
#include "app/form1.h"
#include "app/form2.h"
#include "app/help_dialog.h"
#include "controls/program_windows.h"
#include "cookies/frm_cookies.h"
#include "filetypes/extens.h"
#include "finder/win_seek.h"
#include "platform/services.h"

namespace brisko::app {

struct Program {
    explicit Program(platform::Services& services);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    controls::ProgramWindows windows;  // first: every window holds a reference to it
    Form1 main;
    Form2 disclaimer;
    finder::WinSeek finder;
    cookies::FrmCookies cookies;
    filetypes::Extens extens;
    HelpDialog mainHelp, finderHelp, extensHelp, cookiesHelp;
};

}  // namespace brisko::app
