#pragma once
// Registry access with the open / query / delete-value / close semantics of the Win32 API.
// Status codes are the Win32 error numbers (0 is success).
#include <cstdint>
#include <string>

namespace brisko::platform {

enum class RegRoot { CurrentUser, Users };

using RegHandle = std::uintptr_t;  // 0 is the null handle
constexpr long kRegSuccess = 0;
constexpr long kRegNotFound = 2;
constexpr long kRegInvalidHandle = 6;
constexpr long kRegMoreData = 234;
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

struct RegQuery {
    long status = kRegNotFound;
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;  // bytes the value's data needs, terminator included for texts
    std::string data;        // the value's text (UTF-8) when data was asked for and it is a text
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Opens an existing key (never creates one); `out` stays 0 on failure.
    virtual long openKey(RegRoot root, const std::string& path, RegHandle& out) = 0;
    // Type and size of a value; with `withData` also its text.
    virtual RegQuery queryValue(RegHandle key, const std::string& name, bool withData) = 0;
    virtual long deleteValue(RegHandle key, const std::string& name) = 0;
    virtual long closeKey(RegHandle key) = 0;
};

}  // namespace brisko::platform
