#pragma once
// Widget models: the state of each control of a window and its events, free of any platform.
// The Win32 binding keeps a real control in step with each model through `viewHook`; the
// window logic and the tests work on the models alone.
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "controls/chameleon_button.h"
#include "controls/colour.h"

namespace brisko::controls {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;  // twips
};

enum class Kind {
    CheckBox,
    OptionButton,
    Label,
    TextBox,
    ListBox,
    ComboBox,
    Frame,
    Animation,
    PushButton,
    Image
};

// What changed in a model, for the view.
enum class Change {
    Caption,
    Visible,
    Enabled,
    Value,
    Text,
    Items,
    ItemAdded,
    ItemRemoved,
    ItemChecked,
    Selection,
    Extent,
    Focus,
    Style,
    Play,
    ToolTip
};

class Widget {
  public:
    Widget(std::string name, Kind kind, Widget* parent = nullptr)
        : name_(std::move(name)), kind_(kind), parent_(parent) {}
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget() = default;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Widget* parent() const { return parent_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) {
        if (c != caption_) {
            caption_ = c;
            notify(Change::Caption);
        }
    }
    bool visible() const { return visible_; }
    void setVisible(bool v) {
        if (v != visible_) {
            visible_ = v;
            notify(Change::Visible);
        }
    }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e) {
        if (e != enabled_) {
            enabled_ = e;
            notify(Change::Enabled);
        }
    }
    // Asks the view to give this control the input focus.
    void setFocus() { notify(Change::Focus); }

    std::string toolTip;
    // A tip that changes while the window is shown.
    void setToolTip(const std::string& tip) {
        if (tip != toolTip) {
            toolTip = tip;
            notify(Change::ToolTip);
        }
    }
    Rect rect;
    Colour foreColor = kDefaultColour;
    Colour backColor = kDefaultColour;
    void setForeColor(Colour c) {
        if (c != foreColor) {
            foreColor = c;
            notify(Change::Style);
        }
    }
    bool bold = false;

    // Model -> view: set by the binding; called after every change of state.
    std::function<void(Widget&, Change, int index)> viewHook;
    // View -> model: user events.
    std::function<void()> onMouseMove;
    std::function<void()> onClick;

  protected:
    void notify(Change c, int index = -1) {
        changed(c);
        if (viewHook) viewHook(*this, c, index);
    }
    // A kind's own reaction to a change of its state, before the view hears of it.
    virtual void changed(Change) {}

  private:
    std::string name_;
    Kind kind_;
    Widget* parent_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
};

class Label : public Widget {
  public:
    explicit Label(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::Label, parent) {}
};

class Frame : public Widget {
  public:
    explicit Frame(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::Frame, parent) {}
};

class Image : public Widget {
  public:
    explicit Image(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::Image, parent) {}
    std::function<void(int button)> onMouseDown;
    std::function<void(int button)> onMouseUp;
};

// A two-state box; a change of value, by the user or by code, runs `onClick`.
class CheckBox : public Widget {
  public:
    explicit CheckBox(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::CheckBox, parent) {}
    int value() const { return value_; }
    void setValue(int v) {
        if (v == value_) return;
        value_ = v;
        notify(Change::Value);
        if (onClick) onClick();
    }

  private:
    int value_ = 0;
};

// Option buttons with the same parent form one group: selecting one clears the others.
class OptionButton : public Widget {
  public:
    explicit OptionButton(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::OptionButton, parent) {}
    bool value() const { return value_; }
    void setValue(bool v);
    std::vector<OptionButton*> group;  // the other buttons of the group

  private:
    bool value_ = false;
};

class TextBox : public Widget {
  public:
    explicit TextBox(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::TextBox, parent) {}
    const std::string& text() const { return text_; }
    // Applies the length limit as the control does, then runs `onChange` when the text changed.
    void setText(const std::string& t);
    // What the user's box now holds, in the platform's UTF-16 units, becomes the text. A half of
    // a character beyond U+FFFF that has no partner (the first of its two keystrokes) is left out,
    // so the text changes, and `onChange` runs, once the character is whole.
    void typed(std::u16string_view units);
    // Whether a box holding `units` shows the text: a view writes the text back only when not,
    // since writing what the user typed moves the caret and would split a half-typed character.
    bool shownBy(std::u16string_view units) const;
    int maxLength = 0;  // in UTF-16 units, as the control counts; 0: no limit
    bool multiLine = false;
    std::function<void()> onChange;
    std::function<void(int charCode)> onKeyPress;

