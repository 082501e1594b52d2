#include "controls/chameleon_button.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace brisko::controls {

namespace {

int Red(Colour c) {
    return static_cast<int>(c & 0xFF);
}
int Green(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int Blue(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// num / den to the nearest whole number, halves to the even one (num >= 0, den > 0).
int RoundHalfEven(int num, int den) {
    const int q = num / den, r = num % den;
    if (2 * r > den || (2 * r == den && q % 2 != 0)) return q + 1;
    return q;
}

int ReadInt(const std::map<std::string, std::string>& stored, const char* key, int fallback) {
    const auto it = stored.find(key);
    if (it == stored.end()) return fallback;
    long long v = 0;
    const auto& s = it->second;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || end == s.data()) return fallback;
    // A number beyond int would wrap into some other style or scheme.
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return fallback;
    return static_cast<int>(v);
}

// The three looks of style 3.
struct Style3Look {
    int rowsFrom, fadeRed, fadeBlue;
    Colour frame, bottomLine, topLine1, topLine2;
};
constexpr Style3Look kStyle3Normal{
    1, 75, 50, rgb(140, 174, 231), rgb(107, 130, 239), rgb(206, 231, 255), rgb(189, 215, 247)};
constexpr Style3Look kStyle3Pressed{
    3, 85, 60, rgb(255, 178, 49), rgb(231, 150, 0), rgb(255, 243, 206), rgb(255, 219, 140)};
constexpr Style3Look kStyle3Disabled{
    1, 60, 40, rgb(153, 186, 253), rgb(113, 138, 254), rgb(208, 234, 255), rgb(191, 217, 250)};
constexpr Colour kStyle3Edge = rgb(0, 60, 115);
constexpr Colour kStyle3Corner = rgb(16, 77, 123);
constexpr Colour kStyle3PressedSide = rgb(255, 203, 107);
constexpr Colour kStyle5Accent = rgb(153, 153, 204);

}  // namespace

Colour Shift(Colour c, int d) {
    const auto clamp = [d](int v) { return std::clamp(v + d, 0, 255); };
    return rgb(clamp(Red(c)), clamp(Green(c)), clamp(Blue(c)));
}

ButtonPalette MakePalette(int scheme, Colour back, Colour fore, const ButtonPalette& system) {
    switch (scheme) {
        case static_cast<int>(ColorScheme::Custom):
            return {back, Shift(back, 31), Shift(back, 47), Shift(back, -64), Shift(back, -192),
                    fore};
        case static_cast<int>(ColorScheme::Fixed):
            return {rgb(192, 192, 192), rgb(223, 223, 223), rgb(255, 255, 255),
                    rgb(128, 128, 128), rgb(0, 0, 0),       rgb(0, 0, 0)};
        default:
            return system;
    }
}

std::optional<char> AccessKey(const std::string& caption) {
    if (caption.size() < 2) return std::nullopt;
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // "&&" shows one ampersand
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    }
    return std::nullopt;
}

bool Outline::contains(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    return std::find(cuts.begin(), cuts.end(), Point{x, y}) == cuts.end();
}

Outline OutlineOf(int style, int w, int h) {
    Outline o{std::max(w, 0), std::max(h, 0), {}};
    std::vector<Point> cuts;
    switch (style) {
        case 1:
            cuts = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
            break;
        case 3:
        case 4:
            cuts = {{0, 0},     {1, 0},         {0, 1},         {w - 1, 0},
                    {w - 2, 0}, {w - 1, 1},     {0, h - 1},     {1, h - 1},
                    {0, h - 2}, {w - 1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}};
            break;
        case 5:
            cuts = {{0, h - 1}, {w - 1, 0}};
            break;
        default:
            break;
    }
    // On a tiny button the corners meet: each pixel once, and none outside the rectangle.
    for (Point p : cuts)
        if (p.x >= 0 && p.y >= 0 && p.x < o.width && p.y < o.height &&
            std::find(o.cuts.begin(), o.cuts.end(), p) == o.cuts.end())
            o.cuts.push_back(p);
    return o;
}

