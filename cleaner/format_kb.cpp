#include "cleaner/format_kb.h"

#include <cmath>
#include <cstdio>

#include "cleaner/numbers.h"

namespace brisko::cleaner {

std::optional<std::string> FormatBytes(double n, const std::string& decimalSeparator) {
    if (!std::isfinite(n)) return std::nullopt;
    if (n < 1024) return DecimalText(n) + " bytes";
    static constexpr const char* kSuffixes[] = {" KB", " MB", " GB", " TB",
                                                " PB", " EB", " ZB", " YB"};
    int unit = 0;
    double divisor = 1024;
    while (unit < 7 && n >= divisor * 1024) {
        divisor *= 1024;
        ++unit;
    }
    const double quotient = n / divisor;
    // Two decimals, an exact half away from zero. Work in hundredths with a little slack so that
    // a quotient such as 1.125 that is exact in binary rounds up, as the pattern "0.00" does.
    const double hundredths = std::floor(quotient * 100 + 0.5 + 1e-9);
    if (!std::isfinite(hundredths)) return std::nullopt;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", hundredths);
    std::string digits = buffer;
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits.substr(0, digits.size() - 2) + decimalSeparator +
           digits.substr(digits.size() - 2) + kSuffixes[unit];
}

}  // namespace brisko::cleaner
