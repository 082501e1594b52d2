#include "platform/memory/memory_services.h"

#include <stdexcept>

namespace brisko::platform {

void MemoryDesktop::runUntil(const std::function<bool()>& done) {
    ++modalRuns;
    if (!done() && onModal) {
        auto script = onModal;
        script();
    }
    if (!done()) throw std::logic_error("a modal window was left open by the test");
}

namespace {

class MemoryStartedProcess : public StartedProcess {
  public:
    MemoryStartedProcess(MemoryProcesses& owner, MemoryProcesses::Started what)
        : owner_(owner), what_(std::move(what)), polls_(owner.runsFor) {}
    std::optional<long> exitCode() override {
        if (!ended_ && polls_-- > 0) return std::nullopt;
        if (!ended_) {
            ended_ = true;
            --owner_.running;
            if (owner_.onEnd) owner_.onEnd(what_);
        }
        return owner_.exitCode;
    }

  private:
    MemoryProcesses& owner_;
    MemoryProcesses::Started what_;
    int polls_;
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<StartedProcess> MemoryProcesses::startHidden(const std::string& commandLine,
                                                             const std::string& workingDir) {
    if (!canStart) return nullptr;
    started.push_back({commandLine, workingDir});
    ++running;
    return std::make_unique<MemoryStartedProcess>(*this, started.back());
}

}  // namespace brisko::platform
