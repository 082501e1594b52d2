#include "cleaner/numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace brisko::cleaner {

double LeadingNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t end = i;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const size_t digitsStart = end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    }
    if (end == digitsStart || (end == digitsStart + 1 && text[digitsStart] == '.')) return 0;
    // An exponent belongs to the number only when digits follow it.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && std::isdigit(static_cast<unsigned char>(text[e]))) {
            while (e < text.size() && std::isdigit(static_cast<unsigned char>(text[e]))) ++e;
            end = e;
        }
    }
    const std::string number = text.substr(i, end - i);
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

std::optional<int> WholeNumber(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::nullopt;
    size_t end = text.find_last_not_of(" \t") + 1;
    const char* first = text.data() + begin;
    if (*first == '+') ++first;
    int value = 0;
    auto [ptr, ec] = std::from_chars(first, text.data() + end, value);
    if (ec != std::errc{} || ptr != text.data() + end) return std::nullopt;
    return value;
}

double StoredTotal(const std::string& text) {
    const double value = LeadingNumber(text);
    return value > 0 ? value : 0;
}

double AddTotals(double a, double b) {
    const double sum = a + b;
    return std::isfinite(sum) ? sum : std::numeric_limits<double>::max();
}

std::string DecimalText(double value) {
    char buffer[64];
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace brisko::cleaner
