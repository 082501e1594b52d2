// Image widgets: pieces of the window's dressing and pictures, painted by the skin, which report
// mouse presses and releases of either button to their model.
#include <windows.h>

#include "views/view_skin.h"
#include "views/view_static.h"

namespace brisko::views {

namespace {

class ImageKind final : public StaticKind {
  public:
    std::optional<LRESULT> message(ControlView& c, const ControlMessage& m) const override {
        auto& image = As<controls::Image>(*c.widget);
        switch (m.msg) {
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
                if (image.onMouseDown) image.onMouseDown(m.msg == WM_LBUTTONDOWN ? 1 : 2);
                return m.passOn();
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                if (image.onMouseUp) image.onMouseUp(m.msg == WM_LBUTTONUP ? 1 : 2);
                return m.passOn();
        }
        return StaticKind::message(c, m);
    }

  protected:
    void paintContent(ControlView& c, HDC dc, RECT r) const override {
        PaintImage(*c.form, As<controls::Image>(*c.widget), dc, r);
    }
};

}  // namespace

const ControlKindView& ImageView() {
    static const ImageKind view;
    return view;
}

}  // namespace brisko::views
