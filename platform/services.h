#pragma once
// The platform services that the windows use, passed around as one bundle.
#include "platform/filesystem.h"
#include "platform/multimedia.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "platform/trace.h"
#include "platform/ui.h"

namespace brisko::platform {

struct Services {
    SettingsStore& settings;
    Registry& registry;
    FileSystem& files;
    Shell& shell;
    Processes& processes;
    Multimedia& media;
    Desktop& desktop;
    Trace& trace;
};

}  // namespace brisko::platform
