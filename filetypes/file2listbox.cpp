#include "filetypes/file2listbox.h"

#include "controls/utf16.h"

namespace brisko::filetypes {

std::vector<std::string> SplitLines(std::string_view text, std::size_t limit) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < limit) {
        std::size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 controls, as Windows does.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (char ch : ansi) {
        auto b = static_cast<unsigned char>(ch);
        if (b == 0)
            out += ' ';
        else if (b < 0x80)
            out += static_cast<char>(b);
        else if (b < 0xA0)
            controls::AppendUtf8(out, kHigh[b - 0x80]);
        else
            controls::AppendUtf8(out, b);
    }
    return out;
}

void File2ListBox(platform::FileReader& reader, const std::string& path,
                  controls::ListBox& target) {
    target.clear();
    auto bytes = reader.readAll(path, kMaxFileBytes);
    if (!bytes) return;
    std::vector<std::string> entries = SplitLines(*bytes);
    for (auto& e : entries) e = AnsiToUtf8(e);
    target.assign(std::move(entries));
}

}  // namespace brisko::filetypes
