#pragma once
// The lookup window's search: entries that begin with the typed text, letter case ignored.
#include <string>
#include <string_view>
#include <vector>

namespace brisko::filetypes {

// Upper case of one character of the ANSI repertoire (ASCII and Windows-1252 letters).
char32_t UpperChar(char32_t c);

// Every entry, in order, whose first characters equal `search` ignoring case; an entry shorter
// than the search never matches, and an empty search matches nothing. Texts are UTF-8.
std::vector<std::string> PrefixMatches(const std::vector<std::string>& entries,
                                       std::string_view search);

}  // namespace brisko::filetypes
