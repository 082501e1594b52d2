// The lookup window over an in-memory program folder.
#include <gtest/gtest.h>

#include "controls/program_windows.h"
#include "filetypes/extens.h"
#include "filetypes/prefix_search.h"
#include "platform/memory/memory_file_reader.h"
#include "platform/memory/memory_platform.h"

namespace brisko::filetypes {
namespace {

using Lines = std::vector<std::string>;

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
    }
    void put(const std::string& name, const std::string& content) {
        mem.files.addFileWithContent("C:\\Program Files\\Brisko\\" + name, content);
    }
    void type(const std::string& text) {
        for (char c : text) window.txtInput.setText(window.txtInput.text() + c);
    }
};

TEST(Extens, LoadShowsTheFirstCategoryAndItsCount) {
    ExtensFixture f;
    f.window.show();
    EXPECT_EQ(f.window.title(), "Extensions");
    EXPECT_EQ(f.window.XPDesign1.Caption(), "Extensions");
    EXPECT_EQ(f.window.lstNames.count(), 7);
    EXPECT_EQ(f.window.XPDesign1.Stexte(), "7 of 3183 File Types");
    EXPECT_EQ(f.window.XPDesign1.Label2[1].caption(), "7 of 3183 File Types");  // the shadow too
    EXPECT_EQ(f.window.Label1.caption(), "7");
    EXPECT_TRUE(f.window.lstNames.visible());
    EXPECT_FALSE(f.window.lstDisplay.visible());
    EXPECT_TRUE(f.window.Option2.value());
    EXPECT_EQ(f.window.lstNames.horizontalExtent(), 1074);  // 8055 twips / 15 * 2
    EXPECT_EQ(f.window.lstDisplay.horizontalExtent(), 1074);
    EXPECT_EQ(f.window.txtInput.toolTip,
              "Enter the first letters...Click or press Enter to clear last search");
    EXPECT_EQ(f.window.lstDisplay.toolTip, "Displays search Results");
    EXPECT_EQ(f.window.lstNames.toolTip, "List of all extensions");
    EXPECT_EQ(f.window.XPDesign1.rect.width, 8505);
    EXPECT_EQ(f.window.widgets.front(), &f.window.txtInput);
}

TEST(Extens, CarriesTheStyledFrameOverItsWholeClientAreaAndItsButtonsAct) {
    ExtensFixture f;
    f.window.show();
    EXPECT_EQ(f.window.styledFrame, &f.window.XPDesign1);
    EXPECT_EQ(f.window.skin.kind(), controls::SkinKind::TitleStrip);  // no system title bar
    EXPECT_EQ(f.window.XPDesign1.rect.height, 4305);
    EXPECT_TRUE(f.window.XPDesign1.QuitButton());
    EXPECT_TRUE(f.window.XPDesign1.hlpbutton());
    // Every bar of the frame moves the window, as its texts do.
    for (auto e : {controls::FrameElement::TitleBar, controls::FrameElement::BottomBar,
                   controls::FrameElement::CaptionText, controls::FrameElement::StatusText})
        EXPECT_EQ(f.window.XPDesign1.press(e, controls::MouseButton::Left), &f.window);
    // The lists and the search box lie between the title bar and the bottom bar.
    const auto bottom = f.window.XPDesign1.element(controls::FrameElement::BottomBar);
    for (const controls::Widget* w : {static_cast<const controls::Widget*>(&f.window.lstNames),
                                      static_cast<const controls::Widget*>(&f.window.Frame1)}) {
        EXPECT_GE(w->rect.top, controls::XPDesign::kTitleHeight);
        EXPECT_LE(w->rect.top + w->rect.height, bottom.top);
    }
    // Its caption buttons minimise and close the window.
    f.window.XPDesign1.act(controls::CaptionButton::Minimise);
    EXPECT_EQ(f.window.state(), controls::WindowState::Minimized);
    f.window.XPDesign1.act(controls::CaptionButton::Close);
    EXPECT_FALSE(f.window.loaded());
}

TEST(Extens, SearchMatchesTheBeginningInEitherCase) {
    ExtensFixture f;
    f.window.show();
    f.type("do");
    const Lines expected{"DOC - Word processor document", "doc2 - lower case",
                         "DOCX - Word document", "DO - Stata"};
    EXPECT_EQ(f.window.lstDisplay.items(), expected);
    EXPECT_TRUE(f.window.lstDisplay.visible());
    EXPECT_FALSE(f.window.lstNames.visible());
    f.window.txtInput.setText("");
    EXPECT_EQ(f.window.lstDisplay.count(), 0);  // the empty text matches nothing
    EXPECT_TRUE(f.window.lstDisplay.visible());
    f.type("DO");
    EXPECT_EQ(f.window.lstDisplay.items(), expected);
    f.window.txtInput.setText("Doc");
    EXPECT_EQ(f.window.lstDisplay.items(), (Lines{"DOC - Word processor document",
                                                  "doc2 - lower case", "DOCX - Word document"}));
    // Longer than the entry it starts: an entry shorter than the search never matches.
    f.window.txtInput.setText("DO - Stata and more");
    EXPECT_EQ(f.window.lstDisplay.count(), 0);
}

