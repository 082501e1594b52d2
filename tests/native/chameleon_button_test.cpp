// The chameleon button: style 3 pixel for pixel, the outlines, palettes, access keys and input.
#include "controls/chameleon_button.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "controls/raster.h"
#include "controls/widgets.h"

namespace brisko::controls {
namespace {

using Strings = std::vector<std::string>;
constexpr Colour kGrey = rgb(192, 192, 192), kWhite = rgb(255, 255, 255);

struct Look {
    int fadeRed, fadeBlue;
    Colour frame, bottom, top1, top2;
    std::optional<Colour> sides;  // the side lines, when drawn
};
// clang-format off
const Look kNormal{75, 50, rgb(140, 174, 231), rgb(107, 130, 239), rgb(206, 231, 255), rgb(189, 215, 247), {}};
const Look kFocused{75, 50, rgb(140, 174, 231), rgb(107, 130, 239), rgb(206, 231, 255), rgb(189, 215, 247), kWhite};
const Look kPressed{85, 60, rgb(255, 178, 49), rgb(231, 150, 0), rgb(255, 243, 206), rgb(255, 219, 140), rgb(255, 203, 107)};
const Look kDisabled{60, 40, rgb(153, 186, 253), rgb(113, 138, 254), rgb(208, 234, 255), rgb(191, 217, 250), {}};
// clang-format on

// The colour that the last step of the table leaves at (x, y), for pixels inside the outline.
Colour Expected(const Look& l, int W, int H, int x, int y) {
    const bool edgeRow = (y == 0 || y == H - 1) && x >= 2 && x <= W - 3;
    const bool edgeColumn = (x == 0 || x == W - 1) && y >= 2 && y <= H - 3;
    if (edgeRow || edgeColumn) return rgb(0, 60, 115);
    if ((x == 1 || x == W - 2) && (y == 1 || y == H - 2)) return rgb(16, 77, 123);
    if (y == 1) return l.top1;
    if (y == 2) return l.top2;
    if (y == H - 2) return l.bottom;
    if (x == 1 || x == W - 2 || y == H - 3) return l.frame;
    if (l.sides && (x == 2 || x == W - 3)) return *l.sides;
    // Halves to even: the default rounding mode of the floating-point unit.
    const int a = static_cast<int>(std::nearbyint(y * l.fadeRed / static_cast<double>(H)));
    const int b = static_cast<int>(std::nearbyint(y * l.fadeBlue / static_cast<double>(H)));
    return rgb(255 - a, 255 - a, 255 - b);
}

// Every pixel, row by row.
std::vector<Colour> Pixels(const Raster& r) {
    std::vector<Colour> out;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) out.push_back(r.at(x, y));
    return out;
}
Raster Draw(const ChameleonButton& b) {
    Raster r(b.width(), b.height(), rgb(1, 2, 3));
    b.draw(r);
    return r;
}

struct Drawn {
    ChameleonButton button;
    explicit Drawn(int w, int h) {
        button.setButtonType(3);
        button.setColorScheme(2);
        button.setBackColor(kGrey);
        button.setForeColor(rgb(0, 0, 255));
        button.setCaption("&Exit");
        button.resize(w, h);
    }
    Raster draw() const { return Draw(button); }
    // Each text drawn as "text left,top,right,bottom colour flags".
    Strings texts() const {
        Strings out;
        const Raster r = draw();
        const auto n = [](auto v) { return std::to_string(v); };
        for (const auto& [text, b, colour, flags] : r.texts())
            out.push_back(text + " " + n(b.left) + "," + n(b.top) + "," + n(b.right) + "," +
                          n(b.bottom) + " " + n(colour) + " " + n(flags));
        return out;
    }
};

void ExpectPicture(const Raster& r, const Look& look, const Outline& outline) {
    const int W = r.width(), H = r.height();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (outline.contains(x, y)) {
                ASSERT_EQ(r.at(x, y), Expected(look, W, H, x, y))
                    << "at (" << x << ", " << y << ") of " << W << " x " << H;
            }
}

class Style3 : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(Style3, NormalFocusedPressedAndDisabledFollowTheTable) {
    const auto [w, h] = GetParam();
    Drawn d(w, h);
    ExpectPicture(d.draw(), kNormal, d.button.outline());
    d.button.setFocused(true);
    ExpectPicture(d.draw(), kFocused, d.button.outline());
    d.button.mouseDown(MouseButton::Left, 0, 3, 3);
    ExpectPicture(d.draw(), kPressed, d.button.outline());
    d.button.mouseUp(MouseButton::Left, 0, 3, 3);
    d.button.setFocused(false);
    d.button.setEnabled(false);
    ExpectPicture(d.draw(), kDisabled, d.button.outline());
}

INSTANTIATE_TEST_SUITE_P(Sizes, Style3,
                         ::testing::Values(std::pair{75, 23}, std::pair{20, 20}, std::pair{97, 25},
                                           std::pair{40, 7}));

// The caption shifts when down and is embossed when disabled; no focus rect, no focused look.
TEST(Style3Look, TheCaptionIsPlacedPerLookAndTheFocusRectCanBeOff) {
    Drawn d(75, 23);
    const auto unfocused = Pixels(d.draw());
    d.button.setShowFocusRect(false);
    d.button.setFocused(true);
    EXPECT_EQ(Pixels(d.draw()), unfocused);
    const std::string blue = std::to_string(rgb(0, 0, 255));
    EXPECT_EQ(d.texts(), Strings{"&Exit 0,0,75,23 " + blue + " 101"});
    d.button.keyDown(Key::Space, 0);
    EXPECT_EQ(d.texts(), Strings{"&Exit 2,2,75,23 " + blue + " 101"});
    d.button.keyUp(Key::Space, 0);
    d.button.setEnabled(false);
    EXPECT_EQ(d.texts(),
              (Strings{"&Exit 2,2,75,23 " + std::to_string(rgb(239, 239, 239)) + " 101",
                       "&Exit 0,0,75,23 " + std::to_string(rgb(128, 128, 128)) + " 101"}));
}

TEST(Outlines, EachStyleCutsItsOwnCornersAndThePalettesAndAccessKeysFollowTheProperties) {
    const int W = 10, H = 6;
    const std::vector<Point> rounded = {{0, 0}, {1, 0}, {0, 1}, {9, 0}, {8, 0}, {9, 1},
                                        {0, 5}, {1, 5}, {0, 4}, {9, 5}, {8, 5}, {9, 4}};
    // clang-format off
    const std::pair<int, std::vector<Point>> cases[] = {{1, {{0, 0}, {9, 0}, {0, 5}, {9, 5}}},
        {2, {}}, {3, rounded}, {4, rounded}, {5, {{0, 5}, {9, 0}}}, {6, {}}, {7, {}}};
    // clang-format on
    for (const auto& [style, cut] : cases) {
        const Outline o = OutlineOf(style, W, H);
        int inside = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) inside += o.contains(x, y) ? 1 : 0;
        EXPECT_EQ(inside, W * H - static_cast<int>(cut.size())) << "style " << style;
        for (Point p : cut) EXPECT_FALSE(o.contains(p.x, p.y)) << "style " << style;
        EXPECT_TRUE(!o.contains(W, 0) && !o.contains(-1, 0));
    }
    // Rounded corners keep the pixels just beyond the cut ones.
    const Outline o = OutlineOf(3, W, H);
    EXPECT_TRUE(o.contains(2, 0) && o.contains(1, 1) && o.contains(0, 2));
    // Tiny buttons cut each pixel once and nothing outside.
    EXPECT_TRUE(OutlineOf(3, 2, 2).cuts.size() == 4u && OutlineOf(3, 0, 0).cuts.empty());
    EXPECT_EQ(OutlineOf(1, 1, 1).cuts.size(), 1u);
    ChameleonButton b;
    b.resize(10, 6);
    EXPECT_TRUE(b.outline().cuts.empty());  // style 2 by default
    b.setButtonType(3);
    EXPECT_TRUE(b.outline().cuts.empty());
    b.resize(10, 6);
    EXPECT_EQ(b.outline().cuts.size(), 12u);
    // Shift clamps; custom shifts the face, fixed is grey, the others take the system's.
    EXPECT_EQ(Shift(rgb(250, 10, 128), 20), rgb(255, 30, 148));
    EXPECT_EQ(Shift(rgb(250, 10, 128), -20), rgb(230, 0, 108));
    const Colour black = rgb(0, 0, 0), dark = rgb(128, 128, 128), light = rgb(223, 223, 223);
    EXPECT_EQ(MakePalette(2, kGrey, rgb(0, 0, 255), kClassicSystemColours),
              (ButtonPalette{kGrey, light, rgb(239, 239, 239), dark, black, rgb(0, 0, 255)}));
    EXPECT_EQ(MakePalette(3, rgb(10, 20, 30), rgb(1, 1, 1), {}),
              (ButtonPalette{kGrey, light, kWhite, dark, black, black}));
    const ButtonPalette system{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(MakePalette(1, kGrey, kGrey, system), system);
    EXPECT_EQ(MakePalette(9, kGrey, kGrey, system), system);
    // A new button takes the system's colours, then follows its own properties.
    ChameleonButton fresh;
    EXPECT_EQ(fresh.palette(), kClassicSystemColours);
    fresh.setColorScheme(2);
    fresh.setBackColor(rgb(100, 100, 100));
    EXPECT_EQ(fresh.palette().shadow, rgb(36, 36, 36));
    // The first single ampersand, not the last character, marks the access key.
    const std::pair<const char*, std::optional<char>> keys[] = {
        {"A&&B&C", 'c'}, {"&Exit", 'e'}, {"I &Accept", 'a'}, {"&A", 'a'},  {"&", {}},
        {"", {}},        {"&&", {}},     {"AB&", {}},        {"Plain", {}}};
    for (auto [caption, key] : keys) EXPECT_EQ(AccessKey(caption), key) << caption;
}

struct Input : ::testing::Test {
    ChameleonButton b;
    int clicks = 0;
    Strings events;
    Input() {
        b.setButtonType(3);
        b.resize(75, 23);
        b.onClick = [this] { ++clicks; };
        b.onMouseDown = [this](MouseButton m, int, int x, int y) {
            events.push_back("down " + std::to_string(static_cast<int>(m)) + " " +
                             std::to_string(x) + "," + std::to_string(y));
        };
        b.onMouseUp = [this](MouseButton m, int, int, int) {
            events.push_back("up " + std::to_string(static_cast<int>(m)));
        };
        b.onKeyDown = [this](Key, int) { events.push_back("keydown"); };
        b.onKeyUp = [this](Key, int) { events.push_back("keyup"); };
    }
};

TEST_F(Input, OnlyALeftPressReleasedInsideClicks) {
    b.mouseDown(MouseButton::Left, 0, 10, 10);
    EXPECT_EQ(b.state(), ChameleonButton::kPressed);
    b.mouseUp(MouseButton::Left, 0, 10, 10);
    EXPECT_TRUE(b.state() == ChameleonButton::kNormal && clicks == 1);
    EXPECT_EQ(events, (Strings{"down 1 10,10", "up 1"}));
    // The right button neither presses nor clicks.
    events.clear();
    b.mouseDown(MouseButton::Right, 0, 10, 10);
    EXPECT_EQ(b.state(), ChameleonButton::kNormal);
    b.mouseUp(MouseButton::Right, 0, 10, 10);
    b.click();  // even if the platform reported one, the last button was the right one
    EXPECT_TRUE((clicks == 1 && events == Strings{"down 2 10,10", "up 2"}));
    // Pressed, moved out and released outside: no click.
    b.mouseDown(MouseButton::Left, 0, 10, 10);
    b.mouseMove(MouseButton::Left, 80, 10);
    EXPECT_EQ(b.state(), ChameleonButton::kNormal);
    b.mouseMove(MouseButton::Left, 75, 23);  // the far edge still counts as inside
    EXPECT_EQ(b.state(), ChameleonButton::kPressed);
    b.mouseMove(MouseButton::Left, 10, -1);
    EXPECT_EQ(b.state(), ChameleonButton::kNormal);
    b.mouseUp(MouseButton::Left, 0, 10, -1);
    EXPECT_EQ(clicks, 1);
    // Hover has no look of its own.
    const int before = b.repaints();
    b.mouseMove(std::nullopt, 10, 10);
    b.mouseMove(std::nullopt, 11, 10);
    EXPECT_TRUE(b.repaints() == before && b.state() == ChameleonButton::kNormal);
}

TEST_F(Input, ADoubleClickShowsThePressButRaisesNoSecondClickAndADisabledButtonNone) {
    b.mouseDown(MouseButton::Left, 0, 10, 10);
    b.mouseUp(MouseButton::Left, 0, 10, 10);
    b.doubleClick();
    EXPECT_TRUE(b.state() == ChameleonButton::kPressed && events.back() == "down 1 1,1");
    b.mouseUp(MouseButton::Left, 0, 10, 10);
    EXPECT_TRUE(b.state() == ChameleonButton::kNormal && clicks == 1);
    // A platform that clicks on its own gets no click for a double click's press.
    b.mouseDown(MouseButton::Left, 0, 10, 10);
    b.platformClick();
    b.doubleClick();
    b.platformClick();
    EXPECT_EQ(clicks, 2);
    b.keyDown(Key::Space, 0);  // a new press clicks again
    b.platformClick();
    EXPECT_EQ(clicks, 3);
    b.showPressed(true);
    EXPECT_EQ(b.state(), ChameleonButton::kPressed);
    b.showPressed(false);
    EXPECT_EQ(b.state(), ChameleonButton::kNormal);
    // Disabled, nothing clicks whatever arrives.
    b.setEnabled(false);
    b.mouseDown(MouseButton::Left, 0, 10, 10);
    b.mouseUp(MouseButton::Left, 0, 10, 10);
    b.keyDown(Key::Space, 0);
    b.keyUp(Key::Space, 0);
    b.accessKeyPressed();
    b.click();
    EXPECT_TRUE(clicks == 3 && b.state() == ChameleonButton::kNormal);
    b.setEnabled(true);
    b.accessKeyPressed();
    EXPECT_EQ(clicks, 4);
}

TEST_F(Input, ArrowKeysMoveTheFocusLikeTabSpaceClicksOnReleaseAndChangesRepaint) {
    std::vector<int> moves;
    b.onMoveFocus = [&](int d) { moves.push_back(d); };
    for (Key k : {Key::Right, Key::Down, Key::Left, Key::Up, Key::Other}) b.keyDown(k, 0);
    EXPECT_EQ(moves, (std::vector<int>{1, 1, -1, -1}));
    events.clear();
    b.keyDown(Key::Space, 0);
    EXPECT_TRUE(b.state() == ChameleonButton::kPressed && clicks == 0);
    b.keyUp(Key::Space, 0);
    EXPECT_TRUE(b.state() == ChameleonButton::kNormal && clicks == 1);
    EXPECT_EQ(events, (Strings{"down 1 1,1", "keydown", "up 1", "keyup"}));
    // After a right press, Space still clicks.
    b.mouseDown(MouseButton::Right, 0, 5, 5);
    b.mouseUp(MouseButton::Right, 0, 5, 5);
    b.keyDown(Key::Space, 0);
    b.keyUp(Key::Space, 0);
    EXPECT_EQ(clicks, 2);
    // Focus and resize repaint at once, but a flat button draws nothing.
    int painted = b.repaints();
    b.setFocused(true);
    EXPECT_EQ(b.repaints(), ++painted);
    b.resize(60, 20);
    EXPECT_TRUE(b.repaints() == ++painted && b.outline().width == 60);
    b.resize(60, 0);
    b.setCaption("x");
    EXPECT_EQ(b.repaints(), painted);
}

TEST(OtherStyles, PressedDiffersFromNormalAndOnlySomeDrawTheFocusRect) {
    for (int style = 1; style <= 7; ++style) {
        ChameleonButton b;
        b.setButtonType(style);
        b.resize(30, 16);
        const Raster normal = Draw(b);
        b.mouseDown(MouseButton::Left, 0, 5, 5);
        EXPECT_NE(Pixels(Draw(b)), Pixels(normal)) << "style " << style;
        b.mouseUp(MouseButton::Left, 0, 50, 50);
        b.setFocused(true);
        const Raster focused = Draw(b);
        const bool drawsFocusRect = style == 1 || style == 2 || style == 6 || style == 7;
        EXPECT_EQ(focused.at(5, 4) != normal.at(5, 4), drawsFocusRect) << "style " << style;
        EXPECT_EQ(focused.at(4, 4), normal.at(4, 4)) << "style " << style;  // dotted
    }
}

TEST(Layout, EveryKeyIsWrittenAndMissingKeysReadAsDefaults) {
    ChameleonButton b;
    b.setButtonType(5);
    b.setCaption("&Go");
    b.setColorScheme(3);
    b.setShowFocusRect(false);
    b.setEnabled(false);
    const auto stored = b.saveLayout();
    for (const char* key : {"BCOL", "FCOL", "BTYPE", "TX", "ENAB", "FONT", "COLTYPE", "FOCUSR"})
        EXPECT_TRUE(stored.count(key)) << key;
    ChameleonButton copy;
    copy.readLayout(stored);
    EXPECT_EQ(std::tuple(copy.buttonType(), copy.accessKey(), copy.palette().face,
                         copy.showFocusRect(), copy.enabled()),
              std::tuple(5, std::optional{'g'}, kGrey, false, false));
    ChameleonButton fresh;
    for (const char* beyond : {"99999999999999999999", "4294967297", "-4294967295"}) {
        fresh.readLayout({{"BTYPE", beyond}});  // beyond an int, not wrapped into it: the default
        EXPECT_EQ(fresh.buttonType(), 2) << beyond;
    }
    fresh.readLayout({{"TX", "Hi"}, {"BTYPE", "junk"}});
    EXPECT_EQ(std::tuple(fresh.caption(), fresh.buttonType(), fresh.colorScheme(), fresh.enabled()),
              std::tuple("Hi", 2, 1, true));
}

TEST(WindowsPushButton, IsAStyle3GreyButtonInStepWithItsModel) {
    PushButton p("cmdGo");
    int clicks = 0;
    p.onClick = [&] { ++clicks; };
    EXPECT_EQ(
        std::tuple(p.look().buttonType(), p.look().palette().highlight, p.look().palette().text),
        std::tuple(3, rgb(239, 239, 239), rgb(0, 0, 255)));
    p.setCaption("&Search");
    EXPECT_EQ(p.look().accessKey(), 's');
    p.foreColor = rgb(0, 0, 192);
    EXPECT_EQ(p.look().palette().text, rgb(0, 0, 192));
    p.look().keyDown(Key::Space, 0);
    p.look().keyUp(Key::Space, 0);
    p.click();
    EXPECT_EQ(clicks, 2);
    p.setEnabled(false);
    EXPECT_FALSE(p.look().enabled());
    p.click();
    EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace brisko::controls
