#pragma once
// In-memory shell, processes, multimedia and desktop that record what the program asks of them.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/multimedia.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/trace.h"
#include "platform/ui.h"

namespace brisko::platform {

class MemoryShell : public Shell {
  public:
    void clearRecentDocuments() override { calls.push_back("SHAddToRecentDocs(0, null)"); }
    long emptyRecycleBin(WindowHandle owner, unsigned flags) override {
        calls.push_back("SHEmptyRecycleBin(" + std::to_string(owner) + ", null, " +
                        std::to_string(flags) + ")");
        if (binBytes) binBytes = 0;
        return 0;
    }
    void updateRecycleBinIcon() override { calls.push_back("SHUpdateRecycleBinIcon()"); }
    std::optional<std::uint64_t> recycleBinBytes() override { return binBytes; }
    std::optional<std::string> userFolder(UserFolder folder) override {
        const auto it = folders.find(folder);
        if (it == folders.end()) return std::nullopt;
        return it->second;
    }
    long open(WindowHandle owner, const std::string& operation, const std::string& file,
              const std::string& parameters, int showCommand) override {
        calls.push_back("ShellExecute(" + std::to_string(owner) + ", " + operation + ", " + file +
                        ", " + parameters + ", " + std::to_string(showCommand) + ")");
        return 42;
    }
    int deleteFiles(WindowHandle owner, const std::vector<std::string>& paths,
                    unsigned flags) override {
        deleteRequests.push_back({owner, paths, flags});
        if (onDelete) onDelete(paths);
        return deleteResult;
    }
    struct DeleteRequest {
        WindowHandle owner;
        std::vector<std::string> paths;
        unsigned flags;
    };
    std::vector<std::string> calls;
    std::vector<DeleteRequest> deleteRequests;
    int deleteResult = 0;
    // What the shell does with the files, such as taking them out of a test's file system.
    std::function<void(const std::vector<std::string>&)> onDelete;
    std::optional<std::uint64_t> binBytes;      // what the bins hold; none: the shell cannot tell
    std::map<UserFolder, std::string> folders;  // the folders the shell names
};

class MemoryProcesses : public Processes {
  public:
    struct Started {
        std::string commandLine, workingDir;
    };
    std::optional<std::string> environment(const std::string& name) override {
        auto it = variables.find(name);
        if (it == variables.end()) return std::nullopt;
        return it->second;
    }
    // The process runs until it has been looked in on `runsFor` times; then `onEnd` does its work
    // (a test's stand-in for the removal) and it ends with `exitCode`.
    std::unique_ptr<StartedProcess> startHidden(const std::string& commandLine,
                                                const std::string& workingDir) override;
    std::optional<std::string> tempFolder() override { return temp; }
    std::string programFolder() override { return folder; }

    std::map<std::string, std::string> variables{{"COMSPEC", "C:\\WINDOWS\\COMMAND.COM"}};
    std::vector<Started> started;
    std::string folder = "C:\\Program Files\\Brisko";
    std::optional<std::string> temp;
    bool canStart = true;
    int runsFor = 0;
    long exitCode = 0;
    std::function<void(const Started&)> onEnd;
    int running = 0;  // started and not yet ended
};

class MemoryMultimedia : public Multimedia {
  public:
    bool playSoundSync(const std::string& path) override {
        played.push_back(path);
        if (onPlay) onPlay(path);
        return true;
    }
    std::vector<std::string> played;
    std::function<void(const std::string&)> onPlay;
};

// The desktop of the tests: yields and modal loops run the test's own script.
class MemoryDesktop : public Desktop {
  public:
    void yield() override {
        ++yields;
        if (onYield) onYield();
    }
    // A modal window: the test's `onModal` acts as the user; the window must be closed by then.
    void runUntil(const std::function<bool()>& done) override;
    int messageBox(const std::string& text, const std::string& title, unsigned flags) override {
        messages.push_back({text, title, flags});
        return 1;
    }
    std::string decimalSeparator() override { return separator; }
    [[noreturn]] void endProgram() override {
        ended = true;
        throw ProgramEnded{};
    }

    struct Message {
        std::string text, title;
        unsigned flags;
    };
    int yields = 0;
    std::function<void()> onYield;
    std::function<void()> onModal;
    int modalRuns = 0;
    std::vector<Message> messages;
    std::string separator = ".";
    bool ended = false;
};

// Keeps every dropped failure, so that a test can see that a step failed and the handler went on.
class MemoryTrace : public Trace {
  public:
    void dropped(const std::string& what) override { lines.push_back(what); }
    std::vector<std::string> lines;
};

}  // namespace brisko::platform
