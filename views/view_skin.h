#pragma once
// The program's own window dressing: the background, the title strip with its caption buttons,
// the thin borders, and the pictures of image widgets.
#include <windows.h>

#include "views/view_form.h"

namespace brisko::views {

// Height of the title strip of a skinned window in pixels (0 for other windows).
int StripHeight(const FormView& form);
int BorderWidth(const FormView& form);
RECT CaptionButtonRect(const FormView& form, controls::CaptionButton button);
// The title piece at a client point of the title strip.
controls::TitleElement TitleElementAt(const FormView& form, POINT client);
// Paints the window's surface. `origin` is where the DC's (0, 0) lies in the window's client
// coordinates, so children can paint the surface under themselves.
void PaintSurface(const FormView& form, HDC dc, POINT origin);
// Draws an image widget's picture into its client rectangle.
void PaintImage(const FormView& form, const controls::Image& image, HDC dc, RECT rect);

// Each caption button is a child window of the program's own class whose text is its tool tip,
// so that screen readers and test drivers find it; it follows the skin's model under the mouse
// and acts on the release after a press, wherever the release happens (it holds the mouse), or
// on BM_CLICK.
void RegisterCaptionButtonClass(HINSTANCE instance);
void CreateCaptionButtons(FormView& form);
// After a resize or a change of DPI.
void PlaceCaptionButtons(FormView& form);
// Gives each caption button its tool tip.
void AddCaptionButtonTips(FormView& form);

// WM_MOUSEMOVE on the window itself: over the title strip, the skin's back-to-normal rule for the
// title piece. True when the mouse is over the window's body, where its own handling applies.
bool StripMouseMove(FormView& form, POINT client);
// WM_LBUTTONDOWN on the window itself: the title pieces that move the window move it.
void StripMouseDown(FormView& form, POINT client);
// A left press on the title text.
void DragByTitleText(FormView& form);

// A text of the window's styled frame (its caption or status text), which moves the window and
// returns the caption buttons to normal like the frame's bars.
bool IsFrameText(const FormView& form, const controls::Widget& w);
// A mouse message on such a text: handled when it is a move or a press.
bool FrameTextMessage(FormView& form, const controls::Widget& w, UINT msg);

}  // namespace brisko::views
