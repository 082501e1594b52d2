#pragma once
// Processes and environment.
#include <optional>
#include <string>

namespace brisko::platform {

class Processes {
  public:
    virtual ~Processes() = default;
    virtual std::optional<std::string> environment(const std::string& name) = 0;
    // Starts a command line with a hidden window in `workingDir` and does not wait for it.
    virtual bool startHidden(const std::string& commandLine, const std::string& workingDir) = 0;
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
