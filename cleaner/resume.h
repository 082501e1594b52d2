#pragma once
// Continue-on-error: a step that fails is skipped and traced, and the handler goes on with its
// next step. The user is never shown such a failure.
#include <exception>
#include <string>

#include "platform/trace.h"

namespace brisko::cleaner {

template <class F>
void Resume(platform::Trace& trace, const char* step, F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        trace.dropped(std::string(step) + ": " + e.what());
    }
}

}  // namespace brisko::cleaner
