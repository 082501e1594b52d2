#pragma once
// The real platform: one of each service, bundled for the windows.
#include "platform/services.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_filesystem.h"
#include "platform/win32/win32_multimedia.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_settings.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_trace.h"

namespace brisko::win32 {

struct Win32Platform {
    Win32SettingsStore settings;
    Win32Registry registry;
    Win32FileSystem files;
    Win32Shell shell;
    Win32Processes processes;
    Win32Multimedia media;
    Win32Desktop desktop;
    Win32Trace trace;

    platform::Services services() { return services(processes); }
    // The same, with a stand-in for the process layer (a program folder of its own, say).
    platform::Services services(platform::Processes& standIn) {
        return {settings, registry, files, shell, standIn, media, desktop, trace};
    }
};

}  // namespace brisko::win32
