#pragma once
// The part that labels and image widgets share: a STATIC control (so that tools find it by its
// text and it reports clicks) which the program paints itself, over the window's own surface.
#include <windows.h>

#include "views/view_kind.h"

namespace brisko::views {

class StaticKind : public ControlKindView {
  public:
    HWND create(ControlView& c, HWND parent, RECT bounds) const override;
    void command(ControlView& c, UINT code) const override;
    std::optional<LRESULT> message(ControlView& c, const ControlMessage& m) const override;

  protected:
    // Draws what the control shows over its background; `dc` is the off-screen picture of the
    // client rectangle `client`.
    virtual void paintContent(ControlView& c, HDC dc, RECT client) const = 0;

  private:
    void paint(ControlView& c, HDC dc) const;
};

}  // namespace brisko::views
