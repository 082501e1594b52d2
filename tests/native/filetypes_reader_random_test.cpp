// Category-file reader against thousands of random byte strings: line ends, NULs, high bytes,
// long lines and the entry cap. Fixed seed, so a failure always repeats.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "filetypes/file2listbox.h"
#include "platform/memory/memory_file_reader.h"
#include "platform/memory/memory_filesystem.h"

namespace brisko::filetypes {
namespace {

// Builds inputs from pieces that stress the reader: line ends of all kinds, NUL, bytes >= 0x80,
// plain text, and now and then a very long run.
std::string RandomInput(std::mt19937& rng) {
    std::uniform_int_distribution<int> pieces(0, 40);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string s;
    int n = pieces(rng);
    for (int i = 0; i < n; ++i) {
        const int k = kind(rng);
        if (k <= 3) {
            static const std::string kEnds[] = {"\r", "\n", "\r\n", std::string(1, '\0')};
            s += kEnds[k];
        } else if (k == 4) {
            s += static_cast<char>(0x80 + byte(rng) % 128);
        } else if (k == 5) {
            s += static_cast<char>(byte(rng));
        } else if (k == 6) {
            if (byte(rng) < 8) s.append(5000 + byte(rng) * 20, 'L');  // a very long line
        } else {
            s += "DOC - Word text";
        }
    }
    return s;
}

// What the reader promises about the text, written in bytes: every CR LF counts as one CR,
// and one terminator at the very end adds nothing.
std::string Normalised(const std::string& in) {
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i) {
        out += in[i];
        if (in[i] == '\r' && i + 1 < in.size() && in[i + 1] == '\n') ++i;
    }
    if (!out.empty() && out.back() == '\r') out.pop_back();
    return out;
}

std::size_t CodePoints(const std::string& utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

void CheckInvariants(const std::string& input, const std::vector<std::string>& entries) {
    ASSERT_LE(entries.size(), kMaxEntries);
    std::string joined;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ASSERT_EQ(entries[i].find('\r'), std::string::npos) << "entry " << i;
        ASSERT_EQ(entries[i].find('\0'), std::string::npos) << "entry " << i;
        if (i) joined += '\r';
        joined += entries[i];
    }
    std::string text = Normalised(input);
    if (entries.size() == kMaxEntries) {
        // Capped: the entries are exactly the first 32,767 lines.
        std::size_t pos = std::string::npos;
        std::size_t from = 0;
        for (std::size_t k = 0; k < kMaxEntries; ++k) {
            pos = text.find('\r', from);
            if (pos == std::string::npos) break;
            from = pos + 1;
        }
        if (pos != std::string::npos) text.resize(pos);
    }
    if (input.empty()) {
        ASSERT_TRUE(entries.empty());
        return;
    }
    // Joined back with CR, the entries give the file's text, byte for byte once the ANSI bytes
    // are shown as characters: one character per byte, lone LFs kept, NUL shown as a space.
    ASSERT_EQ(CodePoints(joined), text.size());
    std::string shown = text;
    for (char& c : shown)
        if (c == '\0') c = ' ';
    ASSERT_EQ(joined, AnsiToUtf8(shown));
}

TEST(File2ListBoxRandom, ThousandsOfRandomFilesKeepTheLineRules) {
    std::mt19937 rng(20261207);
    platform::MemoryFileSystem fs;
    platform::MemoryFileReader reader(fs);
    controls::ListBox list("lstNames");
    for (int round = 0; round < 4000; ++round) {
        std::string input = RandomInput(rng);
        std::string path = "C:\\P\\ext" + std::to_string(round % 3) + ".vxl";
        fs.addFileWithContent(path, input);
        File2ListBox(reader, path, list);
        SCOPED_TRACE("round " + std::to_string(round));
        CheckInvariants(input, list.items());
        if (HasFatalFailure()) return;
        // A terminator at the end never adds an empty entry; an empty line before it does.
        if (!input.empty() && input.back() == '\n' && input.size() >= 2 &&
            input[input.size() - 2] == '\r') {
            std::string body = input.substr(0, input.size() - 2);
            if (!body.empty() && body.back() != '\r' &&
                !(body.size() >= 2 && body.substr(body.size() - 2) == "\r\n")) {
                ASSERT_FALSE(list.items().back().empty());
            }
        }
    }
}

TEST(File2ListBoxRandom, FilesWithMoreLinesThanTheCapStopAtIt) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> end(0, 3);
    platform::MemoryFileSystem fs;
    platform::MemoryFileReader reader(fs);
    controls::ListBox list("lstNames");
    for (int round = 0; round < 3; ++round) {
        std::string input;
        for (int i = 0; i < 33000 + round * 500; ++i) {
            input += "E";
            // A lone LF stays in its line and the CR after it ends it; the last adds an empty line.
            static const char* const kEnds[] = {"\r", "\r\n", "\n\r", "\r\n\r"};
            const int e = end(rng);
            input += kEnds[e];
            if (e == 3) ++i;
        }
        fs.addFileWithContent("C:\\big.vxl", input);
        File2ListBox(reader, "C:\\big.vxl", list);
        ASSERT_EQ(list.count(), static_cast<int>(kMaxEntries));
        CheckInvariants(input, list.items());
    }
}

}  // namespace
}  // namespace brisko::filetypes
