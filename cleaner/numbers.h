#pragma once
// Numbers kept as texts in the settings store and in labels.
#include <optional>
#include <string>

namespace brisko::cleaner {

// The leading decimal number of a text, leading blanks skipped; 0 when there is none.
double LeadingNumber(const std::string& text);
// A whole number, surrounding blanks allowed; nothing for any other text.
std::optional<int> WholeNumber(const std::string& text);
// A byte total kept as text: its leading number, where a negative count counts as 0.
double StoredTotal(const std::string& text);
// The sum of two byte totals; at most the largest finite count, so that it can still be shown.
double AddTotals(double a, double b);
// Decimal text with up to 15 significant digits and no exponent for whole byte counts.
std::string DecimalText(double value);

}  // namespace brisko::cleaner
