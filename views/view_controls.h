#pragma once
// The child controls of a window: one real control per widget model, kept in step both ways.
// Each control kind's own part is in its view file (view_kind.h); this is the common part.
#include <windows.h>

#include "views/view_form.h"

namespace brisko::views {

// Creates the control of every widget of the window (frames before the controls they hold).
void CreateControls(FormView& form);
// Moves every control to its model's place, refreshes tool tips, limits and colours.
void SyncControls(FormView& form);
// Model -> control.
void ApplyChange(ControlView& control, controls::Change change, int index);
// Where a widget's control stands in its parent, in pixels.
RECT ControlBounds(const FormView& form, const controls::Widget& w);
// Gives the control its model's tool tip (or none).
void SetToolTip(FormView& form, ControlView& control);

// Messages that controls send to their parent window (the frames forward theirs).
bool HandleCommand(FormView& form, WPARAM wparam, LPARAM lparam);
LRESULT ControlColour(FormView& form, HDC dc, HWND control);
bool DrawControl(FormView& form, const DRAWITEMSTRUCT& item);
// False when no control of the window sizes the item.
bool MeasureControl(FormView& form, MEASUREITEMSTRUCT& item);

}  // namespace brisko::views
