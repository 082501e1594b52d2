// The styled window frame: its layout in twips, its buttons, texts, hover and dragging.
#include "controls/xp_design.h"

#include <gtest/gtest.h>

#include <array>

#include "controls/form.h"

namespace brisko::controls {
namespace {

using B = CaptionButton;
using E = FrameElement;

struct Carrier : Form {
    Carrier() : Form("Carrier", "Carrier") {}
};

struct FrameFixture {
    Carrier window;
    XPDesign frame{"XPDesign1"};
    std::vector<std::string> actions;
    FrameFixture() {
        frame.attach(window);
        frame.place({0, 0, 8505, 4305});
        frame.onClose = [this] { actions.push_back("close"); };
        frame.onMinimise = [this] { actions.push_back("minimise"); };
        frame.onHelp = [this] { actions.push_back("help"); };
    }
    void highlightAll() {
        for (B b : {B::Help, B::Minimise, B::Close}) window.skin.mouseMove(b);
    }
    bool allNormal() const {
        for (B b : {B::Help, B::Minimise, B::Close})
            if (window.skin.image(b) != ButtonImage::Normal) return false;
        return true;
    }
};

TEST(XPDesign, LaysOutItsElementsForItsSizeAndItsTextsGoToTheirLabelAndShadow) {
    FrameFixture f;
    EXPECT_EQ(f.window.styledFrame, &f.frame);
    // The buttons stand at fixed distances from the right and the caption ends before the first
    // of them; the status text spans the bottom bar; each shadow lies one pixel lower right.
    const auto box = [](const Rect& r) { return std::array{r.left, r.top, r.width, r.height}; };
    EXPECT_EQ(box(f.frame.button(B::Close)), (std::array{8505 - 495, 60, 315, 315}));
    EXPECT_EQ(f.frame.button(B::Minimise).left, 8505 - 865);
    EXPECT_EQ(f.frame.button(B::Help).left, 8505 - 1235);
    const Rect caption = f.frame.Label2[2].rect;
    EXPECT_EQ(caption.left + caption.width + 60, 8505 - 1235);
    EXPECT_EQ(box(f.frame.Label2[0].rect), (std::array{240, 4305 - 375 + 60, 8505 - 480, 255}));
    for (int i : {0, 2}) {
        const Rect t = f.frame.Label2[i].rect;
        EXPECT_EQ(box(f.frame.Label2[i + 1].rect),
                  (std::array{t.left + 15, t.top + 15, t.width, t.height}));
    }
    f.frame.place({0, 0, 6000, 3000});
    EXPECT_EQ(box(f.frame.element(E::BottomBar)), (std::array{0, 3000 - 375, 6000, 375}));
    EXPECT_EQ(f.frame.element(E::RoundEnd).left, 6000 - 330);
    EXPECT_EQ(f.frame.Label2[0].rect.width, 6000 - 480);

    f.frame.setStexte("7 of 3183 File Types");
    f.frame.setCaption("Extensions");
    EXPECT_EQ(f.frame.Stexte() + "|" + f.frame.Label2[1].caption(),
              "7 of 3183 File Types|7 of 3183 File Types");
    EXPECT_EQ(f.frame.Caption() + "|" + f.frame.Label2[3].caption(), "Extensions|Extensions");
    // Only the texts are the window's widgets; the frame draws the shadows under them.
    EXPECT_EQ(f.window.widgets, (std::vector<Widget*>{&f.frame.Label2[0], &f.frame.Label2[2]}));
    EXPECT_NE(f.frame.Label2[0].foreColor, f.frame.Label2[1].foreColor);
    EXPECT_TRUE(f.frame.Label2[2].bold);
}

TEST(XPDesign, FindsTheElementUnderAPoint) {
    FrameFixture f;
    EXPECT_EQ(f.frame.elementAt(1000, 200), E::CaptionText);
    EXPECT_EQ(f.frame.elementAt(200, 200), E::Icon);
    EXPECT_EQ(f.frame.elementAt(8400, 400), E::RoundEnd);
    EXPECT_EQ(f.frame.elementAt(30, 20), E::TitleBody);
    EXPECT_EQ(f.frame.elementAt(1000, 4290), E::BottomBar);
    EXPECT_EQ(f.frame.elementAt(1000, 4100), E::StatusText);
    EXPECT_EQ(f.frame.elementAt(20, 2000), E::LeftSide);
    EXPECT_EQ(f.frame.elementAt(8480, 2000), E::RightSide);
    EXPECT_EQ(f.frame.elementAt(3000, 2000), E::Background);
}

TEST(XPDesign, ItsPropertiesChooseTheCaptionButtons) {
    FrameFixture f;
    EXPECT_TRUE(f.frame.QuitButton());
    EXPECT_TRUE(f.frame.hlpbutton());
    for (B b : {B::Help, B::Minimise, B::Close}) EXPECT_TRUE(f.window.skin.has(b));
    EXPECT_EQ(f.window.skin.toolTip(B::Help), "Help");
    EXPECT_EQ(f.window.skin.toolTip(B::Minimise), "Minimize");
    EXPECT_EQ(f.window.skin.toolTip(B::Close), "Close");

    f.frame.sethlpbutton(false);
    EXPECT_FALSE(f.window.skin.has(B::Help));
    EXPECT_TRUE(f.window.skin.has(B::Close));
    // Without help, the caption reaches to the minimise button.
    EXPECT_EQ(f.frame.Label2[2].rect.left + f.frame.Label2[2].rect.width + 60, 8505 - 865);
    f.frame.setQuitButton(false);
    EXPECT_FALSE(f.window.skin.has(B::Close));
    EXPECT_TRUE(f.window.skin.has(B::Minimise));
    // A resize does not bring back a button its property hid.
    f.frame.resize();
    EXPECT_FALSE(f.window.skin.has(B::Close));
    EXPECT_FALSE(f.window.skin.has(B::Help));
}

TEST(XPDesign, ButtonsLightPressAndAct) {
    FrameFixture f;
    WindowSkin& skin = f.window.skin;
    skin.mouseMove(B::Help);
    EXPECT_EQ(skin.image(B::Help), ButtonImage::Highlighted);
    EXPECT_TRUE(skin.press(B::Help));
    EXPECT_EQ(skin.image(B::Help), ButtonImage::Pressed);
    const auto action = skin.release(B::Help);
    ASSERT_TRUE(action);
    EXPECT_EQ(skin.image(B::Help), ButtonImage::Normal);  // normal before the dialog shows
    f.frame.act(*action);
    f.frame.act(B::Minimise);
    f.frame.act(B::Close);
    EXPECT_EQ(f.actions, (std::vector<std::string>{"help", "minimise", "close"}));
}

TEST(XPDesign, HoverOverTheTitleOrTheTextsResetsTheButtons) {
    FrameFixture f;
    for (E e : {E::TitleBar, E::TitleBody, E::RoundEnd, E::CaptionText, E::StatusText}) {
        f.highlightAll();
        f.frame.mouseMove(e);
        EXPECT_TRUE(f.allNormal()) << static_cast<int>(e);
    }
    for (E e : {E::Icon, E::BottomBar, E::LeftSide, E::Background}) {
        f.highlightAll();
        f.frame.mouseMove(e);
        EXPECT_FALSE(f.allNormal()) << static_cast<int>(e);
    }
    f.highlightAll();
    f.frame.resize();
    EXPECT_TRUE(f.allNormal());
}

TEST(XPDesign, TextsDragTheCarrierTheBarsTheInitialisedWindowOnlyByTheLeftButton) {
    FrameFixture f;
    Carrier other;
    EXPECT_EQ(f.frame.press(E::CaptionText, MouseButton::Left), &f.window);
    EXPECT_EQ(f.frame.press(E::StatusText, MouseButton::Left), &f.window);
    // Nothing given to Initialise: the bars move nothing.
    for (E e : {E::TitleBar, E::TitleBody, E::Icon, E::BottomBar, E::Background})
        EXPECT_EQ(f.frame.press(e, MouseButton::Left), nullptr);
    f.frame.Initialise(&other);
    for (E e : {E::TitleBar, E::TitleBody, E::Icon, E::BottomBar, E::Background})
        EXPECT_EQ(f.frame.press(e, MouseButton::Left), &other);
    EXPECT_EQ(f.frame.press(E::CaptionText, MouseButton::Left), &f.window);
    EXPECT_EQ(f.frame.press(E::LeftSide, MouseButton::Left), nullptr);
    EXPECT_EQ(f.frame.press(E::RoundEnd, MouseButton::Left), nullptr);

    // Only the left button on a normal window drags.
    f.frame.Initialise(&f.window);
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle}) {
        EXPECT_EQ(f.frame.press(E::CaptionText, b), nullptr);
        EXPECT_EQ(f.frame.press(E::TitleBar, b), nullptr);
    }
    f.window.setState(WindowState::Minimized);
    EXPECT_EQ(f.frame.press(E::CaptionText, MouseButton::Left), nullptr);
    EXPECT_EQ(f.frame.press(E::TitleBar, MouseButton::Left), nullptr);
    f.window.setState(WindowState::Normal);
    EXPECT_EQ(f.frame.press(E::StatusText, MouseButton::Left), &f.window);
}

}  // namespace
}  // namespace brisko::controls
