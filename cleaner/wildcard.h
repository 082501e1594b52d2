#pragma once
// Wildcard matching of long file names: "*" matches any run of characters, "?" exactly one,
// letter case is ignored. The platform's own matching is not used because it also matches the
// 8.3 short names ("*.bak" would match "x.bakery" through its short name "XBAKER~1.BAK").
#include <string_view>

namespace brisko::cleaner {

// Names are UTF-8; "?" stands for one character, not one byte. As on the command line, a
// trailing ".*" also matches a name without extension, so "*.*" matches every name.
bool WildcardMatch(std::string_view pattern, std::string_view name);

bool HasWildcards(std::string_view pattern);

}  // namespace brisko::cleaner
