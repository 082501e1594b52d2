#pragma once
// The per-user settings store in HKEY_CURRENT_USER\Software\VB and VBA Program Settings,
// one key per application and section, one REG_SZ value per setting.
#include "platform/settings.h"

namespace brisko::win32 {

class Win32SettingsStore : public platform::SettingsStore {
  public:
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) override;
    bool save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
    void deleteApp(const std::string& app) override;
};

}  // namespace brisko::win32
