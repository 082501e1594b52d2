#pragma once
// Reads the program's settings store as a user checks it, with the registry tool ("reg query").
#include <map>
#include <optional>
#include <string>

namespace brisko::e2e {

inline constexpr char kStoreKey[] = "HKCU\\Software\\VB and VBA Program Settings\\Brisko";

struct StoredValue {
    std::string type;  // "REG_SZ", ...
    std::string data;
};

// The values of one section of the store, or nothing when its key does not exist.
std::optional<std::map<std::string, StoredValue>> QuerySection(const std::string& section);
// Whether the store's key exists at all.
bool StoreExists();

}  // namespace brisko::e2e