ChameleonButton::ChameleonButton(const ButtonPalette& system)
    : system_(system), back_(system.face), fore_(system.text) {
    palette_ = MakePalette(scheme_, back_, fore_, system_);
    outline_ = OutlineOf(type_, 0, 0);
}

// The palette follows every change of its inputs, so that a button never shows colours that
// its properties no longer say.
void ChameleonButton::propertyChanged() {
    palette_ = MakePalette(scheme_, back_, fore_, system_);
    repaint(kNormal, true);
}

void ChameleonButton::setBackColor(Colour c) {
    back_ = c;
    propertyChanged();
}
void ChameleonButton::setForeColor(Colour c) {
    fore_ = c;
    propertyChanged();
}
void ChameleonButton::setButtonType(int style) {
    type_ = style;
    propertyChanged();
}
void ChameleonButton::setCaption(const std::string& caption) {
    caption_ = caption;
    accessKey_ = AccessKey(caption_);
    propertyChanged();
}
void ChameleonButton::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled_) captured_ = false;
    propertyChanged();
}
void ChameleonButton::setFont(const std::string& font) {
    font_ = font;
    propertyChanged();
}
void ChameleonButton::setColorScheme(int scheme) {
    scheme_ = scheme;
    propertyChanged();
}
void ChameleonButton::setShowFocusRect(bool show) {
    showFocusRect_ = show;
    propertyChanged();
}

std::map<std::string, std::string> ChameleonButton::saveLayout() const {
    return {{"BCOL", std::to_string(back_)},      {"FCOL", std::to_string(fore_)},
            {"BTYPE", std::to_string(type_)},     {"TX", caption_},
            {"ENAB", enabled_ ? "1" : "0"},       {"FONT", font_},
            {"COLTYPE", std::to_string(scheme_)}, {"FOCUSR", showFocusRect_ ? "1" : "0"}};
}

void ChameleonButton::readLayout(const std::map<std::string, std::string>& stored) {
    const ChameleonButton fresh(system_);
    // Colours are read as unsigned RGB values; anything else falls back to the default.
    const auto colour = [&](const char* key, Colour fallback) {
        const auto it = stored.find(key);
        if (it == stored.end()) return fallback;
        unsigned long v = 0;
        const auto& s = it->second;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (ec != std::errc{} || end == s.data() || v > 0xFFFFFFu) return fallback;
        return static_cast<Colour>(v);
    };
    back_ = colour("BCOL", fresh.back_);
    fore_ = colour("FCOL", fresh.fore_);
    type_ = ReadInt(stored, "BTYPE", fresh.type_);
    const auto tx = stored.find("TX");
    caption_ = tx == stored.end() ? fresh.caption_ : tx->second;
    enabled_ = ReadInt(stored, "ENAB", 1) != 0;
    const auto font = stored.find("FONT");
    font_ = font == stored.end() ? fresh.font_ : font->second;
    scheme_ = ReadInt(stored, "COLTYPE", fresh.scheme_);
    showFocusRect_ = ReadInt(stored, "FOCUSR", 1) != 0;
    accessKey_ = AccessKey(caption_);
    propertyChanged();
}

void ChameleonButton::repaint(State s, bool forced) {
    if (!forced && drawnCaption_ == caption_ && s == state_) return;
    if (height_ == 0) return;
    state_ = s;
    drawnCaption_ = caption_;
    ++repaints_;
    if (onRepaint) onRepaint();
}

void ChameleonButton::resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    outline_ = OutlineOf(type_, width_, height_);
    if (onOutline) onOutline();
    repaint(kNormal, true);
}

void ChameleonButton::press(MouseButton button, int shift, int x, int y) {
    lastButton_ = button;
    if (button != MouseButton::Right) repaint(kPressed, false);
    if (onMouseDown) onMouseDown(button, shift, x, y);
}

void ChameleonButton::release(MouseButton button, int shift, int x, int y) {
    if (button != MouseButton::Right) repaint(kNormal, false);
    if (onMouseUp) onMouseUp(button, shift, x, y);
}

void ChameleonButton::mouseDown(MouseButton button, int shift, int x, int y) {
    if (!enabled_) return;
    captured_ = button == MouseButton::Left;
    doubleClickPress_ = false;
    press(button, shift, x, y);
}

