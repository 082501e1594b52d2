#include "tests/e2e/driver/settings_query.h"

#include <sstream>

#include "tests/e2e/driver/driver.h"

namespace brisko::e2e {

namespace {

// "    name    REG_SZ    data" (names may hold blanks; the type is the first REG_ word).
std::optional<std::pair<std::string, StoredValue>> ParseValueLine(const std::string& line) {
    const auto type = line.find("    REG_");
    if (type == std::string::npos) return std::nullopt;
    const auto nameStart = line.find_first_not_of(' ');
    std::string name = line.substr(nameStart, type - nameStart);
    const auto typeStart = type + 4;
    const auto typeEnd = line.find("    ", typeStart);
    StoredValue value;
    value.type = line.substr(
        typeStart, typeEnd == std::string::npos ? std::string::npos : typeEnd - typeStart);
    if (typeEnd != std::string::npos) value.data = line.substr(typeEnd + 4);
    while (!value.data.empty() && (value.data.back() == '\r' || value.data.back() == '\n'))
        value.data.pop_back();
    if (name == "(Default)") name.clear();
    return std::make_pair(name, value);
}

}  // namespace

std::optional<std::map<std::string, StoredValue>> QuerySection(const std::string& section) {
    const CommandResult result =
        RunCommand("reg.exe query \"" + std::string(kStoreKey) + "\\" + section + "\"");
    if (result.exitCode != 0) return std::nullopt;
    std::map<std::string, StoredValue> values;
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);)
        if (auto parsed = ParseValueLine(line)) values[parsed->first] = parsed->second;
    return values;
}

bool StoreExists() {
    return RunCommand("reg.exe query \"" + std::string(kStoreKey) + "\"").exitCode == 0;
}

}  // namespace brisko::e2e
