#pragma once
// Model of a top-level window: its title, size, visibility and the widgets it holds.
#include <functional>
#include <string>
#include <vector>

#include "controls/widgets.h"
#include "controls/window_skin.h"
#include "platform/shell.h"
#include "platform/ui.h"

namespace brisko::controls {

class XPDesign;

enum class WindowState { Normal, Minimized };
enum class FormChange { Created, Shown, Hidden, Destroyed, State, Pointer, Title };
constexpr int kPointerDefault = 0;
constexpr int kPointerHourglass = 11;

class Form {
  public:
    Form(std::string name, std::string title) : name_(std::move(name)), title_(std::move(title)) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& name() const { return name_; }
    const std::string& title() const { return title_; }
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }

    // The first show loads the window (its design state, then `load()`); later ones only show it.
    void show() {
        if (!loaded_) {
            loaded_ = true;
            visible_ = false;
            notify(FormChange::Created);
            loading_ = true;
            load();
            loading_ = false;
            if (!loaded_) return;  // the load ended the window
        }
        if (!visible_) {
            // A button pressed to take the window away is not seen pressed when it comes back.
            skin.reset();
            visible_ = true;
            notify(FormChange::Shown);
            if (!loading_) shownAgain();
        }
    }
    void hide() {
        if (!visible_) return;
        visible_ = false;
        notify(FormChange::Hidden);
    }
    // Closes the window: its unload handling, then the window is gone until shown again.
    void unload() {
        if (!loaded_) return;
        unloading();
        if (!loaded_) return;
        loaded_ = false;
        visible_ = false;
        notify(FormChange::Destroyed);
    }
    // Shows the window modally: the other windows of the program are disabled and this returns
    // when the window has been hidden or closed.
    void showModal(platform::Desktop& desktop) {
        modal_ = true;
        show();
        if (loaded_ && visible_) desktop.runUntil([this] { return !loaded_ || !visible_; });
        modal_ = false;
    }
    bool modal() const { return modal_ && visible_; }
    WindowState state() const { return state_; }
    void setState(WindowState s) {
        state_ = s;
        notify(FormChange::State);
    }
    int mousePointer() const { return pointer_; }
    void setMousePointer(int p) {
        pointer_ = p;
        notify(FormChange::Pointer);
    }

    int clientWidth = 0, clientHeight = 0;  // twips
    // Screen twips per pixel in X (1440 / logical pixels per inch); the view sets it.
    int twipsPerPixelX = 15;
    Colour backColor = kDefaultColour;
    // The window's own dressing and its caption buttons; each window sets its rules.
    WindowSkin skin;
    // The styled frame drawn over the whole window, if it carries one.
    XPDesign* styledFrame = nullptr;
    // Every widget, in creation (tab) order; every timer.
    std::vector<Widget*> widgets;
    std::vector<Timer*> timers;
    // The native window, set by the view; 0 while there is none.
    platform::WindowHandle hwnd = 0;

    std::function<void(Form&, FormChange)> viewHook;
    // Mouse moves over the window's own surface, outside every control.
    std::function<void()> onMouseMove;
    // The system close (the caption close, Alt+F4, the task bar): by default an unload.
    std::function<void()> onSystemClose;
    // The caption's help button.
    std::function<void()> onHelp;

  protected:
    virtual void load() {}
    virtual void unloading() {}
    // A loaded window shown again after being hidden.
    virtual void shownAgain() {}
    template <class W>
    W& add(W& w) {
        widgets.push_back(&w);
        return w;
    }
    void notify(FormChange c) {
        if (viewHook) viewHook(*this, c);
    }
    // Marks the window gone without unload handling (the program ends).
    void forget() {
        loaded_ = false;
        visible_ = false;
    }

  private:
    std::string name_;
    std::string title_;
    bool loaded_ = false;
    bool visible_ = false;
    WindowState state_ = WindowState::Normal;
    int pointer_ = kPointerDefault;
    bool modal_ = false;
    bool loading_ = false;
};

}  // namespace brisko::controls
