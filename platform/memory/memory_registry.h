#pragma once
// In-memory registry with typed values; records every call so that tests can count attempts.
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace brisko::platform {

class MemoryRegistry : public Registry {
  public:
    struct Value {
        std::uint32_t type = kRegSz;
        std::string data;
    };
    struct Call {
        std::string op;  // "open", "query", "delete", "close"
        RegRoot root;
        std::string path;
        std::string name;
        long status;
    };

    long openKey(RegRoot root, const std::string& path, RegHandle& out) override;
    RegQuery queryValue(RegHandle key, const std::string& name, bool withData) override;
    long deleteValue(RegHandle key, const std::string& name) override;
    long closeKey(RegHandle key) override;

    // Seeding and inspection.
    void createKey(RegRoot root, const std::string& path);
    void set(RegRoot root, const std::string& path, const std::string& name,
             const std::string& data, std::uint32_t type = kRegSz);
    bool hasKey(RegRoot root, const std::string& path) const;
    bool hasValue(RegRoot root, const std::string& path, const std::string& name) const;
    std::vector<std::string> valueNames(RegRoot root, const std::string& path) const;
    // Names passed to deleteValue under one key, in order.
    std::vector<std::string> deletions(RegRoot root, const std::string& path) const;
    std::vector<std::string> deletions() const;  // "path|name" for every deletion
    size_t openHandles() const { return handles_.size(); }
    std::vector<Call> calls;

  private:
    struct Key {
        std::string path;                                             // as first created
        std::map<std::string, std::pair<std::string, Value>> values;  // upper name -> (name, value)
    };
    static std::string id(RegRoot root, const std::string& path);
    std::map<std::string, Key> keys_;
    std::map<RegHandle, std::pair<RegRoot, std::string>> handles_;
    RegHandle next_ = 0x100;
};

}  // namespace brisko::platform