void ChameleonButton::mouseUp(MouseButton button, int shift, int x, int y) {
    if (!enabled_) return;
    const bool clicked = button == MouseButton::Left && captured_ && inside(x, y);
    if (button == MouseButton::Left) captured_ = false;
    release(button, shift, x, y);
    // The platform's click: a left press released over the button.
    if (clicked) platformClick();
}

void ChameleonButton::mouseMove(std::optional<MouseButton> held, int x, int y) {
    if (!enabled_ || (held && *held != MouseButton::Left)) return;
    if (!inside(x, y))
        repaint(kNormal, false);
    else if (held)
        repaint(kPressed, false);
}

void ChameleonButton::doubleClick() {
    if (!enabled_ || lastButton_ != MouseButton::Left) return;
    press(MouseButton::Left, 0, 1, 1);
    captured_ = false;  // the second click of a double click raises no Click
    doubleClickPress_ = true;
}

void ChameleonButton::keyDown(Key key, int shift) {
    if (!enabled_) return;
    switch (key) {
        case Key::Space:
            doubleClickPress_ = false;
            press(MouseButton::Left, shift, 1, 1);
            break;
        case Key::Right:
        case Key::Down:
            if (onMoveFocus) onMoveFocus(+1);
            break;
        case Key::Left:
        case Key::Up:
            if (onMoveFocus) onMoveFocus(-1);
            break;
        case Key::Other:
            break;
    }
    if (onKeyDown) onKeyDown(key, shift);
}

void ChameleonButton::keyUp(Key key, int shift) {
    if (!enabled_) return;
    if (key == Key::Space) {
        release(MouseButton::Left, shift, 1, 1);
        lastButton_ = MouseButton::Left;
        click();
    }
    if (onKeyUp) onKeyUp(key, shift);
}

void ChameleonButton::keyPress(int charCode) {
    if (enabled_ && onKeyPress) onKeyPress(charCode);
}

void ChameleonButton::setFocused(bool focused) {
    focused_ = focused;
    repaint(state_, true);
}

void ChameleonButton::click() {
    if (lastButton_ != MouseButton::Left || !enabled_) return;
    repaint(kNormal, true);
    if (onClick) onClick();
}

void ChameleonButton::platformClick() {
    if (doubleClickPress_) {
        doubleClickPress_ = false;
        return;
    }
    click();
}

void ChameleonButton::draw(Canvas& c) const {
    if (height_ == 0) return;
    const bool disabled = !enabled_;
    const bool pressed = state_ == kPressed;
    const bool focus = focused_ && showFocusRect_;
    c.fillRect({0, 0, width_, height_}, palette_.face);
    if (!disabled && state_ == kFace) return;
    if (type_ == 3) {
        drawStyle3(c, disabled, pressed, focus);
        return;
    }
    drawBevelled(c, disabled, pressed);
    drawCaption(c, disabled, pressed);
    const bool drawsFocus = type_ == 1 || type_ == 2 || type_ == 6 || type_ == 7;
    if (!disabled && focus && drawsFocus) c.focusRect({4, 4, width_ - 4, height_ - 4});
}

void ChameleonButton::drawCaption(Canvas& c, bool disabled, bool pressed) const {
    const Box text{0, 0, width_, height_}, pressedText{2, 2, width_, height_};
    if (disabled) {
        // Embossed: a light copy one step down and right under the shadowed one.
        c.drawText(caption_, pressedText, palette_.highlight, kTextButton);
        c.drawText(caption_, text, palette_.shadow, kTextButton);
    } else {
        c.drawText(caption_, pressed ? pressedText : text, palette_.text, kTextButton);
    }
}

