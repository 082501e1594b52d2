#include "filetypes/prefix_search.h"

namespace brisko::filetypes {

namespace {

// Decodes one character at `pos` and moves past it; a malformed byte counts as one character.
char32_t next(std::string_view s, std::size_t& pos) {
    auto b = static_cast<unsigned char>(s[pos]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (extra == 0 || pos + static_cast<std::size_t>(extra) >= s.size()) {
        ++pos;
        return b;
    }
    char32_t c = b & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        auto cont = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((cont & 0xC0) != 0x80) {
            ++pos;
            return b;
        }
        c = (c << 6) | (cont & 0x3F);
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return c;
}

}  // namespace

char32_t UpperChar(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    switch (c) {
        case 0xFF:
            return 0x178;
        case 0x161:
            return 0x160;
        case 0x153:
            return 0x152;
        case 0x17E:
            return 0x17D;
        default:
            return c;
    }
}

std::vector<std::string> PrefixMatches(const std::vector<std::string>& entries,
                                       std::string_view search) {
    std::vector<std::string> found;
    std::u32string key;
    for (std::size_t pos = 0; pos < search.size();) key += UpperChar(next(search, pos));
    if (key.empty()) return found;
    for (const std::string& entry : entries) {
        std::string_view e(entry);
        std::size_t pos = 0;
        std::size_t matched = 0;
        while (matched < key.size() && pos < e.size() && UpperChar(next(e, pos)) == key[matched])
            ++matched;
        if (matched == key.size()) found.push_back(entry);
    }
    return found;
}

}  // namespace brisko::filetypes
