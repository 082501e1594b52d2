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

}  // namespace brisko::platform
