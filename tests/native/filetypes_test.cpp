// The lookup window over an in-memory program folder, and the reading of its category files.
#include <gtest/gtest.h>

#include "controls/program_windows.h"
#include "filetypes/extens.h"
#include "filetypes/file2listbox.h"
#include "filetypes/prefix_search.h"
#include "platform/memory/memory_file_reader.h"
#include "platform/memory/memory_platform.h"

namespace brisko::filetypes {
namespace {

using Lines = std::vector<std::string>;

TEST(File2ListBox, LineEndsNulNonAnsiBytesUnreadableFilesTheCapAndThePrefixMatch) {
    // clang-format off
    const std::pair<const char*, Lines> cases[] = {
        {"A\r\nB\r\nC", {"A", "B", "C"}}, {"A\r\nB\r\nC\r\n", {"A", "B", "C"}},
        {"A\rB\rC\r", {"A", "B", "C"}}, {"A\nB\r\nC", {"A\nB", "C"}}, {"\nA", {"\nA"}},
        {"A\r\n\r\nB", {"A", "", "B"}}, {"A\r\r\nB", {"A", "", "B"}}, {"\r\n", {""}}, {"", {}},
        {"  DOC - x  \r\n", {"  DOC - x  "}}};
    // clang-format on
    for (const auto& [text, lines] : cases) EXPECT_EQ(SplitLines(text), lines) << text;
    platform::MemoryFileSystem fs;
    platform::MemoryFileReader reader(fs);
    std::string text = "AAA - first\r\n" + std::string("NUL - a\0b", 9) + "\r\n";
    text += "M7 - Thomson M\xE9mo7\r\n";      // Windows-1252 e acute
    text += "EUR - \x80 \x81 \xFF \xA0\r\n";  // euro sign, unassigned, y diaeresis, no-break space
    text += "UTF - \xC3\xA9 (UTF-8 bytes)\r\n";  // not ANSI: read as two ANSI characters
    text += "ZZZ - last";
    fs.addFileWithContent("C:\\x.vxl", text);
    controls::ListBox list("lstNames");
    list.addItem("old entry");
    File2ListBox(reader, "C:\\x.vxl", list);
    EXPECT_EQ(list.items(), (Lines{"AAA - first", "NUL - a b", "M7 - Thomson M\xC3\xA9mo7",
                                   "EUR - \xE2\x82\xAC \xC2\x81 \xC3\xBF \xC2\xA0",
                                   "UTF - \xC3\x83\xC2\xA9 (UTF-8 bytes)", "ZZZ - last"}));
    // A missing or unreadable file, or a folder, leaves the list empty.
    File2ListBox(reader, "C:\\P\\ext21.vxl", list);
    EXPECT_EQ(list.count(), 0);
    list.addItem("x");
    reader.unreadable.insert("C:\\x.vxl");
    File2ListBox(reader, "C:\\x.vxl", list);
    EXPECT_EQ(list.count(), 0);
    fs.addFolder("C:\\P");
    File2ListBox(reader, "C:\\P", list);
    EXPECT_EQ(list.count(), 0);
    // A long file stops at the cap.
    std::string numbered;
    for (int i = 0; i < 40000; ++i) numbered += "E" + std::to_string(i) + "\r\n";
    fs.addFileWithContent("C:\\big.vxl", numbered);
    File2ListBox(reader, "C:\\big.vxl", list);
    ASSERT_EQ(list.count(), static_cast<int>(kMaxEntries));
    EXPECT_EQ(list.item(0) + " " + list.item(32766), "E0 E32766");
    // The prefix match folds ANSI letters (the division sign and sharp s have no capitals).
    const std::pair<char32_t, char32_t> letters[] = {
        {U'a', U'A'},           {U'z', U'Z'},   {U'1', U'1'},   {0xE0, 0xC0},
        {U'\u00e9', U'\u00c9'}, {0xFE, 0xDE},   {0xF7, 0xF7},   {0xDF, 0xDF},
        {0xFF, 0x178},          {0x161, 0x160}, {0x153, 0x152}, {0x17E, 0x17D}};
    for (auto [c, upper] : letters) EXPECT_EQ(UpperChar(c), upper) << static_cast<int>(c);
    const Lines entries{"\xC3\x89T\xC3\x89 - summer", "ETE", "\xC3\xA9t", "E"};
    EXPECT_EQ(PrefixMatches(entries, "\xC3\xA9t"),
              (Lines{"\xC3\x89T\xC3\x89 - summer", "\xC3\xA9t"}));
    EXPECT_EQ(PrefixMatches(entries, "ET"), Lines{"ETE"});
    EXPECT_TRUE(PrefixMatches(entries, "ETEE") == Lines{} && PrefixMatches(entries, "") == Lines{});
    EXPECT_EQ(PrefixMatches({"\xC3"}, "\xC3"), Lines{"\xC3"});  // a broken byte is one character
}

struct ExtensFixture {
    platform::MemoryPlatform mem;
    platform::Services services = mem.services();
    platform::MemoryFileReader reader{mem.files};
    controls::ProgramWindows windows;
    Extens window{services, windows, reader};
    ExtensFixture() {
        mem.processes.folder = "C:\\Program Files\\Brisko";
        put("ext11.vxl",
            "DAT - Data file\r\nDOC - Word processor document\r\ndoc2 - lower case\r\n"
            "DOCX - Word document\r\nDO - Stata\r\nD - D source\r\nADO - not a match\r\n");
        put("ext21.vxl", "JPG - JPEG image\r\nPDF - PDF document\r\n");
        put("ext31.vxl", "RAR - RAR archive\r\nTXT - Text\r\nZIP - Zip archive\r\n");
        window.show();
    }
    bool namesShown() { return window.lstNames.visible() && !window.lstDisplay.visible(); }
    void put(const std::string& name, const std::string& content) {
        mem.files.addFileWithContent("C:\\Program Files\\Brisko\\" + name, content);
    }
    void type(const std::string& text) {
        for (char c : text) window.txtInput.setText(window.txtInput.text() + c);
    }
};

struct ExtensWindow : ExtensFixture, ::testing::Test {};

// The frame's bars and texts move the window; the lists lie between title and bottom bar.
TEST_F(ExtensWindow, LoadShowsTheFirstCategoryInItsStyledFrame) {
    auto& w = window;
    EXPECT_EQ(w.title() + "|" + w.XPDesign1.Caption(), "Extensions|Extensions");
    EXPECT_TRUE(w.lstNames.count() == 7 && w.XPDesign1.Stexte() == "7 of 3183 File Types");
    EXPECT_TRUE(w.Label1.caption() == "7" && namesShown() && w.Option2.value());
    EXPECT_EQ(w.lstNames.horizontalExtent(), 1074);  // 8055 twips / 15 * 2
    EXPECT_EQ(w.lstDisplay.horizontalExtent(), 1074);
    EXPECT_EQ(w.txtInput.toolTip + "|" + w.lstDisplay.toolTip + "|" + w.lstNames.toolTip,
              "Enter the first letters...Click or press Enter to clear last search|"
              "Displays search Results|List of all extensions");
    EXPECT_EQ(w.widgets.front(), &w.txtInput);
    using E = controls::FrameElement;
    for (auto e : {E::TitleBar, E::BottomBar, E::CaptionText, E::StatusText})
        EXPECT_EQ(w.XPDesign1.press(e, controls::MouseButton::Left), &w);
    const auto bottom = w.XPDesign1.element(E::BottomBar);
    const controls::Widget* inside[] = {&w.lstNames, &w.Frame1};
    for (const controls::Widget* c : inside) {
        EXPECT_GE(c->rect.top, controls::XPDesign::kTitleHeight);
        EXPECT_LE(c->rect.top + c->rect.height, bottom.top);
    }
    w.XPDesign1.act(controls::CaptionButton::Minimise);
    EXPECT_EQ(w.state(), controls::WindowState::Minimized);
    w.XPDesign1.act(controls::CaptionButton::Close);
    EXPECT_FALSE(w.loaded());
}

// The empty text matches nothing, and an entry shorter than the search never matches.
TEST_F(ExtensWindow, SearchMatchesTheBeginningInEitherCaseAndEnterOrClickClearsIt) {
    auto& w = window;
    type("do");
    const Lines expected{"DOC - Word processor document", "doc2 - lower case",
                         "DOCX - Word document", "DO - Stata"};
    EXPECT_EQ(w.lstDisplay.items(), expected);
    EXPECT_TRUE(w.lstDisplay.visible() && !w.lstNames.visible());
    w.txtInput.setText("");
    EXPECT_TRUE(w.lstDisplay.count() == 0 && w.lstDisplay.visible());
    type("DO");
    EXPECT_EQ(w.lstDisplay.items(), expected);
    w.txtInput.setText("Doc");
    EXPECT_EQ(w.lstDisplay.items(), (Lines{"DOC - Word processor document", "doc2 - lower case",
                                           "DOCX - Word document"}));
    w.txtInput.setText("DO - Stata and more");
    EXPECT_EQ(w.lstDisplay.count(), 0);
    // The box takes twenty characters; Enter or a click clears it, other keys do not.
    w.txtInput.setText("");
    type("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(w.txtInput.text(), "abcdefghijklmnopqrst");
    w.txtInput.onKeyPress(13);
    EXPECT_TRUE(w.txtInput.text() == "" && namesShown() && w.lstNames.count() == 7);
    type("d");
    w.lstDisplay.setListIndex(1);
    w.txtInput.onKeyPress('x');
    EXPECT_EQ(w.txtInput.text(), "d");
    w.txtInput.onClick();
    EXPECT_TRUE(w.txtInput.text() == "" && w.lstDisplay.listIndex() == -1 && namesShown());
}

// A missing category file shows zero; reopening starts again at the first category.
TEST_F(ExtensWindow, ChoosingACategoryReplacesTheListAndReopeningStartsAtTheFirst) {
    auto& w = window;
    type("d");
    w.Option4.setValue(true);
    EXPECT_FALSE(w.Option2.value());
    EXPECT_EQ(w.lstNames.items(), (Lines{"RAR - RAR archive", "TXT - Text", "ZIP - Zip archive"}));
    EXPECT_TRUE(w.txtInput.text() == "" && w.XPDesign1.Stexte() == "3 of 3183 File Types");
    EXPECT_TRUE(namesShown() && w.lstDisplay.count() == 0);
    type("z");
    w.XPDesign1.onClose();
    EXPECT_FALSE(w.loaded());
    const int reads = reader.reads;
    w.show();
    EXPECT_EQ(reader.reads, reads + 1);  // one load of ext11.vxl, no other file
    EXPECT_TRUE(w.Option2.value() && !w.Option4.value() && w.txtInput.text() == "");
    EXPECT_TRUE(w.lstNames.count() == 7 && namesShown());
    mem.files.removeTree("C:\\Program Files\\Brisko\\ext21.vxl");
    w.Option3.setValue(true);
    EXPECT_EQ(w.lstNames.count(), 0);
    EXPECT_EQ(w.XPDesign1.Stexte() + "|" + w.Label1.caption(), "0 of 3183 File Types|0");
    EXPECT_TRUE(mem.desktop.messages.empty());
}

}  // namespace
}  // namespace brisko::filetypes
