#pragma once
// The registry with open / query / delete-value / close semantics. Handles given out are the
// keys this object opened; any other value, 0 included, is an invalid handle (error 6) rather
// than something handed to the system. Keys left open are closed when the object goes.
#include <map>

#include "platform/registry.h"
#include "platform/win32/win32_handles.h"

namespace brisko::win32 {

class Win32Registry : public platform::Registry {
  public:
    long openKey(platform::RegRoot root, const std::string& path,
                 platform::RegHandle& out) override;
    platform::RegQuery queryValue(platform::RegHandle key, const std::string& name,
                                  bool withData) override;
    long deleteValue(platform::RegHandle key, const std::string& name) override;
    long closeKey(platform::RegHandle key) override;

  private:
    HKEY lookUp(platform::RegHandle key) const;

    std::map<platform::RegHandle, UniqueKey> open_;
};

}  // namespace brisko::win32
