// The skinned windows' caption buttons: which each window has, their tips and images under the
// mouse, and when they return to normal; and the styled frame that the lookup window carries:
// its layout in twips, its buttons, texts, hover and dragging.
#include "controls/window_skin.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "controls/xp_design.h"
#include "fixtures.h"

namespace brisko::testing {
namespace {

using controls::ButtonImage;
using controls::CaptionButton;
using controls::SkinKind;
using controls::TitleElement;
using controls::WindowSkin;

constexpr CaptionButton kHelp = CaptionButton::Help;
constexpr CaptionButton kMin = CaptionButton::Minimise;
constexpr CaptionButton kClose = CaptionButton::Close;

// Every present button lit.
void LightAll(WindowSkin& skin) {
    for (CaptionButton b : {kHelp, kMin, kClose}) skin.mouseMove(b);
}

std::vector<ButtonImage> Images(const WindowSkin& skin) {
    return {skin.image(kHelp), skin.image(kMin), skin.image(kClose)};
}

constexpr ButtonImage N = ButtonImage::Normal, H = ButtonImage::Highlighted;

TEST(WindowSkins, EachWindowHasItsButtonsTipsAndTitleElements) {
    ProgramFixture f;
    auto& p = f.program;
    struct Case {
        controls::Form& window;
        SkinKind kind;
        bool help, minimise, close;
        const char* helpTip;
        const char* closeTip;
        bool dragByText, dragByLeft, dragByMiddle;
    };
    constexpr bool T = true, F = false;
    constexpr SkinKind Strip = SkinKind::TitleStrip;
    // The styled frame moves the lookup window itself, not through the skin's strip.
    // clang-format off
    for (const Case& c : {Case{p.main, Strip, T, T, T, "Help me", "Close", T, T, T},
                          Case{p.finder, Strip, T, T, T, "Help", "Close", T, T, T},
                          Case{p.cookies, Strip, T, T, T, "Help me", "Close", T, T, T},
                          Case{p.mainHelp, Strip, F, F, T, "", "Close Me", T, F, T},
                          Case{p.finderHelp, Strip, F, F, T, "", "Close", T, F, T},
                          Case{p.extensHelp, Strip, F, F, T, "", "Close", T, F, T},
                          Case{p.cookiesHelp, Strip, F, F, T, "", "Close", T, F, T},
                          Case{p.extens, Strip, T, T, T, "Help", "Close", F, F, F},
                          Case{p.disclaimer, SkinKind::BordersOnly, F, F, F, "", "", F, F, F}}) {
        // clang-format on
        const WindowSkin& skin = c.window.skin;
        SCOPED_TRACE(c.window.name());
        EXPECT_EQ(skin.kind(), c.kind);
        EXPECT_EQ(skin.has(kHelp), c.help);
        EXPECT_EQ(skin.has(kMin), c.minimise);
        EXPECT_EQ(skin.has(kClose), c.close);
        EXPECT_EQ(c.help ? skin.toolTip(kHelp) : "", c.helpTip);
        EXPECT_EQ(c.minimise ? skin.toolTip(kMin) : "Minimize", "Minimize");
        EXPECT_EQ(c.close ? skin.toolTip(kClose) : "", c.closeTip);
        EXPECT_EQ(skin.dragsBy(TitleElement::Text), c.dragByText);
        EXPECT_EQ(skin.dragsBy(TitleElement::Left), c.dragByLeft);
        EXPECT_EQ(skin.dragsBy(TitleElement::Middle), c.dragByMiddle);
        EXPECT_EQ(skin.dragsBy(TitleElement::Right), c.dragByMiddle);
    }
}

TEST(WindowSkins, AButtonLightsUnderTheMousePressesAndActsOnRelease) {
    WindowSkin skin(controls::MainWindowSkin());
    std::vector<CaptionButton> changes;
    skin.onImageChange = [&](CaptionButton b) { changes.push_back(b); };

    EXPECT_FALSE(skin.press(kClose)) << "a press needs the lit image under the mouse";
    EXPECT_EQ(skin.release(kClose), std::nullopt);
    skin.mouseMove(kClose);
    skin.mouseMove(kClose);
    EXPECT_EQ(skin.image(kClose), H);
    EXPECT_EQ(changes, std::vector<CaptionButton>{kClose}) << "one change, one redraw";
    EXPECT_TRUE(skin.press(kClose));
    skin.mouseMove(kClose);
    EXPECT_EQ(skin.image(kClose), ButtonImage::Pressed) << "held down, moves change nothing";
    EXPECT_EQ(skin.release(kClose), kClose);
    EXPECT_EQ(skin.image(kClose), ButtonImage::Pressed)
        << "close keeps its pressed image: the window goes";
    EXPECT_EQ(skin.release(kClose), kClose) << "still pressed, so a second release acts again";

    skin.mouseMove(kHelp);
    skin.press(kHelp);
    EXPECT_EQ(skin.release(kHelp), kHelp);
    EXPECT_EQ(skin.image(kHelp), N) << "help is normal again before its dialog shows";
    EXPECT_EQ(skin.release(kHelp), std::nullopt);

    skin.mouseMove(kMin);
    skin.press(kMin);
    skin.captureLost(kMin);
    EXPECT_EQ(skin.image(kMin), N);
    EXPECT_EQ(skin.release(kMin), std::nullopt) << "a button let go by another window never acts";
}

TEST(WindowSkins, ButtonsAWindowLacksNeverChange) {
    WindowSkin dialog(controls::HelpDialogSkin(false));
    LightAll(dialog);
    EXPECT_EQ(Images(dialog), (std::vector{N, N, H}));
    EXPECT_FALSE(dialog.press(kHelp));
    WindowSkin disclaimer(controls::DisclaimerSkin());
    LightAll(disclaimer);
    EXPECT_EQ(Images(disclaimer), (std::vector{N, N, N}));
    EXPECT_FALSE(disclaimer.dragsBy(TitleElement::Text));
}

TEST(WindowSkins, TitlePiecesAndResizeReturnButtonsToNormalPerWindow) {
    struct Case {
        const char* window;
        controls::SkinRules rules;
        std::vector<ButtonImage> afterMiddle, afterRight, afterResize;
    };
    for (const Case& c : {
             Case{"main window", controls::MainWindowSkin(), {N, N, N}, {H, N, N}, {N, N, N}},
             Case{"finder", controls::FinderSkin(), {N, N, N}, {H, N, N}, {N, N, N}},
             Case{"cookie keeper", controls::CookieKeeperSkin(), {H, H, H}, {H, H, H}, {H, N, N}},
             Case{"help dialog", controls::HelpDialogSkin(false), {N, N, H}, {N, N, N}, {N, N, H}},
             Case{"main help", controls::HelpDialogSkin(true), {N, N, H}, {N, N, N}, {N, N, H}},
         }) {
        SCOPED_TRACE(c.window);
        WindowSkin skin(c.rules);
        LightAll(skin);
        skin.titleMove(TitleElement::Middle);
        EXPECT_EQ(Images(skin), c.afterMiddle);
        LightAll(skin);
        skin.titleMove(TitleElement::Right);
        EXPECT_EQ(Images(skin), c.afterRight);
        LightAll(skin);
        skin.resized();
        EXPECT_EQ(Images(skin), c.afterResize);
    }
    // The text and the left piece reset nothing.
    WindowSkin skin(controls::MainWindowSkin());
    LightAll(skin);
    skin.titleMove(TitleElement::Text);
    skin.titleMove(TitleElement::Left);
    EXPECT_EQ(Images(skin), (std::vector{H, H, H}));
}

TEST(WindowSkins, AWindowTakenAwayByItsButtonComesBackWithNormalButtons) {
    ProgramFixture f;
    auto& p = f.program;
    // The finder's close hides it; shown again, its close button is not pressed.
    f.mem.desktop.onModal = [&] { p.disclaimer.Command1.click(); };  // accepted as it stands
    p.main.show();
    EXPECT_EQ(f.mem.desktop.modalRuns, 1);  // the disclaimer first
    p.main.chameleonButton1.click();  // the main window's "Select" opens the finder in its place
    ASSERT_TRUE(p.finder.visible() && !p.main.visible());
    p.finder.chameleonButton1.click();  // and the finder's look-up the lookup window beside it
    EXPECT_TRUE(p.extens.visible() && p.finder.visible());
    p.finder.skin.mouseMove(kClose);
    p.finder.skin.press(kClose);
    ASSERT_EQ(p.finder.skin.release(kClose), kClose);
    p.finder.onSystemClose();
    EXPECT_TRUE(!p.finder.visible() && p.main.visible());
    p.finder.show();
    EXPECT_EQ(p.finder.skin.image(kClose), N);
    p.finder.onSystemClose();
    p.main.chkCookiesSel.setValue(1);  // and its cookie "Select" the cookie keeper
    p.main.chameleonButton2.click();
    EXPECT_TRUE(p.cookies.visible() && !p.main.visible());

    // The main help's caption close hides it with its close button normal again.
    f.mem.desktop.onModal = [&] {
        p.mainHelp.skin.mouseMove(kClose);
        p.mainHelp.skin.press(kClose);
        if (p.mainHelp.skin.release(kClose)) p.mainHelp.onSystemClose();
    };
    p.main.onHelp();
    EXPECT_TRUE(p.mainHelp.loaded());
    EXPECT_FALSE(p.mainHelp.visible());
    EXPECT_EQ(p.mainHelp.skin.image(kClose), N);
}

// --- The styled frame

using namespace controls;
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
    void highlightAll() { LightAll(window.skin); }
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
}  // namespace brisko::testing
