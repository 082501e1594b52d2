#include "platform/memory/memory_settings.h"

#include "platform/memory/text.h"

namespace brisko::platform {

MemorySettings::Address MemorySettings::address(const std::string& app, const std::string& section,
                                                const std::string& key) {
    return {upper(app), upper(section), upper(key)};
}

std::string MemorySettings::get(const std::string& app, const std::string& section,
                                const std::string& key, const std::string& fallback) {
    auto it = values_.find(address(app, section, key));
    return it == values_.end() ? fallback : it->second;
}

bool MemorySettings::save(const std::string& app, const std::string& section,
                          const std::string& key, const std::string& value) {
    if (failSaves) return false;
    values_[address(app, section, key)] = value;
    saves.push_back({section, key, value});
    return true;
}

void MemorySettings::deleteApp(const std::string& app) {
    const std::string name = upper(app);
    std::erase_if(values_, [&](const auto& entry) { return std::get<0>(entry.first) == name; });
}

bool MemorySettings::has(const std::string& section, const std::string& key,
                         const std::string& app) const {
    return values_.count(address(app, section, key)) != 0;
}

size_t MemorySettings::size(const std::string& app) const {
    const std::string name = upper(app);
    size_t n = 0;
    for (const auto& entry : values_) n += std::get<0>(entry.first) == name;
    return n;
}

}  // namespace brisko::platform
