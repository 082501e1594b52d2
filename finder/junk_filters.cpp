#include "finder/junk_filters.h"

namespace brisko::finder {

const std::array<JunkFilter, 10>& JunkFilters() {
    static constexpr std::array<JunkFilter, 10> filters = {{
        {"chkGID", "*.gid",
         "Temorary Help File  (a new one will be created every time you use the Help file)"},
        {"chkTMP", "*.tmp", "Temporary file (created by Windows)"},
        {"chkBAK", "*.bak",
         "Backup file created when an installed program alters a file you already have.  Safe to "
         "delete unless you plan to unistall the program that created it."},
        {"chkBAK2", "*.b~k", "Backup of the Backup file above"},
        {"chkSYD", "*.syd", "Backup of startup files"},
        {"chkOLD", "*.old", "Generic Backup file"},
        {"chkCHK", "*.chk", "File fragments saved by Windows Disk Defragmenter or ScanDisk"},
        {"chkFTS", "*.fts",
         "Help system full-text search index  (a new one will be created every time you use the "
         "Help file)"},
        {"chkDIZ", "*.diz", "Program Description file included in Zip file"},
        {"chkFTG", "*.ftg",
         "Help system full-text search group file  (a new one will be created every time you use "
         "the Help file)"},
    }};
    return filters;
}

const std::array<std::string_view, 10>& SelectAllOrder() {
    static constexpr std::array<std::string_view, 10> order = {
        "chkTMP", "chkBAK", "chkBAK2", "chkGID", "chkSYD",
        "chkOLD", "chkCHK", "chkFTS",  "chkDIZ", "chkFTG"};
    return order;
}

std::string CutEnds(const std::string& text, std::size_t head, std::size_t tail) {
    if (text.size() <= head + tail) return "";
    return text.substr(head, text.size() - head - tail);
}

std::string JoinPatterns(const std::string& patternText, const std::string& custom) {
    return patternText.empty() ? custom : patternText + ";" + custom;
}

bool CustomFiltersRefused(const std::string& custom) {
    return !custom.empty() && (custom.front() == ';' || custom.back() == ';');
}

}  // namespace brisko::finder
