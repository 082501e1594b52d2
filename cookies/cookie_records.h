#pragma once
// The browser's cookie files: records of nine lines each (name, value, host/path, flags, expiry
// and creation times as two numbers each, then "*"). Today's files have random names, so the
// sites they belong to are read from the records.
#include <string>
#include <string_view>
#include <vector>

namespace brisko::cookies {

struct CookieRecord {
    std::string name, value, host, path;
};

// The well-formed records, in file order. A record cut short, one whose numbers are no numbers
// or whose host is no printable name is left out; what follows it is read as it comes.
std::vector<CookieRecord> ParseCookieRecords(std::string_view text);

// The sites of the records, each once, in file order, joined with ", "; "" for none.
std::string CookieSites(std::string_view text);

}  // namespace brisko::cookies
