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

}  // namespace brisko::views
