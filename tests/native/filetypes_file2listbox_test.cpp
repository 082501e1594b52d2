// Reading category files into a list: line ends, limits and broken bytes.
#include <gtest/gtest.h>

#include "filetypes/file2listbox.h"
#include "platform/memory/memory_file_reader.h"
#include "platform/memory/memory_filesystem.h"

namespace brisko::filetypes {
namespace {

using Lines = std::vector<std::string>;

TEST(File2ListBox, LineEnds) {
    EXPECT_EQ(SplitLines("A\r\nB\r\nC"), (Lines{"A", "B", "C"}));      // no final terminator
    EXPECT_EQ(SplitLines("A\r\nB\r\nC\r\n"), (Lines{"A", "B", "C"}));  // no extra empty entry
    EXPECT_EQ(SplitLines("A\rB\rC\r"), (Lines{"A", "B", "C"}));        // CR alone ends a line too
    EXPECT_EQ(SplitLines("A\nB\r\nC"), (Lines{"A\nB", "C"}));          // a lone LF stays inside
    EXPECT_EQ(SplitLines("\nA"), (Lines{"\nA"}));
    EXPECT_EQ(SplitLines("A\r\n\r\nB"), (Lines{"A", "", "B"}));  // an empty line is an entry
    EXPECT_EQ(SplitLines("A\r\r\nB"), (Lines{"A", "", "B"}));
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("  DOC - x  \r\n"), (Lines{"  DOC - x  "}));  // verbatim, not trimmed
}

TEST(File2ListBox, ReadsIntoTheListAndAMissingFileLeavesItEmpty) {
    platform::MemoryFileSystem fs;
    platform::MemoryFileReader reader(fs);
    fs.addFileWithContent("C:\\P\\ext11.vxl", "ABC - One\r\nABD - Two\rXYZ\n - three");
    controls::ListBox list("lstNames");
    list.addItem("old entry");
    File2ListBox(reader, "C:\\P\\ext11.vxl", list);
    EXPECT_EQ(list.items(), (Lines{"ABC - One", "ABD - Two", "XYZ\n - three"}));
    File2ListBox(reader, "C:\\P\\ext21.vxl", list);
    EXPECT_EQ(list.count(), 0);
    list.addItem("x");
    reader.unreadable.insert("C:\\P\\ext11.vxl");
    File2ListBox(reader, "C:\\P\\ext11.vxl", list);
    EXPECT_EQ(list.count(), 0);
    File2ListBox(reader, "C:\\P", list);  // a folder is not a category file
    EXPECT_EQ(list.count(), 0);
}

TEST(File2ListBox, StopsAt32767EntriesWithoutOverflow) {
    std::string text;
    for (int i = 0; i < 40000; ++i) text += "E" + std::to_string(i) + "\r\n";
    platform::MemoryFileSystem fs;
    platform::MemoryFileReader reader(fs);
    fs.addFileWithContent("C:\\big.vxl", text);
    controls::ListBox list("lstNames");
    File2ListBox(reader, "C:\\big.vxl", list);
    ASSERT_EQ(list.count(), 32767);
    EXPECT_EQ(list.item(0), "E0");
    EXPECT_EQ(list.item(32766), "E32766");
}

TEST(File2ListBox, NulAndNonAnsiBytesLeaveTheOtherEntriesIntact) {
    platform::MemoryFileSystem fs;
    platform::MemoryFileReader reader(fs);
    std::string text = "AAA - first\r\n";
    text += std::string("NUL - a\0b", 9) + "\r\n";
    text += "M7 - Thomson M\xE9mo7\r\n";         // Windows-1252 e acute
    text += "EUR - \x80 \x81 \xFF\r\n";          // euro sign, an unassigned byte, y diaeresis
    text += "UTF - \xC3\xA9 (UTF-8 bytes)\r\n";  // not ANSI: read as two ANSI characters
    text += "ZZZ - last";
    fs.addFileWithContent("C:\\x.vxl", text);
    controls::ListBox list("lstNames");
    File2ListBox(reader, "C:\\x.vxl", list);
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.item(0), "AAA - first");
    EXPECT_EQ(list.item(1), "NUL - a b");
    EXPECT_EQ(list.item(2), "M7 - Thomson M\xC3\xA9mo7");
    EXPECT_EQ(list.item(3), "EUR - \xE2\x82\xAC \xC2\x81 \xC3\xBF");
    EXPECT_EQ(list.item(4), "UTF - \xC3\x83\xC2\xA9 (UTF-8 bytes)");
    EXPECT_EQ(list.item(5), "ZZZ - last");
}

}  // namespace
}  // namespace brisko::filetypes