void ChameleonButton::drawStyle3(Canvas& c, bool disabled, bool pressed, bool focus) const {
    const int W = width_, H = height_;
    const Style3Look& look = disabled ? kStyle3Disabled : pressed ? kStyle3Pressed : kStyle3Normal;
    for (int i = look.rowsFrom; i <= H; ++i) {
        const int a = RoundHalfEven(i * look.fadeRed, H);
        const int b = RoundHalfEven(i * look.fadeBlue, H);
        c.line({0, i}, {W, i}, rgb(255 - a, 255 - a, 255 - b));
    }
    drawCaption(c, disabled, pressed);
    c.line({2, 0}, {W - 2, 0}, kStyle3Edge);
    c.line({2, H - 1}, {W - 2, H - 1}, kStyle3Edge);
    c.line({0, 2}, {0, H - 2}, kStyle3Edge);
    c.line({W - 1, 2}, {W - 1, H - 2}, kStyle3Edge);
    for (Point p : {Point{1, 1}, Point{1, H - 2}, Point{W - 2, 1}, Point{W - 2, H - 2}})
        c.setPixel(p, kStyle3Corner);
    c.frameRect({1, 2, W - 1, H - 2}, look.frame);
    c.line({2, H - 2}, {W - 2, H - 2}, look.bottomLine);
    c.line({2, 1}, {W - 2, 1}, look.topLine1);
    c.line({1, 2}, {W - 1, 2}, look.topLine2);
    if (disabled) return;
    if (pressed || focus) {
        const Colour side = pressed ? kStyle3PressedSide : rgb(255, 255, 255);
        c.line({2, 3}, {2, H - 3}, side);
        c.line({W - 3, 3}, {W - 3, H - 3}, side);
    }
}

// Styles other than 3: bevels, frames and lines from the palette.
void ChameleonButton::drawBevelled(Canvas& c, bool disabled, bool pressed) const {
    const int W = width_, H = height_;
    const ButtonPalette& p = palette_;
    const auto bevel = [&](int inset, Colour topLeft, Colour bottomRight) {
        const int l = inset, t = inset, r = W - 1 - inset, b = H - 1 - inset;
        c.line({l, t}, {r, t}, topLeft);
        c.line({l, t}, {l, b}, topLeft);
        c.line({l, b}, {r + 1, b}, bottomRight);
        c.line({r, t}, {r, b}, bottomRight);
    };
    if (disabled) {
        c.frameRect({0, 0, W, H}, p.shadow);
        return;
    }
    switch (type_) {
        case 1:
            if (pressed) {
                c.frameRect({0, 0, W, H}, p.darkShadow);
                c.frameRect({1, 1, W - 1, H - 1}, p.shadow);
            } else {
                bevel(0, p.highlight, p.darkShadow);
                bevel(1, p.light, p.shadow);
            }
            break;
        case 4: {
            // Rounded like style 3, shaded from a lighter to a darker face, reversed when pressed.
            for (int y = 1; y < H - 1; ++y) {
                const int d = 48 - RoundHalfEven(y * 80, H);
                c.line({1, y}, {W - 1, y}, Shift(p.face, pressed ? -d : d));
            }
            c.line({2, 0}, {W - 2, 0}, p.darkShadow);
            c.line({2, H - 1}, {W - 2, H - 1}, p.darkShadow);
            c.line({0, 2}, {0, H - 2}, p.darkShadow);
            c.line({W - 1, 2}, {W - 1, H - 2}, p.darkShadow);
            for (Point q : {Point{1, 1}, Point{1, H - 2}, Point{W - 2, 1}, Point{W - 2, H - 2}})
                c.setPixel(q, p.shadow);
            break;
        }
        case 5:
            c.fillRect({1, 1, W - 1, H / 2}, Shift(p.face, pressed ? -16 : 24));
            c.frameRect({0, 0, W, H}, p.shadow);
            if (pressed) c.frameRect({1, 1, W - 1, H - 1}, kStyle5Accent);
            break;
        case 6:
            if (pressed) c.fillRect({1, 1, W - 1, H - 1}, Shift(p.face, -24));
            c.frameRect({0, 0, W, H}, pressed ? p.darkShadow : p.shadow);
            break;
        case 7:
            c.frameRect({0, 0, W, H}, p.darkShadow);
            if (pressed)
                c.frameRect({1, 1, W - 1, H - 1}, p.shadow);
            else
                bevel(1, p.highlight, p.shadow);
            break;
        default:  // 2 and any other value
            if (pressed)
                bevel(0, p.shadow, p.highlight);
            else
                bevel(0, p.highlight, p.shadow);
            break;
    }
}

}  // namespace brisko::controls
