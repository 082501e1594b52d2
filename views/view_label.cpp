// Labels: the program paints their text, so that it lies on the window's own surface; a label
// with no width of its own takes the width of its text, and one on a skinned window's title
// strip moves the window like a caption.
#include <windows.h>

#include <algorithm>
#include <string>

#include "views/gdi.h"
#include "views/view_burst.h"
#include "views/view_skin.h"
#include "views/view_static.h"
#include "views/view_text.h"

namespace brisko::views {

namespace {

bool AutoSized(const controls::Widget& w) {
    return w.rect.width == 0;
}

class LabelKind final : public StaticKind {
  public:
    void initialise(ControlView& c) const override { fitText(c); }
    void place(ControlView& c, RECT bounds) const override {
        if (!AutoSized(*c.widget)) StaticKind::place(c, bounds);
    }
    void apply(ControlView& c, controls::Change change, int index) const override {
        if (change == controls::Change::Caption && PutOffCaption(c)) return;
        StaticKind::apply(c, change, index);
        if (change == controls::Change::Caption) fitText(c);
    }
    std::optional<LRESULT> message(ControlView& c, const ControlMessage& m) const override {
        FormView& f = *c.form;
        if (FrameTextMessage(f, *c.widget, m.msg)) return 0;
        if (m.msg == WM_LBUTTONDOWN && InTitleStrip(f, *c.widget)) {
            DragByTitleText(f);
            return 0;
        }
        return StaticKind::message(c, m);
    }

  protected:
    void paintContent(ControlView& c, HDC dc, RECT r) const override {
        const FormView& f = *c.form;
        const controls::Widget& w = *c.widget;
        SelectedObject font(dc, f.fontFor(w));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, IsWindowEnabled(c.hwnd) ? TextColour(w, COLOR_BTNTEXT)
                                                 : GetSysColor(COLOR_GRAYTEXT));
        const std::wstring text = WindowText(c.hwnd);
        UINT format = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
        if (InTitleStrip(f, w) || IsFrameText(f, w))
            format = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    }

  private:
    // Labels with no width of their own take the width of their text.
    static void fitText(ControlView& c) {
        const controls::Widget& w = *c.widget;
        if (!AutoSized(w)) return;
        RECT r{0, 0, 0, 0};
        {
            WindowDc dc(c.hwnd);
            if (!dc) return;
            SelectedObject font(dc.get(), c.form->fontFor(w));
            const std::wstring text = Wide(w.caption());
            DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r,
                      DT_CALCRECT | DT_SINGLELINE);
        }
        SetWindowPos(c.hwnd, nullptr, 0, 0, r.right + 2,
                     std::max<int>(r.bottom, c.form->px(w.rect.height)),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

}  // namespace

const ControlKindView& LabelView() {
    static const LabelKind view;
    return view;
}

}  // namespace brisko::views
