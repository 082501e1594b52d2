#pragma once
// The ten junk filters, the custom filters and the rules that join them into the one pattern text
// that a search uses: wildcard patterns separated by ";", none before the first or after the last.
#include <array>
#include <string>
#include <string_view>

namespace brisko::finder {

struct JunkFilter {
    std::string_view box;  // the check box, also its settings key
    std::string_view pattern;
    std::string_view description;
};

// In the order in which their patterns enter the search's pattern text.
const std::array<JunkFilter, 10>& JunkFilters();
// The order in which "Select All" sets the boxes.
const std::array<std::string_view, 10>& SelectAllOrder();

// `text` without its first `head` and last `tail` characters; "" when it has no more.
std::string CutEnds(const std::string& text, std::size_t head, std::size_t tail);
// The search's patterns joined with custom patterns: the custom text alone when there are no
// patterns yet.
std::string JoinPatterns(const std::string& patternText, const std::string& custom);
// A custom-filter text that starts or ends with ";" is refused.
bool CustomFiltersRefused(const std::string& custom);

inline constexpr const char* kSyntaxErrorTitle = "Syntax Error";
inline constexpr const char* kSyntaxErrorText =
    "Separate multiple filters with a semicolon  ;     \r\n\r\nNo semicolon before the first "
    "filter or after the last, only in between filters with No Spaces.";

}  // namespace brisko::finder
