// The skinned windows' caption buttons, and the styled frame that the lookup window carries.
#include "controls/window_skin.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "controls/xp_design.h"
#include "fixtures.h"

namespace brisko::testing {
namespace {

using namespace controls;
using B = CaptionButton;
using E = FrameElement;
using T = TitleElement;
constexpr ButtonImage N = ButtonImage::Normal, H = ButtonImage::Highlighted;

// Every present button lit.
void LightAll(WindowSkin& skin) {
    for (B b : {B::Help, B::Minimise, B::Close}) skin.mouseMove(b);
}
std::vector<ButtonImage> Images(const WindowSkin& skin) {
    return {skin.image(B::Help), skin.image(B::Minimise), skin.image(B::Close)};
}

// Buttons "hmc" (help, minimise, close), dragging title elements "tlmr" (text to right).
TEST(WindowSkins, EachWindowHasItsButtonsTipsAndTitleElementsAndComesBackWithNormalButtons) {
    ProgramFixture f;
    auto& p = f.program;
    struct Case {
        Form& window;
        SkinKind kind;
        const char *buttons, *drags, *helpTip, *closeTip;
    };
    constexpr SkinKind S = SkinKind::TitleStrip;
    for (const Case& c : {Case{p.main, S, "hmc", "tlmr", "Help me", "Close"},
                          Case{p.finder, S, "hmc", "tlmr", "Help", "Close"},
                          Case{p.cookies, S, "hmc", "tlmr", "Help me", "Close"},
                          Case{p.mainHelp, S, "--c", "t-mr", "", "Close Me"},
                          Case{p.finderHelp, S, "--c", "t-mr", "", "Close"},
                          Case{p.extensHelp, S, "--c", "t-mr", "", "Close"},
                          Case{p.cookiesHelp, S, "--c", "t-mr", "", "Close"},
                          Case{p.extens, S, "hmc", "----", "Help", "Close"},
                          Case{p.disclaimer, SkinKind::BordersOnly, "---", "----", "", ""}}) {
        const WindowSkin& s = c.window.skin;
        std::string buttons, drags;
        for (auto [b, ch] : {std::pair{B::Help, 'h'}, {B::Minimise, 'm'}, {B::Close, 'c'}})
            buttons += s.has(b) ? ch : '-';
        for (auto [e, ch] :
             {std::pair{T::Text, 't'}, {T::Left, 'l'}, {T::Middle, 'm'}, {T::Right, 'r'}})
            drags += s.dragsBy(e) ? ch : '-';
        EXPECT_EQ(s.kind(), c.kind) << c.window.name();
        EXPECT_EQ(buttons + " " + drags, std::string(c.buttons) + " " + c.drags) << c.window.name();
        EXPECT_EQ(s.has(B::Help) ? s.toolTip(B::Help) : "", c.helpTip) << c.window.name();
        EXPECT_EQ(s.has(B::Close) ? s.toolTip(B::Close) : "", c.closeTip) << c.window.name();
    }
    EXPECT_EQ(p.extens.skin.toolTip(B::Minimise), "Minimize");
    // A window taken away by its button comes back with normal buttons.
    f.mem.desktop.onModal = [&] { p.disclaimer.Command1.click(); };  // accepted as it stands
    p.main.show();
    EXPECT_EQ(f.mem.desktop.modalRuns, 1);  // the disclaimer first
    p.main.chameleonButton1.click();  // the main window's "Select" opens the finder in its place
    ASSERT_TRUE(p.finder.visible() && !p.main.visible());
    p.finder.skin.mouseMove(B::Close);
    p.finder.skin.press(B::Close);
    ASSERT_EQ(p.finder.skin.release(B::Close), B::Close);
    p.finder.onSystemClose();
    EXPECT_TRUE(!p.finder.visible() && p.main.visible());
    p.finder.show();
    EXPECT_EQ(p.finder.skin.image(B::Close), N);
    p.finder.onSystemClose();
    p.main.chkCookiesSel.setValue(1);  // and its cookie "Select" the cookie keeper
    p.main.chameleonButton2.click();
    EXPECT_TRUE(p.cookies.visible() && !p.main.visible());
    // The main help's caption close hides it with its close button normal again.
    f.mem.desktop.onModal = [&] {
        p.mainHelp.skin.mouseMove(B::Close);
        p.mainHelp.skin.press(B::Close);
        if (p.mainHelp.skin.release(B::Close)) p.mainHelp.onSystemClose();
    };
    p.main.onHelp();
    EXPECT_TRUE(p.mainHelp.loaded() && !p.mainHelp.visible());
    EXPECT_EQ(p.mainHelp.skin.image(B::Close), N);
}

TEST(WindowSkins, AButtonLightsUnderTheMousePressesAndActsOnRelease) {
    WindowSkin skin(MainWindowSkin());
    std::vector<B> changes;
    skin.onImageChange = [&](B b) { changes.push_back(b); };
    EXPECT_FALSE(skin.press(B::Close)) << "a press needs the lit image under the mouse";
    EXPECT_EQ(skin.release(B::Close), std::nullopt);
    skin.mouseMove(B::Close);
    skin.mouseMove(B::Close);
    EXPECT_EQ(skin.image(B::Close), H);
    EXPECT_EQ(changes, std::vector<B>{B::Close}) << "one change, one redraw";
    EXPECT_TRUE(skin.press(B::Close));
    skin.mouseMove(B::Close);
    EXPECT_EQ(skin.image(B::Close), ButtonImage::Pressed) << "held down, moves change nothing";
    EXPECT_EQ(skin.release(B::Close), B::Close);
    EXPECT_EQ(skin.image(B::Close), ButtonImage::Pressed) << "the window goes: close stays down";
    EXPECT_EQ(skin.release(B::Close), B::Close) << "still pressed, so a second release acts again";
    skin.mouseMove(B::Help);
    skin.press(B::Help);
    EXPECT_EQ(skin.release(B::Help), B::Help);
    EXPECT_EQ(skin.image(B::Help), N) << "help is normal again before its dialog shows";
    EXPECT_EQ(skin.release(B::Help), std::nullopt);
    skin.mouseMove(B::Minimise);
    skin.press(B::Minimise);
    skin.captureLost(B::Minimise);
    EXPECT_EQ(skin.image(B::Minimise), N);
    EXPECT_EQ(skin.release(B::Minimise), std::nullopt) << "let go by another window: no action";
}

TEST(WindowSkins, TitlePiecesAndResizeReturnButtonsToNormalPerWindowAndAbsentOnesNeverChange) {
    struct Case {
        const char* window;
        SkinRules rules;
        std::vector<ButtonImage> after[3];  // the middle piece, the right piece, a resize
    };
    for (const Case& c : {
             Case{"main window", MainWindowSkin(), {{N, N, N}, {H, N, N}, {N, N, N}}},
             Case{"finder", FinderSkin(), {{N, N, N}, {H, N, N}, {N, N, N}}},
             Case{"cookie keeper", CookieKeeperSkin(), {{H, H, H}, {H, H, H}, {H, N, N}}},
             Case{"help dialog", HelpDialogSkin(false), {{N, N, H}, {N, N, N}, {N, N, H}}},
             Case{"main help", HelpDialogSkin(true), {{N, N, H}, {N, N, N}, {N, N, H}}},
         }) {
        SCOPED_TRACE(c.window);
        WindowSkin skin(c.rules);
        for (int i = 0; i < 3; ++i) {
            LightAll(skin);
            i < 2 ? skin.titleMove(i ? T::Right : T::Middle) : skin.resized();
            EXPECT_EQ(Images(skin), c.after[i]) << i;
        }
        EXPECT_EQ(skin.press(B::Help), c.after[2][0] == H);
    }
    // The text and the left piece reset nothing.
    WindowSkin skin(MainWindowSkin()), disclaimer(DisclaimerSkin());
    LightAll(skin);
    skin.titleMove(T::Text);
    skin.titleMove(T::Left);
    EXPECT_EQ(Images(skin), (std::vector{H, H, H}));
    LightAll(disclaimer);
    EXPECT_EQ(Images(disclaimer), (std::vector{N, N, N}));
}

// --- The styled frame, in twips

struct FrameFixture {
    Form window{"Carrier", "Carrier"}, other{"Other", "Other"};
    XPDesign frame{"XPDesign1"};
    std::vector<std::string> actions;
    FrameFixture() {
        frame.attach(window);
        frame.place({0, 0, 8505, 4305});
        frame.onClose = [this] { actions.push_back("close"); };
        frame.onMinimise = [this] { actions.push_back("minimise"); };
        frame.onHelp = [this] { actions.push_back("help"); };
    }
};

struct StyledFrame : FrameFixture, ::testing::Test {};

// The caption ends before the first caption button; each shadow lies one pixel lower right.
TEST_F(StyledFrame, LaysOutItsElementsForItsSizeAndItsTextsGoToTheirLabelAndShadow) {
    EXPECT_EQ(window.styledFrame, &frame);
    const auto box = [](const Rect& r) { return std::array{r.left, r.top, r.width, r.height}; };
    const Rect caption = frame.Label2[2].rect;
    EXPECT_EQ(caption.left + caption.width + 60, 8505 - 1235);
    EXPECT_EQ(box(frame.Label2[0].rect), (std::array{240, 4305 - 375 + 60, 8505 - 480, 255}));
    for (int i : {0, 2}) {
        const Rect t = frame.Label2[i].rect;
        EXPECT_EQ(box(frame.Label2[i + 1].rect),
                  (std::array{t.left + 15, t.top + 15, t.width, t.height}));
    }
    // The texts first, then the icon, the bars and the title pieces.
    // clang-format off
    for (auto [x, y, e] : {std::tuple{1000, 200, E::CaptionText}, {200, 200, E::Icon},
             {8400, 400, E::RoundEnd}, {30, 20, E::TitleBody}, {1000, 4290, E::BottomBar},
             {1000, 4100, E::StatusText}, {20, 2000, E::LeftSide}, {8480, 2000, E::RightSide},
             {3000, 2000, E::Background}})
        EXPECT_EQ(frame.elementAt(x, y), e) << x << "," << y;
    // clang-format on
    frame.place({0, 0, 6000, 3000});
    EXPECT_EQ(frame.Label2[0].rect.width, 6000 - 480);
    frame.setStexte("7 of 3183 File Types");
    frame.setCaption("Extensions");
    EXPECT_EQ(frame.Stexte() + "|" + frame.Label2[1].caption(),
              "7 of 3183 File Types|7 of 3183 File Types");
    EXPECT_EQ(frame.Caption() + "|" + frame.Label2[3].caption(), "Extensions|Extensions");
    // Only the texts are the window's widgets; the frame draws the shadows under them.
    EXPECT_EQ(window.widgets, (std::vector<Widget*>{&frame.Label2[0], &frame.Label2[2]}));
    EXPECT_NE(frame.Label2[0].foreColor, frame.Label2[1].foreColor);
    EXPECT_TRUE(frame.Label2[2].bold);
}

TEST_F(StyledFrame, ItsPropertiesChooseTheCaptionButtonsAndEachActs) {
    frame.sethlpbutton(false);
    EXPECT_TRUE(!window.skin.has(B::Help) && window.skin.has(B::Close));
    // Without help, the caption reaches to the minimise button.
    EXPECT_EQ(frame.Label2[2].rect.left + frame.Label2[2].rect.width + 60, 8505 - 865);
    frame.setQuitButton(false);
    EXPECT_TRUE(!window.skin.has(B::Close) && window.skin.has(B::Minimise));
    // A resize does not bring back a button its property hid.
    frame.resize();
    EXPECT_FALSE(window.skin.has(B::Close) || window.skin.has(B::Help));
    for (B b : {B::Help, B::Minimise, B::Close}) frame.act(b);
    EXPECT_EQ(actions, (std::vector<std::string>{"help", "minimise", "close"}));
}

TEST_F(StyledFrame, HoverOverTheTitleOrTheTextsResetsTheButtonsAndPressesDragTheirWindows) {
    for (auto [e, resets] : {std::pair{E::TitleBar, true},
                             {E::TitleBody, true},
                             {E::RoundEnd, true},
                             {E::CaptionText, true},
                             {E::StatusText, true},
                             {E::Icon, false},
                             {E::BottomBar, false},
                             {E::LeftSide, false},
                             {E::Background, false}}) {
        LightAll(window.skin);
        frame.mouseMove(e);
        EXPECT_EQ(Images(window.skin) == (std::vector{N, N, N}), resets) << static_cast<int>(e);
    }
    LightAll(window.skin);
    frame.resize();
    EXPECT_EQ(Images(window.skin), (std::vector{N, N, N}));
    // The texts drag the carrier, the bars the initialised window, only by the left button.
    const auto left = [&](E e) { return frame.press(e, MouseButton::Left); };
    EXPECT_TRUE(left(E::CaptionText) == &window && left(E::StatusText) == &window);
    // Nothing given to Initialise: the bars move nothing.
    const E bars[] = {E::TitleBar, E::TitleBody, E::Icon, E::BottomBar, E::Background};
    for (E e : bars) EXPECT_EQ(left(e), nullptr);
    frame.Initialise(&other);
    for (E e : bars) EXPECT_EQ(left(e), &other);
    EXPECT_TRUE(left(E::CaptionText) == &window && left(E::LeftSide) == nullptr);
    EXPECT_EQ(left(E::RoundEnd), nullptr);
    // Only the left button on a normal window drags.
    frame.Initialise(&window);
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle})
        EXPECT_FALSE(frame.press(E::CaptionText, b) || frame.press(E::TitleBar, b));
    window.setState(WindowState::Minimized);
    EXPECT_FALSE(left(E::CaptionText) || left(E::TitleBar));
    window.setState(WindowState::Normal);
    EXPECT_EQ(left(E::StatusText), &window);
}

}  // namespace
}  // namespace brisko::testing
