#pragma once
// The push buttons of every window, made in one place.
#include <windows.h>

#include "controls/widgets.h"
#include "views/view_form.h"

namespace brisko::views {

// Creates the native control of a push button: window text = caption, answers BM_CLICK.
HWND make_push_button(controls::PushButton& button, HWND parent, int id, RECT bounds,
                      HINSTANCE instance);
// Paints the push button `c` of `size` on `target` in the state the platform's button reports:
// the button model's drawing in the window's font, off screen first.
void DrawPushButton(ControlView& c, HDC target, SIZE size, bool pressed, bool focused);
// Sizes the button model to the control and gives the control the model's outline; call
// after every size change.
void ShapePushButton(controls::PushButton& button, HWND hwnd);

}  // namespace brisko::views
