#pragma once
// Byte counts as the user reads them: "65 bytes", "1.50 KB", ... "1024.00 YB".
#include <optional>
#include <string>

namespace brisko::cleaner {

// `decimalSeparator` is the user's locale setting. Empty for a value that is not finite.
std::optional<std::string> FormatBytes(double bytes, const std::string& decimalSeparator = ".");

}  // namespace brisko::cleaner
