#include "cleaner/reg32.h"

namespace brisko::cleaner {

namespace {

// Closes the key on every way out, so that no primitive leaves a handle open.
class OpenKey {
  public:
    OpenKey(platform::Registry& registry, platform::RegRoot root, const std::string& path)
        : registry_(registry) {
        registry_.openKey(root, path, handle_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (handle_ != 0) registry_.closeKey(handle_);
    }
    platform::RegHandle handle() const { return handle_; }

  private:
    platform::Registry& registry_;
    platform::RegHandle handle_ = 0;
};

}  // namespace

std::string ReadRegString(platform::Registry& registry, platform::RegRoot root,
                          const std::string& keyPath, const std::string& valueName) {
    OpenKey key(registry, root, keyPath);
    if (key.handle() == 0) return "";
    const platform::RegQuery probe = registry.queryValue(key.handle(), valueName, false);
    if (probe.status != platform::kRegSuccess || probe.type != platform::kRegSz) return "";
    const platform::RegQuery read = registry.queryValue(key.handle(), valueName, true);
    if (read.status != platform::kRegSuccess || read.type != platform::kRegSz) return "";
    const auto nul = read.data.find('\0');
    return nul == std::string::npos ? read.data : read.data.substr(0, nul);
}

void DeleteRegValue(platform::Registry& registry, platform::RegRoot root,
                    const std::string& keyPath, const std::string& valueName) {
    OpenKey key(registry, root, keyPath);
    // The attempt is made even on a key that could not be opened; it fails harmlessly there.
    registry.deleteValue(key.handle(), valueName);
}

}  // namespace brisko::cleaner
