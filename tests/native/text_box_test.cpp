// The text box's model: what a keyboard delivers one UTF-16 unit at a time, and its length limit.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "controls/widgets.h"

namespace brisko::controls {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// One keystroke per UTF-16 unit; each whole character is one change for the window.
TEST(TextBox, KeystrokesReachTheTextAsWholeCharactersAndTheLimitCountsUtf16Units) {
    const std::u16string keys = u"*.тмп;*.中文;😀;ÿé";
    TextBox custom{"txtCustom"};
    int changes = 0;
    custom.onChange = [&] { ++changes; };
    for (size_t n = 1; n <= keys.size(); ++n) {
        const std::u16string held = keys.substr(0, n);
        const std::string before = custom.text();
        custom.typed(held);
        const bool firstHalf = held.back() >= 0xD800 && held.back() <= 0xDBFF;
        EXPECT_TRUE(!firstHalf || custom.text() == before) << n;  // waits for the other half
        EXPECT_EQ(custom.text().find(kReplacement), std::string::npos) << n;
        EXPECT_TRUE(custom.shownBy(held)) << n << ": the view would rewrite what was typed";
    }
    EXPECT_TRUE(custom.text() == "*.тмп;*.中文;😀;ÿé" && changes == 15);
    // A lone half is no character; a replacement character in its place is not the text.
    const std::u16string cut = {u'a', 0xD83D, u'b', 0xDE00, u'c'};
    const std::u16string replaced = {u'a', 0xFFFD, u'b', u'c'};
    TextBox box{"txtInput"};
    box.typed(cut);
    EXPECT_TRUE(box.text() == "abc" && box.shownBy(cut) && !box.shownBy(replaced));
    box.typed(std::u16string{0xDBFF, 0xDFFF});  // the last character there is, U+10FFFF
    EXPECT_EQ(box.text(), "\xF4\x8F\xBF\xBF");
    // The limit counts UTF-16 units and never splits a character.
    const std::tuple<int, const char*, const char*> cases[] = {
        {4, "abcdef", "abcd"},  // one byte, one unit each
        {3, "тмпx", "тмп"},     // two bytes, one unit each
        {2, "中文字", "中文"},  // three bytes, one unit each
        {3, "ab😀", "ab"},       // would take the third and a fourth unit
        {4, "ab😀c", "ab😀"},     // four bytes, two units
        {0, "ab😀c", "ab😀c"},    // no limit
    };
    for (auto [maxLength, given, kept] : cases) {
        TextBox box{"txtInput"};
        box.maxLength = maxLength;
        box.setText(given);
        EXPECT_EQ(box.text(), kept) << given << " within " << maxLength;
    }
}

}  // namespace
}  // namespace brisko::controls
