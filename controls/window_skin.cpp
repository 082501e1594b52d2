#include "controls/window_skin.h"

namespace brisko::controls {

namespace {

constexpr ElementSet kWholeTitle{true, true, true, true};
// The dialogs move by their text and the title pieces beside the close button.
constexpr ElementSet kDialogTitle{true, false, true, true};

SkinRules TitledWindow(ButtonSet resetOnResize) {
    SkinRules r;
    r.kind = SkinKind::TitleStrip;
    r.buttons = ButtonSet::all();
    r.dragBy = kWholeTitle;
    r.resetOnResize = resetOnResize;
    return r;
}

}  // namespace

SkinRules SystemSkin() {
    return {};
}

SkinRules MainWindowSkin() {
    SkinRules r = TitledWindow(ButtonSet::all());
    r.resetOnMiddle = ButtonSet::all();
    r.resetOnRight = ButtonSet::closeAndMinimise();
    return r;
}

SkinRules FinderSkin() {
    SkinRules r = MainWindowSkin();
    r.helpTip = "Help";
    return r;
}

SkinRules CookieKeeperSkin() {
    // No move handling on its title pieces: a lit button stays lit until pressed or resized.
    return TitledWindow(ButtonSet::closeAndMinimise());
}

SkinRules HelpDialogSkin(bool kept) {
    SkinRules r;
    r.kind = SkinKind::TitleStrip;
    r.buttons = ButtonSet::closeOnly();
    r.dragBy = kDialogTitle;
    r.resetOnRight = ButtonSet::closeOnly();
    if (kept) r.closeTip = "Close Me";
    return r;
}

SkinRules DisclaimerSkin() {
    SkinRules r;
    r.kind = SkinKind::BordersOnly;
    return r;
}

WindowSkin& WindowSkin::operator=(SkinRules rules) {
    rules_ = std::move(rules);
    images_ = {};
    return *this;
}

std::string WindowSkin::toolTip(CaptionButton b) const {
    switch (b) {
        case CaptionButton::Help:
            return rules_.helpTip;
        case CaptionButton::Minimise:
            return "Minimize";
        case CaptionButton::Close:
            return rules_.closeTip;
    }
    return {};
}

void WindowSkin::setImage(CaptionButton b, ButtonImage image) {
    if (images_[index(b)] == image) return;
    images_[index(b)] = image;
    if (onImageChange) onImageChange(b);
}

void WindowSkin::mouseMove(CaptionButton b) {
    if (has(b) && image(b) == ButtonImage::Normal) setImage(b, ButtonImage::Highlighted);
}

bool WindowSkin::press(CaptionButton b) {
    if (!has(b) || image(b) != ButtonImage::Highlighted) return image(b) == ButtonImage::Pressed;
    setImage(b, ButtonImage::Pressed);
    return true;
}

std::optional<CaptionButton> WindowSkin::release(CaptionButton b) {
    if (!has(b) || image(b) != ButtonImage::Pressed) return std::nullopt;
    if (b == CaptionButton::Help) setImage(b, ButtonImage::Normal);
    return b;
}

void WindowSkin::captureLost(CaptionButton b) {
    if (image(b) == ButtonImage::Pressed) setImage(b, ButtonImage::Normal);
}

void WindowSkin::titleMove(TitleElement e) {
    if (e == TitleElement::Middle) reset(rules_.resetOnMiddle);
    if (e == TitleElement::Right) reset(rules_.resetOnRight);
}

void WindowSkin::reset(ButtonSet buttons) {
    for (CaptionButton b : {CaptionButton::Help, CaptionButton::Minimise, CaptionButton::Close})
        if (buttons.has(b)) setImage(b, ButtonImage::Normal);
}

}  // namespace brisko::controls
