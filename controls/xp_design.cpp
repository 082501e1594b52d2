#include "controls/xp_design.h"

#include <algorithm>

namespace brisko::controls {

namespace {
constexpr Colour kText = rgb(255, 255, 255);
constexpr Colour kShadow = rgb(0, 0, 0);
constexpr int kIconLeft = 120, kIconTop = 105, kIconSize = 240;
constexpr int kCaptionLeft = 480, kCaptionTop = 90, kCaptionHeight = 270;
constexpr int kStatusLeft = 240, kStatusHeight = 255;
constexpr int kTextGap = 60;  // between the caption and the first caption button

bool Inside(const Rect& r, int x, int y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

Rect Shadow(Rect r) {
    r.left += XPDesign::kShadowOffset;
    r.top += XPDesign::kShadowOffset;
    return r;
}
}  // namespace

SkinRules XPDesignSkin(bool quitButton, bool helpButton) {
    SkinRules r;
    r.kind = SkinKind::TitleStrip;
    r.buttons = {helpButton, true, quitButton};
    r.helpTip = "Help";
    r.resetOnResize = ButtonSet::all();
    return r;
}

XPDesign::XPDesign(const std::string& name)
    : Label2{{Label{name + ".Label2(0)"}, Label{name + ".Label2(1)"}, Label{name + ".Label2(2)"},
              Label{name + ".Label2(3)"}}} {
    Label2[0].foreColor = Label2[2].foreColor = kText;
    Label2[1].foreColor = Label2[3].foreColor = kShadow;
    Label2[2].bold = Label2[3].bold = true;
}

void XPDesign::attach(Form& carrier) {
    carrier_ = &carrier;
    carrier.styledFrame = this;
    carrier.skin = XPDesignSkin(quit_, help_);
    // The shadows are drawn by the frame, under the texts; only the texts are windows.
    carrier.widgets.push_back(&Label2[0]);
    carrier.widgets.push_back(&Label2[2]);
}

void XPDesign::setStexte(const std::string& text) {
    Label2[0].setCaption(text);
    Label2[1].setCaption(text);
}

void XPDesign::setCaption(const std::string& text) {
    Label2[2].setCaption(text);
    Label2[3].setCaption(text);
}

void XPDesign::setQuitButton(bool shown) {
    quit_ = shown;
    applyButtons();
}

void XPDesign::sethlpbutton(bool shown) {
    help_ = shown;
    applyButtons();
}

void XPDesign::applyButtons() {
    if (carrier_) carrier_->skin = XPDesignSkin(quit_, help_);
    resize();
}

bool XPDesign::hasButton(CaptionButton b) const {
    return XPDesignSkin(quit_, help_).buttons.has(b);
}

void XPDesign::place(const Rect& frame) {
    rect = frame;
    resize();
}

void XPDesign::resize() {
    // A button hidden by its property stays hidden: only the images return to normal.
    if (carrier_) carrier_->skin.reset();
    const Rect caption = element(FrameElement::CaptionText);
    const Rect status = element(FrameElement::StatusText);
    Label2[2].rect = {rect.left + caption.left, rect.top + caption.top, caption.width,
                      caption.height};
    Label2[0].rect = {rect.left + status.left, rect.top + status.top, status.width, status.height};
    Label2[3].rect = Shadow(Label2[2].rect);
    Label2[1].rect = Shadow(Label2[0].rect);
}

Rect XPDesign::button(CaptionButton b) const {
    const int W = rect.width;
    const int fromRight = b == CaptionButton::Close      ? 495
                          : b == CaptionButton::Minimise ? 865
                                                         : 1235;
    return {W - fromRight, kButtonTop, kButtonSize, kButtonSize};
}

Rect XPDesign::element(FrameElement e) const {
    const int W = rect.width, H = rect.height;
    switch (e) {
        case FrameElement::Background:
            return {0, 0, W, H};
        case FrameElement::TitleBar:
            return {0, 0, W, kTitleHeight};
        case FrameElement::TitleBody:
            return {0, 0, W - kRoundEndWidth, kTitleHeight};
        case FrameElement::RoundEnd:
            return {W - kRoundEndWidth, 0, kRoundEndWidth, kTitleHeight};
        case FrameElement::LeftSide:
            return {0, kSideTop, kSideWidth, H - kSideTop};
        case FrameElement::RightSide:
            return {W - kSideWidth, kSideTop, kSideWidth, H - kSideTop};
        case FrameElement::BottomBar:
            return {0, H - kBottomHeight, W, kBottomHeight};
        case FrameElement::Icon:
            return {kIconLeft, kIconTop, kIconSize, kIconSize};
        case FrameElement::CaptionText: {
            // It ends before the first caption button there is, so that no text runs under one.
            int end = button(CaptionButton::Close).left;
            for (CaptionButton b : {CaptionButton::Help, CaptionButton::Minimise})
                if (hasButton(b)) end = std::min(end, button(b).left);
            return {kCaptionLeft, kCaptionTop, std::max(0, end - kTextGap - kCaptionLeft),
                    kCaptionHeight};
        }
        case FrameElement::StatusText:
            return {kStatusLeft, H - kBottomHeight + (kBottomHeight - kStatusHeight) / 2,
                    std::max(0, W - 2 * kStatusLeft), kStatusHeight};
    }
    return {};
}

FrameElement XPDesign::elementAt(int x, int y) const {
    for (FrameElement e : {FrameElement::CaptionText, FrameElement::StatusText, FrameElement::Icon,
                           FrameElement::RoundEnd, FrameElement::TitleBody, FrameElement::BottomBar,
                           FrameElement::LeftSide, FrameElement::RightSide})
        if (Inside(element(e), x, y)) return e;
    return FrameElement::Background;
}

void XPDesign::mouseMove(FrameElement e) {
    if (!carrier_) return;
    switch (e) {
        case FrameElement::TitleBar:
        case FrameElement::TitleBody:
        case FrameElement::RoundEnd:
        case FrameElement::CaptionText:
        case FrameElement::StatusText:
            carrier_->skin.reset();
            break;
        default:
            break;
    }
}

Form* XPDesign::press(FrameElement e, MouseButton b) const {
    if (b != MouseButton::Left) return nullptr;
    Form* target = nullptr;
    switch (e) {
        case FrameElement::CaptionText:
        case FrameElement::StatusText:
            target = carrier_;
            break;
        case FrameElement::TitleBar:
        case FrameElement::TitleBody:
        case FrameElement::Icon:
        case FrameElement::BottomBar:
        case FrameElement::Background:
            target = initialised_;
            break;
        default:
            break;
    }
    if (!target || target->state() != WindowState::Normal) return nullptr;
    return target;
}

void XPDesign::act(CaptionButton b) {
    switch (b) {
        case CaptionButton::Close:
            if (onClose) onClose();
            break;
        case CaptionButton::Minimise:
            if (onMinimise) onMinimise();
            break;
        case CaptionButton::Help:
            if (onHelp) onHelp();
            break;
    }
}

}  // namespace brisko::controls
