#include "cookies/cookie_records.h"

#include <algorithm>
#include <array>

namespace brisko::cookies {

namespace {

constexpr std::size_t kRecordLines = 9;

bool IsNumber(std::string_view line) {
    return !line.empty() &&
           std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsHostName(std::string_view host) {
    return !host.empty() && std::all_of(host.begin(), host.end(),
                                        [](char c) { return c > ' ' && c < 0x7F && c != '\\'; });
}

// The next line of `text` from `position`, without its end ("\n" or "\r\n").
std::string_view NextLine(std::string_view text, std::size_t& position) {
    const std::size_t end = std::min(text.find('\n', position), text.size());
    std::string_view line = text.substr(position, end - position);
    position = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

}  // namespace

std::vector<CookieRecord> ParseCookieRecords(std::string_view text) {
    std::vector<CookieRecord> records;
    std::size_t position = 0;
    std::array<std::string_view, kRecordLines> lines;
    std::size_t filled = 0;
    while (position < text.size()) {
        lines[filled++] = NextLine(text, position);
        if (lines[filled - 1] == "*" && filled < kRecordLines) {
            filled = 0;  // a record cut short: the next one starts after its end
            continue;
        }
        if (filled < kRecordLines) continue;
        filled = 0;
        const std::string_view where = lines[2];
        const std::size_t slash = where.find('/');
        const bool wellFormed = lines[8] == "*" && slash != std::string_view::npos &&
                                IsHostName(where.substr(0, slash)) &&
                                std::all_of(lines.begin() + 3, lines.begin() + 8, IsNumber);
        if (!wellFormed) continue;
        records.push_back({std::string(lines[0]), std::string(lines[1]),
                           std::string(where.substr(0, slash)), std::string(where.substr(slash))});
    }
    return records;
}

std::string CookieSites(std::string_view text) {
    std::vector<std::string> sites;
    for (const CookieRecord& record : ParseCookieRecords(text))
        if (std::find(sites.begin(), sites.end(), record.host) == sites.end())
            sites.push_back(record.host);
    std::string joined;
    for (const std::string& site : sites) joined += (joined.empty() ? "" : ", ") + site;
    return joined;
}

}  // namespace brisko::cookies
