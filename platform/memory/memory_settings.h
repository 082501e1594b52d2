#pragma once
// In-memory settings store that records every save, for the tests.
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/settings.h"

namespace brisko::platform {

class MemorySettings : public SettingsStore {
  public:
    struct Save {
        std::string section, key, value;
    };
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) override;
    bool save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
    void deleteApp(const std::string& app) override;

    bool has(const std::string& section, const std::string& key,
             const std::string& app = "Brisko") const;
    // Everything stored for the application.
    size_t size(const std::string& app = "Brisko") const;
    std::vector<Save> saves;  // in call order
    bool failSaves = false;   // makes every save fail, as a store without write access does

  private:
    using Address = std::tuple<std::string, std::string, std::string>;
    static Address address(const std::string& app, const std::string& section,
                           const std::string& key);
    std::map<Address, std::string> values_;
};

}  // namespace brisko::platform
