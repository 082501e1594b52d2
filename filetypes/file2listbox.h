#pragma once
// Reading a category file of the file-type database into a list.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "controls/widgets.h"
#include "platform/files_read.h"

namespace brisko::filetypes {

// A list holds at most this many entries: the count is a 16-bit signed number.
constexpr std::size_t kMaxEntries = 32767;
// A category file is read up to this size; far beyond any real one.
constexpr std::size_t kMaxFileBytes = 16u << 20;

// Splits text at CR and at CR LF; a lone LF stays in its entry, and a final terminator adds
// no empty entry. Stops after `limit` entries.
std::vector<std::string> SplitLines(std::string_view text, std::size_t limit = kMaxEntries);

// The file's bytes, in the ANSI code page (Windows-1252), as UTF-8 text for the controls.
// A NUL, which no list control can show, becomes a space.
std::string AnsiToUtf8(std::string_view ansi);

// Empties `target`, then adds one entry per line of the file; a missing or unreadable file
// leaves it empty.
void File2ListBox(platform::FileReader& reader, const std::string& path, controls::ListBox& target);

}  // namespace brisko::filetypes