TEST(Extens, SearchBoxTakesTwentyCharactersAndEnterOrClickClearsIt) {
    ExtensFixture f;
    f.window.show();
    f.type("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(f.window.txtInput.text(), "abcdefghijklmnopqrst");
    f.window.txtInput.onKeyPress(13);
    EXPECT_EQ(f.window.txtInput.text(), "");
    EXPECT_TRUE(f.window.lstNames.visible());
    EXPECT_FALSE(f.window.lstDisplay.visible());
    EXPECT_EQ(f.window.lstNames.count(), 7);
    f.type("d");
    f.window.lstDisplay.setListIndex(1);
    f.window.txtInput.onKeyPress('x');  // other keys do not clear
    EXPECT_EQ(f.window.txtInput.text(), "d");
    f.window.txtInput.onClick();
    EXPECT_EQ(f.window.txtInput.text(), "");
    EXPECT_EQ(f.window.lstDisplay.listIndex(), -1);
    EXPECT_TRUE(f.window.lstNames.visible());
    EXPECT_FALSE(f.window.lstDisplay.visible());
}

TEST(Extens, ChoosingACategoryReplacesTheListAndAMissingFileShowsZero) {
    ExtensFixture f;
    f.window.show();
    f.type("d");
    f.window.Option4.setValue(true);
    EXPECT_FALSE(f.window.Option2.value());
    EXPECT_EQ(f.window.lstNames.items(),
              (Lines{"RAR - RAR archive", "TXT - Text", "ZIP - Zip archive"}));
    EXPECT_EQ(f.window.txtInput.text(), "");
    EXPECT_EQ(f.window.XPDesign1.Stexte(), "3 of 3183 File Types");
    EXPECT_TRUE(f.window.lstNames.visible());
    EXPECT_FALSE(f.window.lstDisplay.visible());
    EXPECT_EQ(f.window.lstDisplay.count(), 0);

    f.mem.files.removeTree("C:\\Program Files\\Brisko\\ext21.vxl");
    f.window.Option3.setValue(true);
    EXPECT_EQ(f.window.lstNames.count(), 0);
    EXPECT_EQ(f.window.XPDesign1.Stexte(), "0 of 3183 File Types");
    EXPECT_EQ(f.window.Label1.caption(), "0");
    EXPECT_TRUE(f.mem.desktop.messages.empty());
}

TEST(Extens, ReopeningStartsAgainAtTheFirstCategory) {
    ExtensFixture f;
    f.window.show();
    f.window.Option4.setValue(true);
    f.type("z");
    f.window.XPDesign1.onClose();
    EXPECT_FALSE(f.window.loaded());
    const int reads = f.reader.reads;
    f.window.show();
    EXPECT_EQ(f.reader.reads, reads + 1);  // one load of ext11.vxl, no other file
    EXPECT_TRUE(f.window.Option2.value());
    EXPECT_FALSE(f.window.Option4.value());
    EXPECT_EQ(f.window.txtInput.text(), "");
    EXPECT_EQ(f.window.lstNames.count(), 7);
    EXPECT_TRUE(f.window.lstNames.visible());
    EXPECT_FALSE(f.window.lstDisplay.visible());
}

TEST(PrefixSearch, FoldsAnsiLettersAndNeverMatchesShorterEntries) {
    EXPECT_EQ(UpperChar(U'\u00e9'), U'\u00c9');
    EXPECT_EQ(UpperChar(U'\u00f7'), U'\u00f7');  // the division sign has no capital
    EXPECT_EQ(UpperChar(U'\u00ff'), U'\u0178');
    EXPECT_EQ(UpperChar(U'1'), U'1');
    const Lines entries{"\xC3\x89T\xC3\x89 - summer", "ETE", "\xC3\xA9t", "E"};
    EXPECT_EQ(PrefixMatches(entries, "\xC3\xA9t"),
              (Lines{"\xC3\x89T\xC3\x89 - summer", "\xC3\xA9t"}));
    EXPECT_EQ(PrefixMatches(entries, "ET"), Lines{"ETE"});
    EXPECT_EQ(PrefixMatches(entries, "ETEE"), Lines{});
    EXPECT_EQ(PrefixMatches(entries, ""), Lines{});
    EXPECT_EQ(PrefixMatches({"\xC3"}, "\xC3"), Lines{"\xC3"});  // a broken byte is one character
}

}  // namespace
}  // namespace brisko::filetypes
