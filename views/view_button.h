#pragma once
// The push buttons of every window, made in one place.
#include <windows.h>

#include "controls/widgets.h"

namespace brisko::views {

// Creates the native control of a push button: window text = caption, answers BM_CLICK.
HWND make_push_button(const controls::PushButton& button, HWND parent, int id, RECT bounds,
                      HINSTANCE instance);
// Paints a push button for WM_DRAWITEM.
void DrawPushButton(const controls::PushButton& button, const DRAWITEMSTRUCT& item);
// Gives the button its rounded outline; call after every size change.
void ShapePushButton(HWND button);

}  // namespace brisko::views
