#pragma once
// The program's own push button: seven styles, three colour schemes, a window outline per
// style, a pressed look while the left button or the space bar is held, and a Click towards
// its window. The model decides every pixel (on a Canvas) and every event; a view only feeds
// it the platform's input and shows what it draws.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "controls/canvas.h"
#include "controls/colour.h"

namespace brisko::controls {

// shift(colour, d): d added to red, green and blue separately, each kept within 0..255.
Colour Shift(Colour colour, int d);

struct ButtonPalette {
    Colour face, light, highlight, shadow, darkShadow, text;
    friend bool operator==(const ButtonPalette&, const ButtonPalette&) = default;
};

// The platform's colours that scheme 1 and the defaults use (button face, shadow, 3-D light,
// 3-D dark shadow, button highlight, button text); the classic ones unless a view says better.
inline constexpr ButtonPalette kClassicSystemColours{rgb(192, 192, 192), rgb(223, 223, 223),
                                                     rgb(255, 255, 255), rgb(128, 128, 128),
                                                     rgb(0, 0, 0),       rgb(0, 0, 0)};

enum class ColorScheme { System = 1, Custom = 2, Fixed = 3 };

// The six colours of `scheme` (any other value than 2 or 3 is the system's).
ButtonPalette MakePalette(int scheme, Colour back, Colour fore, const ButtonPalette& system);

// The access key of a caption: the character after the first single "&" that is not the last
// character, lower-cased; a doubled "&&" is a plain ampersand and is skipped.
std::optional<char> AccessKey(const std::string& caption);

// The window's outline: the rectangle 0, 0, W, H less the pixels of `cuts`.
struct Outline {
    int width = 0, height = 0;
    std::vector<Point> cuts;
    bool contains(int x, int y) const;
};
Outline OutlineOf(int style, int width, int height);

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };
enum class Key { Other, Space, Left, Up, Right, Down };

class ChameleonButton {
  public:
    enum State { kNormal = 0, kFace = 1, kPressed = 2 };

    explicit ChameleonButton(const ButtonPalette& system = kClassicSystemColours);

    // Properties; a write stores, recomputes what depends on it and repaints (forced, normal).
    Colour backColor() const { return back_; }
    void setBackColor(Colour c);
    Colour foreColor() const { return fore_; }
    void setForeColor(Colour c);
    int buttonType() const { return type_; }
    void setButtonType(int style);  // the outline follows at the next resize
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    const std::string& font() const { return font_; }  // empty: the window's font
    void setFont(const std::string& font);
    int colorScheme() const { return scheme_; }
    void setColorScheme(int scheme);
    bool showFocusRect() const { return showFocusRect_; }
    void setShowFocusRect(bool show);

    // The window layout's store: every key written; missing keys read as the defaults.
    std::map<std::string, std::string> saveLayout() const;
    void readLayout(const std::map<std::string, std::string>& stored);

    const ButtonPalette& palette() const { return palette_; }
    std::optional<char> accessKey() const { return accessKey_; }
    const Outline& outline() const { return outline_; }
    int width() const { return width_; }
    int height() const { return height_; }
    State state() const { return state_; }
    bool focused() const { return focused_; }
    // How many times the look was asked to change (skipped repaints do not count).
    int repaints() const { return repaints_; }

    // Input, as the platform delivers it (none reaches a disabled window).
    void resize(int width, int height);
    void mouseDown(MouseButton button, int shift, int x, int y);
    void mouseUp(MouseButton button, int shift, int x, int y);
    void mouseMove(std::optional<MouseButton> held, int x, int y);
    void doubleClick();
    void keyDown(Key key, int shift);
    void keyUp(Key key, int shift);
    void keyPress(int charCode);
    void accessKeyPressed() { click(); }
    void setFocused(bool focused);
    // The Click logic, as the access key and the window's logic run it.
    void click();
    // The platform's own click after a press and release: none for the press of a double
    // click (a view whose platform button clicks on its own reports it here).
    void platformClick();
    // For a view whose platform button tracks the press itself: the look follows its state.
    void showPressed(bool pressed) { repaint(pressed ? kPressed : kNormal, false); }

    // Draws the current look on a canvas of width() x height().
    void draw(Canvas& canvas) const;

    // Events towards the window.
    std::function<void()> onClick;
    std::function<void(MouseButton, int shift, int x, int y)> onMouseDown, onMouseUp;
    std::function<void(int charCode)> onKeyPress;
    std::function<void(Key, int shift)> onKeyDown, onKeyUp;
    // Arrow keys move the focus as Tab (+1) and Shift+Tab (-1) do.
    std::function<void(int direction)> onMoveFocus;
    // The look changed and should reach the screen.
    std::function<void()> onRepaint;
    // The outline changed and should be applied to the window.
    std::function<void()> onOutline;

  private:
    void repaint(State s, bool forced);
    void press(MouseButton button, int shift, int x, int y);
    void release(MouseButton button, int shift, int x, int y);
    void propertyChanged();
    bool inside(int x, int y) const { return x >= 0 && x <= width_ && y >= 0 && y <= height_; }
    void drawStyle3(Canvas& c, bool disabled, bool pressed, bool focused) const;
    void drawBevelled(Canvas& c, bool disabled, bool pressed) const;
    void drawCaption(Canvas& c, bool disabled, bool pressed) const;

    ButtonPalette system_;
    Colour back_, fore_;
    int type_ = 2;
    std::string caption_;
    bool enabled_ = true;
    std::string font_;
    int scheme_ = 1;
    bool showFocusRect_ = true;

    ButtonPalette palette_;
    std::optional<char> accessKey_;
    Outline outline_;
    int width_ = 0, height_ = 0;
    State state_ = kNormal;
    std::optional<std::string> drawnCaption_;
    bool focused_ = false;
    MouseButton lastButton_ = MouseButton::Left;
    bool captured_ = false;          // a left press that a release inside turns into a click
    bool doubleClickPress_ = false;  // the press under way is a double click's second
    int repaints_ = 0;
};

}  // namespace brisko::controls
