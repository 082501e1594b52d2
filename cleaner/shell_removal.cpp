#include "cleaner/shell_removal.h"

namespace brisko::cleaner {

std::optional<std::string> RemovalCommand(const std::string& comspec, SystemKind kind,
                                          const std::string& folder) {
    switch (kind) {
        case SystemKind::Nine:
            return comspec + " /C DELTREE /Y \"" + folder + "*.*\"";
        // /Q: the hidden window could never answer RMDIR's "Are you sure".
        case SystemKind::Nt:
            return comspec + " /C RMDIR /S /Q \"" + folder + "\"";
        case SystemKind::Neither:
            break;
    }
    return std::nullopt;
}

std::unique_ptr<platform::StartedProcess> StartShellRemoval(platform::Processes& processes,
                                                            SystemKind kind,
                                                            const std::string& folder) {
    const auto comspec = processes.environment("COMSPEC");
    if (!comspec || comspec->empty()) return nullptr;
    const auto command = RemovalCommand(*comspec, kind, folder);
    if (!command) return nullptr;
    return processes.startHidden(*command, processes.programFolder());
}

}  // namespace brisko::cleaner
