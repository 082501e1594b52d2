#pragma once
// Registry primitives of the trace cleaner: read one text value, delete one value.
// Neither reports anything: a missing key or value simply yields "" or leaves things as they were.
#include <string>

#include "platform/registry.h"

namespace brisko::cleaner {

// The text of a REG_SZ value up to its first NUL; "" when the value is missing, unreadable or
// of any other type (REG_EXPAND_SZ and REG_BINARY included).
std::string ReadRegString(platform::Registry& registry, platform::RegRoot root,
                          const std::string& keyPath, const std::string& valueName);

// Deletes one value. The key stays, even when it becomes empty; a missing key is never created.
void DeleteRegValue(platform::Registry& registry, platform::RegRoot root,
                    const std::string& keyPath, const std::string& valueName);

}  // namespace brisko::cleaner
