#pragma once
// The styled window frame: title bar with its rounded right end, side bars, bottom bar, icon,
// caption and status texts (each with its shadow) and the help, minimise and close buttons,
// laid out in twips over the whole client area of the window that carries it.
// Label2 indexes 0 and 1 carry the status text (text and shadow), 2 and 3 the caption. The text
// labels are the carrying window's widgets; the frame draws the shadows beneath them.
// The caption buttons' images live in the carrying window's skin, so that the views drive them as
// every other window's caption buttons.
#include <array>
#include <functional>
#include <string>

#include "controls/chameleon_button.h"  // MouseButton
#include "controls/form.h"
#include "controls/widgets.h"
#include "controls/window_skin.h"

namespace brisko::controls {

enum class FrameElement {
    Background,
    TitleBar,   // titlebar
    TitleBody,  // Image6, the title bar's body left of the rounded end
    RoundEnd,   // RRoundBar
    LeftSide,   // LSideBar
    RightSide,  // RsideBar
    BottomBar,  // Bbar2
    Icon,
    StatusText,  // Label2(0)
    CaptionText  // Label2(2)
};

// The skin a window carrying the frame takes: no system title bar, the frame's buttons.
SkinRules XPDesignSkin(bool quitButton, bool helpButton);

class XPDesign {
  public:
    static constexpr int kTitleHeight = 450;  // twips
    static constexpr int kRoundEndWidth = 330;
    static constexpr int kSideWidth = 60;
    static constexpr int kSideTop = 150;
    static constexpr int kBottomHeight = 375;
    static constexpr int kButtonSize = 315;
    static constexpr int kButtonTop = 60;
    static constexpr int kShadowOffset = 15;

    explicit XPDesign(const std::string& name);

    std::array<Label, 4> Label2;
    Rect rect;

    // Takes the carrying window: its skin becomes the frame's and its widgets the text labels.
    void attach(Form& carrier);
    Form* carrier() const { return carrier_; }

    const std::string& Stexte() const { return Label2[0].caption(); }
    void setStexte(const std::string& text);
    const std::string& Caption() const { return Label2[2].caption(); }
    void setCaption(const std::string& text);
    // The window moved by presses on the title bar, the icon, the bottom bar and the background.
    void Initialise(Form* window) { initialised_ = window; }
    Form* initialised() const { return initialised_; }
    // The window whose icon the frame shows.
    void icon(const Form* window) { iconOf_ = window; }
    const Form* iconOf() const { return iconOf_; }
    bool QuitButton() const { return quit_; }
    void setQuitButton(bool shown);
    bool hlpbutton() const { return help_; }
    void sethlpbutton(bool shown);
    // Minimise has no property: it is always there.
    bool hasButton(CaptionButton b) const;

    // Places the frame (the carrying window gives its whole client area) and lays it out.
    void place(const Rect& frame);
    // The layout for the frame's current size; the caption buttons return to normal.
    void resize();

    Rect element(FrameElement e) const;
    Rect button(CaptionButton b) const;
    // The element under a point of the frame, in twips from its top left; the texts first, then
    // the icon, the bars and the title pieces.
    FrameElement elementAt(int x, int y) const;

    // The mouse moves over an element: over the title bar, its rounded end or a text, the caption
    // buttons return to normal.
    void mouseMove(FrameElement e);
    // A press on an element: the window to move as a caption press would, or none. Only the left
    // button moves a window, and only one in its normal state; the texts move the carrying
    // window, the other elements the one given to `Initialise`.
    Form* press(FrameElement e, MouseButton b) const;
    // A caption button's action after its release.
    void act(CaptionButton b);

    std::function<void()> onClose, onMinimise, onHelp;

  private:
    void applyButtons();

    Form* carrier_ = nullptr;
    Form* initialised_ = nullptr;
    const Form* iconOf_ = nullptr;
    bool quit_ = true, help_ = true;
};

}  // namespace brisko::controls
