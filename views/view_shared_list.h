#pragma once
// Two list models that stand in one place and are never shown together (ListBox::
// sharesPlaceWith) each keep a native list of their own, with its entries, selection and scroll
// position, so that going back to a long list costs no refill. The list that gives way is hidden
// without a repaint of what lies behind it, since the other one covers the same pixels: a swap
// draws the list that shows and nothing else.
#include "views/view_form.h"

namespace brisko::views {

// Pairs the list `c`, whose native list is made, with the list it shares a place with, if that
// one's native list is made too.
void PairSharedList(FormView& f, ControlView& c);
// The extra styles of a list that shares its place: its scroll bars stay shown (disabled when
// there is nothing to scroll), so that neither a swap nor a refill changes its frame, which
// under Wine would draw the frame and its bars over again at once.
DWORD SharedListStyle(const FormView& f, const controls::Widget& list);
// Model -> control for a change of visibility of a paired list: true when it is dealt with here.
bool ApplySharedListChange(ControlView& c, controls::Change change);

}  // namespace brisko::views