  private:
    std::string text_;
};

// A list of texts, optionally with a check box per entry.
class ListBox : public Widget {
  public:
    explicit ListBox(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::ListBox, parent) {}
    bool checkBoxes = false;
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const { return items_.at(static_cast<size_t>(i)); }
    const std::vector<std::string>& items() const { return items_; }
    bool checked(int i) const { return checked_.at(static_cast<size_t>(i)); }
    void setChecked(int i, bool c);
    // Every entry at once, drawn once (ItemChecked with index -1).
    void setAllChecked(bool c);
    void clear();
    // False, and nothing added, when the list already holds `capacity` entries.
    bool addItem(const std::string& text);
    int capacity = std::numeric_limits<int>::max();
    // Replaces every entry at once (one update of the view).
    void assign(std::vector<std::string> texts);
    void removeItem(int i);
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);
    int horizontalExtent() const { return extent_; }
    void setHorizontalExtent(int pixels) {
        extent_ = pixels;
        notify(Change::Extent);
    }
    // A list that stands in the same place as this one, the two never shown together: the view
    // may present both through one native list, which spares the user a swap of windows.
    ListBox* sharesPlaceWith = nullptr;

  private:
    std::vector<std::string> items_;
    std::vector<bool> checked_;
    int listIndex_ = -1;
    int extent_ = 0;
};

class ComboBox : public Widget {
  public:
    explicit ComboBox(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::ComboBox, parent) {}
    std::vector<std::string> items;
    const std::string& text() const { return text_; }
    void setText(const std::string& t) {
        if (t != text_) {
            text_ = t;
            notify(Change::Text);
        }
    }
    int listIndex() const { return listIndex_; }
    // Choosing an entry sets the text and runs `onClick`.
    void setListIndex(int i);
    void addItem(const std::string& t) {
        items.push_back(t);
        notify(Change::ItemAdded, static_cast<int>(items.size()) - 1);
    }

  private:
    std::string text_;
    int listIndex_ = -1;
};

// The windows' push button: caption, tool tip, enabled state and click are what the windows'
// logic uses; its look and input are a chameleon button of style 3, colour scheme 2 on a grey
// face, kept in step with the caption, enabled state and text colour.
class PushButton : public Widget {
  public:
    explicit PushButton(std::string name, Widget* parent = nullptr);
    // A click as the user makes it: nothing happens while the button is disabled.
    void click() { look().click(); }
    // The button's drawing and input model, with the current text colour.
    ChameleonButton& look();

    static constexpr Colour kFace = rgb(192, 192, 192);
    static constexpr Colour kInk = rgb(0, 0, 255);

  protected:
    void changed(Change c) override;

  private:
    ChameleonButton look_;
};

// The common animation control.
class Animation : public Widget {
  public:
    explicit Animation(std::string name, Widget* parent = nullptr)
        : Widget(std::move(name), Kind::Animation, parent) {}
    void open(const std::string& path) {
        file_ = path;
        playing_ = false;
        notify(Change::Play);
    }
    // repeat -1: loop until closed.
    void play(int repeat = -1) {
        repeat_ = repeat;
        playing_ = true;
        notify(Change::Play);
    }
    void close() {
        file_.clear();
        playing_ = false;
        notify(Change::Play);
    }
    const std::string& file() const { return file_; }
    bool playing() const { return playing_; }
    int repeat() const { return repeat_; }

  private:
    std::string file_;
    bool playing_ = false;
    int repeat_ = -1;
};

// A window timer: while enabled, `onTick` runs every `interval` milliseconds.
class Timer {
  public:
    Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e) {
        enabled_ = e;
        if (viewHook) viewHook(*this);
    }
    // Called by the event loop (or a test) when the interval has passed.
    void tick() {
        if (enabled_ && onTick) onTick();
    }
    std::function<void()> onTick;
    std::function<void(Timer&)> viewHook;

  private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
};

}  // namespace brisko::controls
