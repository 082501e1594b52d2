#pragma once
// Per-user settings store: texts addressed by application, section and key.
#include <string>

namespace brisko::platform {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key or its section does not exist.
    virtual std::string get(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& fallback) = 0;
    // Creates what is missing; returns false when the value could not be written.
    virtual bool save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) = 0;
    // Removes every section and key of the application.
    virtual void deleteApp(const std::string& app) = 0;
};

}  // namespace brisko::platform
