#include "platform/memory/memory_registry.h"

#include "platform/memory/text.h"

namespace brisko::platform {

std::string MemoryRegistry::id(RegRoot root, const std::string& path) {
    std::string joined = root == RegRoot::CurrentUser ? "HKCU" : "HKU";
    for (const auto& part : splitPath(path)) joined.append("\\").append(upper(part));
    return joined;
}

void MemoryRegistry::createKey(RegRoot root, const std::string& path) {
    // Creating a key creates its parents as well.
    std::string partial;
    for (const auto& part : splitPath(path)) {
        partial += (partial.empty() ? "" : "\\") + part;
        auto& key = keys_[id(root, partial)];
        if (key.path.empty()) key.path = partial;
    }
}

void MemoryRegistry::set(RegRoot root, const std::string& path, const std::string& name,
                         const std::string& data, std::uint32_t type) {
    createKey(root, path);
    keys_[id(root, path)].values[upper(name)] = {name, Value{type, data}};
}

bool MemoryRegistry::hasKey(RegRoot root, const std::string& path) const {
    return splitPath(path).empty() || keys_.count(id(root, path)) != 0;
}

bool MemoryRegistry::hasValue(RegRoot root, const std::string& path,
                              const std::string& name) const {
    auto it = keys_.find(id(root, path));
    return it != keys_.end() && it->second.values.count(upper(name)) != 0;
}

std::vector<std::string> MemoryRegistry::valueNames(RegRoot root, const std::string& path) const {
    std::vector<std::string> names;
    auto it = keys_.find(id(root, path));
    if (it != keys_.end())
        for (const auto& [folded, entry] : it->second.values) names.push_back(entry.first);
    return names;
}

std::vector<std::string> MemoryRegistry::deletions(RegRoot root, const std::string& path) const {
    std::vector<std::string> names;
    const std::string wanted = id(root, path);
    for (const auto& call : calls)
        if (call.op == "delete" && id(call.root, call.path) == wanted) names.push_back(call.name);
    return names;
}

std::vector<std::string> MemoryRegistry::deletions() const {
    std::vector<std::string> all;
    for (const auto& call : calls)
        if (call.op == "delete") all.push_back(call.path + "|" + call.name);
    return all;
}

long MemoryRegistry::openKey(RegRoot root, const std::string& path, RegHandle& out) {
    out = 0;
    long status = hasKey(root, path) ? kRegSuccess : kRegNotFound;
    if (status == kRegSuccess) {
        out = next_++;
        handles_[out] = {root, path};
    }
    calls.push_back({"open", root, path, "", status});
    return status;
}

RegQuery MemoryRegistry::queryValue(RegHandle key, const std::string& name, bool withData) {
    RegQuery result;
    auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        result.status = kRegInvalidHandle;
        calls.push_back({"query", RegRoot::CurrentUser, "", name, result.status});
        return result;
    }
    const auto& [root, path] = handle->second;
    auto found = keys_.find(id(root, path));
    const Value* value = nullptr;
    if (found != keys_.end()) {
        auto v = found->second.values.find(upper(name));
        if (v != found->second.values.end()) value = &v->second.second;
    }
    if (value) {
        result.status = kRegSuccess;
        result.type = value->type;
        const bool text = value->type == kRegSz || value->type == kRegExpandSz;
        result.size = static_cast<std::uint32_t>(value->data.size() + (text ? 1 : 0));
        if (withData) result.data = value->data;
    }
    calls.push_back({"query", root, path, name, result.status});
    return result;
}

long MemoryRegistry::deleteValue(RegHandle key, const std::string& name) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        calls.push_back({"delete", RegRoot::CurrentUser, "", name, kRegInvalidHandle});
        return kRegInvalidHandle;
    }
    const auto& [root, path] = handle->second;
    long status = kRegNotFound;
    auto found = keys_.find(id(root, path));
    if (found != keys_.end() && found->second.values.erase(upper(name)) != 0) status = kRegSuccess;
    calls.push_back({"delete", root, path, name, status});
    return status;
}

long MemoryRegistry::closeKey(RegHandle key) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) return kRegInvalidHandle;
    calls.push_back({"close", handle->second.first, handle->second.second, "", kRegSuccess});
    handles_.erase(handle);
    return kRegSuccess;
}

}  // namespace brisko::platform
