#pragma once
// Two list models that stand in one place and are never shown together (ListBox::
// sharesPlaceWith) share one native list box: showing the other list puts its entries, its
// selection and its scroll position into the native list instead of swapping two windows,
// which under Wine costs a frame's time. The list that is not shown keeps its changes in its
// model until its turn comes.
#include "views/view_form.h"

namespace brisko::views {

// Makes `c` present its list through the native list of the list it shares a place with, if
// that one has its native list already; false when `c` needs a control of its own.
bool JoinSharedList(FormView& f, ControlView& c);
// Model -> control for a list that shares its native list: true when the change is dealt with
// here (a change of what is shown, or any change of the list that is not shown).
bool ApplySharedListChange(ControlView& c, controls::Change change);

}  // namespace brisko::views
