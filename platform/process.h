#pragma once
// Processes and environment.
#include <memory>
#include <optional>
#include <string>

namespace brisko::platform {

// A process that the program started; the handle to it is let go when this is destroyed, and the
// process goes on.
class StartedProcess {
  public:
    virtual ~StartedProcess() = default;
    // Its exit code once it has ended; nullopt while it runs. Never waits.
    virtual std::optional<long> exitCode() = 0;
};

class Processes {
  public:
    virtual ~Processes() = default;
    virtual std::optional<std::string> environment(const std::string& name) = 0;
    // Starts a command line with a hidden window in `workingDir` and returns at once, with the
    // process to look in on; null when it could not be started.
    virtual std::unique_ptr<StartedProcess> startHidden(const std::string& commandLine,
                                                        const std::string& workingDir) = 0;
    // The current user's Temp folder without trailing backslash, in its long form; nullopt when
    // it cannot be read.
    virtual std::optional<std::string> tempFolder() = 0;
    // The folder of the running executable, without trailing backslash.
    virtual std::string programFolder() = 0;
};

// A file beside the program (its media files, the file-type database).
inline std::string ProgramFile(Processes& processes, const std::string& fileName) {
    std::string folder = processes.programFolder();
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder + fileName;
}

}  // namespace brisko::platform
