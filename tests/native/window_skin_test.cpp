// The skinned windows' caption buttons: which each window has, their tips and images under the
// mouse, and when they return to normal.
#include "controls/window_skin.h"

#include <gtest/gtest.h>

#include <vector>

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
    p.main.chameleonButton1.click();  // the main window's "Select" opens the finder in its place
    ASSERT_TRUE(p.finder.visible() && !p.main.visible());
    p.finder.skin.mouseMove(kClose);
    p.finder.skin.press(kClose);
    ASSERT_EQ(p.finder.skin.release(kClose), kClose);
    p.finder.onSystemClose();
    EXPECT_FALSE(p.finder.visible());
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

}  // namespace
}  // namespace brisko::testing
