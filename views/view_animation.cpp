// Animations: the common animation control, opening, playing and stopping as its model says.
#include <windows.h>

#include <string>

#include "views/view_kind.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

void ApplyAnimation(ControlView& c) {
    const auto& a = As<controls::Animation>(*c.widget);
    if (a.file().empty()) {
        SendMessageW(c.hwnd, ACM_OPENW, 0, 0);
        c.openedAnimation.clear();
        return;
    }
    // Opening again would restart the clip; only another file is opened.
    const std::wstring file = Wide(a.file());
    if (file != c.openedAnimation) {
        SendMessageW(c.hwnd, ACM_OPENW, 0, reinterpret_cast<LPARAM>(file.c_str()));
        c.openedAnimation = file;
    }
    if (a.playing())
        SendMessageW(c.hwnd, ACM_PLAY, static_cast<WPARAM>(static_cast<UINT>(a.repeat())),
                     MAKELPARAM(0, 0xFFFF));
    else
        SendMessageW(c.hwnd, ACM_STOP, 0, 0);
}

class AnimationKind final : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override {
        return CreateChild(c, parent, bounds, ANIMATE_CLASSW, Wide(c.widget->caption()),
                           ACS_TRANSPARENT | ACS_CENTER);
    }
    void initialise(ControlView& c) const override {
        if (!As<controls::Animation>(*c.widget).file().empty()) ApplyAnimation(c);
    }
    void apply(ControlView& c, controls::Change change, int index) const override {
        if (change == controls::Change::Play)
            ApplyAnimation(c);
        else
            ControlKindView::apply(c, change, index);
    }
};

}  // namespace

const ControlKindView& AnimationView() {
    static const AnimationKind view;
    return view;
}

}  // namespace brisko::views
