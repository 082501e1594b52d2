#pragma once
// The dressing a window draws itself instead of the system's: which caption buttons it has, their
// tool tips, which title elements move it, and the images of its caption buttons under the mouse.
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace brisko::controls {

enum class SkinKind {
    System,       // the system's title bar and frame
    BordersOnly,  // thin borders, no title strip (the disclaimer)
    TitleStrip,   // title strip, borders and caption buttons
};

enum class CaptionButton { Help = 0, Minimise = 1, Close = 2 };
constexpr int kCaptionButtonCount = 3;
enum class ButtonImage { Normal, Highlighted, Pressed };

// The pieces of a title strip, left to right, and its text.
enum class TitleElement { Text, Left, Middle, Right };

// A set of caption buttons.
struct ButtonSet {
    bool help = false, minimise = false, close = false;
    bool has(CaptionButton b) const {
        return b == CaptionButton::Help ? help : b == CaptionButton::Minimise ? minimise : close;
    }
    static ButtonSet all() { return {true, true, true}; }
    static ButtonSet closeOnly() { return {false, false, true}; }
    static ButtonSet closeAndMinimise() { return {false, true, true}; }
};

// A set of title elements.
struct ElementSet {
    bool text = false, left = false, middle = false, right = false;
    bool has(TitleElement e) const {
        switch (e) {
            case TitleElement::Text:
                return text;
            case TitleElement::Left:
                return left;
            case TitleElement::Middle:
                return middle;
            case TitleElement::Right:
                return right;
        }
        return false;
    }
};

// What a kind of window's skin is made of; fixed per window.
struct SkinRules {
    SkinKind kind = SkinKind::System;
    ButtonSet buttons;
    std::string helpTip = "Help me";
    std::string closeTip = "Close";
    ElementSet dragBy;        // left-button presses on these move the window
    ButtonSet resetOnMiddle;  // moving over the middle title piece returns these to normal
    ButtonSet resetOnRight;   // likewise the right piece
    ButtonSet resetOnResize;  // and a resize
};

SkinRules SystemSkin();
SkinRules MainWindowSkin();
SkinRules FinderSkin();
SkinRules CookieKeeperSkin();
// The help dialogs; `kept` is the main window's help, which hides instead of closing.
SkinRules HelpDialogSkin(bool kept);
SkinRules DisclaimerSkin();

// The caption buttons of one window: their images as the mouse moves, presses and releases.
class WindowSkin {
  public:
    WindowSkin() = default;
    explicit WindowSkin(SkinRules rules) : rules_(std::move(rules)) {}
    WindowSkin& operator=(SkinRules rules);

    const SkinRules& rules() const { return rules_; }
    SkinKind kind() const { return rules_.kind; }
    bool hasTitleStrip() const { return rules_.kind == SkinKind::TitleStrip; }
    bool has(CaptionButton b) const { return hasTitleStrip() && rules_.buttons.has(b); }
    ButtonImage image(CaptionButton b) const { return images_[index(b)]; }
    // The tip of the highlighted image, also the button's name for screen readers.
    std::string toolTip(CaptionButton b) const;
    // Whether a press of the left button on the element moves the window.
    bool dragsBy(TitleElement e) const { return hasTitleStrip() && rules_.dragBy.has(e); }

    // The mouse moves over the button: a normal image turns highlighted.
    void mouseMove(CaptionButton b);
    // Any mouse button goes down on it: a highlighted image turns pressed. True when pressed.
    bool press(CaptionButton b);
    // The release after a press, wherever it happens: the button whose action runs, if any. The
    // help button shows its normal image again before its action; the others keep the pressed
    // image until a reset.
    std::optional<CaptionButton> release(CaptionButton b);
    // Another window took the mouse while the button was held: it goes back without acting.
    void captureLost(CaptionButton b);
    // The mouse moves over a title element: the window's back-to-normal rule for it.
    void titleMove(TitleElement e);
    void resized() { reset(rules_.resetOnResize); }
    void reset(ButtonSet buttons);
    void reset() { reset(ButtonSet::all()); }

    // Called after a button's image changed, for the view to redraw it.
    std::function<void(CaptionButton)> onImageChange;

  private:
    static int index(CaptionButton b) { return static_cast<int>(b); }
    void setImage(CaptionButton b, ButtonImage image);

    SkinRules rules_;
    std::array<ButtonImage, kCaptionButtonCount> images_{};
};

}  // namespace brisko::controls
