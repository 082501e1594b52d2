#pragma once
// Every in-memory service in one place, for the tests.
#include "platform/memory/memory_filesystem.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_services.h"
#include "platform/memory/memory_settings.h"
#include "platform/services.h"

namespace brisko::platform {

struct MemoryPlatform {
    MemorySettings settings;
    MemoryRegistry registry;
    MemoryFileSystem files;
    MemoryShell shell;
    MemoryProcesses processes;
    MemoryMultimedia media;
    MemoryDesktop desktop;
    MemoryTrace trace;
    Services services() {
        return {settings, registry, files, shell, processes, media, desktop, trace};
    }
};

}  // namespace brisko::platform
