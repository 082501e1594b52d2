#pragma once
// A check box's choice kept in the settings store as "0" or "1".
#include <string>

#include "controls/widgets.h"
#include "platform/services.h"

namespace brisko::cleaner {

// Sets `box` from the text stored under `key` in `section` ("0" when absent). Any text but a
// whole 0 or 1 leaves the box as it was, and is traced.
void RestoreCheck(platform::Services& services, const char* section, const std::string& key,
                  controls::CheckBox& box);

}  // namespace brisko::cleaner
