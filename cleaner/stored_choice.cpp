#include "cleaner/stored_choice.h"

#include "cleaner/numbers.h"
#include "cleaner/settings_keys.h"

namespace brisko::cleaner {

void RestoreCheck(platform::Services& services, const char* section, const std::string& key,
                  controls::CheckBox& box) {
    const std::string text = services.settings.get(kSettingsApp, section, key, "0");
    const auto value = WholeNumber(text);
    if (value && (*value == 0 || *value == 1))
        box.setValue(*value);
    else
        services.trace.dropped("settings: " + key + " holds \"" + text + "\"; kept as it was");
}

}  // namespace brisko::cleaner
