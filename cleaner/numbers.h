#pragma once
// Numbers kept as texts in the settings store and in labels.
#include <optional>
#include <string>

namespace brisko::cleaner {

// The leading decimal number of a text, leading blanks skipped; 0 when there is none.
double LeadingNumber(const std::string& text);
// A whole number, surrounding blanks allowed; nothing for any other text.
std::optional<int> WholeNumber(const std::string& text);
// Decimal text with up to 15 significant digits and no exponent for whole byte counts.
std::string DecimalText(double value);

}  // namespace brisko::cleaner
