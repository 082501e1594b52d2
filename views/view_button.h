#pragma once
// The push buttons of every window, made in one place.
#include <windows.h>

#include "controls/widgets.h"

namespace brisko::views {

// Creates the native control of a push button: window text = caption, answers BM_CLICK.
HWND make_push_button(controls::PushButton& button, HWND parent, int id, RECT bounds,
                      HINSTANCE instance);
// Paints a push button for WM_DRAWITEM: the button model's drawing, off screen first.
void DrawPushButton(controls::PushButton& button, const DRAWITEMSTRUCT& item);
// Sizes the button model to the control and gives the control the model's outline; call
// after every size change.
void ShapePushButton(controls::PushButton& button, HWND hwnd);

}  // namespace brisko::views
