#include "views/binding.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "views/gdi.h"
#include "views/view_burst.h"
#include "views/view_controls.h"
#include "views/view_skin.h"
#include "views/view_style.h"
#include "views/view_text.h"

namespace brisko::views {

using controls::FormChange;

namespace {

constexpr wchar_t kFormClass[] = L"BriskoForm";

int ScreenDpi() {
    WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : 96;
}

void PaintForm(FormView& f) {
    PaintDc dc(f.hwnd);
    if (!dc) return;
    RECT r{};
    GetClientRect(f.hwnd, &r);
    DrawBuffered(dc.get(), r.right, r.bottom, [&](HDC buffer) { PaintSurface(f, buffer, {0, 0}); });
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* f = static_cast<FormView*>(cs->lpCreateParams);
        f->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(f));
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    auto* f = reinterpret_cast<FormView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!f) return DefWindowProcW(hwnd, msg, wp, lp);
    controls::Form& form = *f->form;

    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintForm(*f);
            return 0;
        case WM_PRINTCLIENT:
            // Pictures of the window (magnifiers, WM_PRINT) show the program's own dressing too.
            PaintSurface(*f, reinterpret_cast<HDC>(wp), {0, 0});
            return 0;
        case WM_COMMAND:
            if (HandleCommand(*f, wp, lp)) return 0;
            break;
        case kRefilledListsMessage:
            ReleaseRefilledLists(*f);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return ControlColour(*f, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_DRAWITEM:
            if (DrawControl(*f, *reinterpret_cast<DRAWITEMSTRUCT*>(lp))) return TRUE;
            break;
        case WM_MEASUREITEM:
            if (MeasureControl(*f, *reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return TRUE;
            break;
        case WM_MOUSEMOVE: {
            // While a caption button holds the mouse, the moves are that button's.
            const HWND capture = GetCapture();
            const bool held = capture && capture != hwnd && IsChild(hwnd, capture);
            if (!held && StripMouseMove(*f, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) &&
                form.onMouseMove)
                form.onMouseMove();
            return 0;
        }
        case WM_LBUTTONDOWN:
            StripMouseDown(*f, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_SETCURSOR:
            if (form.mousePointer() == controls::kPointerHourglass) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_TIMER: {
            if (wp == kBurstTimer) {
                Flush(*f);
                return 0;
            }
            const size_t index = static_cast<size_t>(wp) - 1;
            if (index < form.timers.size()) form.timers[index]->tick();
            return 0;
        }
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED) {
                PlaceCaptionButtons(*f);
                form.skin.resized();
            }
            if (wp == SIZE_RESTORED && form.state() == controls::WindowState::Minimized) {
                SyncGuard guard(*f);
                form.setState(controls::WindowState::Normal);
            }
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_DPICHANGED: {
            f->dpi = HIWORD(wp);
            f->binding->formChanged(*f, FormChange::Title);  // refreshes fonts and layout
            const RECT* suggested = reinterpret_cast<const RECT*>(lp);
            SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            f->binding->formClosed(*f);
            return 0;

        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            if (f->hwnd == hwnd) {
                f->hwnd = nullptr;
                f->tooltip = nullptr;
                form.hwnd = 0;
                f->refilledLists.clear();  // their message goes with the window
                f->refillPosted = false;
            }
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

HBRUSH FormView::brush(COLORREF colour) {
    auto it = brushes.find(colour);
    if (it == brushes.end())
        it = brushes.emplace(colour, GdiObject(CreateSolidBrush(colour))).first;
    return static_cast<HBRUSH>(it->second.get());
}

void FormView::setTip(HWND tool, const std::string& text, bool relayed) {
    if (!tooltip || !tool) return;
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | (relayed ? 0 : TTF_SUBCLASS);
    info.hwnd = hwnd;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (text.empty()) return;
    std::wstring wide = Wide(text);
    info.lpszText = wide.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

ControlView* FormView::find(HWND child) const {
    if (!child) return nullptr;
    for (const auto& c : controls)
        if (c->hwnd == child) return c.get();
    return nullptr;
}

COLORREF FormView::background() const {
    return form->backColor == controls::kDefaultColour ? GetSysColor(COLOR_BTNFACE)
                                                       : ToColorRef(form->backColor);
}

Binding::Binding(HINSTANCE instance, platform::Services& services)
    : instance_(instance), services_(services) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, IconResource());
    // Shared: the class keeps the icon for the life of the program, and a later binding (the
    // class is registered once) gets the same handle instead of a copy that nothing frees.
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, IconResource(), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
    RegisterCaptionButtonClass(instance);
}

Binding::~Binding() {
    for (auto& f : forms_) {
        if (f->hwnd) DestroyWindow(f->hwnd);
        f->form->viewHook = nullptr;
        f->form->skin.onImageChange = nullptr;
        for (controls::Widget* w : f->form->widgets) w->viewHook = nullptr;
        for (controls::Timer* t : f->form->timers) t->viewHook = nullptr;
    }
}

void Binding::attach(controls::Form& form) {
    auto view = std::make_unique<FormView>();
    FormView* f = view.get();
    f->binding = this;
    f->form = &form;
    f->instance = instance_;
    form.twipsPerPixelX = 1440 / ScreenDpi();
    forms_.push_back(std::move(view));
    form.viewHook = [this, f](controls::Form&, FormChange change) { formChanged(*f, change); };
    for (controls::Widget* w : form.widgets)
        w->viewHook = [f](controls::Widget& widget, controls::Change change, int index) {
            if (ControlView* c = f->find(widget); c && c->hwnd) ApplyChange(*c, change, index);
        };
    for (controls::Timer* t : form.timers)
        t->viewHook = [this, f](controls::Timer& timer) { applyTimer(*f, timer); };
}

void Binding::makeFonts(FormView& f) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(kFontPoints, f.dpi, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, kFontFace, LF_FACESIZE);
    f.font.reset(CreateFontIndirectW(&lf));
    lf.lfWeight = FW_BOLD;
    f.boldFont.reset(CreateFontIndirectW(&lf));
}

void Binding::create(FormView& f) {
    controls::Form& form = *f.form;
    f.dpi = ScreenDpi();
    makeFonts(f);
    DWORD style = WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
    style |=
        form.skin.kind() == controls::SkinKind::System ? (WS_OVERLAPPED | WS_CAPTION) : WS_POPUP;
    const DWORD ex = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
    RECT r{0, 0, f.px(form.clientWidth), f.px(form.clientHeight)};
    AdjustWindowRectEx(&r, style, FALSE, ex);
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + std::max<int>(0, (work.right - work.left - w) / 2);
    const int y = work.top + std::max<int>(0, (work.bottom - work.top - h) / 2);
    CreateWindowExW(ex, kFormClass, Wide(form.title()).c_str(), style, x, y, w, h, nullptr, nullptr,
                    instance_, &f);
    if (!f.hwnd) return;
    form.hwnd = reinterpret_cast<platform::WindowHandle>(f.hwnd);
    CreateControls(f);
    CreateCaptionButtons(f);
    SyncControls(f);
    AddCaptionButtonTips(f);
    for (controls::Timer* t : form.timers) applyTimer(f, *t);
}

void Binding::destroy(FormView& f) {
    endModal(f);
    if (!f.hwnd) return;
    for (size_t i = 0; i < f.form->timers.size(); ++i) KillTimer(f.hwnd, i + 1);
    HWND hwnd = f.hwnd;
    DestroyWindow(hwnd);
    f.hwnd = nullptr;
    f.tooltip = nullptr;
    f.form->hwnd = 0;
    for (auto& c : f.controls) f.retired.push_back(std::move(c));
    f.controls.clear();
    f.byWidget.clear();
}

void Binding::beginModal(FormView& f) {
    if (!f.form->modal()) return;
    for (auto& other : forms_)
        if (other.get() != &f && other->hwnd && IsWindowEnabled(other->hwnd)) {
            EnableWindow(other->hwnd, FALSE);
            f.disabledOwners.push_back(other->hwnd);
        }
}

void Binding::endModal(FormView& f) {
    // The owners come back before the modal window goes, so that activation returns to them.
    for (HWND owner : f.disabledOwners)
        if (IsWindow(owner)) EnableWindow(owner, TRUE);
    f.disabledOwners.clear();
}

void Binding::applyTimer(FormView& f, controls::Timer& timer) {
    if (!f.hwnd) return;
    const auto it = std::find(f.form->timers.begin(), f.form->timers.end(), &timer);
    if (it == f.form->timers.end()) return;
    const UINT_PTR id = static_cast<UINT_PTR>(it - f.form->timers.begin()) + 1;
    if (timer.enabled())
        SetTimer(f.hwnd, id, static_cast<UINT>(std::max(1, timer.interval())), nullptr);
    else
        KillTimer(f.hwnd, id);
}

void Binding::formChanged(FormView& f, FormChange change) {
    controls::Form& form = *f.form;
    switch (change) {
        case FormChange::Created:
            if (!f.hwnd) create(f);
            break;
        case FormChange::Shown:
            if (!f.hwnd) create(f);
            if (!f.hwnd) break;
            // The load may have moved controls or set tips and limits after creation.
            SyncControls(f);
            AddCaptionButtonTips(f);
            beginModal(f);
            ShowWindow(f.hwnd, form.state() == controls::WindowState::Minimized ? SW_SHOWMINIMIZED
                                                                                : SW_SHOW);
            SetForegroundWindow(f.hwnd);
            UpdateWindow(f.hwnd);
            break;
        case FormChange::Hidden:
            endModal(f);
            if (f.hwnd) ShowWindow(f.hwnd, SW_HIDE);
            break;
        case FormChange::Destroyed:
            destroy(f);
            if (std::none_of(forms_.begin(), forms_.end(),
                             [](const auto& v) { return v->form->loaded(); }))
                PostQuitMessage(0);
            break;
        case FormChange::State:
            if (f.hwnd && !f.syncing)
                ShowWindow(f.hwnd, form.state() == controls::WindowState::Minimized ? SW_MINIMIZE
                                                                                    : SW_RESTORE);
            break;
        case FormChange::Pointer: {
            if (!f.hwnd) break;
            POINT p{};
            GetCursorPos(&p);
            HWND under = WindowFromPoint(p);
            if (under == f.hwnd || IsChild(f.hwnd, under))
                SetCursor(LoadCursorW(nullptr, form.mousePointer() == controls::kPointerHourglass
                                                   ? IDC_WAIT
                                                   : IDC_ARROW));
            break;
        }
        case FormChange::Title:
            if (!f.hwnd) break;
            makeFonts(f);
            SetWindowTextW(f.hwnd, Wide(form.title()).c_str());
            SyncControls(f);
            InvalidateRect(f.hwnd, nullptr, FALSE);
            break;
    }
}

void Binding::formClosed(FormView& f) {
    if (f.form->onSystemClose)
        f.form->onSystemClose();
    else
        f.form->unload();
}

bool Binding::dialogMessage(MSG& msg) {
    if (!msg.hwnd) return false;
    for (auto& f : forms_)
        if (f->hwnd && (msg.hwnd == f->hwnd || IsChild(f->hwnd, msg.hwnd)))
            return IsDialogMessageW(f->hwnd, &msg) != FALSE;
    return false;
}

int Binding::run() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (dialogMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace brisko::views
