#pragma once
// The program's own window dressing: the background, the title strip with its caption buttons,
// the thin borders, and the pictures of image widgets.
#include <windows.h>

#include "views/view_form.h"

namespace brisko::views {

// Height of the title strip of a skinned window in pixels (0 for other windows).
int StripHeight(const FormView& form);
int BorderWidth(const FormView& form);
RECT CaptionButtonRect(const FormView& form, int button);
// The caption button at a client point, or -1.
int CaptionButtonAt(const FormView& form, POINT client);
// Paints the window's surface. `origin` is where the DC's (0, 0) lies in the window's client
// coordinates, so children can paint the surface under themselves.
void PaintSurface(const FormView& form, HDC dc, POINT origin);
// Draws an image widget's picture into its client rectangle.
void PaintImage(const FormView& form, const controls::Image& image, HDC dc, RECT rect);

// The caption buttons under the mouse (client coordinates of the window). A button acts when the
// mouse button is released after pressing it, wherever the release happens; the title strip
// elsewhere moves the window like a caption.
//
// WM_MOUSEMOVE: lights the button under the mouse. True when the mouse is over the window's body
// (below the strip, with no caption button held), where the window's own mouse handling applies.
bool CaptionMouseMove(FormView& form, POINT client);
// WM_MOUSELEAVE.
void CaptionMouseLeave(FormView& form);
// WM_LBUTTONDOWN: presses a caption button, or starts moving the window from the strip.
void CaptionMouseDown(FormView& form, POINT client);
// WM_LBUTTONUP: the caption button that was pressed and is now released, or -1.
int CaptionMouseUp(FormView& form);
// WM_CAPTURECHANGED: another window took the mouse; a pressed button is let go without acting.
void CaptionCaptureChanged(FormView& form, HWND newCapture);
// WM_SIZE: the buttons moved; none is lit or pressed any longer, and their tips follow them.
void CaptionButtonsMoved(FormView& form);
// Gives each caption button of a skinned window its tool tip, where it is now.
void AddCaptionButtonTips(FormView& form);

}  // namespace brisko::views
