#pragma once
// Case folding for the in-memory registry and file system, which ignore letter case as Windows
// does.
#include <cctype>
#include <string>
#include <vector>

namespace brisko::platform {

inline std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// "C:\A\\B\" -> {"C:", "A", "B"}
inline std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

}  // namespace brisko::platform
