#include "cleaner/wildcard.h"

#include <vector>

namespace brisko::cleaner {

namespace {

// Decodes UTF-8 into code points; a malformed byte stands for itself, so no input is rejected.
std::vector<char32_t> decode(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80           ? 1
                        : (lead >> 5) == 0x6  ? 2
                        : (lead >> 4) == 0xE  ? 3
                        : (lead >> 3) == 0x1E ? 4
                                              : 0;
        char32_t cp = 0;
        bool valid = length != 0 && i + length <= text.size();
        if (valid) {
            cp = length == 1 ? lead : lead & (0x7F >> length);
            for (size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(text[i + k]);
                if ((next & 0xC0) != 0x80) {
                    valid = false;
                    break;
                }
                cp = (cp << 6) | (next & 0x3F);
            }
        }
        if (!valid) {
            cp = lead;
            length = 1;
        }
        out.push_back(cp);
        i += length;
    }
    return out;
}

char32_t fold(char32_t c) {
    return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
}

// Iterative matching with one back-up point (the last star): linear for the usual patterns and
// never worse than pattern length times name length.
bool match(const std::vector<char32_t>& p, size_t pEnd, const std::vector<char32_t>& n) {
    size_t pi = 0, ni = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (ni < n.size()) {
        if (pi < pEnd && p[pi] == U'*') {
            starP = pi++;
            starN = ni;
        } else if (pi < pEnd && (p[pi] == U'?' || fold(p[pi]) == fold(n[ni]))) {
            ++pi;
            ++ni;
        } else if (starP != std::string_view::npos) {
            pi = starP + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (pi < pEnd && p[pi] == U'*') ++pi;
    return pi == pEnd;
}

}  // namespace

bool HasWildcards(std::string_view pattern) {
    return pattern.find_first_of("*?") != std::string_view::npos;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    const auto p = decode(pattern);
    const auto n = decode(name);
    if (match(p, p.size(), n)) return true;
    const bool dotStar = p.size() >= 2 && p[p.size() - 2] == U'.' && p.back() == U'*';
    return dotStar && name.find('.') == std::string_view::npos && match(p, p.size() - 2, n);
}

}  // namespace brisko::cleaner
